# SPDX-License-Identifier: GPL-3.0-or-later
# The crash test: a writer of the program's files killed at random moments, and the files it leaves.
add_executable(crashwriter ${folder}/crashwriter.cpp)
target_link_libraries(crashwriter PRIVATE brimbola_testdoubles brimbola_ui)
brimbola_test(crashsafe_tests SOURCES ${folder}/crashsafe_test.cpp)
target_compile_definitions(crashsafe_tests PRIVATE BRIMBOLA_CRASHWRITER="$<TARGET_FILE:crashwriter>")
add_dependencies(crashsafe_tests crashwriter)
