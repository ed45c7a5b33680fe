# The main menu and its small windows.
brimbola_test(menu_tests SOURCES ${folder}/menu_test.cpp SIZES 800x600 1024x768)
