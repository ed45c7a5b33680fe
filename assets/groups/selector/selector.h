// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the picture-and-say game: its background (easel for the word picture, tray for
// the letter pile) and the letter strip, in the small (800 x 600) and big (1024 x 768) layout.
#pragma once

#include <QImage>
#include <QRect>
#include <QStringList>

#include "assetkit.h"
#include "games/selector/selectorlayout.h"
#include "labyrinth_strip.h"

namespace sel {

// The game's layout with what only its pictures need.
struct Layout : SelectorLayout {
    bool small;
    int outline;
    QString suffix;

    // Where the word picture is drawn through its mask.
    QRect PictureRect() const { return QRect(picture, pictureSize); }
};
Layout SmallLayout();
Layout BigLayout();

QImage Background(const Layout& layout, const QByteArray& landscape);
kit::StripLook StripLookOf(const Layout& layout);

// Problems that would show in the game (empty when none).
QStringList CheckBackground(const Layout& layout, const QImage& background);
QStringList CheckStripSlots(const Layout& layout, const QImage& background, const kit::StripPieces& pieces);

}  // namespace sel
