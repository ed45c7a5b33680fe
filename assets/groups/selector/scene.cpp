// SPDX-License-Identifier: GPL-3.0-or-later
// The picture-and-say game's background: the word picture stands on an easel in a meadow, the
// letter tiles wait on a wooden tray, and the game's name hangs on a banner above.
#include "selector.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace sel {

namespace {

const QColor kPlum(0x3D, 0x2C, 0x4E);
const QColor kWood(0xC9, 0x8B, 0x4B);
const QColor kWoodDark(0x9E, 0x66, 0x32);
const QColor kCream(0xFF, 0xF4, 0xD6);

QBrush WoodBrush(const QRectF& r)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, kWood.lighter(112));
    g.setColorAt(1, kWoodDark);
    return g;
}

void Leg(QPainter& p, QPointF top, QPointF bottom, qreal width, int outline)
{
    p.setPen(QPen(kPlum, width + 2 * outline, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(top, bottom);
    p.setPen(QPen(kWood, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(top, bottom);
}

}  // namespace

Layout SmallLayout()
{
    return Layout{kSelectorSmall, true, 3, "_s"};
}

Layout BigLayout()
{
    return Layout{kSelectorBig, false, 4, "_b"};
}

kit::StripLook StripLookOf(const Layout& l)
{
    kit::StripLook look;
    look.vertical = false;
    look.thickness = l.small ? 68 : 84;
    look.pitch = l.cell + kSelectorSlotGap;
    look.capLength = l.small ? 26 : 32;
    look.channelInset = l.small ? 6 : 9;
    look.outline = l.outline;
    look.band = QColor(0x8E, 0x6C, 0xC9);
    look.bandDark = QColor(0x6A, 0x4B, 0xA3);
    look.channel = kCream;
    return look;
}

QImage Background(const Layout& l, const QByteArray& landscape)
{
    QImage image = kit::Flatten(kit::RenderSvg(landscape, QSize(l.width, l.height)));
    const qreal s = l.width / 800.0;
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // The easel: legs first, the board with its white sheet over them.
    const QRectF sheet(l.PictureRect());
    const qreal rim = 14 * s;
    const QRectF board = sheet.adjusted(-rim, -rim, rim, rim);
    const qreal ground = l.stripLineY + 110 * s;
    Leg(p, QPointF(sheet.center().x(), board.top() + rim), QPointF(sheet.center().x(), ground - 20 * s), 12 * s, l.outline);
    Leg(p, QPointF(board.left() + 40 * s, board.bottom() - rim), QPointF(board.left() - 10 * s, ground), 14 * s, l.outline);
    Leg(p, QPointF(board.right() - 40 * s, board.bottom() - rim), QPointF(board.right() + 10 * s, ground), 14 * s, l.outline);
    p.setPen(QPen(kPlum, l.outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(WoodBrush(board));
    p.drawRoundedRect(board, 12 * s, 12 * s);
    // The ledge the board rests on.
    const QRectF ledge(board.left() - 8 * s, board.bottom() - 4 * s, board.width() + 16 * s, 12 * s);
    p.drawRoundedRect(ledge, 5 * s, 5 * s);
    p.setPen(QPen(kPlum, l.outline * 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawRoundedRect(sheet.adjusted(-3 * s, -3 * s, 3 * s, 3 * s), 8 * s, 8 * s);
    p.setPen(Qt::NoPen);
    p.drawRect(sheet);
    // A clip holding the sheet.
    p.setPen(QPen(kPlum, l.outline * 0.8));
    p.setBrush(QColor(0xEF, 0x47, 0x6F));
    p.drawRoundedRect(QRectF(sheet.center().x() - 22 * s, board.top() - 6 * s, 44 * s, 16 * s), 5 * s, 5 * s);

    // The tray the letter tiles lie on.
    const QRectF pile(l.pile, QSizeF(l.cell, l.cell));
    const QRectF tray = pile.adjusted(-16 * s, -12 * s, 16 * s, 12 * s);
    p.setPen(QPen(kPlum, l.outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0x3D, 0x2C, 0x4E, 60));
    p.drawEllipse(QPointF(tray.center().x(), tray.bottom() + 4 * s), tray.width() * 0.6, 7 * s);
    p.setBrush(WoodBrush(tray));
    p.drawRoundedRect(tray, 12 * s, 12 * s);
    p.setBrush(kCream);
    p.setPen(QPen(kPlum, l.outline * 0.7));
    p.drawRoundedRect(tray.adjusted(7 * s, 6 * s, -7 * s, -6 * s), 8 * s, 8 * s);

    // The game's name on a banner above the easel.
    const QRectF banner = l.small ? QRectF(230, 8, 290, 48) : QRectF(290, 10, 380, 62);
    p.setPen(QPen(kPlum, l.outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kCream);
    p.drawRoundedRect(banner, banner.height() / 2, banner.height() / 2);
    p.setPen(QPen(QColor(0xFF, 0x9F, 0x1C), 2 * s, Qt::DashLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(banner.adjusted(5 * s, 5 * s, -5 * s, -5 * s), banner.height() / 2 - 5 * s,
                      banner.height() / 2 - 5 * s);
    kit::DrawLabel(p, banner.adjusted(0, 0, 0, -2 * s), QString::fromUtf8("Podpisz i Powiedz"),
                   kit::LabelFont(int(26 * s)), kPlum);
    return image;
}

}  // namespace sel
