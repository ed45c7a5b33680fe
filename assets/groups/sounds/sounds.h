// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the sounds game: the back-yard scene, the nine hidden things (plain and selected)
// cut to fit their hiding places, and the sound buttons in all their states.
#pragma once

#include "games/sounds/odglosylayout.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

namespace kit {
class Generator;
}

namespace sounds {

// Where things stand on one screen size; the game window places objects and buttons there.
struct Layout {
    QString suffix;        // "s" for 800 x 600, "b" for 1024 x 768
    QSize screen;
    bool small;            // which of a hiding place's two rectangles is this layout's
    QSize button;          // every sound button
    QPoint buttons[9];     // top-left corners of the nine sound buttons
    QRect helpButtons;     // the column of the help and stop buttons
};

const Layout& SmallLayout();
const Layout& BigLayout();

// The hiding place's rectangle in this layout.
QRect PlaceIn(const SoundsHidingPlace& place, const Layout& layout);

// The picture set's file (relative to the group's folder) that draws the thing of `name`.
QString DrawingOf(const char* name);

// The scene drawn at the layout's screen size, opaque.
QImage Scene(const QByteArray& svg, const Layout& layout);

// A thing's drawing fitted into `size`: as large as fits inside a margin kept free for the
// selected look's glow, standing on the bottom margin, centred, with a thin outline in the
// scene's ink so that it looks drawn into the scene. Transparent around it.
QImage FittedObject(const QByteArray& drawingSvg, QSize size);

// A hidden object as the game draws it: the scene under its place with the object on top, so
// showing and hiding it leaves no seam. The selected look adds a golden glow and two sparkles.
QImage HiddenObject(const QImage& scene, const QRect& place, const QByteArray& drawingSvg,
                    bool selected);

// A halo of `colour` around the opaque parts of `shape`, reaching `radius` pixels out; soft
// (blurred outwards) or with a crisp edge, as for an outline.
QImage Glow(const QImage& shape, QColor colour, int radius, bool soft = true);

// One sound button in its states, all the same size; each picture is pure white outside
// the shape given by `mask` (white inside, black outside).
struct ButtonLooks {
    QImage normal, greyed, hover, pressed, mask;
};
ButtonLooks Buttons(QSize size);

// The label band of a button: the strip where the game writes the sound word.
QRect LabelBand(QSize size);

// Writes every picture of the group.
void Make(kit::Generator& generator);

}  // namespace sounds
