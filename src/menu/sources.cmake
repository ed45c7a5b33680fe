# Main menu, game settings, splash, about and message windows.
list(APPEND BRIMBOLA_UI_SOURCES ${folder}/Fmmain.cpp ${folder}/Fmsplashscreen.cpp ${folder}/Fmkomunikat.cpp
  ${folder}/Fmoprogramie.cpp ${folder}/recordingstab.cpp)
