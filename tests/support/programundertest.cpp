// The whole program started in the test process (see programundertest.h).
#include "programundertest.h"

#include "platform/picturestore.h"
#include "shell/settingsfile.h"

#include <QCoreApplication>
#include <QDir>

ProgramUnderTest::ProgramUnderTest(ProgramFolder::Assets assets)
    : startDir(QDir::currentPath()), folder(assets), startup(folder.Path(), lockFolder.path())
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
