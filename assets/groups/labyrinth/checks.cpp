// SPDX-License-Identifier: GPL-3.0-or-later
// Checks of the maze pictures against what the game does with them: the figure must sit and
// glide on every path without showing its square, paths must open exactly where the tile code
// lets the figure leave, the lawn and the scenery must blend, the column must hold its pictures.
#include "labyrinth.h"

#include <QSet>
#include <algorithm>
#include <cstdlib>

namespace maze {

namespace {

int Diff(QRgb a, QColor b)
{
    return std::max({std::abs(qRed(a) - b.red()), std::abs(qGreen(a) - b.green()),
                     std::abs(qBlue(a) - b.blue())});
}

bool Greenish(QRgb c) { return qGreen(c) > qRed(c) + 20 && qGreen(c) > qBlue(c) + 20; }

// The lawn's own colours (ground, blades, light dots): what a tile shows where nothing stands.
bool Lawn(QRgb c)
{
    return Diff(c, Grass()) <= 24 || Diff(c, GrassDark()) <= 24 || Diff(c, QColor(0x9A, 0xDA, 0x6E)) <= 24;
}

// Pixels of `area` in `image` that are not the path's ground.
int OffPath(const QImage& image, const QRect& area)
{
    int off = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            off += Diff(image.pixel(x, y), PathGround()) > 3;
    return off;
}

// Where the game puts the figure's square on a tile at (0, 0): centred, and one pixel up and
// left of that in the small layout (the start places it so).
QList<QRect> FigureSpots(const Layout& l)
{
    const int at = l.pitch / 2 - l.sprite / 2;
    QList<QRect> spots{QRect(at, at, l.sprite, l.sprite)};
    if (l.small)
        spots << QRect(at - 1, at - 1, l.sprite, l.sprite);
    return spots;
}

}  // namespace

QStringList CheckTileTable()
{
    QStringList problems;
    QSet<int> codes;
    QSet<QString> files;
    int paths = 0, scenery = 0;
    QSet<int> openings;
    for (const TileKind& kind : TileKinds()) {
        if (codes.contains(kind.code) || files.contains(kind.file))
            problems << QString("tile %1 (%2) listed twice").arg(kind.code).arg(kind.file);
        codes << kind.code;
        files << kind.file;
        if (kind.scenery) {
            ++scenery;
            // Scenery codes have no path bit; the empty codes have no picture at all.
            if (kind.code & kPath || kind.code == 243 || kind.code == 254 || kind.code < 209 || kind.code > 255)
                problems << QString("tile %1 is not a scenery code").arg(kind.code);
            continue;
        }
        ++paths;
        const int open = kind.code & (kRight | kLeft | kDown | kUp);
        if ((kind.code & ~(kStart | kExit | kRight | kLeft | kDown | kUp)) != (kPath | 1))
            problems << QString("tile %1 is not a path code").arg(kind.code);
        if (!(kind.code & (kStart | kExit)))
            openings << open;
        // Start and exit tiles are dead ends: the figure arrives or leaves one way only.
        if ((kind.code & (kStart | kExit)) && open != kRight && open != kLeft && open != kDown && open != kUp)
            problems << QString("start or exit tile %1 opens more than one way").arg(kind.code);
    }
    if (paths != 19 || scenery != 22)
        problems << QString("%1 path and %2 scenery tiles instead of 19 and 22").arg(paths).arg(scenery);
    if (openings.size() != 15)
        problems << "not every combination of openings has its path tile";
    return problems;
}

QStringList CheckPathTile(const Layout& l, int code, const QImage& tile)
{
    QStringList problems;
    const QString name = QString::number(code);
    if (tile.size() != QSize(l.pitch, l.pitch))
        return {name + ": wrong tile size"};
    const int P = l.pitch, mid = P / 2;
    struct Side { int bit; QPoint edge; const char* name; };
    const Side sides[] = {{kRight, {P - 1, mid}, "right"}, {kLeft, {0, mid}, "left"},
                          {kDown, {mid, P - 1}, "down"}, {kUp, {mid, 0}, "up"}};
    for (const Side& side : sides) {
        const QRgb at = tile.pixel(side.edge);
        const bool open = code & side.bit;
        if (open && Diff(at, PathGround()) > 3)
            problems << name + ": path does not reach the " + side.name + " edge";
        if (!open && !Greenish(at))
            problems << name + ": path leaks through the closed " + side.name + " edge";
    }
    for (const QRect& spot : FigureSpots(l)) {
        if (OffPath(tile, spot) > 0)
            problems << name + ": the figure's square shows on the tile";
        // Gliding out through an opening sweeps the square to the edge.
        for (const Side& side : sides) {
            if (!(code & side.bit))
                continue;
            QRect sweep = spot;
            if (side.bit == kRight) sweep.setRight(P - 1);
            if (side.bit == kLeft) sweep.setLeft(0);
            if (side.bit == kDown) sweep.setBottom(P - 1);
            if (side.bit == kUp) sweep.setTop(0);
            if (OffPath(tile, sweep) > 0)
                problems << name + ": the figure's square shows while it leaves " + side.name;
        }
    }
    if (!(code & (kStart | kExit)))
        for (const QPoint corner : {QPoint(0, 0), QPoint(P - 1, 0), QPoint(0, P - 1), QPoint(P - 1, P - 1)})
            if (!Greenish(tile.pixel(corner)) && qGray(tile.pixel(corner)) > 120)
                problems << name + ": a corner is not grass";
    return problems;
}

QStringList CheckFigure(const Layout& l, const QImage& sprite)
{
    if (sprite.size() != QSize(l.sprite, l.sprite))
        return {"figure: wrong size"};
    QStringList problems;
    int ring = 0, drawn = 0, dark = 0;
    for (int y = 0; y < sprite.height(); ++y)
        for (int x = 0; x < sprite.width(); ++x) {
            const QRgb c = sprite.pixel(x, y);
            const bool edge = x == 0 || y == 0 || x == sprite.width() - 1 || y == sprite.height() - 1;
            if (edge && Diff(c, PathGround()) > 0)
                ++ring;
            drawn += Diff(c, PathGround()) > 10;
            dark += qGray(c) < 80;
        }
    if (ring > 0)
        problems << "figure: its border is not the path's ground, a box would show";
    if (drawn < sprite.width() * sprite.height() * 35 / 100)
        problems << "figure: too little drawn, it would be hard to see";
    if (dark < sprite.width() * 2)
        problems << "figure: no dark outline";
    return problems;
}

QStringList CheckSceneryTile(const Layout& l, const QImage& tile)
{
    if (tile.size() != QSize(l.pitch, l.pitch))
        return {"wrong tile size"};
    QStringList problems;
    int edge = 0, edgeGreen = 0, drawn = 0;
    for (int y = 0; y < l.pitch; ++y)
        for (int x = 0; x < l.pitch; ++x) {
            const QRgb c = tile.pixel(x, y);
            if (x == 0 || y == 0 || x == l.pitch - 1 || y == l.pitch - 1) {
                ++edge;
                edgeGreen += Lawn(c);
            }
            drawn += !Lawn(c);
        }
    // The lawn must run on at the edges so neighbouring tiles and the board's lawn join.
    if (edgeGreen < edge * 85 / 100)
        problems << "the drawing covers too much of the tile's edge";
    if (drawn < l.pitch * l.pitch * 12 / 100)
        problems << "almost nothing drawn on the tile";
    return problems;
}

QStringList CheckBackground(const Layout& l, const QImage& background)
{
    if (background.size() != QSize(l.width, l.height))
        return {"background: wrong size"};
    QStringList problems;
    const QRect board(l.boardX, l.boardY, 8 * l.pitch, 6 * l.pitch);
    int green = 0;
    for (int y = board.top(); y <= board.bottom(); ++y)
        for (int x = board.left(); x <= board.right(); ++x)
            green += Greenish(background.pixel(x, y));
    // Empty tiles show the background: it must be the tiles' lawn, not scenery or sky.
    if (green < board.width() * board.height() * 95 / 100)
        problems << "background: the board's place is not plain lawn";
    // The task line is dark text: the place under it must be light.
    const QRect label = l.small ? QRect(60, 14, 480, 20) : QRect(52, 18, 680, 26);
    int light = 0;
    for (int y = label.top(); y <= label.bottom(); ++y)
        for (int x = label.left(); x <= label.right(); ++x)
            light += qGray(background.pixel(x, y)) > 200;
    if (light < label.width() * label.height() * 95 / 100)
        problems << "background: the task line would be hard to read";
    return problems;
}

QStringList CheckColumn(const Layout& l, const kit::StripPieces& pieces)
{
    const kit::StripLook look = ColumnLook(l);
    QStringList problems = kit::CheckStrip(look, pieces);
    if (!problems.isEmpty())
        return problems;
    const int left = l.columnX - pieces.middle.width() / 2;
    if (left < 0 || left + pieces.middle.width() > l.width)
        problems << "column: wider than the window's right margin";
    // A collected picture and its three yellow outlines (3 px around) stand in each middle
    // piece, 5 px from its top; all of that must lie on the light channel.
    const int px = l.width - l.wordPicture - 25 - left;
    const QRect slot(px - 3, 5 - 3, l.wordPicture + 6, l.wordPicture + 6);
    int dark = 0;
    for (int y = slot.top(); y <= slot.bottom(); ++y)
        for (int x = slot.left(); x <= slot.right(); ++x)
            dark += !slot.contains(x, y) || x < 0 || x >= pieces.middle.width()
                    || qGray(pieces.middle.pixel(x, y)) < 170;
    if (dark > 0)
        problems << "column: a slot does not fit on the light channel";
    return problems;
}

}  // namespace maze
