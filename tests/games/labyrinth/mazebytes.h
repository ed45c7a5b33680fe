// SPDX-License-Identifier: GPL-3.0-or-later
// Maze files made by the tests: the bytes of a labyrinth file from its codes, and the codes of a
// few hand-made mazes.
#pragma once

#include "games/labyrinth/labfile.h"

#include <QByteArray>
#include <QtEndian>
#include <array>
#include <optional>

namespace labtest {

using Codes = std::array<std::array<qint32, lab::kRows>, lab::kColumns>;

inline void PutInt(QByteArray& bytes, qint32 value)
{
    char le[4];
    qToLittleEndian(value, le);
    bytes.append(le, 4);
}

// Header, codes column by column, the reserved integer, the text length and the text.
inline QByteArray MazeBytes(const Codes& codes, const QByteArray& text = QByteArray("maze\0", 5),
                            std::array<qint32, 4> header = {50, 50, 50, 50}, std::optional<qint32> length = {})
{
    QByteArray bytes;
    for (qint32 h : header)
        PutInt(bytes, h);
    for (const auto& column : codes)
        for (qint32 code : column)
            PutInt(bytes, code);
    PutInt(bytes, 0);
    PutInt(bytes, length.value_or(qint32(text.size())));
    return bytes + text;
}

inline QByteArray IndexBytes(qint32 count)
{
    QByteArray bytes;
    PutInt(bytes, count);
    return bytes;
}

// Along the top row: start, a picture to collect, path, a crossing whose way down is blocked by a
// distractor, path, and the exit.
inline Codes TopRowMaze()
{
    Codes codes{};
    codes[0][0] = lab::kStartRight;
    codes[1][0] = lab::GoodPicture + 305;
    codes[2][0] = 305;
    codes[3][0] = 369;                       // down, left, right
    codes[3][1] = lab::WrongPicture + 385;   // up
    codes[4][0] = 305;
    codes[5][0] = lab::kExitLeft;
    return codes;
}

}  // namespace labtest
