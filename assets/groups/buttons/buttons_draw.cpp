// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing of the named interface pictures (see buttons_draw.h): faces and rims are simple geometry
// drawn here, the pictograms come from the SVG drawings beside this file.
#include "buttons_draw.h"

#include "assetkit.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace buttons {

namespace {

QColor Mix(const QColor& a, const QColor& b, qreal t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor WithAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

QImage Transparent(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QPainterPath RoundedShape(const QRectF& r)
{
    QPainterPath path;
    const qreal radius = std::min(r.width(), r.height()) / 2;
    path.addRoundedRect(r, radius, radius);
    return path;
}

// The pictogram with a soft plum shadow under it, so white shapes stand off any face colour.
void DrawPictogram(QPainter& painter, const QImage& picture, const QRectF& box)
{
    QImage shadow = picture;
    {
        QPainter tint(&shadow);
        tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
        tint.fillRect(shadow.rect(), WithAlpha(kPlum, 110));
    }
    const qreal drop = std::max(1.0, box.height() / 24);
    painter.drawImage(box.topLeft() + QPointF(0, drop), shadow);
    painter.drawImage(box.topLeft(), picture);
}

// The glossy face inside the outline: gradient body, highlight, pictogram and word.
void DrawFaceBody(QPainter& painter, const QRectF& face, const Face& look, Look state, qreal outline)
{
    // Render the pictogram first: a broken drawing throws before anything is half painted.
    const qreal side = face.height() * look.pictogramScale;
    const int px = std::max(1, int(std::lround(side)));
    const QImage pictogram = look.pictogram.isEmpty() ? QImage() : kit::RenderSvg(look.pictogram, QSize(px, px));
    const QPainterPath shape = RoundedShape(face);
    const qreal shift = state == Look::Pressed ? (face.height() >= 40 ? 2 : 1) : 0;
    QColor base = look.base;
    if (state == Look::Hover)
        base = Mix(base, Qt::white, 0.28);
    else if (state == Look::Pressed)
        base = Mix(base, kPlum, 0.22);

    painter.save();
    painter.setClipPath(shape);
    if (shift > 0) {
        // The sunken face leaves a dark band at its top edge.
        painter.fillPath(shape, Mix(base, kPlum, 0.6));
    }
    const QRectF body = face.translated(0, shift);
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0.0, Mix(base, Qt::white, 0.35));
    fill.setColorAt(0.55, base);
    fill.setColorAt(1.0, Mix(base, kPlum, 0.25));
    painter.fillPath(RoundedShape(body), fill);

    // A darker rim at the bottom gives the button its thickness.
    QRadialGradient rim(body.center() - QPointF(0, body.height() * 0.18), body.height() * 0.78);
    rim.setColorAt(0.78, WithAlpha(kPlum, 0));
    rim.setColorAt(1.0, WithAlpha(kPlum, 90));
    painter.fillPath(RoundedShape(body), rim);

    if (state == Look::Hover) {
        // The glow: a warm ring inside the outline.
        painter.setPen(QPen(WithAlpha(kSun, 230), std::max(1.5, outline * 0.9)));
        painter.setBrush(Qt::NoBrush);
        const qreal inset = std::max(0.75, outline * 0.45);
        painter.drawPath(RoundedShape(body.adjusted(inset, inset, -inset, -inset)));
    }

    // The gloss: a soft white lens over the upper part.
    const QRectF lens(body.left() + body.width() * 0.14, body.top() + body.height() * 0.05,
                      body.width() * 0.72, body.height() * 0.42);
    QLinearGradient gloss(lens.topLeft(), lens.bottomLeft());
    const int glossAlpha = state == Look::Pressed ? 70 : state == Look::Hover ? 200 : 160;
    gloss.setColorAt(0.0, QColor(255, 255, 255, glossAlpha));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gloss);
    painter.drawPath(RoundedShape(lens));

    if (!pictogram.isNull()) {
        QRectF box(0, 0, px, px);
        if (look.word.isEmpty()) {
            box.moveCenter(body.center());
        } else {
            const qreal pad = body.height() * 0.15;
            box.moveTopLeft(QPointF(body.left() + pad, body.center().y() - side / 2));
            const QRectF words(box.right() + 1, body.top(), body.right() - pad * 0.7 - box.right() - 1,
                               body.height());
            const QFont font = FitFont(look.word, words.width() - 1, int(body.height() * 0.42), 9);
            kit::DrawLabel(painter, words, look.word, font, Qt::white, kPlum,
                           std::max(1.2, outline * 0.45));
        }
        DrawPictogram(painter, pictogram, box);
    }
    painter.restore();
}

QPainterPath TickPath(const QRectF& box)
{
    QPainterPath tick;
    tick.moveTo(box.left() + box.width() * 0.20, box.top() + box.height() * 0.52);
    tick.lineTo(box.left() + box.width() * 0.42, box.top() + box.height() * 0.74);
    tick.lineTo(box.left() + box.width() * 0.80, box.top() + box.height() * 0.28);
    return tick;
}

void DrawTick(QPainter& painter, const QRectF& box, QColor fill, qreal width)
{
    const QPainterPath tick = TickPath(box);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kPlum, width * 1.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tick);
    painter.setPen(QPen(fill, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tick);
}

// Fills of the menu's controls: a light paper look unchecked, a strong green pill checked.
QLinearGradient ControlFill(const QRectF& r, bool checked)
{
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    if (checked) {
        fill.setColorAt(0.0, Mix(kGrass, Qt::white, 0.30));
        fill.setColorAt(0.6, kGrass);
        fill.setColorAt(1.0, kGrassDark);
    } else {
        fill.setColorAt(0.0, Qt::white);
        fill.setColorAt(1.0, QColor(0xEE, 0xE4, 0xCC));
    }
    return fill;
}

QImage OnGround(const QImage& shape)
{
    return kit::Flatten(shape, kMenuGround);
}

}  // namespace

