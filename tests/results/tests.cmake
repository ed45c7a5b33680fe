# SPDX-License-Identifier: GPL-3.0-or-later
# Counting a game, the statistics file and the end-of-game summary window.
brimbola_engine_test(statrec_tests SOURCES ${folder}/statrec_test.cpp)
brimbola_test(summary_window_tests SOURCES ${folder}/koniecgry_test.cpp SIZES 800x600 1024x768)
