# SPDX-License-Identifier: GPL-3.0-or-later
# Qt adapters: core ones need no widgets.
list(APPEND BRIMBOLA_CORE_SOURCES
  ${folder}/imagefiles.cpp ${folder}/inifile.cpp ${folder}/picturestore.cpp ${folder}/qtsoundplayer.cpp
  ${folder}/raster.cpp ${folder}/safefile.cpp ${folder}/services.cpp ${folder}/textcodec.cpp
  ${folder}/timeservice.cpp ${folder}/wavefile.cpp)
list(APPEND BRIMBOLA_UI_SOURCES
  ${folder}/guardedapplication.cpp ${folder}/hitarea.cpp ${folder}/keystate.cpp ${folder}/messageboxes.cpp
  ${folder}/modalwindow.cpp ${folder}/desktop.cpp
  ${folder}/singleinstance.cpp ${folder}/windowbase.cpp)
