// SPDX-License-Identifier: GPL-3.0-or-later
// Entry point of the benchmarks: Google Benchmark inside a Qt application on the "offscreen" platform
// with a 1024x768 screen (BRIMBOLA_BENCH_SCREEN="800x600" for the small layout).
#include "platform/guardedapplication.h"
#include "platform/keystate.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    QByteArray screen = qgetenv("BRIMBOLA_BENCH_SCREEN");
    if (screen.isEmpty())
        screen = "1024x768";
    const QList<QByteArray> wh = screen.split('x');
    QTemporaryDir configDir;
    const QString config = configDir.filePath("screens.json");
    QFile file(config);
    if (file.open(QIODevice::WriteOnly))
        file.write(QStringLiteral(R"({"screens":[{"name":"bench","x":0,"y":0,"width":%1,"height":%2,)"
                                  R"("logicalDpi":96,"logicalDpiX":96,"logicalDpiY":96,"physicalDpi":96,)"
                                  R"("physicalWidth":300,"physicalHeight":200,"depth":32,"format":4}]})")
                       .arg(wh.value(0).toInt())
                       .arg(wh.value(1).toInt())
                       .toUtf8());
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toUtf8());
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    GuardedApplication app(argc, argv);
    KeyState::Install();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
