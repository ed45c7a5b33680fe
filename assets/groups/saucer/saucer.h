// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the flying-saucer game: the evening sky over the hills and the saucer itself,
// which the game draws opaquely and so carries the sky's colours around it.
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

namespace kit {
class Generator;
}

namespace saucer {

// What the game window fixes for one screen size.
struct Layout {
    QString suffix;      // "s" for 800 x 600, "b" for 1024 x 768
    QSize screen;
    QSize saucer;        // the saucer picture
    int saucerY;         // the saucer's top on the screen; it only ever moves sideways
    int letterOffset;    // the carried letter tile's left edge, from the saucer's left edge
    int letterY;         // the carried letter tile's top on the screen
    int letterSize;      // the letter tile, square
    QRect wordPicture;   // where the word's picture (with its frame) is drawn
    QRect letterRow;     // the row of letter boxes with their frames, widest word
    QRect buttons;       // the help, stop, next and previous buttons
    QRect launchButton;
};

const Layout& SmallLayout();
const Layout& BigLayout();

// The band the saucer and its letter travel along, across the whole screen.
QRect FlightBand(const Layout& layout);

// The sky at screen size, opaque.
QImage Background(const QByteArray& skySvg, const Layout& layout);

// The saucer alone, transparent around it.
QImage SaucerShape(const Layout& layout);

// The saucer as the game draws it: on the background's colours of the rows it flies along.
QImage Saucer(const Layout& layout, const QImage& background);

void Make(kit::Generator& generator);

}  // namespace saucer
