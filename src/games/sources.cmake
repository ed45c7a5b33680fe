# SPDX-License-Identifier: GPL-3.0-or-later
# The table of games and the window base every game is played on.
list(APPEND BRIMBOLA_UI_SOURCES ${folder}/gametable.cpp ${folder}/gamewindow.cpp)
