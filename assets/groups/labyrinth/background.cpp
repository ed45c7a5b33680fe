// SPDX-License-Identifier: GPL-3.0-or-later
// The maze window's background: a garden around a hedged lawn where the board lies, a paper
// banner under the task line and a calm strip at the right for the buttons and the column.
#include "labyrinth.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace maze {

QImage Background(const Layout& l, const QByteArray& landscape)
{
    QImage image = kit::Flatten(kit::RenderSvg(landscape, QSize(l.width, l.height)));
    const qreal s = l.width / 1024.0;
    const QRect board(l.boardX, l.boardY, 8 * l.pitch, 6 * l.pitch);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // The hedge around the lawn: round bushes on its outer edge, drawn first so the lawn keeps
    // its exact edge.
    const qreal hedge = 11 * s + 3;
    const QRectF around = QRectF(board).adjusted(-hedge, -hedge, hedge, hedge);
    const qreal bush = hedge * 0.62;
    QList<QPointF> bushes;
    const int across = int(around.width() / (bush * 1.5));
    const int down = int(around.height() / (bush * 1.5));
    for (int i = 0; i <= across; ++i) {
        const qreal x = around.left() + around.width() * i / across;
        bushes << QPointF(x, around.top()) << QPointF(x, around.bottom());
    }
    for (int i = 1; i < down; ++i) {
        const qreal y = around.top() + around.height() * i / down;
        bushes << QPointF(around.left(), y) << QPointF(around.right(), y);
    }
    p.setPen(QPen(Plum(), l.outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0x6C, 0xBF, 0x47));
    for (const QPointF& at : bushes)
        p.drawEllipse(at, bush, bush);
    p.setPen(Qt::NoPen);
    for (const QPointF& at : bushes) {
        p.setBrush(QColor(0x5F, 0xB2, 0x45));
        p.drawEllipse(at, bush - l.outline / 2.0, bush - l.outline / 2.0);
        p.setBrush(QColor(0x9A, 0xDA, 0x6E));
        p.drawEllipse(at + QPointF(-bush * 0.3, -bush * 0.3), bush * 0.28, bush * 0.22);
    }
    p.setBrush(GrassDark());
    p.drawRect(around.adjusted(bush * 0.2, bush * 0.2, -bush * 0.2, -bush * 0.2));
    p.end();

    // The lawn is the ground of every empty tile code, so it is the tiles' own grass, cell by cell.
    for (int c = 0; c < 8; ++c)
        for (int r = 0; r < 6; ++r)
            PaintGrass(image, QRect(board.left() + c * l.pitch, board.top() + r * l.pitch, l.pitch, l.pitch),
                       1000 + c * 6 + r, l.pitch / 100.0);

    p.begin(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Plum(), l.outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(board).adjusted(-l.outline / 2.0, -l.outline / 2.0, l.outline / 2.0, l.outline / 2.0));

    // Paper banner for the task line (the label sits at left 60 / 52, top 14 / 18).
    const QRectF banner = l.small ? QRectF(46, 6, 510, 36) : QRectF(38, 8, 708, 48);
    p.setPen(QPen(Plum(), l.outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0xFF, 0xF4, 0xD6));
    p.drawRoundedRect(banner, banner.height() / 2, banner.height() / 2);
    p.setPen(QPen(QColor(0xFF, 0x9F, 0x1C), 2 * s + 1, Qt::DashLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(banner.adjusted(5 * s, 4 * s, -5 * s, -4 * s), banner.height() / 2 - 4 * s,
                      banner.height() / 2 - 4 * s);
    return image;
}

kit::StripLook ColumnLook(const Layout& l)
{
    kit::StripLook look;
    look.vertical = true;
    look.thickness = l.small ? 88 : 112;
    look.pitch = l.wordPicture + 10;
    look.capLength = l.small ? 22 : 28;
    look.channelInset = l.small ? 10 : 10;
    look.outline = l.outline;
    look.band = QColor(0xC9, 0x8B, 0x4B);
    look.bandDark = QColor(0x9E, 0x66, 0x32);
    look.channel = QColor(0xFF, 0xF4, 0xD6);
    return look;
}

}  // namespace maze
