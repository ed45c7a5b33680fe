# The tile-pairs game: its engine's rules, and whole games from the menu.
brimbola_test(tiles_engine_tests SOURCES ${folder}/grataipei_test.cpp)
