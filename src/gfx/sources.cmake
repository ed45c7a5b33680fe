# Picture holders and picture widgets.
list(APPEND BRIMBOLA_CORE_SOURCES ${folder}/_cobiektgraficzny.cpp ${folder}/Graphicobject.cpp)
