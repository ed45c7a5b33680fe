# SPDX-License-Identifier: GPL-3.0-or-later
# The adult's own voice: the lookup the games play through, the takes, the list of spoken items.
brimbola_engine_test(ownvoice_tests SOURCES ${folder}/ownvoice_test.cpp)
# The "Głos" view with the sound hardware as a double.
brimbola_test(voiceview_tests SOURCES ${folder}/voiceview_test.cpp)
