// SPDX-License-Identifier: GPL-3.0-or-later
// The maze's tiles: sandy paths on grass (with the start pad and the finish pad) and the scenery
// tiles the figure never enters, for every tile code the maze files use.
#include "labyrinth.h"

#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

namespace maze {

const std::vector<TileKind>& TileKinds()
{
    static const std::vector<TileKind> kinds = {
        {273, "rEL", nullptr},   {289, "rER", nullptr},   {305, "rH", nullptr},
        {321, "rEU", nullptr},   {337, "rTUR", nullptr},  {353, "rTUL", nullptr},
        {369, "rCHD", nullptr},  {385, "rEB", nullptr},   {401, "rTBR", nullptr},
        {417, "rTBL", nullptr},  {433, "rCHU", nullptr},  {449, "rV", nullptr},
        {465, "rCVR", nullptr},  {481, "rCVL", nullptr},  {497, "rC01", nullptr},
        {785, "spSH", nullptr},  {897, "spSV", nullptr},  {1313, "spMH", nullptr},
        {1345, "spMV", nullptr},
        {225, "exAN01", "scenery/rabbit.svg"},    {226, "exAN02", "scenery/hedgehog.svg"},
        {227, "exAN03", "scenery/snail.svg"},     {228, "exAN04", "scenery/ladybird.svg"},
        {229, "exAN05", "scenery/frog.svg"},      {209, "exAN06", "scenery/cat.svg"},
        {210, "exAN07", "scenery/duck.svg"},      {211, "exAN08", "scenery/butterfly.svg"},
        {212, "exAN09", "scenery/bee.svg"},
        {241, "exH01", "scenery/cottage.svg"},    {242, "exH02", "scenery/bluehouse.svg"},
        {245, "exH03", "scenery/cabin.svg"},      {244, "exH04", "scenery/barn.svg"},
        {246, "exT01", "scenery/tree.svg"},       {247, "exT02", "scenery/spruce.svg"},
        {248, "exT03", "scenery/appletree.svg"},  {249, "exT04", "scenery/autumntree.svg"},
        {250, "exFL00", "scenery/tulips.svg"},    {251, "exFL01", "scenery/sunflower.svg"},
        {252, "exFL02", "scenery/daisies.svg"},   {253, "exFL03", "scenery/bellflowers.svg"},
        {255, "exG01", "scenery/mushroom.svg"},
    };
    return kinds;
}

Layout SmallLayout()
{
    return Layout{true, 800, 600, 78, 10, 68, 3, 5, 52, 65, 90, 58, 800 - 54, 600 / 3 * 2, "sm", "_s"};
}

Layout BigLayout()
{
    return Layout{false, 1024, 768, 100, 13, 87, 4, 8, 68, 65, 90, 76, 1024 - 60, 768 / 3 * 2, "bg", "_b"};
}

QColor Grass() { return QColor(0x7B, 0xC9, 0x50); }
QColor GrassDark() { return QColor(0x4E, 0x9F, 0x3D); }
QColor PathGround() { return QColor(0xF6, 0xDE, 0xA4); }
QColor Plum() { return QColor(0x3D, 0x2C, 0x4E); }

void PaintGrass(QImage& image, const QRect& area, int seed, qreal scale)
{
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(area, Grass());
    p.setClipRect(area);
    QRandomGenerator random(quint32(seed) * 2654435761u + 17u);
    // A few blades and light dots: the lawn stays calm enough for pictures on it.
    const int tufts = int(area.width() * area.height() / (520 * scale * scale)) + 1;
    for (int i = 0; i < tufts; ++i) {
        const QPointF at(area.left() + random.bounded(area.width()), area.top() + random.bounded(area.height()));
        if (random.bounded(3) == 0) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x9A, 0xDA, 0x6E));
            p.drawEllipse(at, 1.6 * scale, 1.2 * scale);
            continue;
        }
        p.setPen(QPen(GrassDark(), 1.6 * scale, Qt::SolidLine, Qt::RoundCap));
        const qreal h = (4 + random.bounded(3)) * scale;
        p.drawLine(at, at + QPointF(-1.8 * scale, -h));
        p.drawLine(at, at + QPointF(0, -h * 1.2));
        p.drawLine(at, at + QPointF(1.8 * scale, -h));
    }
}

