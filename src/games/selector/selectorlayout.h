// SPDX-License-Identifier: GPL-3.0-or-later
// The places and sizes of the picture-and-say game's two layouts. The game lays out its picture,
// slots and letter pile by them and the generator of its background and letter strip draws the
// easel, strip and tray by them, so the pictures always fit where the game draws.
#pragma once

#include <QPoint>
#include <QSize>

struct SelectorLayout {
    int width, height;    // the design area
    QPoint picture;       // top-left of the word picture
    QSize pictureSize;    // of the word pictures and their mask (Data/Bion/*_shs.xji, *_shb.xji)
    int stripLineY;       // centre line of the slot row and the letter strip
    int cell;             // side of a slot and of a letter tile
    int slotStartOffset;  // the slot row starts this far left of the centre for each slot
    QPoint pile;          // top-left of the letter pile
};

inline constexpr SelectorLayout kSelectorSmall{800, 600, {215, 82}, {320, 270}, 420, 44, 28, {380, 490}};
inline constexpr SelectorLayout kSelectorBig{1024, 768, {275, 103}, {410, 340}, 530, 55, 34, {495, 630}};

inline constexpr int kSelectorSlotGap = 12;    // between neighbouring slots
inline constexpr int kSelectorSlotFirstX = 8;  // the first slot's extra step right of the row's start
inline constexpr int kSelectorFrameRings = 4;  // one-pixel rectangles drawn around a slot

// Left edge of slot i of a row of n slots.
constexpr int SelectorSlotX(const SelectorLayout& layout, int n, int i)
{
    return layout.width / 2 - layout.slotStartOffset * n + kSelectorSlotFirstX + i * (layout.cell + kSelectorSlotGap);
}

// True when a row of n slots with their frames lies inside the design area.
constexpr bool SelectorRowFits(const SelectorLayout& layout, int n)
{
    const int left = SelectorSlotX(layout, n, 0) - kSelectorFrameRings;
    const int right = SelectorSlotX(layout, n, n - 1) + layout.cell + kSelectorFrameRings;
    return left >= 0 && right <= layout.width;
}

// The most letters a word of the picture-and-say game may have in both layouts.
constexpr int SelectorMaxLetters()
{
    int n = 0;
    while (SelectorRowFits(kSelectorSmall, n + 1) && SelectorRowFits(kSelectorBig, n + 1))
        ++n;
    return n;
}
