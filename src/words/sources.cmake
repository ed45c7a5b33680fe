# SPDX-License-Identifier: GPL-3.0-or-later
# Practice words: the word catalogue and the differential words.
list(APPEND BRIMBOLA_CORE_SOURCES ${folder}/_cslowa.cpp ${folder}/_cslowaroznicowe.cpp)

# The catalogue is built from the one word list, which the asset generators read as well: its text
# is compiled in (CMake runs again when the list changes).
set(word_list ${CMAKE_SOURCE_DIR}/assets/groups/words/words.txt)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${word_list})
file(READ ${word_list} word_list_text)
file(CONFIGURE OUTPUT ${BRIMBOLA_GENERATED_INCLUDE}/words/shippedwordlist.h @ONLY CONTENT
"// The word list (assets/groups/words/words.txt) as the build copied it: edit that file, not this.
#pragma once

inline constexpr char kShippedWordList[] = R\"wordlist(${word_list_text})wordlist\";
")
