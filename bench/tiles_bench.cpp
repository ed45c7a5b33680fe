// SPDX-License-Identifier: GPL-3.0-or-later
// The tile-pairs game's 10 ms tick: what a tick costs when there is nothing to judge (almost every
// tick), and one that takes a right pair and draws the board again.
#include "games/tiles/Grataipei.h"
#include "support/fakeservices.h"
#include "support/programfolder.h"
#include "words/_cslowa.h"

#include <benchmark/benchmark.h>

namespace {

struct SilentHost : CTaiPeiHost {
    std::unique_ptr<CKostkaArea> NewTileArea(CKostka&) override { return std::make_unique<CKostkaArea>(); }
    void ShowSceneRect(const QRect&) override {}
};

// The fullest board the game deals: 15 words, 30 tiles.
TaiPeiDeal FullBoard(RandomSource& random)
{
    const QStringList names = {"las", "latarka", "lejek", "lezak", "lodowka", "lokomotywa", "lornetka", "luneta", "plaster",
                               "las", "latarka", "lejek", "lezak", "lodowka", "luneta"};
    std::vector<SPaczka> catalogue;
    for (int i = 0; i < names.size(); ++i)
        catalogue.push_back(MakeWord(names[i], "_l,", 0));
    TaiPeiDeal deal;
    for (const SPaczka& word : catalogue)
        for (int copy = 0; copy < 2; ++copy)
            deal[size_t(random.Below(kTaiPeiCells))].push_back(word.Name);
    return deal;
}

struct Board {
    TestServices services;
    ProgramFolder folder{ProgramFolder::Assets::Generated};
    InFolder inFolder{folder.Path()};
    SilentHost host;
    QImage scene{1024, 768, QImage::Format_RGB32};
    int mix = GraTaiPei::kMixStart;
    std::unique_ptr<GraTaiPei> game;

    void Deal()
    {
        game = std::make_unique<GraTaiPei>(host, scene, FullBoard(services.random), false, services.random, mix);
        // Until the board has a free pair, ticks reshuffle it.
        while (game->FreePairCount() == 0)
            game->Tick();
    }
    // Chooses a free pair, as two clicks would.
    bool ChooseFreePair()
    {
        const auto cells = game->HintCells();
        if (!cells)
            return false;
        game->Press(*game->TopTile(cells->first));
        game->Press(*game->TopTile(cells->second));
        return true;
    }
};

void IdleTick(benchmark::State& state)
{
    Board board;
    board.Deal();
    for (auto _ : state) {
        const auto result = board.game->Tick();
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(IdleTick);

void RightPairTickWithRedraw(benchmark::State& state)
{
    Board board;
    board.Deal();
    for (auto _ : state) {
        state.PauseTiming();
        if (board.game->CellsInUse() == 0 || !board.ChooseFreePair()) {
            board.Deal();
            board.ChooseFreePair();
        }
        state.ResumeTiming();
        const auto result = board.game->Tick();
        board.game->DrawAll();
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(RightPairTickWithRedraw);

}  // namespace
