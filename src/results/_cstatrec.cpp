// SPDX-License-Identifier: GPL-3.0-or-later
// Counting one game and the statistics file (see _cstatrec.h).
#include "_cstatrec.h"

#include "settings/_custgry.h"
#include "platform/services.h"
#include "shell/_cblad.h"
#include "shell/_specfunc.h"
#include "platform/safefile.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <limits>

namespace {

constexpr int kStatisticsError = 3;
constexpr int kDaysInWeek = 7;  // Qt counts Monday 1 .. Sunday 7; the file counts Sunday 0 .. Saturday 6
constexpr qint64 kMsPerSecond = 1000;

void PutInt32(QByteArray& bytes, qint32 value)
{
    const auto u = static_cast<quint32>(value);
    for (int shift = 0; shift < 32; shift += 8)
        bytes.append(static_cast<char>((u >> shift) & 0xFF));
}

void PutUInt16(QByteArray& bytes, quint16 value)
{
    bytes.append(static_cast<char>(value & 0xFF));
    bytes.append(static_cast<char>(value >> 8));
}

void PutSystemTime(QByteArray& bytes, const QDateTime& utc)
{
    for (quint16 part : ToSystemTime(utc))
        PutUInt16(bytes, part);
}

QByteArray HeaderBytes(qint32 id)
{
    QByteArray bytes;
    PutInt32(bytes, id);
    PutSystemTime(bytes, Time().UtcNow());
    return bytes;
}

// Creates the file with its header, never over an existing one, whole or not at all: a power cut
// while it is made must not leave half a header that no record could follow.
bool CreateWithHeader(const QString& path, qint32 id)
{
    return CreateFileWhole(path, HeaderBytes(id));
}

// Adds `bytes` at the end of the file in one write. A file that has lost its content (deleted or
// emptied while the program ran) gets its header first, in the same write. A record cut short at the
// end (a power cut during an earlier write) is cut away first, so every record keeps its place at
// header + n x record size. If the write does not go through whole (a full disk), the file is cut
// back to what it held, so no half record stays.
bool AppendWhole(const QString& path, qint32 id, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return false;
    qint64 before = file.size();
    if (before > 0 && before < CStatRec::kHeaderSize)
        return false;  // a damaged header: records after it could not be read anyway
    if (before > 0) {
        const qint64 whole = CStatRec::WholeRecords(before);
        const qint64 end = CStatRec::kHeaderSize + whole * CStatRec::kRecordSize;
        if (end != before) {
            if (!file.resize(end))
                return false;
            before = end;
        }
    }
    const QByteArray data = before == 0 ? HeaderBytes(id) + bytes : bytes;
    if (file.write(data) == data.size())
        return true;
    file.resize(before);
    return false;
}

}  // namespace

SystemTime ToSystemTime(const QDateTime& utc)
{
    const QDateTime t = utc.toUTC();
    const QDate d = t.date();
    const QTime time = t.time();
    return {static_cast<quint16>(d.year()),   static_cast<quint16>(d.month()),
            static_cast<quint16>(d.dayOfWeek() % kDaysInWeek), static_cast<quint16>(d.day()),
            static_cast<quint16>(time.hour()), static_cast<quint16>(time.minute()),
            static_cast<quint16>(time.second()), static_cast<quint16>(time.msec())};
}

CStatRec::CStatRec(qint32 id, const QString& folder)
    : timer_(std::make_unique<CTimer>([this] { Lapse(); })), id_(id),
      path_(folder + "/prgst" + QString::number(id) + ".stt")
{
    timer_->SetInterval(kIdleLapseMs);
    const QFileInfo info(path_);
    if (!info.exists()) {
        if (!CreateWithHeader(path_, id_))
            throw CBlad(kStatisticsError);
    } else if (!info.isFile() || (info.size() > 0 && info.size() < kHeaderSize)) {
        // A folder of that name, or a file cut inside its header: records added to it would be lost.
        throw CBlad(kStatisticsError);
    } else if (info.size() == 0 && !AppendWhole(path_, id_, {})) {
        throw CBlad(kStatisticsError);
    }
    if (!QFileInfo::exists(path_))
        throw CBlad(kStatisticsError);
}

CStatRec::~CStatRec() = default;

qint64 CStatRec::WholeRecords(qint64 fileSize)
{
    return fileSize < kHeaderSize ? 0 : (fileSize - kHeaderSize) / kRecordSize;
}

void CStatRec::BeginGame(qint32 gameCode, const CUstGry& settings)
{
    gameCode_ = gameCode;
    settings_ = &settings;
    hints_ = correct_ = wrong_ = 0;
    duration_ = 0;
    active_ = true;
    start_ = Time().UtcNow();
    Touch();
}

void CStatRec::Touch()
{
    if (!active_)
        return;
    timer_->Stop();
    timer_->Start(kIdleLapseMs);
}

void CStatRec::AddHint()
{
    ++hints_;
    Touch();
}

void CStatRec::AddCorrect()
{
    ++correct_;
    Touch();
}

void CStatRec::AddWrong()
{
    ++wrong_;
    Touch();
}

void CStatRec::Lapse()
{
    timer_->Stop();
    active_ = false;
}

void CStatRec::EndGame()
{
    end_ = Time().UtcNow();
    // Whole seconds, cut toward zero; a wall clock set back during the game gives 0, not a negative time.
    const qint64 seconds = start_.isValid() ? start_.msecsTo(end_) / kMsPerSecond : 0;
    duration_ = static_cast<qint32>(std::clamp<qint64>(seconds, 0, std::numeric_limits<qint32>::max()));
}

QString CStatRec::TimeText() const
{
    return DurationText(duration_);
}

int CStatRec::Grade(int correct, int wrong)
{
    // Correct answers at most 0.4 of the wrong ones: poor; wrong ones at least 0.6 of the correct: fair.
    constexpr int kPoorNum = 2, kFairNum = 3, kDen = 5;
    if (kDen * qint64(correct) <= kPoorNum * qint64(wrong))
        return kGradePoor;
    if (kDen * qint64(wrong) >= kFairNum * qint64(correct))
        return kGradeFair;
    return kGradeGood;
}

QByteArray CStatRec::RecordBytes() const
{
    QByteArray bytes;
    PutInt32(bytes, gameCode_);
    PutSystemTime(bytes, start_);
    PutUInt16(bytes, static_cast<quint16>(settings_ ? settings_->Poziom : 0));
    PutUInt16(bytes, static_cast<quint16>(settings_ ? settings_->Gloski : 0));
    PutUInt16(bytes, static_cast<quint16>(settings_ ? settings_->Pozycja : 0));
    PutInt32(bytes, duration_);
    PutUInt16(bytes, static_cast<quint16>(completed_));
    PutInt32(bytes, hints_);
    PutInt32(bytes, correct_);
    PutInt32(bytes, wrong_);
    return bytes;
}

bool CStatRec::Save(int completed)
{
    if (!active_)
        return false;
    completed_ = completed != 0 ? 1 : 0;
    return AppendWhole(path_, id_, RecordBytes());
}