namespace {

// The path's ground on a tile: the centre square and an arm toward every open side. Arms run
// past the tile edge so that no outline is drawn where the path continues on the next tile.
// The pieces are kept apart: painting all their outlines first and all their grounds after
// leaves exactly the outer outline of the whole path.
QList<QPainterPath> PathShape(const Layout& l, int code)
{
    const qreal a = l.pathFrom, b = l.pathTo, P = l.pitch, over = l.outline + 2;
    QList<QPainterPath> pieces;
    QPainterPath centre;
    centre.addRoundedRect(QRectF(a, a, b - a, b - a), l.cornerRadius, l.cornerRadius);
    pieces << centre;
    auto arm = [&](const QRectF& r) { QPainterPath piece; piece.addRect(r); pieces << piece; };
    if (code & kRight)
        arm(QRectF((a + b) / 2, a, P + over - (a + b) / 2, b - a));
    if (code & kLeft)
        arm(QRectF(-over, a, over + (a + b) / 2, b - a));
    if (code & kDown)
        arm(QRectF(a, (a + b) / 2, b - a, P + over - (a + b) / 2));
    if (code & kUp)
        arm(QRectF(a, -over, b - a, over + (a + b) / 2));
    return pieces;
}

void PaintOutlines(QPainter& p, const Layout& l, const QList<QPainterPath>& pieces)
{
    p.setPen(QPen(Plum(), l.outline * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    for (const QPainterPath& piece : pieces)
        p.drawPath(piece);
}

void PaintGround(QPainter& p, const QList<QPainterPath>& pieces)
{
    p.setPen(Qt::NoPen);
    p.setBrush(PathGround());
    for (const QPainterPath& piece : pieces)
        p.drawPath(piece);
}

// The start and the finish stand on a wider round pad, so they are found at a glance.
QPainterPath PadShape(const Layout& l)
{
    const qreal inset = l.pitch * 0.05;
    QPainterPath pad;
    pad.addRoundedRect(QRectF(inset, inset, l.pitch - 2 * inset, l.pitch - 2 * inset),
                       l.pitch * 0.2, l.pitch * 0.2);
    return pad;
}

void PaintPad(QPainter& p, const Layout& l, int code, const QList<QPainterPath>& path)
{
    const qreal s = l.pitch / 100.0;
    const QList<QPainterPath> pad{PadShape(l)};
    PaintOutlines(p, l, pad);
    PaintGround(p, pad);
    // The rim runs in the band between the pad's edge and the figure, which never covers it.
    const qreal rimInset = (l.pitch * 0.05 + l.pathFrom) / 2 + 0.5;
    const QRectF rim(rimInset, rimInset, l.pitch - 2 * rimInset, l.pitch - 2 * rimInset);
    const qreal rimR = l.pitch * 0.16;
    const qreal rimW = (l.pathFrom - l.pitch * 0.05) - 1.5 * s;
    QPainterPath rimPath;
    rimPath.addRoundedRect(rim, rimR, rimR);
    if (code & kStart) {
        p.setPen(QPen(QColor(0x2E, 0xC4, 0xB6), rimW, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(rimPath);
        QPen lights(QColor(0xFF, 0xD2, 0x3F), rimW * 0.62, Qt::CustomDashLine, Qt::RoundCap);
        lights.setDashPattern({0.01, 2.4});
        p.setPen(lights);
        p.drawPath(rimPath);
    } else {
        QPen dark(Plum(), rimW, Qt::CustomDashLine, Qt::FlatCap);
        dark.setDashPattern({1.0, 1.0});
        p.setPen(QPen(Qt::white, rimW, Qt::SolidLine, Qt::FlatCap));
        p.drawPath(rimPath);
        p.setPen(dark);
        p.drawPath(rimPath);
    }
    // Where the path leaves the pad the rim steps aside for it.
    PaintGround(p, path);
}

}  // namespace

QImage PathTile(const Layout& l, int code)
{
    QImage tile(l.pitch, l.pitch, QImage::Format_RGB32);
    PaintGrass(tile, tile.rect(), code, l.pitch / 100.0);
    QPainter p(&tile);
    p.setRenderHint(QPainter::Antialiasing);
    const QList<QPainterPath> path = PathShape(l, code);
    const bool pad = code & (kStart | kExit);
    // Outline first, ground over it: only the outer half of the outline stays, on the grass.
    PaintOutlines(p, l, path);
    if (pad)
        PaintPad(p, l, code, path);
    else
        PaintGround(p, path);
    return tile;
}

QImage SceneryTile(const Layout& l, const QByteArray& svg, int seed)
{
    QImage tile(l.pitch, l.pitch, QImage::Format_RGB32);
    PaintGrass(tile, tile.rect(), seed, l.pitch / 100.0);
    QPainter p(&tile);
    p.drawImage(0, 0, kit::RenderSvg(svg, tile.size()));
    return tile;
}

}  // namespace maze
