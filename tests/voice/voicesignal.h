// SPDX-License-Identifier: GPL-3.0-or-later
// Made-up takes for the own-voice tests: a quiet hum around a louder tone, as 16-bit mono PCM.
#pragma once

#include "recorder/wavedevice.h"

#include <QByteArray>
#include <QtEndian>
#include <cmath>

// `ms` milliseconds of a 440 Hz tone of peak `amplitude`, plus a ±`noise` hum (no randomness).
inline QByteArray Tone(int ms, int amplitude, int noise = 0)
{
    const int n = int(qint64(ms) * wave::kSampleRate / 1000);
    QByteArray pcm(n * 2, Qt::Uninitialized);
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / wave::kSampleRate;
        const double value = amplitude * std::sin(2 * M_PI * 440 * t) + noise * std::sin(2 * M_PI * 50 * t);
        qToLittleEndian(qint16(std::lround(value)), pcm.data() + i * 2);
    }
    return pcm;
}

inline QByteArray Hum(int ms, int noise)
{
    return Tone(ms, 0, noise);
}

// Quiet, then a spoken-like tone, then quiet.
inline QByteArray Take(int silenceBeforeMs, int voiceMs, int silenceAfterMs, int amplitude = 3000)
{
    return Hum(silenceBeforeMs, 60) + Tone(voiceMs, amplitude, 60) + Hum(silenceAfterMs, 60);
}
