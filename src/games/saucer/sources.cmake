# SPDX-License-Identifier: GPL-3.0-or-later
# The flying-saucer game: its pieces and word board need no widgets; the picture frame and the window do.
list(APPEND BRIMBOLA_CORE_SOURCES ${folder}/_platforma.cpp ${folder}/_kratka.cpp ${folder}/Grahitman.cpp)
list(APPEND BRIMBOLA_UI_SOURCES ${folder}/_cekran.cpp ${folder}/Hitman.cpp)
