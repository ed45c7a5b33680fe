// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu's background and its six tab strips: coloured tabs that hang on the right rim of
// the cream board, the chosen one in the board's colour as if pulled out of it.
#include "shell.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace shell {

const std::array<QString, 6> kTabLabels = {
    QStringLiteral("Odgłosy"),  QStringLiteral("Podpisz i Powiedz"), QStringLiteral("Klocki"),
    QStringLiteral("Latający Spodek"), QStringLiteral("Labirynt"), QStringLiteral("Nagrania")};

namespace {

const std::array<const char*, 6> kIcons = {"icon_odglosy.svg",  "icon_podpisz.svg",
                                           "icon_klocki.svg",   "icon_spodek.svg",
                                           "icon_labirynt.svg", "icon_nagrania.svg"};
const std::array<QColor, 6> kTabColours = {colour::Orange, colour::Teal,  colour::Tomato,
                                           colour::Berry,  colour::Grass, QColor("#4D96FF")};

// Where the board's rim lies inside the strip (x), and the rows where its right side is straight.
struct Rim {
    qreal inner, outline, top, bottom;
};

Rim RimOf(const MenuLayout& l)
{
    const qreal s = l.scale;
    return {(kBoard.right() - 10) * s - l.strip.x(), kBoard.right() * s - l.strip.x(),
            (kBoard.top() + kBoardRadius) * s - l.strip.y(),
            (kBoard.bottom() - kBoardRadius) * s - l.strip.y()};
}

QPainterPath TabPath(const QRectF& r, qreal radius, bool closed)
{
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - radius, r.top());
    path.arcTo(QRectF(r.right() - 2 * radius, r.top(), 2 * radius, 2 * radius), 90, -90);
    path.lineTo(r.right(), r.bottom() - radius);
    path.arcTo(QRectF(r.right() - 2 * radius, r.bottom() - 2 * radius, 2 * radius, 2 * radius), 0, -90);
    path.lineTo(r.left(), r.bottom());
    if (closed)
        path.closeSubpath();
    return path;
}

QRectF IconDisc(const MenuLayout& l, int tab)
{
    const QRectF tabRect = TabRect(l, tab, false);
    const qreal d = qMin(tabRect.height() - 10 * l.scale, 46 * l.scale);
    return {tabRect.left() + 8 * l.scale, tabRect.center().y() - d / 2, d, d};
}

}  // namespace

QRectF TabRect(const MenuLayout& l, int tab, bool selected)
{
    const qreal s = l.scale;
    const Rim rim = RimOf(l);
    const auto [first, last] = l.bands.at(size_t(tab - 1));
    // Inside the tab's hit band, and only where the rim runs straight so the tab meets it flush.
    const qreal top = qMax<qreal>(first + 3, rim.top + 2);
    const qreal bottom = std::min({qreal(last - 3), top + 60 * s, rim.bottom - 2});
    const qreal left = selected ? rim.inner - 3 * s : rim.outline + 2 * s;
    const qreal right = l.stripSize.width() - (selected ? 5 : 22) * s;
    return {left, top, right - left, bottom - top};
}

QRectF TabLabelBox(const MenuLayout& l, int tab)
{
    const QRectF tabRect = TabRect(l, tab, false);
    const QRectF disc = IconDisc(l, tab);
    const qreal left = disc.right() + 6 * l.scale;
    return {left, tabRect.top() + 2, tabRect.right() - 8 * l.scale - left, tabRect.height() - 4};
}

QString TabText(const MenuLayout& l, int tab)
{
    // Long names take two lines rather than shrinking below a size a parent reads at a glance.
    const QString label = kTabLabels.at(size_t(tab - 1));
    const qreal width = TabLabelBox(l, tab).width();
    if (QFontMetricsF(kit::LabelFont(int(17 * l.scale))).horizontalAdvance(label) <= width)
        return label;
    const qsizetype space = label.lastIndexOf(' ');
    return space < 0 ? label : label.left(space) + "\n" + label.mid(space + 1);
}

