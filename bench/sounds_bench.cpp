// SPDX-License-Identifier: GPL-3.0-or-later
// The sounds game's 200 ms tick, as it runs while the game window is open: with nothing picked
// (nearly every tick), and a tick that judges a picked pair and lets everything go again.
#include "games/sounds/Odglosy.h"
#include "games/gametable.h"
#include "platform/picturestore.h"
#include "results/_cstatrec.h"
#include "shell/Cdisplay.h"
#include "support/fakes.h"
#include "support/programfolder.h"
#include "words/_cslowa.h"
#include "words/_cslowaroznicowe.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

// The game window open on the generated assets, with silent sound and a fake clock.
struct OpenGame {
    OpenGame()
        : folder(ProgramFolder::Assets::Generated), inFolder(folder.Path()), stats(CStatRec::kProgramId, folder.Path())
    {
        ResetSharedPictureStore();
        const QSize screen = QGuiApplication::primaryScreen()->size();
        display = DescribeDisplay(screen.width(), screen.height());
        window = std::make_unique<TfmOdglosy>(GameContext{words, differentialWords, stats, nullptr, display});
        window->show();
        exposed = QTest::qWaitForWindowExposed(window.get());
    }
    ~OpenGame() { window.reset(); }

    void Click(const QString& area, bool button)
    {
        QWidget* w = button ? window->ButtonArea(area) : window->ObjectArea(area);
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(w->width() / 2, w->height() / 2));
    }

    TestServices services;
    ProgramFolder folder;
    InFolder inFolder;
    CSlowa words;
    CSlowaRoznicowe differentialWords;
    CStatRec stats;
    CDisplay display;
    std::unique_ptr<TfmOdglosy> window;
    bool exposed = false;
};

void BM_IdleTick(benchmark::State& state)
{
    OpenGame game;
    if (!game.exposed)
        state.SkipWithError("the game window did not show");
    for (auto _ : state)
        game.window->Tick();
}
BENCHMARK(BM_IdleTick);

void BM_RightPairTick(benchmark::State& state)
{
    OpenGame game;
    if (!game.exposed)
        state.SkipWithError("the game window did not show");
    for (auto _ : state) {
        state.PauseTiming();
        game.Click("pies", true);
        game.Click("pies", false);
        state.ResumeTiming();
        game.window->Tick();
    }
    state.counters["correct"] = game.stats.Correct();
}
BENCHMARK(BM_RightPairTick);

}  // namespace
