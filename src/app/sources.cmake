# SPDX-License-Identifier: GPL-3.0-or-later
# The composition root: start-up and shut-down, and the objects the whole program shares.
list(APPEND BRIMBOLA_UI_SOURCES ${folder}/interfacescale.cpp ${folder}/shared.cpp ${folder}/startup.cpp)