QFont TabFont(const MenuLayout& l)
{
    int pixels = int(20 * l.scale);
    for (int tab = 1; tab <= 6; ++tab) {
        const QRectF box = TabLabelBox(l, tab);
        const QStringList lines = TabText(l, tab).split('\n');
        while (pixels > 9) {
            const QFontMetricsF m(kit::LabelFont(pixels));
            qreal widest = 0;
            for (const QString& line : lines)
                widest = qMax(widest, m.horizontalAdvance(line));
            // Ink of a line is about its cap height plus descenders; the line pitch sets the rest.
            const qreal tall = m.lineSpacing() * (lines.size() - 1) + m.ascent() + m.descent();
            if (widest <= box.width() && tall <= box.height())
                break;
            --pixels;
        }
    }
    return kit::LabelFont(pixels);
}

QImage MenuBackground(const kit::Generator& generator, const MenuLayout& l)
{
    const QByteArray svg = Template(generator, "menu.svg",
                                    {{"MASCOT", Mascot(52, 522, 0.72, Mood::Happy, "menu")}});
    QImage image = kit::Flatten(kit::RenderSvg(svg, QSize(l.width, l.height)), Qt::white);
    QPainter painter(&image);
    painter.scale(l.scale, l.scale);
    DrawWordmark(painter, QRectF(150, 4, 340, 64), QString());
    return image;
}

QImage TabStrip(const kit::Generator& generator, const MenuLayout& l, const QImage& background,
                int selected)
{
    const qreal s = l.scale;
    QImage strip = background.copy(QRect(l.strip, l.stripSize)).convertToFormat(QImage::Format_RGB32);
    QPainter p(&strip);
    p.setRenderHint(QPainter::Antialiasing);
    const QFont font = TabFont(l);
    const qreal line = 3.5 * s;
    const Rim rim = RimOf(l);

    for (int tab = 1; tab <= 6; ++tab) {
        const bool chosen = tab == selected;
        const QColor base = kTabColours.at(size_t(tab - 1));
        const QRectF r = TabRect(l, tab, chosen);
        const qreal radius = qMin(18 * s, r.height() / 2);
        const QPainterPath shape = TabPath(r, radius, true);

        p.setPen(Qt::NoPen);
        p.setBrush(QColor(61, 44, 78, 60));
        p.drawPath(shape.translated(2 * s, 3 * s));
        if (chosen) {
            p.setBrush(colour::Cream);
            p.drawPath(shape);
            // A stripe of the game's colour along the tab's end.
            QPainterPath stripe;
            stripe.addRect(QRectF(r.right() - 12 * s, r.top(), 12 * s, r.height()));
            p.setBrush(base);
            p.drawPath(stripe.intersected(shape));
            p.setPen(QPen(colour::Plum, line + 0.5 * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            QRectF open = r;
            open.setLeft(rim.inner);
            p.drawPath(TabPath(open, radius, false));
            p.drawLine(QPointF(r.right() - 12 * s, r.top() + 2), QPointF(r.right() - 12 * s, r.bottom() - 2));
        } else {
            QLinearGradient fill(r.topLeft(), r.bottomLeft());
            fill.setColorAt(0, base.lighter(125));
            fill.setColorAt(1, base);
            p.setBrush(fill);
            p.setPen(QPen(colour::Plum, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPath(shape);
            // Gloss along the top edge.
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 255, 70));
            p.drawRoundedRect(QRectF(r.left() + 6 * s, r.top() + 4 * s, r.width() - 14 * s, r.height() * 0.3),
                              r.height() * 0.15, r.height() * 0.15);
        }

        const QRectF disc = IconDisc(l, tab);
        p.setPen(QPen(colour::Plum, 3 * s));
        p.setBrush(chosen ? base.lighter(150) : QColor(Qt::white));
        p.drawEllipse(disc);
        const qreal iconSide = disc.width() * 0.8;
        const QImage icon = kit::RenderSvg(generator.ReadSource(kIcons.at(size_t(tab - 1))),
                                           QSize(int(iconSide), int(iconSide)));
        p.drawImage(QPointF(disc.center().x() - icon.width() / 2.0, disc.center().y() - icon.height() / 2.0),
                    icon);

        const QString text = TabText(l, tab);
        if (chosen)
            kit::DrawLabel(p, TabLabelBox(l, tab), text, font, colour::Plum);
        else
            kit::DrawLabel(p, TabLabelBox(l, tab), text, font, Qt::white, colour::Plum, 2.2 * s);
    }
    return strip;
}

}  // namespace shell
