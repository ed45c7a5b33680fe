# SPDX-License-Identifier: GPL-3.0-or-later
# Picture holders and picture widgets.
list(APPEND BRIMBOLA_CORE_SOURCES ${folder}/_cobiektgraficzny.cpp ${folder}/Graphicobject.cpp ${folder}/Ctransbitmap.cpp ${folder}/Cramka.cpp ${folder}/_czoom.cpp)
list(APPEND BRIMBOLA_UI_SOURCES ${folder}/_cprzycisk.cpp ${folder}/_ccheckbut.cpp ${folder}/_cscrollbar.cpp)
