// SPDX-License-Identifier: GPL-3.0-or-later
// Reading RIFF WAVE files (".pw" sounds, voice recordings): format and sample data.
#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QString>

struct WaveInfo {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    int formatTag = 0;           // 1 = PCM, 3 = IEEE float
    QByteArray samples;          // the data chunk (cut to what the file really holds)

    qint64 DurationMs() const;
};

// False for anything that is not a RIFF WAVE with a format chunk and a data chunk.
bool ParseWave(const QByteArray& file, WaveInfo& out);
bool ReadWaveFile(const QString& path, WaveInfo& out);
// The audio format of a wave the program can play (PCM of 8, 16 or 32 bits, or 32-bit float); false
// for any other.
bool WaveAudioFormat(const WaveInfo& wave, QAudioFormat& format);
