// SPDX-License-Identifier: GPL-3.0-or-later
// Checks of the picture-and-say pictures against the game's layout: the word picture's place is
// a plain white sheet (the picture's rounded mask corners must not show a seam), the name is on
// the banner, and every slot of every word length stands on the strip's light channel.
#include "selector.h"

namespace sel {

QStringList CheckBackground(const Layout& l, const QImage& background)
{
    if (background.size() != QSize(l.width, l.height))
        return {"background: wrong size"};
    QStringList problems;
    const QRect picture = l.PictureRect();
    int white = 0;
    for (int y = picture.top(); y <= picture.bottom(); ++y)
        for (int x = picture.left(); x <= picture.right(); ++x)
            white += qGray(background.pixel(x, y)) >= 250;
    if (white < picture.width() * picture.height() * 99 / 100)
        problems << "background: the word picture's place is not a white sheet";
    // The pile's tiles are light: the tray around them must hold them apart from the lawn.
    const QRect pile(l.pile, QSize(l.cell, l.cell));
    int light = 0;
    for (int y = pile.top(); y <= pile.bottom(); ++y)
        for (int x = pile.left(); x <= pile.right(); ++x)
            light += qGray(background.pixel(x, y)) > 200;
    if (light < pile.width() * pile.height() * 90 / 100)
        problems << "background: no tray under the letter pile";
    const QRect title = l.small ? QRect(240, 14, 270, 36) : QRect(300, 16, 360, 50);
    int ink = 0;
    for (int y = title.top(); y <= title.bottom(); ++y)
        for (int x = title.left(); x <= title.right(); ++x)
            ink += qGray(background.pixel(x, y)) < 90;
    if (ink < title.width() * title.height() / 20)
        problems << "background: the game's name is missing from its banner";
    return problems;
}

QStringList CheckStripSlots(const Layout& l, const QImage& background, const kit::StripPieces& pieces)
{
    QStringList problems = kit::CheckStrip(StripLookOf(l), pieces);
    if (!problems.isEmpty())
        return problems;
    // Words have 1 to SelectorMaxLetters() letters. The slot frames are one-pixel outlines around
    // each cell; all of them must fall on the light channel, or the red and yellow marks get lost
    // on the band.
    constexpr int r = kSelectorFrameRings;
    for (int n = 1; n <= SelectorMaxLetters(); ++n) {
        const QImage strip = kit::ComposeStrip(background, pieces, false, n, l.width / 2, l.stripLineY);
        for (int i = 0; i < n; ++i) {
            const QRect frame(SelectorSlotX(l, n, i) - r, l.stripLineY - l.cell / 2 - r, l.cell + 2 * r, l.cell + 2 * r);
            if (!strip.rect().contains(frame)) {
                problems << QString("%1 letters: slot %2 leaves the window").arg(n).arg(i);
                continue;
            }
            int dark = 0;
            for (int y = frame.top(); y <= frame.bottom(); ++y)
                for (int x = frame.left(); x <= frame.right(); ++x)
                    dark += qGray(strip.pixel(x, y)) < 170;
            if (dark > 0)
                problems << QString("%1 letters: slot %2 is not on the strip's channel").arg(n).arg(i);
        }
    }
    return problems;
}

}  // namespace sel
