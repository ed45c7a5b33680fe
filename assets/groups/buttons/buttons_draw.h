// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing of the named interface pictures: glossy push buttons with their hover, pressed and mask
// pictures, the menu's check buttons, the row captions and the recordings list's scroll thumb.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>

namespace buttons {

// The shared palette of the program's look.
inline const QColor kPlum{0x3D, 0x2C, 0x4E};
inline const QColor kGrass{0x7B, 0xC9, 0x50};
inline const QColor kGrassDark{0x4E, 0x9F, 0x3D};
inline const QColor kSun{0xFF, 0xD2, 0x3F};
inline const QColor kOrange{0xFF, 0x9F, 0x1C};
inline const QColor kTomato{0xEF, 0x47, 0x6F};
inline const QColor kBerry{0x8E, 0x6C, 0xC9};
inline const QColor kTeal{0x2E, 0xC4, 0xB6};
inline const QColor kSkyDeep{0x3F, 0xA9, 0xE8};
// Check buttons and captions are drawn without a mask onto the light paper panel of the main
// menu; their few corner pixels outside the rounded shape take this colour so they melt into it.
inline const QColor kMenuGround{0xFF, 0xF4, 0xD6};

enum class Look { Normal, Hover, Pressed };

// What a push button shows: its colour, a white pictogram (SVG) and optionally a word beside it.
struct Face {
    QColor base;
    QByteArray pictogram;      // SVG drawing; empty for a plain face
    qreal pictogramScale = 0.5;  // share of the face's height the pictogram takes
    QString word;              // drawn right of the pictogram when not empty
    bool bezel = false;        // a metal ring around the face, as on a big arcade button
};

// One state of a push button, transparent outside its rounded shape (a disc when square).
// Throws std::runtime_error when the pictogram is not a valid drawing.
QImage DrawPush(QSize size, const Face& face, Look look);

// The four pictures of a push button, ready for the OR-mask-then-AND-picture drawing: the mask is
// pure white inside the shape and pure black outside, every state picture pure white outside.
struct PushSet {
    QImage normal, hover, pressed, mask;
};
PushSet MakePushSet(QSize size, const Face& face);

// The mask rule applied to any drawn shape: the hard mask of its alpha and the shape as an opaque
// picture (inside the mask laid over the outline colour, so no light fringe shows on a dark
// background), pure white outside.
void ApplyMaskRule(const QImage& shape, QImage* picture, QImage* mask);

// Where a check button's parts go: the pill, the tick badge at its left, the label's box and font.
struct CheckLayout {
    QRectF pill, dot, text;
    QFont font;
    qreal outline = 0;
};
// The font is the largest that fits the label, or `sizeLike` when that is wider, so the labels
// of one row can share one size.
CheckLayout LayOutCheck(QSize size, const QString& label, const QString& sizeLike = {});

// A labelled check button of the menu's rows, opaque, on kMenuGround.
QImage DrawCheck(QSize size, const QString& label, bool checked, bool greyed,
                 const QString& sizeLike = {});

// The small tick box of the recordings list, opaque, on kMenuGround.
QImage DrawTickBox(QSize size, bool checked);

// A row caption: a paper tag filling `size` with its text centred (shrunk to fit if need be).
QImage DrawCaption(QSize size, const QString& text);

// The scroll thumb, transparent outside its pill shape.
QImage DrawThumb(QSize size);

// The label font at the largest pixel size from maxPx down to minPx whose text fits maxWidth.
QFont FitFont(const QString& text, qreal maxWidth, int maxPx, int minPx);

// Outline width in pixels for a control of this height, so small and big pictures match.
qreal OutlineFor(int height);

}  // namespace buttons
