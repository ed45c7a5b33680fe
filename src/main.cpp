// SPDX-License-Identifier: GPL-3.0-or-later
// Brimbola Cz.IV Demo: speech-therapy games for young children.
#include "platform/guardedapplication.h"
#include "platform/keystate.h"
#include "platform/qtsoundplayer.h"
#include "platform/services.h"
#include "platform/singleinstance.h"
#include "platform/timeservice.h"
#include "app/interfacescale.h"
#include "app/startup.h"
#include "shell/commandline.h"
#include "shell/programfolders.h"

#include <QDateTime>

int main(int argc, char** argv)
{
    // The program's options: added here, read after Process().
    CommandLine commandLine(QStringLiteral("brimbola"), QStringLiteral(BRIMBOLA_VERSION),
                            CommandLine::Text("Gry logopedyczne dla małych dzieci. Bez opcji otwiera menu gier.",
                                              "Speech-therapy games for young children. Without options it opens "
                                              "the games' menu."));
    if (const std::optional<int> ended = commandLine.Process(argc, argv))
        return *ended;
    InterfaceScale scale(argc, argv);
    GuardedApplication app(argc, argv);
    scale.RestoreEnvironment();
    KeyState::Install();
    RealTimeService time;
    QtSoundPlayer sound;
    RandomSource random(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()));
    ServicesScope services({&time, &sound, &random});
    Startup startup(LocateProgramFolders(QCoreApplication::applicationDirPath()), SingleInstance::DefaultFolder());
    return startup.Run();
}
