# SPDX-License-Identifier: GPL-3.0-or-later
# The main menu and its small windows.
brimbola_test(menu_tests SOURCES ${folder}/menu_test.cpp SIZES 800x600 1024x768)
# The recordings tab of the main menu with its list, thumb and recorder.
brimbola_test(recordings_tests SOURCES ${folder}/recordings_test.cpp SIZES 800x600 1024x768)
# The locked mode: the adult's gate in front of leaving, the settings and the recordings tab.
brimbola_test(kiosk_tests SOURCES ${folder}/kiosk_test.cpp SIZES 800x600 1024x768)
