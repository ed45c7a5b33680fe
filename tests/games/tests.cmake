# SPDX-License-Identifier: GPL-3.0-or-later
# The table of games: every game opens from the menu.
brimbola_test(gametable_tests SOURCES ${folder}/gametable_test.cpp)
