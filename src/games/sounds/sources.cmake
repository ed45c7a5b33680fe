# SPDX-License-Identifier: GPL-3.0-or-later
# The sounds game: its objects, sound buttons and rules need no widgets; the window does.
list(APPEND BRIMBOLA_CORE_SOURCES ${folder}/_cobiektodglosy.cpp ${folder}/Cprzyciskodglosy.cpp ${folder}/Graodglosy.cpp)
list(APPEND BRIMBOLA_UI_SOURCES ${folder}/Odglosy.cpp)
