// SPDX-License-Identifier: GPL-3.0-or-later
// Reading RIFF WAVE files (see wavefile.h).
#include "wavefile.h"

#include <QFile>
#include <QtEndian>

namespace {

quint32 U32(const QByteArray& b, qsizetype at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}

quint16 U16(const QByteArray& b, qsizetype at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}

}  // namespace

qint64 WaveInfo::DurationMs() const
{
    const qint64 bytesPerSecond = qint64(sampleRate) * channels * (bitsPerSample / 8);
    return bytesPerSecond > 0 ? samples.size() * 1000 / bytesPerSecond : 0;
}

bool ParseWave(const QByteArray& file, WaveInfo& out)
{
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE")
        return false;
    bool haveFormat = false;
    qsizetype at = 12;
    while (at + 8 <= file.size()) {
        const QByteArray id = file.mid(at, 4);
        const qint64 size = U32(file, at + 4);
        const qsizetype body = at + 8;
        if (id == "fmt ") {
            if (size < 16 || body + 16 > file.size())
                return false;
            out.formatTag = U16(file, body);
            out.channels = U16(file, body + 2);
            out.sampleRate = int(U32(file, body + 4));
            out.bitsPerSample = U16(file, body + 14);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                return false;
            // A recording cut short by a crash may claim more data than the file holds.
            const qint64 available = std::min<qint64>(size, file.size() - body);
            out.samples = file.mid(body, available);
            return out.channels > 0 && out.sampleRate > 0 && out.bitsPerSample > 0;
        }
        at = body + size + (size & 1);
    }
    return false;
}

bool ReadWaveFile(const QString& path, WaveInfo& out)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return ParseWave(file.readAll(), out);
}

bool WaveAudioFormat(const WaveInfo& wave, QAudioFormat& format)
{
    constexpr int kPcm = 1, kFloat = 3;
    format.setSampleRate(wave.sampleRate);
    format.setChannelCount(wave.channels);
    if (wave.formatTag == kPcm && wave.bitsPerSample == 8)
        format.setSampleFormat(QAudioFormat::UInt8);
    else if (wave.formatTag == kPcm && wave.bitsPerSample == 16)
        format.setSampleFormat(QAudioFormat::Int16);
    else if (wave.formatTag == kPcm && wave.bitsPerSample == 32)
        format.setSampleFormat(QAudioFormat::Int32);
    else if (wave.formatTag == kFloat && wave.bitsPerSample == 32)
        format.setSampleFormat(QAudioFormat::Float);
    else
        return false;
    return format.isValid();
}
