# SPDX-License-Identifier: GPL-3.0-or-later
# The voice recorder and its wave device (Qt Multimedia; no widgets).
list(APPEND BRIMBOLA_CORE_SOURCES ${folder}/_cnagrywanie.cpp ${folder}/wavedevice.cpp)
# The recordings catalogue with the rows of the recordings tab.
list(APPEND BRIMBOLA_UI_SOURCES ${folder}/_cnagdata.cpp)
