# SPDX-License-Identifier: GPL-3.0-or-later
# The picture-and-say game: its engine and braking stepper need no widgets; the window does.
list(APPEND BRIMBOLA_CORE_SOURCES ${folder}/Graselector.cpp ${folder}/_chamowanie.cpp)
list(APPEND BRIMBOLA_UI_SOURCES ${folder}/Selector.cpp)
