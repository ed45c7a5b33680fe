# SPDX-License-Identifier: GPL-3.0-or-later
# The labyrinth game: maze files, board, figure and rules need no widgets; the window does.
list(APPEND BRIMBOLA_CORE_SOURCES ${folder}/labfile.cpp ${folder}/Kostkalab.cpp ${folder}/Gralabirynt.cpp)
list(APPEND BRIMBOLA_UI_SOURCES ${folder}/Labirynt.cpp)
