// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the flying-saucer game (see saucer.h).
#include "saucer.h"

#include "assetkit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <stdexcept>

namespace saucer {

const Layout& SmallLayout()
{
    static const Layout layout{"s",
                               QSize(800, 600),
                               QSize(80, 40),
                               465,
                               18,
                               436,
                               44,
                               QRect(241, 59, 320, 270),
                               QRect(94, 347, 650, 56),
                               QRect(720, 35, 74, 285),
                               QRect(79, 184, 90, 90)};
    return layout;
}

const Layout& BigLayout()
{
    static const Layout layout{"b",
                               QSize(1024, 768),
                               QSize(111, 50),
                               590,
                               28,
                               560,
                               55,
                               QRect(307, 75, 410, 340),
                               QRect(151, 451, 760, 66),
                               QRect(922, 59, 74, 348),
                               QRect(103, 236, 115, 115)};
    return layout;
}

QRect FlightBand(const Layout& layout)
{
    return QRect(0, layout.saucerY, layout.screen.width(), layout.saucer.height());
}

QImage Background(const QByteArray& skySvg, const Layout& layout)
{
    return kit::Flatten(kit::RenderSvg(skySvg, layout.screen));
}

namespace {

const QColor kPlum("#3D2C4E");

}  // namespace

QImage SaucerShape(const Layout& layout)
{
    const int w = layout.saucer.width();
    const int h = layout.saucer.height();
    // The letter tile stands on the saucer's middle; its foot is the deck line.
    const qreal deck = layout.letterY + layout.letterSize - layout.saucerY;
    const qreal cx = layout.letterOffset + layout.letterSize / 2.0;
    const qreal unit = w / 80.0;
    const qreal outline = 2.6 * unit;

    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPen pen(kPlum, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

    // Glass dome with a little pilot; the carried letter hides it, an empty saucer shows it.
    const qreal domeHalf = layout.letterSize * 0.36;
    const qreal domeTop = std::max(outline, deck - 14 * unit);
    const QRectF dome(cx - domeHalf, domeTop, 2 * domeHalf, 2 * (deck + 2 * unit - domeTop));
    QLinearGradient glass(dome.topLeft(), dome.bottomLeft());
    glass.setColorAt(0, QColor("#E6FBFF"));
    glass.setColorAt(0.5, QColor("#9FE6F0"));
    painter.setPen(pen);
    painter.setBrush(glass);
    painter.drawChord(dome, 0, 180 * 16);
    const qreal head = domeHalf * 0.42;
    const QPointF face(cx, deck - head * 0.9);
    painter.setPen(QPen(kPlum, outline * 0.6));
    painter.setBrush(QColor("#7BC950"));
    painter.drawEllipse(face, head, head * 0.9);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kPlum);
    painter.drawEllipse(face + QPointF(-head * 0.4, -head * 0.15), head * 0.18, head * 0.22);
    painter.drawEllipse(face + QPointF(head * 0.4, -head * 0.15), head * 0.18, head * 0.22);
    painter.setPen(QPen(QColor(255, 255, 255, 200), 1.6 * unit, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(dome.adjusted(3 * unit, 2.5 * unit, -3 * unit, 0), 110 * 16, 45 * 16);

    // The cup underneath.
    const qreal bodyTop = deck - 4 * unit;
    const qreal bodyBottom = std::min(h - 10 * unit, deck + 15 * unit);
    const qreal cupTop = bodyBottom - 6 * unit;
    const QRectF cup(cx - w * 0.24, cupTop, w * 0.48, h - outline - 0.5 - cupTop);
    QLinearGradient berry(cup.topLeft(), cup.bottomLeft());
    berry.setColorAt(0, QColor("#A98BE0"));
    berry.setColorAt(1, QColor("#6E4FAF"));
    painter.setPen(pen);
    painter.setBrush(berry);
    painter.drawEllipse(cup);

    // The wide silver disc with its teal rim and a row of lights.
    const QRectF disc(outline / 2 + 0.5, bodyTop, w - outline - 1, bodyBottom - bodyTop);
    QLinearGradient silver(disc.topLeft(), disc.bottomLeft());
    silver.setColorAt(0, QColor("#F4F7FC"));
    silver.setColorAt(0.45, QColor("#C9D4E6"));
    silver.setColorAt(0.55, QColor("#2EC4B6"));
    silver.setColorAt(1, QColor("#1E8C82"));
    painter.setBrush(silver);
    painter.drawEllipse(disc);
    painter.setPen(QPen(QColor(255, 255, 255, 220), 1.6 * unit, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(disc.adjusted(4 * unit, 1.5 * unit, -4 * unit, -1.5 * unit), 120 * 16, 50 * 16);

    const QColor lights[] = {QColor("#FFD23F"), QColor("#EF476F"), QColor("#FFD23F"),
                             QColor("#EF476F"), QColor("#FFD23F")};
    const qreal lightY = disc.center().y() + disc.height() * 0.22;
    painter.setPen(QPen(kPlum, outline * 0.5));
    for (int i = 0; i < 5; ++i) {
        const qreal t = (i - 2) / 2.0;  // -1 .. 1 across the rim
        const QPointF at(cx + t * disc.width() * 0.36, lightY - std::abs(t) * disc.height() * 0.12);
        painter.setBrush(lights[i]);
        painter.drawEllipse(at, 2.6 * unit, 2.6 * unit);
    }
    return image;
}

QImage Saucer(const Layout& layout, const QImage& background)
{
    const QRect band = FlightBand(layout);
    if (background.size() != layout.screen)
        throw std::runtime_error("saucer: background of the wrong size");
    // Each row gets the sky's colour of the same screen row: the sky there is shaded from top
    // to bottom only, so the rectangle the game draws matches wherever the saucer goes.
    QImage picture(layout.saucer, QImage::Format_RGB32);
    const int column = layout.screen.width() / 2;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, background.pixel(column, band.top() + y));
    QPainter painter(&picture);
    painter.drawImage(0, 0, SaucerShape(layout));
    return picture;
}

void Make(kit::Generator& generator)
{
    const QByteArray sky = generator.ReadSource("sky.svg");
    const QString folder = "Data/Intf/Hm/";
    for (const Layout* layout : {&SmallLayout(), &BigLayout()}) {
        const QImage background = Background(sky, *layout);
        // Both at high quality: the saucer's edges must not differ from the sky around it.
        generator.WriteJpeg(folder + "mT_Hm_" + layout->suffix + ".xji", background, 95);
        generator.WriteJpeg(folder + "plat_" + layout->suffix + ".xji", Saucer(*layout, background), 95);
    }
}

}  // namespace saucer