qreal OutlineFor(int height)
{
    return std::clamp(height / 15.0, 2.0, 7.5);
}

QFont FitFont(const QString& text, qreal maxWidth, int maxPx, int minPx)
{
    int px = std::max(maxPx, minPx);
    for (; px > minPx; --px) {
        const QFontMetricsF metrics(kit::LabelFont(px));
        if (metrics.horizontalAdvance(text) <= maxWidth)
            break;
    }
    return kit::LabelFont(px);
}

QImage DrawPush(QSize size, const Face& face, Look look)
{
    if (size.isEmpty())
        throw std::runtime_error("a button needs a size");
    QImage image = Transparent(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF whole(0, 0, size.width(), size.height());
    const qreal outline = OutlineFor(size.height());
    painter.fillPath(RoundedShape(whole), kPlum);

    QRectF inner = whole.adjusted(outline, outline, -outline, -outline);
    if (face.bezel) {
        // A brushed metal ring carries the dome, so the big button reads as something to press.
        const qreal ring = size.height() * 0.11;
        QLinearGradient metal(inner.topLeft(), inner.bottomRight());
        metal.setColorAt(0.0, QColor(0xF4, 0xF7, 0xFB));
        metal.setColorAt(0.5, QColor(0xC4, 0xCF, 0xDD));
        metal.setColorAt(1.0, QColor(0x8D, 0x9B, 0xB0));
        painter.fillPath(RoundedShape(inner), metal);
        inner.adjust(ring, ring, -ring, -ring);
        const QRectF seat = inner.adjusted(-outline * 0.6, -outline * 0.6, outline * 0.6, outline * 0.6);
        painter.fillPath(RoundedShape(seat), kPlum);
    }
    DrawFaceBody(painter, inner, face, look, outline);
    return image;
}

void ApplyMaskRule(const QImage& shape, QImage* picture, QImage* mask)
{
    const QImage hard = kit::HardMask(shape);
    // Lay the shape over solid outline colour inside the mask: the edge pixels the mask keeps
    // then carry the outline, not a blend with white that would glow on dark backgrounds.
    QImage solid = Transparent(shape.size());
    for (int y = 0; y < solid.height(); ++y) {
        const QRgb* m = reinterpret_cast<const QRgb*>(hard.constScanLine(y));
        QRgb* row = reinterpret_cast<QRgb*>(solid.scanLine(y));
        for (int x = 0; x < solid.width(); ++x)
            if (qRed(m[x]) == 255)
                row[x] = kPlum.rgb();
    }
    {
        QPainter painter(&solid);
        painter.drawImage(0, 0, shape);
    }
    *picture = kit::WhiteOutside(solid, hard);
    *mask = hard;
}

PushSet MakePushSet(QSize size, const Face& face)
{
    PushSet set;
    const QImage normal = DrawPush(size, face, Look::Normal);
    ApplyMaskRule(normal, &set.normal, &set.mask);
    QImage unused;
    ApplyMaskRule(DrawPush(size, face, Look::Hover), &set.hover, &unused);
    ApplyMaskRule(DrawPush(size, face, Look::Pressed), &set.pressed, &unused);
    // Every state draws the same outer outline, so one mask serves all; enforce it regardless.
    set.hover = kit::WhiteOutside(set.hover, set.mask);
    set.pressed = kit::WhiteOutside(set.pressed, set.mask);
    return set;
}

CheckLayout LayOutCheck(QSize size, const QString& label, const QString& sizeLike)
{
    CheckLayout l;
    l.outline = std::max(2.0, OutlineFor(size.height()) * 0.9);
    const qreal inset = l.outline / 2 + 0.5;
    l.pill = QRectF(0, 0, size.width(), size.height()).adjusted(inset, inset, -inset, -inset);
    const qreal badge = l.pill.height() * 0.54;
    const qreal gap = (l.pill.height() - badge) / 2;
    l.dot = QRectF(l.pill.left() + gap * 0.9, l.pill.center().y() - badge / 2, badge, badge);
    l.text = QRectF(l.dot.right() + badge * 0.12, l.pill.top(),
                    l.pill.right() - gap * 0.8 - l.dot.right() - badge * 0.12, l.pill.height());
    const QString widest = sizeLike.isEmpty() ? label : sizeLike;
    l.font = FitFont(QFontMetricsF(kit::LabelFont(64)).horizontalAdvance(label) >
                             QFontMetricsF(kit::LabelFont(64)).horizontalAdvance(widest)
                         ? label
                         : widest,
                     l.text.width() - 2, int(l.pill.height() * 0.60), 8);
    return l;
}

QImage DrawCheck(QSize size, const QString& label, bool checked, bool greyed, const QString& sizeLike)
{
    if (size.isEmpty())
        throw std::runtime_error("a check button needs a size");
    const CheckLayout l = LayOutCheck(size, label, sizeLike);
    QImage shape = Transparent(size);
    QPainter painter(&shape);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF& pill = l.pill;
    const qreal outline = l.outline;
    const qreal radius = pill.height() * 0.42;
    painter.setPen(QPen(kPlum, outline));
    painter.setBrush(ControlFill(pill, checked));
    painter.drawRoundedRect(pill, radius, radius);

    // A gloss line along the top keeps the pill from looking flat.
    const QRectF lens = pill.adjusted(radius * 0.6, outline * 0.7, -radius * 0.6, -pill.height() * 0.55);
    QLinearGradient gloss(lens.topLeft(), lens.bottomLeft());
    gloss.setColorAt(0.0, QColor(255, 255, 255, checked ? 150 : 200));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gloss);
    painter.drawRoundedRect(lens, lens.height() / 2, lens.height() / 2);

    // The badge at the left: an empty ring unchecked, a ticked white disc checked.
    const QRectF& dot = l.dot;
    const qreal badge = dot.width();
    painter.setPen(QPen(kPlum, std::max(1.5, outline * 0.8)));
    painter.setBrush(checked ? QColor(Qt::white) : QColor(0xFB, 0xF7, 0xEE));
    painter.drawEllipse(dot);
    if (checked) {
        const qreal in = badge * 0.12;
        DrawTick(painter, dot.adjusted(in, in * 0.6, -in, -in * 1.4), kGrassDark, std::max(2.0, badge * 0.14));
    }

    const QRectF& text = l.text;
    const QFont& font = l.font;
    if (checked && !greyed) {
        // White on the green pill, lifted by a plum shadow: an outline would clog the small letters.
        const qreal drop = std::max(1.0, pill.height() / 26);
        kit::DrawLabel(painter, text.translated(drop * 0.5, drop), label, font, WithAlpha(kPlum, 220));
        kit::DrawLabel(painter, text, label, font, Qt::white);
    } else {
        // Greyed, the green turns pale: only dark letters stay readable on it.
        kit::DrawLabel(painter, text, label, font, kPlum);
    }
    painter.end();
    return OnGround(greyed ? kit::Greyed(shape) : shape);
}

