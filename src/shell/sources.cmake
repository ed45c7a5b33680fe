# SPDX-License-Identifier: GPL-3.0-or-later
# Errors, the display, the settings file, where the program's files live, and the shared services
# with the own recordings they prefer.
list(APPEND BRIMBOLA_CORE_SOURCES
  ${folder}/_cblad.cpp ${folder}/_specfunc.cpp ${folder}/ownvoice.cpp ${folder}/Cdisplay.cpp ${folder}/settingsfile.cpp
  ${folder}/startuplog.cpp ${folder}/programfolders.cpp ${folder}/childlist.cpp ${folder}/gatequestion.cpp
  ${folder}/commandline.cpp ${folder}/ownwordfiles.cpp)
list(APPEND BRIMBOLA_UI_SOURCES ${folder}/errorbox.cpp)
