// SPDX-License-Identifier: GPL-3.0-or-later
// One drag step of the picture-and-say game: a tile held by the mouse moves a few pixels, its old
// place is put back from the snapshot, it is drawn at the new one, and the changed rectangle reaches
// the window (with the window's repaint of it).
#include "games/selector/Graselector.h"
#include "games/selector/Selector.h"
#include "opengame.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

struct OpenSelector : OpenGame<TfmSelector> {
    OpenSelector() : OpenGame(Settings()) {}
    static const CUstGry& Settings()
    {
        UstSelector.Gloski = glos::L;
        UstSelector.Pozycja = glos::Naglos | glos::Srodglos | glos::Wyglos;
        UstSelector.Poziom = 1;
        return UstSelector;
    }
};

void BM_SelectorDragStep(benchmark::State& state)
{
    OpenSelector game;
    GraSelector* engine = game.window->Engine();
    if (!engine || engine->Tiles().empty()) {
        state.SkipWithError("no word on the pile");
        return;
    }
    CPrzGloska& tile = *engine->Tiles().front();
    game.window->Grab(tile, Qt::LeftButton, QPoint(10, 12));
    const int x0 = tile.X(), y0 = tile.Y();
    constexpr int kStep = 3, kSteps = 40;
    int i = 0;
    for (auto _ : state) {
        // Back and forth along a slanted line, as a hand moves.
        const int k = i < kSteps ? i : 2 * kSteps - i;
        i = (i + 1) % (2 * kSteps);
        game.window->DragTo(tile, x0 - k * kStep, y0 - k * kStep / 2);
        if (state.range(0))
            QCoreApplication::processEvents();
    }
    state.SetLabel(state.range(0) ? "with repaint" : "canvas only");
}
BENCHMARK(BM_SelectorDragStep)->Arg(0)->Arg(1);

}  // namespace
