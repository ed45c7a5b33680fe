// Pictures of the picture-and-say game: its background (easel for the word picture, tray for
// the letter pile) and the letter strip, in the small (800 x 600) and big (1024 x 768) layout.
#pragma once

#include <QImage>
#include <QRect>
#include <QStringList>

#include "assetkit.h"
#include "labyrinth_strip.h"

namespace sel {

struct Layout {
    bool small;
    int width, height;
    QRect picture;     // where the word picture is drawn through its mask
    int stripY;        // centre line of the slot row and the strip
    int cell;          // slot size
    int slotStart;     // per-slot start offset of the slot row
    QPoint pile;       // top-left of the letter pile
    int outline;
    QString suffix;
};
Layout SmallLayout();
Layout BigLayout();

QImage Background(const Layout& layout, const QByteArray& landscape);
kit::StripLook StripLookOf(const Layout& layout);

// Left edge of slot i of a row of n slots, as the game lays them out.
int SlotX(const Layout& layout, int n, int i);

// Problems that would show in the game (empty when none).
QStringList CheckBackground(const Layout& layout, const QImage& background);
QStringList CheckStripSlots(const Layout& layout, const QImage& background, const kit::StripPieces& pieces);

}  // namespace sel
