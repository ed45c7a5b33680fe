# Picture widgets.
brimbola_test(gfx_widget_tests SOURCES ${folder}/buttons_test.cpp)
