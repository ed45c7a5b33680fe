// The flying saucer's timer tick with the saucer in flight: moving the saucer and its letter on the
// scene and copying the changed rectangle to the window; and the same with the window's repaint.
#include "games/saucer/Hitman.h"
#include "platform/picturestore.h"
#include "results/_cstatrec.h"
#include "settings/_custgry.h"
#include "shell/Cdisplay.h"
#include "support/fakes.h"
#include "support/programfolder.h"
#include "words/_cslowa.h"
#include "words/_cslowaroznicowe.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <benchmark/benchmark.h>

namespace {

// The saucer window open on the first word of a game, as the menu opens it.
struct OpenSaucer {
    OpenSaucer()
    {
        ResetSharedPictureStore();
        UstHitmen.Gloski = glos::Saucer;
        UstHitmen.Pozycja = glos::Naglos;
        UstHitmen.Poziom = 1;
        words.SelectBySettings(UstHitmen);
        stats = std::make_unique<CStatRec>(CStatRec::kProgramId, folder.Path());
        const QSize screen = QGuiApplication::primaryScreen()->size();
        display = DescribeDisplay(screen.width(), screen.height());
        window = std::make_unique<TfmHitman>(GameContext{words, differential, *stats, nullptr, display});
        window->show();
        QCoreApplication::processEvents();
    }
    ~OpenSaucer() { window.reset(); }

    ProgramFolder folder{ProgramFolder::Assets::Generated};
    InFolder inFolder{folder.Path()};
    TestServices services;
    CDisplay display;
    CSlowa words;
    CSlowaRoznicowe differential;
    std::unique_ptr<CStatRec> stats;
    std::unique_ptr<TfmHitman> window;
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
