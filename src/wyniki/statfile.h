// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the statistics file the games append to (prgst4.stt) back into records, for the results
// viewer. The file is only ever opened for reading.
#pragma once

#include "results/_cstatrec.h"

#include <QDateTime>
#include <QString>
#include <vector>

// One saved game as the file holds it.
struct StatRecord {
    qint32 gameCode = 0;
    SystemTime start{};   // as stored, UTC
    QDateTime startUtc;   // invalid when the stored date cannot be a real moment
    quint16 level = 0;
    quint16 groups = 0;
    quint16 positions = 0;
    qint32 duration = 0;
    quint16 completed = 0;
    qint32 hints = 0;
    qint32 correct = 0;
    qint32 wrong = 0;

    bool DateReal() const { return startUtc.isValid(); }
    int Grade() const { return CStatRec::Grade(correct, wrong); }
};

enum class StatFileError { None, Missing, Unreadable, TooShort, WrongId };

struct StatFile {
    StatFileError error = StatFileError::None;
    QString message;  // Polish, for the user, when `error` is set
    SystemTime created{};
    std::vector<StatRecord> records;
    int partialBytes = 0;  // bytes of a cut last record, ignored
    int impossibleDates = 0;
};

// The moment a stored date stands for, or an invalid one when its fields cannot be a real date.
QDateTime FromSystemTime(const SystemTime& time);

// Reads the file at `path`; a missing, unreadable or foreign file gives no records and a message.
StatFile ReadStatFile(const QString& path);
// The same on the file's bytes; `name` is what the messages call the file.
StatFile ParseStatFile(const QByteArray& bytes, const QString& name);

// Where the viewer looks when no file is given: the statistics file the games of the same program
// folder write (beside the executable, or in the per-user folder when that cannot be written).
QString DefaultStatFilePath();
