# SPDX-License-Identifier: GPL-3.0-or-later
# The tile-pairs game: its engine and tiles need no widgets; the window does.
list(APPEND BRIMBOLA_CORE_SOURCES ${folder}/Grataipei.cpp ${folder}/_ckostka.cpp)
list(APPEND BRIMBOLA_UI_SOURCES ${folder}/Taipei.cpp)
