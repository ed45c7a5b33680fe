// SPDX-License-Identifier: GPL-3.0-or-later
// Counting one game (hints, correct and wrong answers, time played) for the end-of-game summary, and
// the statistics file that keeps one record per finished game across runs of the program.
#pragma once

#include "platform/timeservice.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <array>
#include <memory>

class CUstGry;

// A moment in the layout the statistics file keeps: year, month, day of week (0 Sunday), day, hour,
// minute, second, millisecond; always UTC.
using SystemTime = std::array<quint16, 8>;
SystemTime ToSystemTime(const QDateTime& utc);

class CStatRec {
public:
    static constexpr qint32 kProgramId = 4;            // the id the program runs with: "prgst4.stt"
    static constexpr qint32 kGameLabyrinth = 5;        // game codes written to the file
    static constexpr qint32 kGameOther = 1;
    static constexpr int kIdleLapseMs = 120000;         // a game left idle this long is not recorded
    static constexpr int kHeaderSize = 20;
    static constexpr int kRecordSize = 44;
    static constexpr int kGradePoor = 1, kGradeFair = 2, kGradeGood = 4;

    // Makes sure `folder`/prgst<id>.stt exists with its header. Throws CBlad 3 when it cannot be
    // created, or when what is there is not a statistics file that records can be added to.
    CStatRec(qint32 id, const QString& folder);
    ~CStatRec();
    CStatRec(const CStatRec&) = delete;
    CStatRec& operator=(const CStatRec&) = delete;

    // A new game starts being counted; `settings` must outlive the game (the five records do).
    void BeginGame(qint32 gameCode, const CUstGry& settings);
    // The child did something: the idle lapse starts again. Counting an answer or a hint counts too.
    void Touch();
    void AddHint();
    void AddCorrect();
    void AddWrong();
    void EndGame();
    // Appends the game's record; false when nothing was written (no game counted, the game lapsed,
    // or the file could not take the record, in which case the file is left as it was).
    bool Save(int completed);

    QString HintsText() const { return QString::number(hints_); }
    QString CorrectText() const { return QString::number(correct_); }
    QString WrongText() const { return QString::number(wrong_); }
    QString TimeText() const;
    int Grade() const { return Grade(correct_, wrong_); }
    static int Grade(int correct, int wrong);
    // How many whole records a statistics file of `fileSize` bytes holds: bytes after them are a record
    // cut short by a power cut, which counts for nothing and is cut away before the next record.
    static qint64 WholeRecords(qint64 fileSize);

    qint32 Id() const { return id_; }
    QString FilePath() const { return path_; }
    bool Active() const { return active_; }
    qint32 GameCode() const { return gameCode_; }
    qint32 Duration() const { return duration_; }
    qint16 Completed() const { return completed_; }
    qint32 Hints() const { return hints_; }
    qint32 Correct() const { return correct_; }
    qint32 Wrong() const { return wrong_; }
    QDateTime Start() const { return start_; }
    QDateTime End() const { return end_; }

private:
    void Lapse();
    QByteArray RecordBytes() const;

    std::unique_ptr<CTimer> timer_;
    qint32 id_;
    QString path_;
    bool active_ = false;
    qint32 gameCode_ = 0;
    const CUstGry* settings_ = nullptr;
    qint32 duration_ = 0;
    qint16 completed_ = 0;
    QDateTime start_, end_;
    qint32 hints_ = 0, correct_ = 0, wrong_ = 0;
};
