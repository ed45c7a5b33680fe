# SPDX-License-Identifier: GPL-3.0-or-later
# The sounds game: its window's rules through real mouse events, and a whole game from the menu.
brimbola_test(sounds_window_tests SOURCES ${folder}/odglosy_test.cpp)
brimbola_test(sounds_game_tests SOURCES ${folder}/odglosy_game_test.cpp SIZES 800x600 1024x768)
