# Practice words: the word catalogue and the differential words.
list(APPEND BRIMBOLA_CORE_SOURCES ${folder}/_cslowa.cpp ${folder}/_cslowaroznicowe.cpp)
