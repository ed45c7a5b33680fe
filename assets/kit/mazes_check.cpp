// SPDX-License-Identifier: GPL-3.0-or-later
// Reading, writing and checking the labyrinth game's maze files (see mazes_check.h).
#include "mazes_check.h"

#include <QDataStream>
#include <QIODevice>
#include <algorithm>
#include <queue>

namespace mazes {

namespace {

// Every code that has a tile picture of a path the figure may stand on.
constexpr std::array<std::int32_t, 19> kPathCodes{
    273, 289, 305, 321, 337, 353, 369, 385, 401, 417, 433, 449, 465, 481, 497,
    kStartRight, kStartUp, kExitLeft, kExitDown};

// Scenery between the paths: animals, houses, trees, flowers and the like.
constexpr std::array<std::int32_t, 22> kSceneryCodes{
    209, 210, 211, 212, 225, 226, 227, 228, 229, 241, 242,
    244, 245, 246, 247, 248, 249, 250, 251, 252, 253, 255};

struct Direction {
    std::int32_t bit;
    std::int32_t back;  // the opening the neighbour needs to be entered from this side
    int dc;
    int dr;
    const char* name;
};

constexpr std::array<Direction, 4> kDirections{{
    {OpenRight, OpenLeft, 1, 0, "to the right"},
    {OpenLeft, OpenRight, -1, 0, "to the left"},
    {OpenDown, OpenUp, 0, 1, "downward"},
    {OpenUp, OpenDown, 0, -1, "upward"},
}};

bool Inside(int column, int row)
{
    return column >= 0 && column < kColumns && row >= 0 && row < kRows;
}

QString Where(int column, int row)
{
    return QStringLiteral("column %1 row %2").arg(column).arg(row);
}

std::int32_t Base(std::int32_t code)
{
    return code & ~kPictureBits;
}

bool IsPlainPath(std::int32_t base)
{
    return IsPathCode(base) && (base & (StartTile | FinishTile)) == 0;
}

void Fail(QString* reason, const QString& text)
{
    if (reason)
        *reason = text;
}

}  // namespace

std::int32_t Maze::Code(int column, int row) const
{
    return Inside(column, row) ? codes[column][row] : 0;
}

QByteArray Maze::Description() const
{
    const qsizetype zero = text.indexOf('\0');
    return zero < 0 ? text : text.left(zero);
}

bool IsPathCode(std::int32_t base)
{
    return std::find(kPathCodes.begin(), kPathCodes.end(), base) != kPathCodes.end();
}

bool IsSceneryCode(std::int32_t base)
{
    return std::find(kSceneryCodes.begin(), kSceneryCodes.end(), base) != kSceneryCodes.end();
}

std::int32_t PathCode(std::int32_t openings, std::int32_t kind)
{
    const std::int32_t code = PathTile | 0x0001 | (openings & (OpenRight | OpenLeft | OpenDown | OpenUp)) |
                              (kind & (StartTile | FinishTile));
    return IsPathCode(code) ? code : 0;
}

bool ReadMaze(const QByteArray& bytes, Maze& maze, QString* reason)
{
    QDataStream in(bytes);
    in.setByteOrder(QDataStream::LittleEndian);
    Maze read;
    qint64 sum = 0;
    for (auto& value : read.header) {
        in >> value;
        sum += value;
    }
    if (in.status() != QDataStream::Ok) {
        Fail(reason, QStringLiteral("file of %1 bytes is too short for its header").arg(bytes.size()));
        return false;
    }
    if (sum != kHeaderSum) {
        Fail(reason, QStringLiteral("header adds up to %1 instead of %2").arg(sum).arg(kHeaderSum));
        return false;
    }
    for (auto& column : read.codes)
        for (auto& code : column)
            in >> code;
    if (in.status() != QDataStream::Ok) {
        Fail(reason, QStringLiteral("file of %1 bytes ends inside its tile codes").arg(bytes.size()));
        return false;
    }
    std::int32_t length = 0;
    in >> read.reserved >> length;
    if (in.status() != QDataStream::Ok) {
        Fail(reason, QStringLiteral("file of %1 bytes ends before its text length").arg(bytes.size()));
        return false;
    }
    if (length < 0) {
        Fail(reason, QStringLiteral("negative text length %1").arg(length));
        return false;
    }
    const qsizetype left = bytes.size() - kFixedBytes;
    if (length > left) {
        Fail(reason, QStringLiteral("text length %1 runs past the end of the file (%2 bytes left)")
                         .arg(length)
                         .arg(left));
        return false;
    }
    read.text = bytes.mid(kFixedBytes, length);
    maze = read;
    return true;
}

QByteArray WriteMaze(const Maze& maze)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    for (const std::int32_t value : maze.header)
        out << qint32(value);
    for (const auto& column : maze.codes)
        for (const std::int32_t code : column)
            out << qint32(code);
    out << qint32(maze.reserved) << qint32(maze.text.size());
    out.writeRawData(maze.text.constData(), int(maze.text.size()));
    return bytes;
}

bool ColumnFits(int pictures, const ColumnRoom& room)
{
    const int height = 2 * room.endPiece + pictures * room.slotPitch;
    const int top = (room.windowHeight / 3) * 2 - height / 2;
    return top >= room.buttonsBottom && top + height <= room.windowHeight;
}

int PicturesThatFit()
{
    int n = 0;
    while (ColumnFits(n + 1, kSmallColumn) && ColumnFits(n + 1, kBigColumn))
        ++n;
    return n;
}

