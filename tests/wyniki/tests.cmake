# SPDX-License-Identifier: GPL-3.0-or-later
# The results viewer: the reader, the grouping and the CSV without a display, and its window.
brimbola_engine_test(wyniki_tests SOURCES ${folder}/statfile_test.cpp ${folder}/grouping_test.cpp)
target_link_libraries(wyniki_tests PRIVATE brimbola_wyniki_core)
brimbola_test(wyniki_window_tests SOURCES ${folder}/window_test.cpp)
target_link_libraries(wyniki_window_tests PRIVATE brimbola_wyniki_ui)
# The view "Słowa" on a user folder of its own, with the sound hardware as a double.
brimbola_test(wordsview_tests SOURCES ${folder}/wordsview_test.cpp)
target_link_libraries(wordsview_tests PRIVATE brimbola_wyniki_ui)
# The own word's dialog with the sound hardware as a double, on both screens it must fit.
brimbola_test(wordeditor_tests SOURCES ${folder}/wordeditor_test.cpp SIZES 800x600 1024x768)
target_link_libraries(wordeditor_tests PRIVATE brimbola_wyniki_ui)
