// SPDX-License-Identifier: GPL-3.0-or-later
// The places and sizes of the flying-saucer game's two layouts: where the row of letter boxes of a
// word of N letters lies and how far the saucer travels under it. The word list's check uses them
// to refuse a word whose row or saucer would leave the scene.
#pragma once

#include "_kratka.h"

// Places and sizes of one layout (small 800 x 600, big 1024 x 768).
struct HitmanLayout {
    int width;           // the design area
    int pitch;           // from one box to the next
    int boxY;            // top of the boxes' insides
    int rowLetterWidth;  // what each letter adds to the width the row is centred by
    int leftMargin;      // the saucer's left turning point lies this far left of the first box
    int rightMargin;     // its right turning point this far right of the last box
    int saucerY;
    int saucerWidth;     // of the saucer picture (Data/Intf/Hm/plat_s.xji, plat_b.xji)
    int carriedOffset;   // the carried letter's x on the saucer
    int carriedY;
    int matchHalfWidth;  // a box is above the saucer within this distance left of it (a quarter right)
    int restingX;        // the saucer of a completed word, and the leftmost random start
    bool small;
    static constexpr HitmanLayout For(bool small);
};

inline constexpr HitmanLayout kHitmanSmall{800, 66, 352, 56, 98, 64, 465, 80, 18, 436, 46, 240, true};
inline constexpr HitmanLayout kHitmanBig{1024, 77, 456, 67, 120, 75, 590, 111, 28, 560, 57, 308, false};

constexpr HitmanLayout HitmanLayout::For(bool small)
{
    return small ? kHitmanSmall : kHitmanBig;
}

inline constexpr int kHitmanRowCentreShift = 20;  // the row sits this far left of the centre

// Left edge of the inside of the first box of a row of `letters` boxes.
constexpr int HitmanFirstBoxX(const HitmanLayout& layout, int letters)
{
    return layout.width / 2 - (letters * layout.rowLetterWidth + 2) / 2 - kHitmanRowCentreShift;
}

// True when a row of `letters` boxes with their frames, and the saucer at both of its turning
// points, lie inside the design area.
constexpr bool HitmanRowFits(const HitmanLayout& layout, int letters)
{
    const int inside = layout.small ? CKratka::kInsideSmall : CKratka::kInsideBig;
    const int first = HitmanFirstBoxX(layout, letters);
    const int last = first + (letters - 1) * layout.pitch;
    const bool boxes = first - CKratka::kRings >= 0 && last + inside + CKratka::kRings <= layout.width;
    const bool saucer = first - layout.leftMargin >= 0
                        && last + layout.rightMargin + layout.saucerWidth <= layout.width;
    return boxes && saucer;
}

// The most letters a word of the saucer game may have in both layouts.
constexpr int HitmanMaxLetters()
{
    int n = 0;
    while (HitmanRowFits(kHitmanSmall, n + 1) && HitmanRowFits(kHitmanBig, n + 1))
        ++n;
    return n;
}