QStringList CheckMaze(const Maze& maze, const Limits& limits)
{
    QStringList problems;
    int starts = 0;
    int exits = 0;
    int good = 0;
    int wrong = 0;
    int startColumn = -1;
    int startRow = -1;

    for (int c = 0; c < kColumns; ++c) {
        for (int r = 0; r < kRows; ++r) {
            const std::int32_t code = maze.codes[c][r];
            const std::int32_t base = Base(code);
            if (base != 0 && !IsPathCode(base) && !IsSceneryCode(base)) {
                problems << QStringLiteral("unknown tile code %1 at %2").arg(code).arg(Where(c, r));
                continue;
            }
            if ((code & GoodPicture) && (code & WrongPicture))
                problems << QStringLiteral("tile at %1 carries both a picture and a distractor").arg(Where(c, r));
            if ((code & kPictureBits) && !IsPlainPath(base))
                problems << QStringLiteral("picture on a tile that is no plain path (code %1) at %2")
                                .arg(code)
                                .arg(Where(c, r));
            if (code & GoodPicture)
                ++good;
            else if (code & WrongPicture)
                ++wrong;
            if (!IsPathCode(base))
                continue;
            if (base & StartTile) {
                ++starts;
                startColumn = c;
                startRow = r;
            }
            if (base & FinishTile)
                ++exits;
            for (const Direction& d : kDirections) {
                if (!(base & d.bit))
                    continue;
                const int nc = c + d.dc;
                const int nr = r + d.dr;
                if (!Inside(nc, nr)) {
                    problems << QStringLiteral("opening %1 at %2 leads out of the grid")
                                    .arg(d.name)
                                    .arg(Where(c, r));
                    continue;
                }
                const std::int32_t next = Base(maze.codes[nc][nr]);
                if (!IsPathCode(next))
                    problems << QStringLiteral("opening %1 at %2 leads to %3, which is no path")
                                    .arg(d.name)
                                    .arg(Where(c, r))
                                    .arg(Where(nc, nr));
                else if (!(next & d.back))
                    problems << QStringLiteral("opening %1 at %2 leads to %3, which has no opening back")
                                    .arg(d.name)
                                    .arg(Where(c, r))
                                    .arg(Where(nc, nr));
            }
        }
    }

    if (starts != 1)
        problems << QStringLiteral("%1 start tiles instead of exactly one").arg(starts);
    if (exits != 1)
        problems << QStringLiteral("%1 exit tiles instead of exactly one").arg(exits);
    if (good > limits.maxPictures)
        problems << QStringLiteral("%1 pictures to collect, more than the %2 the column holds")
                        .arg(good)
                        .arg(limits.maxPictures);
    if (wrong > limits.maxDistractors)
        problems << QStringLiteral("%1 distractors, more than the %2 words that can fill them")
                        .arg(wrong)
                        .arg(limits.maxDistractors);
    if (starts != 1)
        return problems;

    // Where the figure can go: through openings, never onto a distractor, which blocks.
    std::array<std::array<bool, kRows>, kColumns> reached{};
    std::array<std::array<bool, kRows>, kColumns> bumped{};
    std::queue<std::pair<int, int>> todo;
    reached[startColumn][startRow] = true;
    todo.push({startColumn, startRow});
    while (!todo.empty()) {
        const auto [c, r] = todo.front();
        todo.pop();
        const std::int32_t base = Base(maze.codes[c][r]);
        for (const Direction& d : kDirections) {
            const int nc = c + d.dc;
            const int nr = r + d.dr;
            if (!(base & d.bit) || !Inside(nc, nr) || !IsPathCode(Base(maze.codes[nc][nr])))
                continue;
            if (maze.codes[nc][nr] & WrongPicture) {
                bumped[nc][nr] = true;
                continue;
            }
            if (!reached[nc][nr]) {
                reached[nc][nr] = true;
                todo.push({nc, nr});
            }
        }
    }
    for (int c = 0; c < kColumns; ++c) {
        for (int r = 0; r < kRows; ++r) {
            const std::int32_t code = maze.codes[c][r];
            if (!IsPathCode(Base(code)))
                continue;
            if ((code & GoodPicture) && !reached[c][r])
                problems << QStringLiteral("picture at %1 cannot be reached from the start").arg(Where(c, r));
            if ((code & FinishTile) && !reached[c][r])
                problems << QStringLiteral("exit at %1 cannot be reached from the start").arg(Where(c, r));
            if ((code & WrongPicture) && !(code & GoodPicture) && !bumped[c][r])
                problems << QStringLiteral("distractor at %1 lies where the figure never comes")
                                .arg(Where(c, r));
        }
    }
    return problems;
}

bool ReadIndex(const QByteArray& bytes, int* count, QString* reason)
{
    QDataStream in(bytes);
    in.setByteOrder(QDataStream::LittleEndian);
    qint32 value = 0;
    in >> value;
    if (in.status() != QDataStream::Ok) {
        Fail(reason, QStringLiteral("index file of %1 bytes is too short").arg(bytes.size()));
        return false;
    }
    if (value < 1) {
        Fail(reason, QStringLiteral("index file counts %1 mazes per level, at least 1 needed").arg(value));
        return false;
    }
    if (count)
        *count = value;
    return true;
}

QByteArray WriteIndex(int count)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << qint32(count);
    return bytes;
}

}  // namespace mazes
