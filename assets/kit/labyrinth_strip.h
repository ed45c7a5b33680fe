// SPDX-License-Identifier: GPL-3.0-or-later
// The stretchable frame strip of the games (collection column of the maze, letter row of the
// picture-and-say game): two soft-edged ends with grey masks and one opaque repeatable middle.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>

namespace kit {

struct StripLook {
    bool vertical = false;  // the pieces follow each other downwards instead of rightwards
    int thickness = 0;      // across the strip: the whole middle piece
    int pitch = 0;          // along the strip: one middle piece (one slot)
    int capLength = 0;      // along the strip: each end piece
    int channelInset = 0;   // band width between the outer edge and the light channel
    int outline = 3;        // plum outline width
    QColor band;            // frame colour (light side of its gradient)
    QColor bandDark;        // frame colour (shaded side)
    QColor channel;         // the light channel the slots stand in
};

struct StripPieces {
    QImage start;      // RGB32, colour of the first end (RmkK1)
    QImage startMask;  // Grayscale8, 255 opaque, 0 transparent
    QImage end;        // RGB32, colour of the last end (RmkK2)
    QImage endMask;
    QImage middle;     // RGB32, drawn opaquely and repeated (RmkS)
};

StripPieces MakeStrip(const StripLook& look);

// Colour picture for a soft mask: the shape's own colour right up to its anti-aliased rim (no
// halo of the white a plain flatten would blend in), plum where the shape is fully transparent.
QImage SoftMaskColour(const QImage& shape, QColor outside);

// The program's blend of a picture through an 8-bit mask at full opacity, for checking how the
// ends will look over a background: result = a +- (|b - a| * (m + 1)) / 256 per component.
QImage BlendSoft(const QImage& background, const QImage& picture, const QImage& mask, int x, int y);

// Draws `count` middle pieces between the two ends over `background` as the program lays the strip
// out around (cx, cy); returns the composed picture.
QImage ComposeStrip(const QImage& background, const StripPieces& pieces, bool vertical, int count,
                    int cx, int cy);

// Problems of a strip that would show on screen (empty when none): seams between the pieces,
// ends that let the background through where they meet the middle, ends that are not soft.
QStringList CheckStrip(const StripLook& look, const StripPieces& pieces);

}  // namespace kit
