# SPDX-License-Identifier: GPL-3.0-or-later
# Main menu, splash, about and message windows, and the recordings tab.
list(APPEND BRIMBOLA_UI_SOURCES ${folder}/Fmmain.cpp ${folder}/Fmsplashscreen.cpp ${folder}/Fmkomunikat.cpp
  ${folder}/Fmoprogramie.cpp ${folder}/menuwindows.cpp ${folder}/recordingstab.cpp ${folder}/guidewindow.cpp)
