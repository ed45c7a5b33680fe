// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the sounds game (see sounds.h).
#include "sounds.h"

#include "assetkit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>
#include <vector>

namespace sounds {

const Layout& SmallLayout()
{
    static const Layout layout{
        "s", QSize(800, 600), true, QSize(130, 56),
        {{130, 424}, {280, 424}, {430, 424}, {580, 424}, {80, 490}, {220, 490}, {360, 490},
         {500, 490}, {640, 490}},
        QRect(720, 257, 74, 135)};
    return layout;
}

const Layout& BigLayout()
{
    static const Layout layout{
        "b", QSize(1024, 768), false, QSize(165, 70),
        {{160, 554}, {358, 554}, {558, 554}, {751, 554}, {100, 648}, {280, 648}, {460, 648},
         {640, 648}, {820, 648}},
        QRect(922, 329, 74, 156)};
    return layout;
}

QRect PlaceIn(const SoundsHidingPlace& place, const Layout& layout)
{
    return layout.small ? place.small : place.big;
}

QString DrawingOf(const char* name)
{
    // Files of the picture set, by thing; the white bird is a dove, the bird that coos.
    static const std::pair<const char*, const char*> drawings[] = {
        {"pies", "1f415"},   {"auto", "1f697"},   {"ptakczarny", "1f426-200d-2b1b"},
        {"ptakbialy", "1f54a"}, {"balon", "1f388"}, {"swinia", "1f416"},
        {"kon", "1f40e"},    {"traba", "1f3ba"},  {"traktor", "1f69c"}};
    for (const auto& [thing, file] : drawings)
        if (qstrcmp(thing, name) == 0)
            return QString("../../third_party/twemoji/svg/%1.svg").arg(file);
    throw std::runtime_error(std::string("sounds: no drawing for ") + name);
}

QImage Scene(const QByteArray& svg, const Layout& layout)
{
    return kit::Flatten(kit::RenderSvg(svg, layout.screen));
}

QImage Glow(const QImage& shape, QColor colour, int radius, bool soft)
{
    const QImage argb = shape.convertToFormat(QImage::Format_ARGB32);
    const int w = argb.width(), h = argb.height();
    std::vector<int> alpha(size_t(w) * h), grown(size_t(w) * h, 0);
    for (int y = 0; y < h; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < w; ++x)
            alpha[size_t(y) * w + x] = qAlpha(row[x]);
    }
    // Grow the silhouette by a round brush, then soften it so the halo fades outwards.
    const int r2 = radius * radius;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int best = 0;
            for (int dy = -radius; dy <= radius && best < 255; ++dy) {
                const int yy = y + dy;
                if (yy < 0 || yy >= h)
                    continue;
                for (int dx = -radius; dx <= radius; ++dx) {
                    const int xx = x + dx;
                    if (xx < 0 || xx >= w || dx * dx + dy * dy > r2)
                        continue;
                    best = std::max(best, alpha[size_t(yy) * w + xx]);
                }
            }
            grown[size_t(y) * w + x] = best;
        }
    const int blur = std::max(1, radius / 3);
    for (int pass = 0; soft && pass < 2; ++pass) {
        std::vector<int> out(grown.size());
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                int sum = 0, count = 0;
                for (int dy = -blur; dy <= blur; ++dy)
                    for (int dx = -blur; dx <= blur; ++dx) {
                        const int xx = x + dx, yy = y + dy;
                        if (xx >= 0 && xx < w && yy >= 0 && yy < h) {
                            sum += grown[size_t(yy) * w + xx];
                            ++count;
                        }
                    }
                out[size_t(y) * w + x] = sum / count;
            }
        grown.swap(out);
    }
    QImage glow(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(glow.scanLine(y));
        for (int x = 0; x < w; ++x)
            row[x] = qRgba(colour.red(), colour.green(), colour.blue(), grown[size_t(y) * w + x]);
    }
    return glow.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

