// SPDX-License-Identifier: GPL-3.0-or-later
// The whole program started in the test process (see programundertest.h).
#include "programundertest.h"

#include "platform/picturestore.h"
#include "shell/settingsfile.h"

#include <QCoreApplication>
#include <QDir>

ProgramUnderTest::ProgramUnderTest(ProgramFolder::Assets assets, const QString& userFolder)
    : startDir(QDir::currentPath()),
      folder(assets),
      startup(ProgramFolders{folder.Path(), userFolder.isEmpty() ? folder.Path() : userFolder}, lockFolder.path())
{
    ResetProgramSettings();
}

ProgramUnderTest::~ProgramUnderTest()
{
    startup.Finish();
    ResetProgramSettings();
    ResetSharedPictureStore();
    QDir::setCurrent(startDir);
}

bool ProgramUnderTest::Start()
{
    if (!startup.Begin())
        return false;
    // The main window hands over from the splash right after its first paint.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    return true;
}
