# SPDX-License-Identifier: GPL-3.0-or-later
# The tile-pairs game: its engine's rules, and whole games from the menu.
brimbola_engine_test(tiles_engine_tests SOURCES ${folder}/grataipei_test.cpp)
brimbola_test(tiles_game_tests SOURCES ${folder}/taipei_game_test.cpp SIZES 800x600 1024x768)
