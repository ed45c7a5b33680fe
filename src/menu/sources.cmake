# SPDX-License-Identifier: GPL-3.0-or-later
# Main menu, splash, about and message windows, the guide, the recordings tab, the adult's gate and
# the chooser of the child who plays.
list(APPEND BRIMBOLA_UI_SOURCES ${folder}/Fmmain.cpp ${folder}/Fmsplashscreen.cpp ${folder}/Fmkomunikat.cpp
  ${folder}/Fmoprogramie.cpp ${folder}/menuwindows.cpp ${folder}/recordingstab.cpp ${folder}/guidewindow.cpp
  ${folder}/Fmbramka.cpp ${folder}/Fmdzieci.cpp)
