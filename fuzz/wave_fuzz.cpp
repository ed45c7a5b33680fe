// SPDX-License-Identifier: GPL-3.0-or-later
// A voice recording (Nagrane/Nagranie<n>.wav) as the recorder reads it to open, measure and play
// it: any bytes give a format with sound no larger than the file, or a refusal.
#include "fuzzsupport.h"

#include "platform/wavefile.h"
#include "recorder/wavedevice.h"

FUZZ_TARGET(wave)
{
    const QByteArray bytes = FuzzBytes(data, size);
    WaveInfo info;
    if (!wave::ParseRecording(bytes, info))
        return 0;
    FUZZ_CHECK(info.channels > 0 && info.sampleRate > 0 && info.bitsPerSample > 0);
    FUZZ_CHECK(info.samples.size() <= bytes.size());
    FUZZ_CHECK(info.DurationMs() >= 0);
    // The sounds of the games go through the plain reader.
    WaveInfo sound;
    if (ParseWave(bytes, sound))
        FUZZ_CHECK(sound.samples.size() <= info.samples.size());
    return 0;
}
