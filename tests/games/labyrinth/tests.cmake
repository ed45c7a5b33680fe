# SPDX-License-Identifier: GPL-3.0-or-later
# The labyrinth: its files, board, figure and rules without a window, and a whole game from the menu.
brimbola_test(labyrinth_engine_tests SOURCES ${folder}/gralabirynt_test.cpp)
brimbola_test(labyrinth_game_tests SOURCES ${folder}/labirynt_game_test.cpp SIZES 800x600 1024x768)
