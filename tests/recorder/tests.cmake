# SPDX-License-Identifier: GPL-3.0-or-later
# The voice recorder and its wave device.
brimbola_test(recorder_tests SOURCES ${folder}/recorder_test.cpp)
# The recordings catalogue file and its rows.
brimbola_test(catalogue_tests SOURCES ${folder}/catalogue_test.cpp)
