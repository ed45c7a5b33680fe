// Entry point of the test programs: GoogleTest inside a Qt application on the "offscreen" platform,
// with a screen of the size BRIMBOLA_TEST_SCREEN gives ("800x600" unless set).
#include "platform/guardedapplication.h"
#include "platform/keystate.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QByteArray screen = qgetenv("BRIMBOLA_TEST_SCREEN");
    if (screen.isEmpty())
        screen = "800x600";
    const QList<QByteArray> wh = screen.split('x');
    const int width = wh.value(0).toInt(), height = wh.value(1).toInt();
    QTemporaryDir configDir;
    const QString config = configDir.filePath("screens.json");
    QFile file(config);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(QStringLiteral(R"({"screens":[{"name":"test","x":0,"y":0,"width":%1,"height":%2,)"
                                  R"("logicalDpi":96,"logicalDpiX":96,"logicalDpiY":96,"physicalDpi":96,)"
                                  R"("physicalWidth":%3,"physicalHeight":%4,"depth":32,"format":4}]})")
                       .arg(width)
                       .arg(height)
                       .arg(width * 254 / 960)
                       .arg(height * 254 / 960)
                       .toUtf8());
        file.close();
    }
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toUtf8());
    // Each test program keeps its single-instance lock apart from the user's running program.
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    GuardedApplication app(argc, argv);
    KeyState::Install();
    return RUN_ALL_TESTS();
}