QImage DrawTickBox(QSize size, bool checked)
{
    if (size.isEmpty())
        throw std::runtime_error("a tick box needs a size");
    QImage shape = Transparent(size);
    QPainter painter(&shape);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal outline = 2.0;
    const QRectF box = QRectF(0, 0, size.width(), size.height()).adjusted(1.5, 1.5, -1.5, -1.5);
    const qreal radius = box.height() * 0.28;
    painter.setPen(QPen(kPlum, outline));
    painter.setBrush(ControlFill(box, checked));
    painter.drawRoundedRect(box, radius, radius);
    if (checked)
        DrawTick(painter, box.adjusted(1, 0, -1, 0), Qt::white, std::max(2.4, box.height() * 0.16));
    painter.end();
    return OnGround(shape);
}

QImage DrawCaption(QSize size, const QString& text)
{
    if (size.isEmpty() || size.width() <= size.height())
        throw std::runtime_error("a caption needs room");
    const int width = size.width(), height = size.height();
    const qreal outline = std::max(2.0, height / 14.0);
    const qreal pad = height * 0.45;
    const QFont font = FitFont(text, width - 2 * pad, int(height * 0.68), 8);

    QImage shape = Transparent(QSize(width, height));
    QPainter painter(&shape);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF tag = QRectF(0, 0, width, height).adjusted(outline / 2 + 0.5, outline / 2 + 0.5,
                                                             -outline / 2 - 0.5, -outline / 2 - 0.5);
    QLinearGradient fill(tag.topLeft(), tag.bottomLeft());
    fill.setColorAt(0.0, Mix(kSun, Qt::white, 0.55));
    fill.setColorAt(1.0, Mix(kSun, Qt::white, 0.15));
    painter.setPen(QPen(kPlum, outline));
    painter.setBrush(fill);
    const qreal radius = tag.height() * 0.3;
    painter.drawRoundedRect(tag, radius, radius);
    kit::DrawLabel(painter, tag.adjusted(0, 0, 0, -height * 0.03), text, font, kPlum);
    painter.end();
    return OnGround(shape);
}

QImage DrawThumb(QSize size)
{
    if (size.isEmpty())
        throw std::runtime_error("a thumb needs a size");
    Face grip;
    grip.base = kSkyDeep;
    QImage image = DrawPush(size, grip, Look::Normal);
    // Three grip ridges across the middle show it belongs to the list's track.
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(WithAlpha(kPlum, 170), 1.4, Qt::SolidLine, Qt::RoundCap));
    const qreal cx = size.width() / 2.0;
    const qreal top = size.height() * 0.32, bottom = size.height() * 0.68;
    for (int i = -1; i <= 1; ++i)
        painter.drawLine(QPointF(cx + i * 3.5, top), QPointF(cx + i * 3.5, bottom));
    return image;
}

}  // namespace buttons
