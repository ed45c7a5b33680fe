// SPDX-License-Identifier: GPL-3.0-or-later
// The splash, about, message and end-of-game summary pictures, and the about window's logo.
#include "shell.h"

#include <QPainter>

namespace shell {

namespace {

// The mascot alone as an SVG document of the given canvas size.
QByteArray MascotLayer(QSize canvas, qreal x, qreal y, qreal scale, Mood mood)
{
    return QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' width='%1' height='%2' "
                          "viewBox='0 0 %1 %2'>%3</svg>")
        .arg(canvas.width())
        .arg(canvas.height())
        .arg(Mascot(x, y, scale, mood, "m"))
        .toUtf8();
}

}  // namespace

QImage Splash(const kit::Generator& generator)
{
    const QByteArray svg = Template(generator, "splash.svg",
                                    {{"MASCOT", Mascot(300, 246, 0.82, Mood::Happy, "splash")}});
    QImage image = kit::Flatten(kit::RenderSvg(svg, kSplashSize));
    QPainter painter(&image);
    DrawWordmark(painter, QRectF(130, 10, 340, 112), QStringLiteral("Cz.IV Demo"));
    return image;
}

QImage AboutBackground(const kit::Generator& generator, QSize size)
{
    const QByteArray svg = Template(generator, "about.svg",
                                    {{"MASCOT", Mascot(70, 470, 0.8, Mood::Happy, "about")}});
    return kit::Flatten(kit::RenderSvg(svg, size));
}

QImage Logo(const kit::Generator&, const QImage& about, QPoint at, QSize size)
{
    // The logo control is opaque: cut it from the sheet it stands on so no box shows.
    QImage logo = about.copy(QRect(at, size)).convertToFormat(QImage::Format_RGB32);
    QPainter painter(&logo);
    DrawWordmark(painter, QRectF(QPointF(6, 6), QSizeF(size) - QSizeF(12, 12)), QStringLiteral("Cz.IV Demo"),
                 colour::Plum);
    return logo;
}

QImage MessageBackground(const kit::Generator& generator)
{
    return kit::Flatten(kit::RenderSvg(Template(generator, "message.svg"), kMessageSize));
}

QImage SummaryBackground(const kit::Generator& generator, Mood mood)
{
    struct Look {
        const char *skyTop, *skyBottom, *grassLight, *grassDark, *weather;
        QString headline;
    };
    static const Look sad{"#9DB3C8", "#DCE4EC", "#9CC98A", "#6E9C5E", "summary_sad.svg",
                          QStringLiteral("Spróbujmy\njeszcze raz!")};
    static const Look calm{"#8FD3F4", "#D8F1FF", "#7BC950", "#4E9F3D", "summary_calm.svg",
                           QStringLiteral("Dobrze!")};
    static const Look happy{"#6CC6F2", "#E2F6FF", "#8AD85A", "#4E9F3D", "summary_happy.svg",
                            QStringLiteral("Brawo!")};
    const Look& look = mood == Mood::Sad ? sad : mood == Mood::Calm ? calm : happy;

    const QByteArray base = Template(generator, "summary.svg",
                                     {{"SKY_TOP", look.skyTop},
                                      {"SKY_BOTTOM", look.skyBottom},
                                      {"GRASS_LIGHT", look.grassLight},
                                      {"GRASS_DARK", look.grassDark}});
    QImage image = kit::Flatten(kit::RenderSvg(base, kSummarySize));
    QPainter painter(&image);
    painter.drawImage(0, 0, kit::RenderSvg(generator.ReadSource(look.weather), kSummarySize));
    painter.drawImage(0, 0, kit::RenderSvg(MascotLayer(kSummarySize, 522, 286, 0.85, mood), kSummarySize));
    const QRectF headline(196, 22, 268, 112);
    const QFont font = FitFont(look.headline, headline.width(), 44, 16, headline.height());
    kit::DrawLabel(painter, headline, look.headline, font, Qt::white, colour::Plum, 3.5);

    // The window's rim, following the rounded shape the window is cut to.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour::Plum, 5));
    painter.drawRoundedRect(QRectF(7.5, 7.5, 590, 440), 23, 23);
    painter.setPen(QPen(QColor(255, 255, 255, 130), 3));
    painter.drawRoundedRect(QRectF(12, 12, 581, 431), 19, 19);
    return image;
}

}  // namespace shell
