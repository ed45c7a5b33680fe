# SPDX-License-Identifier: GPL-3.0-or-later
# The practice words: selection by settings, the random draw, the word pictures, the word list and
# the rules of its marks.
brimbola_engine_test(words_tests SOURCES words/catalogue_test.cpp words/pictures_test.cpp words/wordlist_test.cpp
                     words/soundmarks_test.cpp words/ownwords_test.cpp)
# The shipped word list passes the check the build runs.
add_test(NAME word_list_check
         COMMAND check_words_tool ${CMAKE_SOURCE_DIR}/assets/groups/words/words.txt
                 ${CMAKE_SOURCE_DIR}/assets/third_party/twemoji/svg ${CMAKE_SOURCE_DIR}/assets/groups/words/svg)
# The picture of an own word: import, every form, writing all or none.
brimbola_engine_test(ownpicture_tests SOURCES words/ownpicture_test.cpp)
