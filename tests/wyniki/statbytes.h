// SPDX-License-Identifier: GPL-3.0-or-later
// Statistics files made by hand for the viewer's tests and benchmark: a header and records with the
// fields chosen freely, impossible dates included.
#pragma once

#include "results/_cstatrec.h"

#include <QByteArray>
#include <QDateTime>

struct GameSpec {
    qint32 code = CStatRec::kGameOther;
    QDateTime startUtc{};
    SystemTime raw{};  // stored as it is when `startUtc` is not set
    quint16 level = 1, groups = 0, positions = 0;
    qint32 duration = 0;
    quint16 completed = 1;
    qint32 hints = 0, correct = 0, wrong = 0;
};

namespace statbytes {

inline void Put16(QByteArray& out, quint16 v)
{
    out.append(char(v & 0xFF));
    out.append(char(v >> 8));
}

inline void Put32(QByteArray& out, qint32 v)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.append(char((quint32(v) >> shift) & 0xFF));
}

inline QByteArray Header(qint32 id = CStatRec::kProgramId)
{
    QByteArray out;
    Put32(out, id);
    for (quint16 part : ToSystemTime(QDateTime(QDate(2027, 1, 4), QTime(8, 0), Qt::UTC)))
        Put16(out, part);
    return out;
}

inline QByteArray Record(const GameSpec& g)
{
    QByteArray out;
    Put32(out, g.code);
    for (quint16 part : g.startUtc.isValid() ? ToSystemTime(g.startUtc) : g.raw)
        Put16(out, part);
    Put16(out, g.level);
    Put16(out, g.groups);
    Put16(out, g.positions);
    Put32(out, g.duration);
    Put16(out, g.completed);
    Put32(out, g.hints);
    Put32(out, g.correct);
    Put32(out, g.wrong);
    return out;
}

}  // namespace statbytes
