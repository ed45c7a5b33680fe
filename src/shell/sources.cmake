# Errors, the display, the settings file and the shared services with the own recordings they prefer.
list(APPEND BRIMBOLA_CORE_SOURCES
  ${folder}/_cblad.cpp ${folder}/_specfunc.cpp ${folder}/ownvoice.cpp ${folder}/Cdisplay.cpp ${folder}/settingsfile.cpp
  ${folder}/startuplog.cpp)
list(APPEND BRIMBOLA_UI_SOURCES ${folder}/errorbox.cpp)
