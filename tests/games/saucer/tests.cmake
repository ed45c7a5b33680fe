# SPDX-License-Identifier: GPL-3.0-or-later
# The flying-saucer game: its word board and pieces, its window, and a whole game from the menu.
brimbola_test(saucer_engine_tests SOURCES ${folder}/grahitman_test.cpp)
brimbola_test(saucer_window_tests SOURCES ${folder}/hitman_test.cpp)
brimbola_test(saucer_game_tests SOURCES ${folder}/hitman_game_test.cpp SIZES 800x600 1024x768)
