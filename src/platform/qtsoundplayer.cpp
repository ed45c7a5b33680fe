// SPDX-License-Identifier: GPL-3.0-or-later
// Synchronous playback of wave files (see qtsoundplayer.h). The sound is pushed to the audio sink
// from this thread and the call returns once it has been heard to the end; no event is handled
// meanwhile, as the games expect of a synchronous sound.
#include "qtsoundplayer.h"

#include "wavefile.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QThread>

namespace {
// Which file each sound came from, for checking by ear what the games play
// (QT_LOGGING_RULES="brimbola.sound.info=true").
Q_LOGGING_CATEGORY(lcSound, "brimbola.sound", QtWarningMsg)
}  // namespace

void QtSoundPlayer::PlaySync(const QString& path)
{
    qCInfo(lcSound) << "plays" << path;
    WaveInfo wave;
    QAudioFormat format;
    if (!ReadWaveFile(path, wave) || !WaveAudioFormat(wave, format) || wave.samples.isEmpty())
        return;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || !device.isFormatSupported(format))
        return;
    QAudioSink sink(device, format);
    QIODevice* out = sink.start();
    if (!out)
        return;
    const qint64 durationMs = wave.DurationMs();
    QElapsedTimer clock;
    clock.start();
    qint64 written = 0;
    const qint64 total = wave.samples.size();
    // Feed the sink as it makes room; give up on a device that stops taking data.
    while (written < total && clock.elapsed() < durationMs + 2000) {
        const qint64 room = sink.bytesFree();
        if (room > 0) {
            const qint64 n = out->write(wave.samples.constData() + written, std::min(room, total - written));
            if (n < 0)
                break;
            written += n;
        } else {
            QThread::msleep(5);
        }
    }
    // Wait until what was written has been heard.
    while (sink.processedUSecs() / 1000 < durationMs && clock.elapsed() < durationMs + 2000)
        QThread::msleep(5);
    sink.stop();
}