namespace {

const QColor kPlum("#3D2C4E");

// A four-pointed twinkle, the sign of "this one is chosen".
void Sparkle(QPainter& painter, QPointF centre, qreal size, qreal outline)
{
    QPainterPath star;
    const qreal in = size * 0.28;
    star.moveTo(centre + QPointF(0, -size));
    star.quadTo(centre + QPointF(in * 0.4, -in * 0.4), centre + QPointF(size, 0));
    star.quadTo(centre + QPointF(in * 0.4, in * 0.4), centre + QPointF(0, size));
    star.quadTo(centre + QPointF(-in * 0.4, in * 0.4), centre + QPointF(-size, 0));
    star.quadTo(centre + QPointF(-in * 0.4, -in * 0.4), centre + QPointF(0, -size));
    painter.setPen(QPen(kPlum, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor("#FFE14D"));
    painter.drawPath(star);
}

// The halo must die out before the picture's border: a glow cut off there would show the
// rectangle of the hiding place against the scene.
QImage FadeEdges(QImage glow, int width)
{
    glow = glow.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < glow.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(glow.scanLine(y));
        for (int x = 0; x < glow.width(); ++x) {
            const int edge = std::min({x, y, glow.width() - 1 - x, glow.height() - 1 - y});
            if (edge < width)
                row[x] = qRgba(qRed(row[x]), qGreen(row[x]), qBlue(row[x]),
                               qAlpha(row[x]) * edge / width);
        }
    }
    return glow.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

namespace {

// The size unit of an object's decorations: 1 for the dog's 120 x 110 place at 800 x 600.
qreal UnitOf(QSize size)
{
    return (size.width() + size.height()) / 230.0;
}

// The smallest rectangle holding every pixel that is not fully transparent.
QRect OpaqueBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(row[x]) > 0)
                bounds = bounds.united(QRect(x, y, 1, 1));
    }
    return bounds;
}

}  // namespace

QImage FittedObject(const QByteArray& drawingSvg, QSize size)
{
    const qreal unit = UnitOf(size);
    // Room for the outline and the glow of the selected look around the drawing.
    const int margin = qRound(9 * unit);
    const QSize room = size - QSize(2 * margin, 2 * margin);
    // Find where the drawing paints in its square view, then render it so that this part fills
    // the room.
    constexpr int kProbe = 720;
    const QRectF painted = QRectF(OpaqueBounds(kit::RenderSvg(drawingSvg, QSize(kProbe, kProbe))));
    const qreal scale = std::min(room.width() / painted.width(), room.height() / painted.height());
    const int side = qRound(kProbe * scale);
    const QImage drawing = kit::RenderSvg(drawingSvg, QSize(side, side));
    const QPointF at(margin + (room.width() - painted.width() * scale) / 2 - painted.left() * scale,
                     margin + room.height() - painted.bottom() * scale);

    QImage object(size, QImage::Format_ARGB32_Premultiplied);
    object.fill(Qt::transparent);
    QPainter painter(&object);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(at, drawing);
    painter.end();

    QImage outlined(size, QImage::Format_ARGB32_Premultiplied);
    outlined.fill(Qt::transparent);
    QPainter ink(&outlined);
    ink.drawImage(0, 0, Glow(object, kPlum, std::max(1, qRound(2 * unit)), false));
    ink.drawImage(0, 0, object);
    ink.end();
    return outlined;
}

QImage HiddenObject(const QImage& scene, const QRect& place, const QByteArray& drawingSvg,
                    bool selected)
{
    QImage picture = scene.copy(place).convertToFormat(QImage::Format_RGB32);
    const QImage object = FittedObject(drawingSvg, place.size());
    const qreal unit = UnitOf(place.size());
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    if (selected) {
        // Two glows: a wide soft one so the object lights up, a tight bright rim so the
        // outline reads against the busy scene.
        const int wide = qRound(7 * unit);
        painter.drawImage(0, 0, FadeEdges(Glow(object, QColor("#FFE14D"), wide), wide));
        painter.drawImage(0, 0, FadeEdges(Glow(object, QColor("#FFF6C2"), qRound(3 * unit)), wide));
    }
    painter.drawImage(0, 0, object);
    if (selected) {
        Sparkle(painter, QPointF(11 * unit, 11 * unit), 7 * unit, 2 * unit);
        Sparkle(painter, QPointF(place.width() - 11 * unit, 10 * unit), 5.5 * unit, 1.8 * unit);
    }
    return picture;
}

QRect LabelBand(QSize size)
{
    return QRect(0, size.height() / 2 - 15, size.width(), 30);
}

