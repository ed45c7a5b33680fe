# SPDX-License-Identifier: GPL-3.0-or-later
# The per-game settings records and the sound-group and position bits they share with the words.
list(APPEND BRIMBOLA_CORE_SOURCES ${folder}/_custgry.cpp)
