# SPDX-License-Identifier: GPL-3.0-or-later
# The practice words: selection by settings, the random draw, the word pictures and the word list.
brimbola_engine_test(words_tests SOURCES words/catalogue_test.cpp words/pictures_test.cpp words/wordlist_test.cpp)
