// The "Głos" view on its own, for trying it on a program folder: brimbola-glos [PROGRAM FOLDER]
// (the working folder when none is given). The sound goes through the desktop's input and output.
#include "recorder/wavedevice.h"
#include "voice/voiceview.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    const QString folder = args.size() > 1 ? args[1] : QDir::currentPath();
    VoiceView view(folder, NewDesktopAudioPort());
    view.showMaximized();
    return QApplication::exec();
}
