# The practice words: selection by settings, the random draw and the word pictures.
brimbola_test(words_tests SOURCES words/catalogue_test.cpp words/pictures_test.cpp words/wordlist_test.cpp)
