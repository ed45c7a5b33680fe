// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the tile game: the play table with its felt mat, and the mahjong-like tile
// (ivory face on a wooden body) with its mask, for both screen sizes.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

namespace kit {
class Generator;
}

namespace tiles {

// What the game window fixes for one screen size.
struct Layout {
    QString suffix;      // "s" for 800 x 600, "b" for 1024 x 768
    QSize screen;
    int tile;            // tile pitch and size, square
    int picture;         // the word picture drawn in the tile's middle, square
    QPoint origin;       // top-left of the board's first cell
    QRect buttons;       // help and stop buttons at the right
    QString tileFile;    // exact file names (the case differs between the sizes)
    QString maskFile;
};

const Layout& SmallLayout();
const Layout& BigLayout();

// The board: 7 columns by 5 rows of tiles.
QRect Board(const Layout& layout);

// The felt mat under the board, with room for stacks lifted above the first row.
QRect Mat(const Layout& layout);

// The window the game fills: the word picture and its 4-pixel state frame around it. The tile
// keeps it pure white, because the picture is combined with it by AND.
QRect PictureWindow(const Layout& layout);

// The tile drawn with transparency outside its rounded shape.
QImage TileShape(const Layout& layout);

struct TileLooks {
    QImage picture;  // white outside the shape
    QImage mask;     // white inside, black outside
};
TileLooks Tile(const Layout& layout);

// The play table at screen size, opaque.
QImage Background(const QByteArray& roomSvg, const Layout& layout);

void Make(kit::Generator& generator);

}  // namespace tiles
