# SPDX-License-Identifier: GPL-3.0-or-later
# Picture widgets.
brimbola_test(gfx_widget_tests SOURCES ${folder}/buttons_test.cpp)
brimbola_test(gfx_frame_tests SOURCES ${folder}/frame_test.cpp SIZES 800x600 1024x768)
