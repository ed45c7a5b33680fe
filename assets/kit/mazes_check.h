// SPDX-License-Identifier: GPL-3.0-or-later
// The maze files of the labyrinth game: reading and writing their bytes, and the check that a
// maze is playable (every opening leads somewhere, one start, one exit, every picture reachable).
// Depends on QtCore only, so the generator and the tests can both use it.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

namespace mazes {

constexpr int kColumns = 8;
constexpr int kRows = 6;
constexpr int kHeaderSum = 200;        // the four header integers must add up to this
constexpr int kFixedBytes = 216;       // header, 48 codes, reserved word and text length

// Bits of a tile code.
enum : std::int32_t {
    OpenRight = 0x0010,
    OpenLeft = 0x0020,
    OpenDown = 0x0040,
    OpenUp = 0x0080,
    PathTile = 0x0100,
    StartTile = 0x0200,
    FinishTile = 0x0400,
    GoodPicture = 0x1000,   // a picture to collect lies on the tile
    WrongPicture = 0x2000,  // a distractor picture lies on the tile and blocks it
};
constexpr std::int32_t kPictureBits = GoodPicture | WrongPicture;

// The only start and exit codes the game recognises.
constexpr std::int32_t kStartRight = 785;
constexpr std::int32_t kStartUp = 897;
constexpr std::int32_t kExitLeft = 1313;
constexpr std::int32_t kExitDown = 1345;

struct Maze {
    std::array<std::int32_t, 4> header{50, 50, 50, 50};
    std::array<std::array<std::int32_t, kRows>, kColumns> codes{};  // [column][row], 0 = empty
    std::int32_t reserved = 0;
    QByteArray text;  // the stored text bytes (its zero byte included when present)

    std::int32_t Code(int column, int row) const;  // 0 outside the grid
    void SetCode(int column, int row, std::int32_t code) { codes[column][row] = code; }
    QByteArray Description() const;  // the text up to its first zero byte
};

// Tile kinds by code, picture marks removed.
bool IsPathCode(std::int32_t base);     // a tile the figure may stand on (start and exit included)
bool IsSceneryCode(std::int32_t base);  // a picture tile the figure never enters
// Path tile code for the given opening bits (and StartTile or FinishTile), checked against the
// codes that have a tile picture; 0 when no tile picture exists for that combination.
std::int32_t PathCode(std::int32_t openings, std::int32_t kind = 0);

// Reads a maze file. False, with the reason, for a bad file: a header that does not add up,
// a file that ends inside its codes or its text, or a text length that runs past the file.
bool ReadMaze(const QByteArray& bytes, Maze& maze, QString* reason = nullptr);

// The file's bytes, little-endian, field by field.
QByteArray WriteMaze(const Maze& maze);

// The collection column of one layout: centred on two thirds of the window's height, one slot per
// picture to collect between the two end pieces of its frame. It must stay inside the window and
// below the stop button, which stands above it at the same right edge.
struct ColumnRoom {
    int windowHeight;
    int slotPitch;      // a small word picture and the gap to the next
    int endPiece;       // the height of each end piece of the frame
    int buttonsBottom;  // below the stop button's reacting area
};
constexpr ColumnRoom kSmallColumn{600, 58 + 10, 22, 160 + 60};
constexpr ColumnRoom kBigColumn{768, 76 + 10, 28, 205 + 60};
bool ColumnFits(int pictures, const ColumnRoom& room);
// The most pictures to collect whose column fits in both layouts.
int PicturesThatFit();

// What the game's layout can hold: the pictures whose column fits, and only two words with the
// contrasting sound for distractors (more distractor tiles would only repeat them).
struct Limits {
    int maxPictures = PicturesThatFit();
    int maxDistractors = 2;
};

// Everything wrong with a maze, one reason a line; empty when the maze is playable.
QStringList CheckMaze(const Maze& maze, const Limits& limits = {});

// The index file: the number of mazes per level (at least 1).
bool ReadIndex(const QByteArray& bytes, int* count, QString* reason = nullptr);
QByteArray WriteIndex(int count);

}  // namespace mazes
