// SPDX-License-Identifier: GPL-3.0-or-later
// Turning a raw take into an own recording (see voicetake.h).
#include "voicetake.h"

#include "platform/safefile.h"
#include "recorder/wavedevice.h"

#include <QDir>
#include <QFileInfo>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr double kFullScale = 32767.0;
constexpr double kSilenceDb = -96.0;
constexpr double kDbPerDecade = 20.0;
constexpr int kSampleBytes = 2;

int Samples(const QByteArray& pcm)
{
    return int(pcm.size() / kSampleBytes);
}

int SampleAt(const QByteArray& pcm, int i)
{
    return qFromLittleEndian<qint16>(pcm.constData() + i * kSampleBytes);
}

int SamplesForMs(int ms)
{
    return int(qint64(ms) * wave::kSampleRate / wave::kMsPerSecond);
}

int AmplitudeOfDb(double db)
{
    return int(std::lround(kFullScale * std::pow(10.0, db / kDbPerDecade)));
}

// True when a sample of [from, to) rises above the floor.
bool Loud(const QByteArray& pcm, int from, int to, int floor)
{
    for (int i = from; i < to; ++i)
        if (std::abs(SampleAt(pcm, i)) > floor)
            return true;
    return false;
}

}  // namespace

int PeakAmplitude(const QByteArray& pcm)
{
    int peak = 0;
    for (int i = 0; i < Samples(pcm); ++i)
        peak = std::max(peak, std::abs(SampleAt(pcm, i)));
    return peak;
}

double AmplitudeDb(int amplitude)
{
    if (amplitude <= 0)
        return kSilenceDb;
    return std::max(kSilenceDb, kDbPerDecade * std::log10(amplitude / kFullScale));
}

QByteArray TrimAndNormalise(const QByteArray& pcm)
{
    const int count = Samples(pcm);
    const int window = SamplesForMs(take::kWindowMs);
    const int floor = AmplitudeOfDb(take::kNoiseFloorDb);
    int first = -1, last = -1;  // the first and last windows with voice
    for (int from = 0; from < count; from += window) {
        if (Loud(pcm, from, std::min(count, from + window), floor)) {
            if (first < 0)
                first = from;
            last = from;
        }
    }
    if (first < 0)
        return {};
    const int begin = std::max(0, first - SamplesForMs(take::kLeadMs));
    const int end = std::min(count, last + window + SamplesForMs(take::kTailMs));
    const int length = end - begin;

    int peak = 0;
    for (int i = begin; i < end; ++i)
        peak = std::max(peak, std::abs(SampleAt(pcm, i)));
    const double gain = AmplitudeOfDb(take::kTargetPeakDb) / double(peak);
    const int fade = std::min(SamplesForMs(take::kFadeMs), length / 2);

    QByteArray out(length * kSampleBytes, Qt::Uninitialized);
    for (int i = 0; i < length; ++i) {
        double value = SampleAt(pcm, begin + i) * gain;
        if (i < fade)
            value *= double(i) / fade;
        else if (length - 1 - i < fade)
            value *= double(length - 1 - i) / fade;
        const auto sample = qint16(std::clamp<long>(std::lround(value), -32768, 32767));
        qToLittleEndian(sample, out.data() + i * kSampleBytes);
    }
    return out;
}

QByteArray WaveFileBytes(const QByteArray& pcm)
{
    return wave::Header(quint32(pcm.size())) + pcm;
}

TakeResult SaveTake(const QString& path, const QByteArray& pcm)
{
    const QByteArray voice = TrimAndNormalise(pcm);
    if (voice.isEmpty())
        return TakeResult::Silent;
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !ReplaceFileContent(path, WaveFileBytes(voice)))
        return TakeResult::NotWritten;
    return TakeResult::Saved;
}

bool AddToTake(QByteArray& take, const QByteArray& pcm, qint64 limitMs)
{
    const qint64 limit = wave::BytesForMs(limitMs);
    take.append(pcm.left(limit - take.size()));
    return take.size() >= limit;
}

int MeterLevel(int shown, const QByteArray& pcm)
{
    constexpr int kFallDb = 2;
    const int level = kMeterRangeDb + int(AmplitudeDb(PeakAmplitude(pcm)));
    return std::max({0, level, shown - kFallDb});
}
