# SPDX-License-Identifier: GPL-3.0-or-later
# The table of games: every game opens from the menu, and the start check against the catalogue.
brimbola_test(gametable_tests SOURCES ${folder}/gametable_test.cpp ${folder}/startcheck_test.cpp)
