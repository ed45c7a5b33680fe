# SPDX-License-Identifier: GPL-3.0-or-later
# The adult's own voice: the spoken items of the games, and turning a raw take into a recording.
list(APPEND BRIMBOLA_CORE_SOURCES ${folder}/spokenitems.cpp ${folder}/voicetake.cpp)
# The "Głos" view of the therapist's program.
list(APPEND BRIMBOLA_UI_SOURCES ${folder}/voiceview.cpp)

# The praise and "try again" phrases the sound generator speaks: their texts are compiled in, so
# the view lists exactly what the games say (CMake runs again when a list changes).
set(phrase_dir ${CMAKE_SOURCE_DIR}/assets/groups/speech)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${phrase_dir}/praise.txt ${phrase_dir}/tryagain.txt)
file(READ ${phrase_dir}/praise.txt praise_text)
file(READ ${phrase_dir}/tryagain.txt tryagain_text)
file(CONFIGURE OUTPUT ${BRIMBOLA_GENERATED_INCLUDE}/voice/shippedphrases.h @ONLY CONTENT
"// The phrase lists (assets/groups/speech/praise.txt, tryagain.txt) as the build copied them.
#pragma once

inline constexpr char kShippedPraise[] = R\"phrases(@praise_text@)phrases\";
inline constexpr char kShippedTryAgain[] = R\"phrases(@tryagain_text@)phrases\";
")
