// SPDX-License-Identifier: GPL-3.0-or-later
// Geometry of the two screen designs, SVG templates, the mascot and the wordmark shared by the
// shell pictures.
#include "shell.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>
#include <stdexcept>

namespace shell {

const MenuLayout& SmallMenu()
{
    // The menu puts the strip at (540, 58); tab 6 is picked up to y 535, so the picture must
    // reach that far, and 536 rows end at 594, inside the 600-row screen.
    static const MenuLayout layout{
        "_s", 800, 600, {540, 58}, {260, 536},
        {{{40, 110}, {125, 190}, {200, 260}, {265, 315}, {325, 385}, {390, 535}}}, 1.0};
    return layout;
}

const MenuLayout& BigMenu()
{
    static const MenuLayout layout{
        "_b", 1024, 768, {695, 75}, {329, 566},
        {{{52, 140}, {155, 240}, {250, 330}, {340, 410}, {420, 490}, {505, 565}}}, 1.28};
    return layout;
}

const FrameLayout& SmallFrame()
{
    static const FrameLayout frame{"_s", {380, 320}, {320, 270}};
    return frame;
}

const FrameLayout& BigFrame()
{
    static const FrameLayout frame{"_b", {470, 400}, {410, 340}};
    return frame;
}

QRectF ScreenRect(const FrameLayout& frame)
{
    // A few pixels more than the word picture, so even its corners fall inside the rounded screen.
    const qreal w = frame.wordPicture.width() + 12;
    const qreal h = frame.wordPicture.height() + 10;
    return {(frame.size.width() - w) / 2, (frame.size.height() - h) / 2, w, h};
}

QByteArray Fill(QByteArray svg, const QMap<QString, QString>& values)
{
    for (auto it = values.begin(); it != values.end(); ++it)
        svg.replace("{{" + it.key().toUtf8() + "}}", it.value().toUtf8());
    const qsizetype open = svg.indexOf("{{");
    if (open >= 0) {
        const qsizetype close = svg.indexOf("}}", open);
        throw std::runtime_error("unfilled placeholder " +
                                 svg.mid(open, close < 0 ? 20 : close - open + 2).toStdString());
    }
    return svg;
}

QByteArray Template(const kit::Generator& generator, const QString& file,
                    const QMap<QString, QString>& values)
{
    return Fill(generator.ReadSource(file), values);
}

QString Mascot(qreal x, qreal y, qreal scale, Mood mood, const QString& id)
{
    const QString plum = colour::Plum.name();
    QString arms;
    QString mouth;
    QString brows;
    switch (mood) {
    case Mood::Happy:
        // Arms up in joy.
        arms = QStringLiteral(
            "<path d='M-44,-4 Q-70,-24 -72,-50' fill='none' stroke='%1' stroke-width='15' stroke-linecap='round'/>"
            "<path d='M-44,-4 Q-70,-24 -72,-50' fill='none' stroke='#9C7DD6' stroke-width='7' stroke-linecap='round'/>"
            "<path d='M44,-4 Q70,-24 72,-50' fill='none' stroke='%1' stroke-width='15' stroke-linecap='round'/>"
            "<path d='M44,-4 Q70,-24 72,-50' fill='none' stroke='#9C7DD6' stroke-width='7' stroke-linecap='round'/>")
                   .arg(plum);
        mouth = QStringLiteral(
            "<path d='M-17,9 Q0,36 17,9 Z' fill='#8A2E4A' stroke='%1' stroke-width='4' stroke-linejoin='round'/>"
            "<path d='M-8,22 Q0,28 8,22 Q0,17 -8,22 Z' fill='#FF8FA8'/>")
                    .arg(plum);
        break;
    case Mood::Calm:
        arms = QStringLiteral(
            "<path d='M-46,6 Q-64,14 -66,30' fill='none' stroke='%1' stroke-width='15' stroke-linecap='round'/>"
            "<path d='M-46,6 Q-64,14 -66,30' fill='none' stroke='#9C7DD6' stroke-width='7' stroke-linecap='round'/>"
            "<path d='M46,6 Q64,14 66,30' fill='none' stroke='%1' stroke-width='15' stroke-linecap='round'/>"
            "<path d='M46,6 Q64,14 66,30' fill='none' stroke='#9C7DD6' stroke-width='7' stroke-linecap='round'/>")
                   .arg(plum);
        mouth = QStringLiteral("<path d='M-12,13 Q0,24 12,13' fill='none' stroke='%1' stroke-width='4.5' stroke-linecap='round'/>")
                    .arg(plum);
        break;
    case Mood::Sad:
        arms = QStringLiteral(
            "<path d='M-46,10 Q-58,24 -54,40' fill='none' stroke='%1' stroke-width='15' stroke-linecap='round'/>"
            "<path d='M-46,10 Q-58,24 -54,40' fill='none' stroke='#9C7DD6' stroke-width='7' stroke-linecap='round'/>"
            "<path d='M46,10 Q58,24 54,40' fill='none' stroke='%1' stroke-width='15' stroke-linecap='round'/>"
            "<path d='M46,10 Q58,24 54,40' fill='none' stroke='#9C7DD6' stroke-width='7' stroke-linecap='round'/>")
                   .arg(plum);
        // A small wobbly mouth and lifted brows: a bit sorry, not crying.
        mouth = QStringLiteral("<path d='M-11,21 Q0,13 11,21' fill='none' stroke='%1' stroke-width='4.5' stroke-linecap='round'/>")
                    .arg(plum);
        brows = QStringLiteral(
            "<path d='M-28,-30 Q-20,-34 -11,-31' fill='none' stroke='%1' stroke-width='4' stroke-linecap='round' transform='rotate(-14 -20 -32)'/>"
            "<path d='M28,-30 Q20,-34 11,-31' fill='none' stroke='%1' stroke-width='4' stroke-linecap='round' transform='rotate(14 20 -32)'/>")
                    .arg(plum);
        break;
    }
    const qreal pupilY = mood == Mood::Sad ? -4 : -8;
    QString eyes;
    for (int side : {-1, 1}) {
        eyes += QStringLiteral(
                    "<ellipse cx='%1' cy='-10' rx='13' ry='15.5' fill='#FFFFFF' stroke='%2' stroke-width='4'/>"
                    "<circle cx='%3' cy='%4' r='7' fill='%2'/>"
                    "<circle cx='%5' cy='%6' r='2.6' fill='#FFFFFF'/>")
                    .arg(side * 18).arg(plum).arg(side * 18 + 2).arg(pupilY).arg(side * 18 + 4.5).arg(pupilY - 3);
    }
    return QStringLiteral(
               "<g transform='translate(%1 %2) scale(%3)'>"
               "<defs><radialGradient id='%4body' cx='-18' cy='-24' r='78' gradientUnits='userSpaceOnUse'>"
               "<stop offset='0' stop-color='#B79CEB'/><stop offset='1' stop-color='#7453B3'/></radialGradient></defs>"
               "<path d='M-16,-40 Q-24,-62 -36,-72' fill='none' stroke='%5' stroke-width='5' stroke-linecap='round'/>"
               "<path d='M16,-40 Q24,-62 36,-72' fill='none' stroke='%5' stroke-width='5' stroke-linecap='round'/>"
               "<circle cx='-37' cy='-74' r='9' fill='#FFD23F' stroke='%5' stroke-width='4'/>"
               "<circle cx='37' cy='-74' r='9' fill='#FFD23F' stroke='%5' stroke-width='4'/>"
               "<ellipse cx='-22' cy='47' rx='17' ry='9' fill='#FF9F1C' stroke='%5' stroke-width='4'/>"
               "<ellipse cx='22' cy='47' rx='17' ry='9' fill='#FF9F1C' stroke='%5' stroke-width='4'/>"
               "%6"
               "<ellipse cx='0' cy='0' rx='52' ry='48' fill='url(#%4body)' stroke='%5' stroke-width='5'/>"
               "<ellipse cx='0' cy='20' rx='29' ry='20' fill='#C9B8F0' fill-opacity='0.8'/>"
               "<ellipse cx='-24' cy='-30' rx='13' ry='7' fill='#FFFFFF' fill-opacity='0.4' transform='rotate(-35 -24 -30)'/>"
               "%7%8"
               "<ellipse cx='-34' cy='9' rx='8' ry='5' fill='#EF476F' fill-opacity='0.55'/>"
               "<ellipse cx='34' cy='9' rx='8' ry='5' fill='#EF476F' fill-opacity='0.55'/>"
               "%9</g>")
        .arg(x).arg(y).arg(scale).arg(id, plum, arms, eyes, brows, mouth);
}

QFont FitFont(const QString& text, qreal width, int maxPixels, int minPixels, qreal height)
{
    const QStringList lines = text.split('\n');
    for (int px = maxPixels; px > minPixels; --px) {
        const QFont font = kit::LabelFont(px);
        const QFontMetricsF metrics(font);
        qreal widest = 0;
        for (const QString& line : lines)
            widest = qMax(widest, metrics.horizontalAdvance(line));
        const qreal tall = metrics.lineSpacing() * (lines.size() - 1) + metrics.height();
        if (widest <= width && tall <= height)
            return font;
    }
    return kit::LabelFont(minPixels);
}

void DrawWordmark(QPainter& painter, const QRectF& box, const QString& subline, QColor sublineFill)
{
    // Each letter of the name in its own colour, like letter tiles, on a thick plum outline.
    static const QColor letters[] = {colour::Tomato, colour::Orange, colour::Sun, colour::Grass,
                                     colour::Teal, QColor("#4D96FF"), colour::Berry, colour::Tomato};
    const QString name = QStringLiteral("Brimbola");
    const qreal nameHeight = subline.isEmpty() ? box.height() : box.height() * 0.68;
    QFont font = FitFont(name, box.width() * 0.92, int(nameHeight * 0.95));
    const QFontMetricsF metrics(font);
    const qreal total = metrics.horizontalAdvance(name);
    qreal x = box.center().x() - total / 2;
    const qreal baseline = box.top() + (nameHeight + metrics.capHeight()) / 2;
    const qreal outline = qMax(2.5, font.pixelSize() / 9.0);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < name.size(); ++i) {
        const QString letter = name.mid(i, 1);
        const qreal advance = metrics.horizontalAdvance(letter);
        // A gentle up-and-down bounce along the word.
        const qreal lift = (i % 2 == 0 ? -1 : 1) * font.pixelSize() * 0.04;
        const QRectF cell(x, baseline - metrics.ascent() + lift, advance, metrics.height());
        kit::DrawLabel(painter, cell, letter, font, letters[i % 8], colour::Plum, outline,
                       Qt::AlignLeft | Qt::AlignTop);
        x += advance;
    }
    if (!subline.isEmpty()) {
        const QRectF sub(box.left(), box.top() + nameHeight, box.width(), box.height() - nameHeight);
        const QFont subFont = FitFont(subline, box.width() * 0.8, int(sub.height() * 0.8));
        // White needs an outline to stand on the sky; a dark line reads on its own.
        const bool light = sublineFill.lightness() > 160;
        kit::DrawLabel(painter, sub, subline, subFont, sublineFill, light ? colour::Plum : Qt::transparent,
                       light ? qMax(2.0, subFont.pixelSize() / 8.0) : 0);
    }
    painter.restore();
}

}  // namespace shell
