// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the tile game (see tiles.h).
#include "tiles.h"

#include "assetkit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>

namespace tiles {

const Layout& SmallLayout()
{
    static const Layout layout{"s",         QSize(800, 600), 94, 76, QPoint(55, 50),
                               QRect(720, 85, 74, 135), "klcBck_s.xji", "matr_s.xji"};
    return layout;
}

const Layout& BigLayout()
{
    static const Layout layout{"b",         QSize(1024, 768), 120, 98, QPoint(70, 50),
                               QRect(922, 109, 74, 156), "KlcBck_b.xji", "matr_b.xji"};
    return layout;
}

QRect Board(const Layout& layout)
{
    return QRect(layout.origin, QSize(7 * layout.tile, 5 * layout.tile));
}

QRect Mat(const Layout& layout)
{
    const QRect board = Board(layout);
    // On the right the mat stops short of the buttons, which stand close to the board.
    const int right = std::min(board.right() + 10, layout.buttons.left() - 2);
    return QRect(QPoint(board.left() - 10, 8), QPoint(right, board.bottom() + 12));
}

QRect PictureWindow(const Layout& layout)
{
    const int cx = layout.tile / 2;
    const int cy = layout.tile / 2 - 2;
    const int half = layout.picture / 2 + 4;
    // One pixel more than the frame reaches, whichever way the frame's last line is drawn.
    return QRect(cx - half, cy - half, layout.picture + 9, layout.picture + 9);
}

namespace {

const QColor kPlum("#3D2C4E");

}  // namespace

QImage TileShape(const Layout& layout)
{
    const int s = layout.tile;
    const qreal unit = s / 94.0;
    QImage image(s, s, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal outline = 2.2 * unit;
    const qreal radius = 11 * unit;
    const QRectF body(outline / 2, outline / 2, s - outline, s - outline);
    const QRect window = PictureWindow(layout);

    // The wooden body: what shows below the face is the tile's thickness, and what shows of
    // the tiles stacked underneath.
    QLinearGradient wood(body.topLeft(), body.bottomLeft());
    wood.setColorAt(0, QColor("#C98B4B"));
    wood.setColorAt(0.8, QColor("#A8672F"));
    wood.setColorAt(1, QColor("#7E4A22"));
    painter.setPen(QPen(kPlum, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(wood);
    painter.drawRoundedRect(body, radius, radius);

    // A lighter streak along the body's thickness, like a varnished edge.
    const qreal faceBottom = window.bottom() + 1;
    const qreal band = body.bottom() - faceBottom;
    painter.setPen(QPen(QColor(255, 226, 180, 150), 1.4 * unit, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(body.left() + radius * 0.7, faceBottom + band * 0.5),
                     QPointF(body.right() - radius * 0.7, faceBottom + band * 0.5));

    // The ivory face, lit from the upper left.
    // The face sits up and to the left on the body, so the wood shows along the right and the
    // bottom as the tile's thickness.
    const QRectF face(body.left(), body.top(), window.right() + 1 + outline * 0.4 - body.left(),
                      faceBottom - body.top());
    QLinearGradient ivory(face.topLeft(), face.bottomRight());
    ivory.setColorAt(0, QColor("#FFF8E4"));
    ivory.setColorAt(1, QColor("#EED6A4"));
    painter.setPen(Qt::NoPen);
    painter.setBrush(ivory);
    painter.drawRoundedRect(face.adjusted(outline / 2, outline / 2, 0, 0), radius - outline / 2,
                            radius - outline / 2);
    // A fine dark edge where the face meets the wood, so the step reads even this small.
    painter.setPen(QPen(QColor("#6B3F1D"), 1.0 * unit, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    QPainterPath step;
    step.moveTo(face.left() + radius, face.bottom());
    step.lineTo(face.right() - radius, face.bottom());
    step.quadTo(face.right(), face.bottom(), face.right(), face.bottom() - radius);
    step.lineTo(face.right(), face.top() + radius);
    painter.drawPath(step);

    // The middle stays pure white: the word picture is ANDed onto it and the game draws the
    // state frame in its outer ring.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(window, Qt::white);
    return image;
}

TileLooks Tile(const Layout& layout)
{
    const QImage shape = TileShape(layout);
    TileLooks looks;
    looks.mask = kit::HardMask(shape);
    looks.picture = kit::WhiteOutside(shape, looks.mask);
    return looks;
}

QImage Background(const QByteArray& roomSvg, const Layout& layout)
{
    QImage picture = kit::Flatten(kit::RenderSvg(roomSvg, layout.screen));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal unit = layout.tile / 94.0;
    const QRectF mat = QRectF(Mat(layout)).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = 18 * unit;

    // A soft shadow so the mat lies on the table, then the felt, calm and even, lighter in
    // the middle where the child looks.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(61, 44, 78, 60));
    painter.drawRoundedRect(mat.translated(3 * unit, 4 * unit), radius, radius);
    QRadialGradient felt(mat.center(), mat.width() * 0.62);
    felt.setColorAt(0, QColor("#3CCFC1"));
    felt.setColorAt(1, QColor("#23A99C"));
    painter.setPen(QPen(kPlum, 3.5 * unit, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(felt);
    painter.drawRoundedRect(mat, radius, radius);

    // Stitching along the mat's edge.
    QPen stitch(QColor(255, 244, 214, 200), 2 * unit, Qt::CustomDashLine, Qt::RoundCap);
    stitch.setDashPattern({3, 3});
    painter.setPen(stitch);
    painter.setBrush(Qt::NoBrush);
    const qreal in = 6 * unit;
    painter.drawRoundedRect(mat.adjusted(in, in, -in, -in), radius - in, radius - in);
    return picture;
}

void Make(kit::Generator& generator)
{
    const QByteArray room = generator.ReadSource("room.svg");
    const QString folder = "Data/Intf/Tpi/";
    for (const Layout* layout : {&SmallLayout(), &BigLayout()}) {
        generator.WriteJpeg(folder + "mT_Tpi_" + layout->suffix + ".xji", Background(room, *layout));
        const TileLooks tile = Tile(*layout);
        // Best quality: a JPEG mask must stay as close to pure black and white as it can.
        generator.WriteJpeg(folder + layout->tileFile, tile.picture, 100);
        generator.WriteJpeg(folder + layout->maskFile, tile.mask, 100);
    }
}

}  // namespace tiles
