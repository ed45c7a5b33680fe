// SPDX-License-Identifier: GPL-3.0-or-later
// Plays the picture-and-say window the way a child does: real presses, moves and releases on the
// tiles' mouse areas, and clicks on the game's buttons.
#pragma once

#include "games/selector/Graselector.h"
#include "games/selector/Selector.h"
#include "gfx/_cprzycisk.h"

#include <QTest>
#include <gtest/gtest.h>

namespace selectortest {

// Where the child holds a tile: a little inside its corner.
inline const QPoint kHold(10, 12);

inline QWidget* Widget(const CPrzGloska& tile)
{
    return TfmSelector::TileWidget(tile);
}

// Presses the left button on `tile` and moves it in `steps` even steps until its top-left corner
// would stand at `to` (window coordinates). The button stays down.
inline void PressAndMove(const CPrzGloska& tile, QPoint to, int steps = 4, Qt::KeyboardModifiers keys = {})
{
    QWidget* area = Widget(tile);
    QTest::mousePress(area, Qt::LeftButton, {}, kHold);
    const QPoint from = area->pos();
    for (int i = 1; i <= steps; ++i) {
        const QPoint corner = from + (to - from) * i / steps;
        // The area stays where the tile was taken; the cursor runs ahead of it.
        QTest::mouseEvent(QTest::MouseMove, area, Qt::NoButton, keys, corner + kHold - area->pos());
    }
}

inline void Release(const CPrzGloska& tile)
{
    QWidget* area = Widget(tile);
    QTest::mouseRelease(area, Qt::LeftButton, {}, kHold);
}

// A whole drag: take, move, let go. The tile may be gone afterwards (a new word), so it is not used.
inline void DragTile(const CPrzGloska& tile, QPoint to, int steps = 4)
{
    QWidget* area = Widget(tile);
    PressAndMove(tile, to, steps);
    QTest::mouseRelease(area, Qt::LeftButton, {}, kHold);
}

inline void Click(CPrzyciskC* button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->width() / 2, button->height() / 2));
}

// Drags, for each slot in turn, a tile with that slot's letter from wherever it lies.
inline void SolveCurrentWord(GraSelector& game)
{
    const QString caption = game.Caption();
    const int n = int(game.Slots().size());
    int position = 0;
    for (int slot = 0; slot < n; ++slot) {
        const CPusGloska& target = game.Slots()[size_t(slot)];
        if (target.Occupant() && caption.mid(position).startsWith(target.Letter())) {
            position += int(target.Letter().size());
            continue;
        }
        CPrzGloska* chosen = nullptr;
        for (const auto& tile : game.Tiles())
            if (game.SlotOf(tile.get()) < 0 && caption.mid(position).startsWith(tile->Letter()) &&
                !tile->Letter().isEmpty()) {
                chosen = tile.get();
                break;
            }
        ASSERT_NE(chosen, nullptr) << "no tile for slot " << slot;
        position += int(chosen->Letter().size());
        DragTile(*chosen, QPoint(target.x, target.y));
    }
}

}  // namespace selectortest