namespace {

struct ButtonColours {
    QColor rim, base, faceTop, faceBottom;
};

// The pill-shaped button: a darker base shows its thickness, the face sits on it (lower when
// pressed), a coloured rim frames a light face so the black sound word stays easy to read.
QImage ButtonShape(QSize size, const ButtonColours& colours, bool pressed)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal unit = size.height() / 56.0;
    const qreal outline = 3.5 * unit;
    const qreal depth = 4 * unit;
    const qreal margin = outline / 2 + 1;
    const QRectF top(margin, margin, size.width() - 2 * margin, size.height() - 2 * margin - depth);
    const qreal radius = top.height() / 2;
    const QPen pen(kPlum, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

    painter.setPen(pen);
    painter.setBrush(colours.base);
    painter.drawRoundedRect(top.translated(0, depth), radius, radius);

    const QRectF face = top.translated(0, pressed ? depth - unit : 0);
    painter.setBrush(colours.rim);
    painter.drawRoundedRect(face, radius, radius);

    const qreal rim = 4.5 * unit;
    const QRectF inner = face.adjusted(rim, rim, -rim, -rim);
    QLinearGradient fill(inner.topLeft(), inner.bottomLeft());
    fill.setColorAt(0, colours.faceTop);
    fill.setColorAt(1, colours.faceBottom);
    painter.setPen(QPen(colours.base, 1.5 * unit));
    painter.setBrush(fill);
    painter.drawRoundedRect(inner, inner.height() / 2, inner.height() / 2);

    if (pressed) {
        // A soft shadow along the top edge of the face: the button is pushed in.
        QLinearGradient shade(inner.topLeft(), inner.topLeft() + QPointF(0, 8 * unit));
        shade.setColorAt(0, QColor(61, 44, 78, 70));
        shade.setColorAt(1, QColor(61, 44, 78, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(shade);
        painter.drawRoundedRect(inner, inner.height() / 2, inner.height() / 2);
    } else {
        // Gloss on the rim's upper left, away from the label.
        painter.setPen(QPen(QColor(255, 255, 255, 170), 2.2 * unit, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        const QRectF arc = face.adjusted(2.2 * unit, 2.2 * unit, -2.2 * unit, -2.2 * unit);
        painter.drawArc(QRectF(arc.left(), arc.top(), arc.height(), arc.height()), 100 * 16, 70 * 16);
        painter.drawLine(QPointF(arc.left() + arc.height() / 2 + 2 * unit, arc.top()),
                         QPointF(arc.left() + arc.height() / 2 + 22 * unit, arc.top()));
    }
    return image;
}

}  // namespace

ButtonLooks Buttons(QSize size)
{
    const ButtonColours normal{QColor("#2EC4B6"), QColor("#1E8C82"), QColor("#FFFFFF"),
                               QColor("#FFF1CC")};
    const ButtonColours hover{QColor("#FF9F1C"), QColor("#C46F00"), QColor("#FFFBE0"),
                              QColor("#FFE588")};
    const ButtonColours pressed{QColor("#8E6CC9"), QColor("#5E4396"), QColor("#E6DBFA"),
                                QColor("#F6F1FF")};
    const QImage normalShape = ButtonShape(size, normal, false);
    ButtonLooks looks;
    looks.mask = kit::HardMask(normalShape);
    looks.normal = kit::WhiteOutside(normalShape, looks.mask);
    looks.greyed = kit::WhiteOutside(kit::Greyed(normalShape), looks.mask);
    looks.hover = kit::WhiteOutside(ButtonShape(size, hover, false), looks.mask);
    looks.pressed = kit::WhiteOutside(ButtonShape(size, pressed, true), looks.mask);
    return looks;
}

void Make(kit::Generator& generator)
{
    const QByteArray sceneSvg = generator.ReadSource("scene.svg");
    const QString folder = "Data/Intf/Odgl/";
    for (const Layout* layout : {&SmallLayout(), &BigLayout()}) {
        const QString s = layout->suffix;
        const QImage scene = Scene(sceneSvg, *layout);
        // High quality: the hidden objects are cut from this very picture and must not show
        // a seam where they are drawn over it.
        generator.WriteJpeg(folder + "mT_Odg_" + s + ".xji", scene, 95);
        for (const SoundsHidingPlace& place : kHidingPlaces) {
            const QByteArray drawing = generator.ReadSource(DrawingOf(place.name));
            QString code;
            for (const SoundThing& thing : kSoundThings)
                if (qstrcmp(thing.name, place.name) == 0)
                    code = thing.code;
            const QRect at = PlaceIn(place, *layout);
            generator.WriteJpeg(folder + code + "_" + s + ".xji", HiddenObject(scene, at, drawing, false), 95);
            generator.WriteJpeg(folder + code + "_z_" + s + ".xji", HiddenObject(scene, at, drawing, true), 95);
        }

        const ButtonLooks looks = Buttons(layout->button);
        generator.WriteBmp24(folder + "but_" + s + "_d.xbi", looks.normal);
        generator.WriteBmp24(folder + "but_g_" + s + "_d.xbi", looks.greyed);
        generator.WriteBmp24(folder + "but_" + s + "_a.xbi", looks.hover);
        generator.WriteBmp24(folder + "but_" + s + "_.xbi", looks.pressed);
        generator.WriteBmp24(folder + "matr_" + s + ".xbi", looks.mask);
    }
}

}  // namespace sounds
