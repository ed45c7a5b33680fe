# The voice recorder and its wave device (Qt Multimedia; no widgets).
list(APPEND BRIMBOLA_CORE_SOURCES ${folder}/_cnagrywanie.cpp ${folder}/wavedevice.cpp)
