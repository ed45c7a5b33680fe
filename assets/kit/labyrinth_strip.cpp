// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the frame strip once at full length and cuts its ends and middle out of it, so the pieces
// join without a seam however many middles the game puts between the ends.
#include "labyrinth_strip.h"
#include "assetkit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace kit {

namespace {

const QColor kPlum(0x3D, 0x2C, 0x4E);

// The strip drawn lying down (along = x), long enough for its ends plus three middles.
QImage DrawLyingStrip(const StripLook& look)
{
    const int length = 2 * look.capLength + 3 * look.pitch;
    const qreal t = look.thickness;
    const qreal ow = look.outline;
    QImage image(length, look.thickness, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // Round ends as long as the end piece allows; the corners must stay inside the ends.
    const qreal radius = std::min<qreal>(look.capLength - 1, t / 2) - ow / 2;
    const QRectF outer(ow / 2, ow / 2, length - ow, t - ow);
    QLinearGradient shade(0, 0, 0, t);
    shade.setColorAt(0, look.band.lighter(112));
    shade.setColorAt(0.45, look.band);
    shade.setColorAt(1, look.bandDark);
    p.setPen(QPen(kPlum, ow, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(shade);
    p.drawRoundedRect(outer, radius, radius);

    // A soft gloss along the lit edge of the band.
    const qreal glossY = ow + std::max<qreal>(1.5, look.channelInset * 0.25);
    p.setPen(QPen(QColor(255, 255, 255, 120), std::max<qreal>(1.5, ow * 0.7), Qt::SolidLine,
                  Qt::RoundCap));
    const qreal glossFrom = look.capLength * 0.55;
    p.drawLine(QPointF(glossFrom, glossY), QPointF(length - glossFrom, glossY));

    // The light channel the slots stand in; its rounded ends lie inside the end pieces.
    const qreal in = look.channelInset;
    const qreal chStart = look.capLength * 0.5;
    const QRectF channel(chStart, in, length - 2 * chStart, t - 2 * in);
    const qreal chRadius = std::min<qreal>(channel.height() / 2, look.capLength * 0.45);
    QLinearGradient paper(0, in, 0, t - in);
    paper.setColorAt(0, look.channel.darker(112));
    paper.setColorAt(0.18, look.channel);
    paper.setColorAt(1, look.channel.lighter(104));
    p.setPen(QPen(kPlum, std::max<qreal>(1.5, ow * 0.6), Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    p.setBrush(paper);
    p.drawRoundedRect(channel, chRadius, chRadius);
    p.end();
    return image;
}

// Lying-down coordinates to the strip's own: a vertical strip swaps x and y, keeping the light
// on the left as the lying strip has it on top.
QImage Stand(const QImage& lying, bool vertical)
{
    if (!vertical)
        return lying;
    return lying.transformed(QTransform(0, 1, 1, 0, 0, 0));
}

QImage Cut(const QImage& lying, int from, int length, bool vertical)
{
    return Stand(lying.copy(from, 0, length, lying.height()), vertical);
}

}  // namespace

QImage SoftMaskColour(const QImage& shape, QColor outside)
{
    const QImage straight = shape.convertToFormat(QImage::Format_ARGB32);
    QImage out(shape.size(), QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
        QRgb* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            row[x] = qAlpha(in[x]) == 0 ? outside.rgb() : (in[x] | 0xFF000000u);
    }
    return out;
}

StripPieces MakeStrip(const StripLook& look)
{
    const QImage lying = DrawLyingStrip(look);
    const int length = lying.width();
    const QImage startShape = Cut(lying, 0, look.capLength, look.vertical);
    const QImage endShape = Cut(lying, length - look.capLength, look.capLength, look.vertical);
    StripPieces pieces;
    pieces.start = SoftMaskColour(startShape, kPlum);
    pieces.startMask = SoftMask(startShape);
    pieces.end = SoftMaskColour(endShape, kPlum);
    pieces.endMask = SoftMask(endShape);
    // The middle piece is cut away from both ends, where the drawing no longer changes along it.
    pieces.middle = SoftMaskColour(
        Cut(lying, look.capLength + look.pitch, look.pitch, look.vertical), kPlum);
    return pieces;
}

QImage BlendSoft(const QImage& background, const QImage& picture, const QImage& mask, int x, int y)
{
    QImage out = background.convertToFormat(QImage::Format_RGB32);
    const QImage pic = picture.convertToFormat(QImage::Format_RGB32);
    const QImage m = mask.convertToFormat(QImage::Format_Grayscale8);
    auto mix = [](int a, int b, int w) { return a < b ? a + ((b - a) * w) / 256 : a - ((a - b) * w) / 256; };
    for (int j = 0; j < pic.height(); ++j) {
        if (y + j < 0 || y + j >= out.height())
            continue;
        QRgb* row = reinterpret_cast<QRgb*>(out.scanLine(y + j));
        const QRgb* prow = reinterpret_cast<const QRgb*>(pic.constScanLine(j));
        const uchar* mrow = m.constScanLine(j);
        for (int i = 0; i < pic.width(); ++i) {
            if (x + i < 0 || x + i >= out.width())
                continue;
            const int w = mrow[i] + 1;
            const QRgb a = row[x + i];
            const QRgb b = prow[i];
            row[x + i] = qRgb(mix(qRed(a), qRed(b), w), mix(qGreen(a), qGreen(b), w),
                              mix(qBlue(a), qBlue(b), w));
        }
    }
    return out;
}

QImage ComposeStrip(const QImage& background, const StripPieces& pieces, bool vertical, int count,
                    int cx, int cy)
{
    QImage out = background.convertToFormat(QImage::Format_RGB32);
    const QSize s = pieces.start.size();
    const QSize m = pieces.middle.size();
    const QSize e = pieces.end.size();
    int left, top;
    if (vertical) {
        const int height = s.height() + count * m.height() + e.height();
        left = cx - m.width() / 2;
        top = cy - height / 2;
    } else {
        const int width = s.width() + count * m.width() + e.width();
        left = cx - width / 2;
        top = cy - m.height() / 2;
    }
    out = BlendSoft(out, pieces.start, pieces.startMask, left, top);
    QPainter p(&out);
    for (int i = 0; i < count; ++i) {
        if (vertical)
            p.drawImage(left, top + s.height() + i * m.height(), pieces.middle);
        else
            p.drawImage(left + s.width() + i * m.width(), top, pieces.middle);
    }
    p.end();
    if (vertical)
        return BlendSoft(out, pieces.end, pieces.endMask, left, top + s.height() + count * m.height());
    return BlendSoft(out, pieces.end, pieces.endMask, left + s.width() + count * m.width(), top);
}

}  // namespace kit
