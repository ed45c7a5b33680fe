// SPDX-License-Identifier: GPL-3.0-or-later
// What the crash test's writer (tests/platform/crashwriter.cpp) writes, shared with the test that
// kills it, so that the test knows every content the files may rightly hold.
#pragma once

#include "recorder/wavedevice.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QtEndian>

namespace crashwriter {

constexpr char kSettingsFile[] = "data.ini";
constexpr char kCounterSection[] = "Licznik";
constexpr char kCounterKey[] = "Wartosc";
constexpr char kRecordingFile[] = "Nagranie0.wav";
constexpr qint64 kRecordingMs = 20000;
constexpr qint64 kChunkMs = 100;
inline const QDate kFirstDay{2027, 1, 1};
// The child the list writer renames, over and over: "Dziecko 1", "Dziecko 2", ...
constexpr int kRenamedChild = 1;
inline QString ChildName(qint64 n)
{
    return QStringLiteral("Dziecko %1").arg(n);
}
inline qint64 NumberOfChildName(const QString& name)
{
    return name.section(QLatin1Char(' '), 1).toLongLong();
}

inline QDateTime DayStart(qint64 day)
{
    return QDateTime(kFirstDay.addDays(day), QTime(12, 0), Qt::UTC);
}

// The number of correct answers in the statistics record number `n`.
inline int CorrectOfRecord(qint64 n)
{
    constexpr int kCycle = 7;
    return int(n % kCycle);
}

// The sound of recording number `take`: a ramp of 16-bit samples, `bytes` of it from byte `from` on.
inline qint16 SampleOf(int take, qint64 index)
{
    constexpr int kStep = 7919;
    return qint16(quint16((qint64(take) * kStep + index) & 0xFFFF));
}

inline QByteArray Samples(int take, qint64 from, qint64 bytes)
{
    QByteArray pcm(bytes, Qt::Uninitialized);
    for (qint64 i = 0; i < bytes / wave::kFrameBytes; ++i)
        qToLittleEndian<qint16>(SampleOf(take, from / wave::kFrameBytes + i), pcm.data() + i * wave::kFrameBytes);
    return pcm;
}

}  // namespace crashwriter
