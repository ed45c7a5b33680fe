# SPDX-License-Identifier: GPL-3.0-or-later
# The picture-and-say game: its engine, its window with the tile dragging, and a whole game.
brimbola_engine_test(selector_engine_tests SOURCES ${folder}/graselector_test.cpp SIZES 800x600 1024x768)
brimbola_test(selector_window_tests SOURCES ${folder}/selector_test.cpp SIZES 800x600 1024x768)
brimbola_test(selector_game_tests SOURCES ${folder}/selector_game_test.cpp SIZES 800x600 1024x768)
# The adult's own word in a whole game: one screen size tells all.
brimbola_test(ownword_game_tests SOURCES ${folder}/ownword_game_test.cpp)
