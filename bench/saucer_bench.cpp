// SPDX-License-Identifier: GPL-3.0-or-later
// The flying saucer's timer tick with the saucer in flight: moving the saucer and its letter on the
// scene and copying the changed rectangle to the window; and the same with the window's repaint.
#include "games/saucer/Hitman.h"
#include "opengame.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

// The saucer window open on the first word of a game, as the menu opens it.
struct OpenSaucer : OpenGame<TfmHitman> {
    OpenSaucer() : OpenGame(Settings()) {}
    static const CUstGry& Settings()
    {
        UstHitmen.Gloski = glos::Saucer;
        UstHitmen.Pozycja = glos::Naglos;
        UstHitmen.Poziom = 1;
        return UstHitmen;
    }
};

void BM_SaucerTick(benchmark::State& state)
{
    OpenSaucer game;
    for (auto _ : state)
        game.window->HitmanTimerTimer();
    benchmark::DoNotOptimize(game.window->Board()->Saucer().Left());
}
BENCHMARK(BM_SaucerTick);

void BM_SaucerTickAndRepaint(benchmark::State& state)
{
    OpenSaucer game;
    for (auto _ : state) {
        game.window->HitmanTimerTimer();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_SaucerTickAndRepaint);

}  // namespace
