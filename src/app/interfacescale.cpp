// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing the interface's scale before the application starts (see interfacescale.h).
#include "interfacescale.h"

#include "shell/Cdisplay.h"
#include "shell/programfolders.h"
#include "shell/settingsfile.h"
#include "shell/startuplog.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

#include <vector>

namespace {
const char kQtScaleVariable[] = "QT_SCALE_FACTOR";
}

InterfaceScale::InterfaceScale(int argc, char** argv)
{
    QSize screen;
    double requested = kAutoScale;
    {
        // Its own copy of the arguments: Qt takes its options out of them.
        std::vector<char*> args(argv, argv + argc);
        args.push_back(nullptr);
        int count = argc;
        const QGuiApplication probe(count, args.data());
        if (const QScreen* primary = QGuiApplication::primaryScreen())
            screen = primary->geometry().size();
        // The user's settings, as start-up reads them; before the first start of an installed copy
        // has copied them there, the shipped ones.
        const ProgramFolders folders = LocateProgramFolders(QCoreApplication::applicationDirPath());
        requested = ReadScaleSetting(QFileInfo::exists(SettingsFilePath(folders.user)) ? folders.user : folders.data);
    }
    const double factor = ChooseScaleFactor(screen.width(), screen.height(), requested);
    LogStartupMilestone(factor == kMinScale ? "screen measured, interface as designed"
                                            : "screen measured, interface enlarged");
    if (factor == kMinScale)
        return;
    // A factor the user gave Qt already shaped the size measured; ours comes on top of it.
    hadOwn_ = qEnvironmentVariableIsSet(kQtScaleVariable);
    own_ = qgetenv(kQtScaleVariable);
    bool ok = false;
    const double theirs = hadOwn_ ? own_.toDouble(&ok) : 1;
    qputenv(kQtScaleVariable, QByteArray::number((ok && theirs > 0 ? theirs : 1) * factor, 'g', 10));
    changed_ = true;
}

void InterfaceScale::RestoreEnvironment()
{
    if (!changed_)
        return;
    if (hadOwn_)
        qputenv(kQtScaleVariable, own_);
    else
        qunsetenv(kQtScaleVariable);
    changed_ = false;
}
