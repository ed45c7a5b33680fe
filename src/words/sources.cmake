# SPDX-License-Identifier: GPL-3.0-or-later
# Practice words: the word catalogue, the differential words, the rules of their marks and the
# check of the word list.
list(APPEND BRIMBOLA_CORE_SOURCES ${folder}/_cslowa.cpp ${folder}/_cslowaroznicowe.cpp
     ${folder}/soundmarks.cpp ${folder}/wordcheck.cpp ${folder}/ownwords.cpp ${folder}/ownpicture.cpp)

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

# The word list's check runs before the program is built: a word the games cannot show, or whose
# marks and flags disagree, fails the build with its line named.
#   cmake --build build --target check_words
add_executable(check_words_tool ${folder}/checkwords.cpp ${folder}/soundmarks.cpp ${folder}/wordcheck.cpp)
set_target_properties(check_words_tool PROPERTIES AUTOMOC OFF)
target_include_directories(check_words_tool PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(check_words_tool PRIVATE Qt6::Core Qt6::Gui)
# It only reads one small file: no sanitizer needed to run it during the build.
target_compile_options(check_words_tool PRIVATE -fno-sanitize=all)
set(word_pictures ${CMAKE_SOURCE_DIR}/assets/third_party/twemoji/svg)
set(word_drawings ${CMAKE_SOURCE_DIR}/assets/groups/words/svg)
file(GLOB word_picture_files CONFIGURE_DEPENDS ${word_pictures}/*.svg ${word_drawings}/*.svg)
add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/check_words.stamp
  COMMAND check_words_tool ${word_list} ${word_pictures} ${word_drawings}
  COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_CURRENT_BINARY_DIR}/check_words.stamp
  DEPENDS check_words_tool ${word_list} ${word_picture_files}
  COMMENT "Checking the word list"
  VERBATIM)
add_custom_target(check_words ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/check_words.stamp)
