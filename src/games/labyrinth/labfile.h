// SPDX-License-Identifier: GPL-3.0-or-later
// The labyrinth's two data files: the index "labir.def" (mazes per level) and a maze
// "labir<number>.ltr" (a checked header, 48 tile codes column by column, a text), read byte for
// byte, little-endian; and what a tile code means and which picture shows it.
#pragma once

#include <QByteArray>
#include <QString>
#include <array>

namespace lab {

constexpr int kColumns = 8;
constexpr int kRows = 6;
constexpr qint32 kHeaderSum = 200;       // the four header integers must add up to this
constexpr int kHeaderBytes = 16;
constexpr int kCodesBytes = kColumns * kRows * 4;
constexpr int kFixedBytes = kHeaderBytes + kCodesBytes + 8;  // header, codes, reserved, text length
constexpr int kDefaultCount = 8;         // mazes per level when the index cannot be read

// Bits of a tile code.
constexpr qint32 OpenRight = 0x0010, OpenLeft = 0x0020, OpenDown = 0x0040, OpenUp = 0x0080;
constexpr qint32 PathTile = 0x0100, StartTile = 0x0200, FinishTile = 0x0400;
constexpr qint32 GoodPicture = 0x1000, WrongPicture = 0x2000;
constexpr qint32 kStartRight = 785, kStartUp = 897;   // the only start codes looked for
constexpr qint32 kExitLeft = 1313, kExitDown = 1345;  // the only exit codes

const QString kFolder = QStringLiteral("Data/Intf/Lab/");
const QString kIndexFile = QStringLiteral("Data/Intf/Lab/labir.def");

// "Data/Intf/Lab/labir<number>.ltr".
QString MazeFileName(int number);

struct MazeFile {
    std::array<std::array<qint32, kRows>, kColumns> codes{};  // [column][row]
    QByteArray description;  // the text bytes up to the first zero byte
};

// Reads a maze file. False for a file that cannot be opened, a header that does not add up, a file
// that ends inside its codes or text, or a text length that runs past the file. Nothing larger than
// the file itself is ever allocated.
bool ReadMazeFile(const QString& path, MazeFile& maze);
bool ParseMaze(const QByteArray& bytes, MazeFile& maze);

// The first four bytes of the index file, or kDefaultCount when they cannot be read.
qint32 ReadMazeCount(const QString& path = kIndexFile);

// The tile picture's file name for a code (picture marks ignored), "" for an empty code.
QString TilePictureFile(qint32 code);

}  // namespace lab
