# The voice recorder and its wave device.
brimbola_test(recorder_tests SOURCES ${folder}/recorder_test.cpp)
