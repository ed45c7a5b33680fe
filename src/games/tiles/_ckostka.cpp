// SPDX-License-Identifier: GPL-3.0-or-later
// One tile of the tile-pairs game (see _ckostka.h).
#include "_ckostka.h"

#include "platform/raster.h"

#include <QPainter>

CKostka::CKostka(const QString& name, int column, int row, int layer, QRect rect, const QImage& picture,
                 const QImage& background, const QImage& mask)
    : name_(name), picture_(picture), background_(background), mask_(mask), rect_(rect), column_(column), row_(row),
      layer_(layer)
{
}

QPoint CKostka::Centre() const
{
    return QPoint(rect_.left() + rect_.width() / 2, rect_.top() + rect_.height() / 2 - kPictureRaise);
}

QRect CKostka::PictureRect() const
{
    const QPoint c = Centre();
    return QRect(c.x() - picture_.width() / 2, c.y() - picture_.height() / 2, picture_.width(), picture_.height());
}

void CKostka::Draw(QImage& canvas) const
{
    raster::Or(canvas, rect_.topLeft(), mask_);
    raster::And(canvas, rect_.topLeft(), background_);
    raster::And(canvas, PictureRect().topLeft(), picture_);
    DrawFrame(canvas, kWhite);
}

QRect CKostka::DrawFrame(QImage& canvas, QRgb colour, int openBottom) const
{
    const QPoint c = Centre();
    const int halfW = picture_.width() / 2, halfH = picture_.height() / 2;
    QPainter painter(&canvas);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const QColor pen = QColor::fromRgb(colour);
    if (openBottom == kClosed) {
        // Rings k = 1..4 from (c - half - k) to (c + half + k), both corners included.
        for (int k = 1; k <= kFrameRings; ++k) {
            const int l = c.x() - halfW - k, t = c.y() - halfH - k, r = c.x() + halfW + k, b = c.y() + halfH + k;
            painter.fillRect(QRect(QPoint(l, t), QPoint(r, t)), pen);
            painter.fillRect(QRect(QPoint(l, b), QPoint(r, b)), pen);
            painter.fillRect(QRect(QPoint(l, t), QPoint(l, b)), pen);
            painter.fillRect(QRect(QPoint(r, t), QPoint(r, b)), pen);
        }
        return QRect(QPoint(c.x() - halfW - kFrameRings, c.y() - halfH - kFrameRings),
                     QPoint(c.x() + halfW + kFrameRings, c.y() + halfH + kFrameRings));
    }
    // Lines 4 pixels wide through the middle of where the rings would be: up the left side, across
    // the top and down the right side, stopping above the tile that covers the bottom.
    const int half = kOpenFrameWidth / 2;
    const int left = c.x() - halfW - kOpenFrameInset, right = c.x() + halfW + kOpenFrameInset;
    const int top = c.y() - halfH - kOpenFrameInset;
    const QRect leftLine(QPoint(left - half, top - half), QPoint(left + half - 1, openBottom));
    const QRect topLine(QPoint(left - half, top - half), QPoint(right + half - 1, top + half - 1));
    const QRect rightLine(QPoint(right - half, top - half), QPoint(right + half - 1, openBottom));
    painter.fillRect(topLine, pen);
    // A neighbour below that is far higher leaves no side at all to draw.
    if (!leftLine.isValid())
        return topLine;
    painter.fillRect(leftLine, pen);
    painter.fillRect(rightLine, pen);
    return leftLine | topLine | rightLine;
}
