// SPDX-License-Identifier: GPL-3.0-or-later
// Puts the test program on Qt's "offscreen" platform with one screen of the size BRIMBOLA_TEST_SCREEN
// gives ("800x600" unless set), and its single-instance lock apart from the user's running program.
// Called before the application object is made; the folders live as long as the returned object.
#pragma once

#include <QFile>
#include <QTemporaryDir>
#include <memory>

struct OffscreenFolders {
    QTemporaryDir config;
    QTemporaryDir runtime;
};

inline std::unique_ptr<OffscreenFolders> UseOffscreenScreen()
{
    auto folders = std::make_unique<OffscreenFolders>();
    QByteArray screen = qgetenv("BRIMBOLA_TEST_SCREEN");
    if (screen.isEmpty())
        screen = "800x600";
    const QList<QByteArray> wh = screen.split('x');
    const int width = wh.value(0).toInt(), height = wh.value(1).toInt();
    const QString config = folders->config.filePath("screens.json");
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
    qputenv("XDG_RUNTIME_DIR", folders->runtime.path().toUtf8());
    return folders;
}
