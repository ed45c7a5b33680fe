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
    const QCommandLineOption kiosk(QStringLiteral("kiosk"),
                                   CommandLine::Text("Tryb zamknięty: wyjście i ustawienia tylko po pytaniu dla dorosłego.",
                                                     "Locked mode: leaving and the settings only past the adult's question."));
    commandLine.AddOption(kiosk);
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
    // --kiosk: the locked mode for this start, whatever the adult's program has set.
    startup.SetKiosk(commandLine.IsSet(kiosk));
    return startup.Run();
}
