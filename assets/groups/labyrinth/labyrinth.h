// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the maze game: its tiles, the flying figure, the background and the collection
// column, in the small (800 x 600) and the big (1024 x 768) layout.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

#include "assetkit.h"
#include "labyrinth_strip.h"

namespace maze {

// Opening bits of a tile code: the figure may leave the tile that way.
enum : int { kRight = 0x10, kLeft = 0x20, kDown = 0x40, kUp = 0x80, kPath = 0x100,
             kStart = 0x200, kExit = 0x400 };

struct TileKind {
    int code;
    const char* file;      // without folder and extension
    const char* scenery;   // drawing of a scenery tile (group folder), null for path tiles
};
const std::vector<TileKind>& TileKinds();

// Everything that depends on the layout size.
struct Layout {
    bool small;
    int width, height;       // design size
    int pitch;               // tile size
    int pathFrom, pathTo;    // the path's ground across a tile [from, to)
    int outline;             // plum outline width
    int cornerRadius;        // of the path's closed corners
    int sprite;              // the figure's square size
    int boardX = 65, boardY = 90;
    int wordPicture;         // small word pictures in the column (58 / 76)
    int columnX, columnY;    // centre of the collection column
    QString folder;          // "sm" or "bg"
    QString suffix;          // "_s" or "_b"
};
Layout SmallLayout();
Layout BigLayout();

QColor Grass();
QColor GrassDark();
QColor PathGround();
QColor Plum();

// Grass ground with its tufts; `seed` varies the tufts from tile to tile.
void PaintGrass(QImage& image, const QRect& area, int seed, qreal scale);

QImage PathTile(const Layout& layout, int code);
QImage SceneryTile(const Layout& layout, const QByteArray& svg, int seed);

enum class Facing { Up, Left, Right, Down };
QImage Figure(const Layout& layout, const QByteArray& svg, Facing facing);

QImage Background(const Layout& layout, const QByteArray& landscape);

kit::StripLook ColumnLook(const Layout& layout);

// Problems that would show in the game (empty when none).
QStringList CheckTileTable();
QStringList CheckPathTile(const Layout& layout, int code, const QImage& tile);
QStringList CheckFigure(const Layout& layout, const QImage& sprite);
QStringList CheckSceneryTile(const Layout& layout, const QImage& tile);
QStringList CheckBackground(const Layout& layout, const QImage& background);
QStringList CheckColumn(const Layout& layout, const kit::StripPieces& pieces);

}  // namespace maze
