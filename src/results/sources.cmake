# SPDX-License-Identifier: GPL-3.0-or-later
# Counting a game, the statistics file and the end-of-game summary.
list(APPEND BRIMBOLA_CORE_SOURCES ${folder}/_cstatrec.cpp)
list(APPEND BRIMBOLA_UI_SOURCES ${folder}/Koniecgry.cpp)
