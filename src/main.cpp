// Brimbola Cz.IV Demo: speech-therapy games for young children.
#include "platform/guardedapplication.h"
#include "platform/keystate.h"
#include "platform/qtsoundplayer.h"
#include "platform/services.h"
#include "platform/singleinstance.h"
#include "platform/timeservice.h"
#include "app/interfacescale.h"
#include "app/startup.h"
#include "shell/programfolders.h"

#include <QDateTime>

int main(int argc, char** argv)
{
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
    startup.SetKiosk(QCoreApplication::arguments().contains(QStringLiteral("--kiosk")));
    return startup.Run();
}
