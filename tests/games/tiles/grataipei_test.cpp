// SPDX-License-Identifier: GPL-3.0-or-later
// The tile-pairs engine without a window: which tiles are free, the free pairs, the hint's order,
// choosing and judging pairs, a stuck board reshuffled in one tick, the open frame, and the deal.
#include "games/tiles/Grataipei.h"
#include "support/fakeservices.h"
#include "support/programfolder.h"
#include "settings/_custgry.h"
#include "shell/_cblad.h"
#include "words/_cslowa.h"

#include <algorithm>

#include <gtest/gtest.h>

namespace {

struct FakeHost : CTaiPeiHost {
    int areas = 0;
    std::vector<QRect> shown;
    std::unique_ptr<CKostkaArea> NewTileArea(CKostka&) override
    {
        ++areas;
        return std::make_unique<CKostkaArea>();
    }
    void ShowSceneRect(const QRect& rect) override { shown.push_back(rect); }
};

struct Stack {
    int column, row;
    std::vector<QString> names;
};

TaiPeiDeal Board(std::initializer_list<Stack> stacks)
{
    TaiPeiDeal deal;
    for (const Stack& s : stacks)
        deal[size_t(GraTaiPei::Cell(s.column, s.row))] = s.names;
    return deal;
}

// `n` tiles of a word, bottom first.
std::vector<QString> Tiles(int n, const QString& name = QStringLiteral("las"))
{
    return std::vector<QString>(size_t(n), name);
}

class TaiPei : public ::testing::Test {
protected:
    std::unique_ptr<GraTaiPei> Make(const TaiPeiDeal& deal)
    {
        scene = QImage(800, 600, QImage::Format_RGB32);
        scene.fill(Qt::black);
        return std::make_unique<GraTaiPei>(host, scene, deal, true, services.random, mix);
    }
    bool TopFree(const GraTaiPei& game, int column, int row)
    {
        const CKostka* top = game.TopTile(GraTaiPei::Cell(column, row));
        return top && top->IsFree();
    }

    TestServices services;
    ProgramFolder folder{ProgramFolder::Assets::Generated};
    InFolder inFolder{folder.Path()};
    FakeHost host;
    QImage scene;
    int mix = GraTaiPei::kMixStart;
};

TEST_F(TaiPei, ATopTileIsFreeAtTheBoardsEdgeOrBesideALowerStack)
{
    struct Case {
        const char* what;
        int left, own, right;  // heights of columns 2, 3 and 4 of row 2
        bool free;
    } cases[] = {
        {"equal on both sides", 2, 2, 2, false},
        {"higher on both sides", 3, 2, 4, false},
        {"equal left, higher right", 2, 2, 3, false},
        {"lower left", 1, 2, 3, true},
        {"lower right", 3, 2, 1, true},
        {"empty left", 0, 2, 2, true},
        {"empty right", 2, 1, 0, true},
    };
    for (const Case& c : cases) {
        auto game = Make(Board({{2, 2, Tiles(c.left)}, {3, 2, Tiles(c.own)}, {4, 2, Tiles(c.right)}}));
        EXPECT_EQ(TopFree(*game, 3, 2), c.free) << c.what;
        if (c.own > 1) {
            EXPECT_FALSE(game->Tile(GraTaiPei::Cell(3, 2), 0).IsFree()) << c.what << ": a covered tile never is";
        }
    }
    // The outer columns are free whatever stands beside them.
    auto game = Make(Board({{0, 0, Tiles(1)}, {1, 0, Tiles(4)}, {5, 0, Tiles(4)}, {6, 0, Tiles(1)}}));
    EXPECT_TRUE(TopFree(*game, 0, 0));
    EXPECT_TRUE(TopFree(*game, 6, 0));
    EXPECT_TRUE(TopFree(*game, 1, 0)) << "its left neighbour is lower";
}

TEST_F(TaiPei, FreePairsCountEveryTwoFreeTilesOfOneWordOnce)
{
    auto game = Make(Board({{0, 0, {"las"}},
                            {0, 1, {"las"}},
                            {0, 2, {"lejek", "las"}},
                            {3, 3, {"lejek"}},
                            {6, 4, {"lejek"}},
                            // A "luneta" hemmed in by higher stacks does not count.
                            {2, 4, Tiles(3, "lodowka")},
                            {3, 4, {"lezak", "lezak", "luneta"}},
                            {4, 4, Tiles(3, "lornetka")},
                            {6, 0, {"luneta"}}}));
    // Three free "las" make three pairs, the two free "lejek" one; the covered "lejek" and the
    // hemmed-in "luneta" none.
    EXPECT_EQ(game->FreePairCount(), 3 + 1);
    EXPECT_EQ(game->CellsInUse(), 9);
}

TEST_F(TaiPei, TheHintTakesTheFirstFreePairInReadingOrderAndFramesItRed)
{
    // Column by column the "lejek" pair would come first; row by row the "las" pair does.
    auto game = Make(Board({{0, 2, {"lejek"}}, {0, 4, {"lejek"}}, {5, 0, {"las"}}, {6, 1, {"las"}}, {3, 2, {"luneta"}}}));
    const auto cells = game->HintCells();
    ASSERT_TRUE(cells.has_value());
    EXPECT_EQ(cells->first, GraTaiPei::Cell(5, 0));
    EXPECT_EQ(cells->second, GraTaiPei::Cell(6, 1));
    ASSERT_TRUE(game->ShowHint());
    for (const int cell : {cells->first, cells->second}) {
        const QRect picture = game->TopTile(cell)->PictureRect();
        EXPECT_EQ(scene.pixel(picture.topLeft() - QPoint(CKostka::kFrameRings, CKostka::kFrameRings)), CKostka::kRed);
    }

    auto stuck = Make(Board({{3, 3, {"las", "las"}}}));
    EXPECT_FALSE(stuck->HintCells().has_value()) << "a pair in one stack is no free pair";
}

TEST_F(TaiPei, ChoosingTilesShowsInTheirFramesAndAWrongPairKeepsTheFirstChosen)
{
    auto game = Make(Board({{0, 0, {"las"}}, {6, 0, {"las"}}, {0, 4, {"lejek"}}, {6, 4, {"lejek"}}, {2, 2, {"lezak"}},
                            {3, 2, {"luneta"}}, {4, 2, {"lezak"}}}));
    CKostka& las = *game->TopTile(GraTaiPei::Cell(0, 0));
    CKostka& lejek = *game->TopTile(GraTaiPei::Cell(0, 4));
    const auto frame = [&](const CKostka& t) { return scene.pixel(t.PictureRect().topLeft() - QPoint(1, 1)); };

    game->Press(*game->TopTile(GraTaiPei::Cell(3, 2)));
    EXPECT_EQ(game->SelState(), GraTaiPei::kNothing) << "a tile that is not free cannot be chosen";
    game->Press(las);
    EXPECT_EQ(frame(las), CKostka::kGreen);
    game->Press(las);
    EXPECT_EQ(game->SelState(), GraTaiPei::kNothing) << "the chosen tile again drops the choice";
    EXPECT_EQ(frame(las), CKostka::kYellow) << "the mouse is still on it";
    EXPECT_TRUE(game->Tick().Idle()) << "nothing chosen, a free pair left: the tick does nothing";

    game->Press(las);
    game->Press(lejek);
    EXPECT_EQ(game->Tick().judgement, GraTaiPei::Judgement::Wrong);
    EXPECT_EQ(game->SelState(), GraTaiPei::kOneChosen);
    game->Leave(lejek);
    game->Leave(las);
    EXPECT_EQ(frame(lejek), CKostka::kWhite);
    EXPECT_EQ(frame(las), CKostka::kGreen);
}

TEST_F(TaiPei, TheTickHasWorkOnlyForAChosenPairAndTheTileUncoveredUnderTheMouseIsFramedAtOnce)
{
    auto game = Make(Board({{0, 0, {"lejek", "las"}}, {6, 0, {"las"}}, {6, 4, {"lejek"}}}));
    CKostka& covered = game->Tile(GraTaiPei::Cell(0, 0), 0);
    const auto frame = [&](const CKostka& t) { return scene.pixel(t.PictureRect().topLeft() - QPoint(1, 1)); };
    EXPECT_FALSE(game->NeedsTick()) << "a free pair and nothing chosen";
    game->Press(*game->TopTile(GraTaiPei::Cell(0, 0)));
    EXPECT_FALSE(game->NeedsTick()) << "one tile chosen waits for the second";
    game->Press(*game->TopTile(GraTaiPei::Cell(6, 0)));
    EXPECT_TRUE(game->NeedsTick());

    // The mouse rests where the upper tile was; it enters the lower one before that is free.
    game->Enter(covered);
    EXPECT_EQ(game->Tick().judgement, GraTaiPei::Judgement::Right);
    EXPECT_FALSE(game->NeedsTick()) << "the two lejek tiles are a free pair";
    game->DrawAll();
    game->FrameHovered();
    EXPECT_EQ(frame(covered), CKostka::kYellow);
    game->Leave(covered);
    game->DrawAll();
    game->FrameHovered();
    EXPECT_EQ(frame(covered), CKostka::kWhite) << "the mouse has gone";
}

TEST_F(TaiPei, AStuckBoardIsReshuffledWithinOneTick)
{
    mix = GraTaiPei::kMixLimit;  // the counter starts again from 100 on its next step
    auto game = Make(Board({{3, 3, {"las", "las"}}}));
    EXPECT_EQ(game->FreePairCount(), 0);
    const auto result = game->Tick();
    EXPECT_TRUE(result.reshuffled);
    EXPECT_EQ(result.judgement, GraTaiPei::Judgement::None);
    EXPECT_EQ(game->Height(GraTaiPei::Cell(3, 3)), 1) << "the upper tile moved away";
    EXPECT_EQ(game->CellsInUse(), 2);
    EXPECT_EQ(game->FreePairCount(), 1);
    EXPECT_EQ(mix, GraTaiPei::kMixRestart);
    EXPECT_EQ(host.areas, 2 + 2) << "the tiles are built again";
    EXPECT_TRUE(game->Tick().Idle()) << "with a free pair the next tick does nothing";
}

TEST_F(TaiPei, AFrameOverAHigherStackBelowIsOpenAndShorterTheHigherItIs)
{
    auto game = Make(Board({{1, 1, {"las"}}, {1, 2, {"las"}}, {3, 1, {"las"}}, {3, 2, Tiles(2)}, {5, 1, {"las"}}, {5, 2, Tiles(3)}}));
    EXPECT_EQ(game->OpenBottom(*game->TopTile(GraTaiPei::Cell(1, 1))), CKostka::kClosed) << "equal below";
    const int oneHigher = game->OpenBottom(*game->TopTile(GraTaiPei::Cell(3, 1)));
    const int twoHigher = game->OpenBottom(*game->TopTile(GraTaiPei::Cell(5, 1)));
    ASSERT_NE(oneHigher, CKostka::kClosed);
    EXPECT_EQ(oneHigher - twoHigher, GraTaiPei::kLayerLift);
    EXPECT_LT(oneHigher, game->TopTile(GraTaiPei::Cell(3, 1))->Rect().bottom());

    // Hovered, the open frame leaves the lower tile's picture untouched.
    CKostka& over = *game->TopTile(GraTaiPei::Cell(5, 1));
    game->DrawAll();
    const QImage before = scene.copy();
    game->Enter(over);
    const QRect below = game->TopTile(GraTaiPei::Cell(5, 2))->Rect();
    EXPECT_EQ(scene.copy(below), before.copy(below));
    EXPECT_EQ(scene.pixel(over.PictureRect().topLeft() - QPoint(2, 2)), CKostka::kYellow);
}

TEST_F(TaiPei, ATileWithoutItsPictureStopsTheGameWithCode1)
{
    try {
        Make(Board({{0, 0, {"las"}}, {1, 0, {"nosuchword"}}}));
        ADD_FAILURE() << "no error";
    } catch (const CBlad& error) {
        EXPECT_EQ(error.Code, 1);
    }
}

TEST_F(TaiPei, EachLevelDealsTwoTilesOfEachOfItsWordsOnDifferentCells)
{
    std::vector<SPaczka> catalogue;
    for (int i = 0; i < 15; ++i)
        catalogue.push_back(MakeWord(QStringLiteral("w%1").arg(i), "_l,", glos::L | glos::Naglos));
    CSlowa words(catalogue);
    CUstGry settings(QStringLiteral("Taipei"));
    settings.Gloski = glos::L;
    settings.Pozycja = glos::Naglos;
    words.SelectBySettings(settings);
    const struct {
        int level, tiles;
    } levels[] = {{1, 10}, {2, 20}, {3, 30}, {0, 0}, {4, 0}};
    for (const auto& l : levels) {
        ASSERT_TRUE(words.DrawWords(std::clamp(l.level * 5, 0, 15)));
        const TaiPeiDeal deal = DealBoard(words, l.level, services.random);
        QMap<QString, QList<int>> cellsOf;
        int tiles = 0;
        for (int cell = 0; cell < kTaiPeiCells; ++cell)
            for (const QString& name : deal[size_t(cell)]) {
                cellsOf[name].append(cell);
                ++tiles;
            }
        EXPECT_EQ(tiles, l.tiles) << "level " << l.level;
        EXPECT_EQ(cellsOf.size(), l.tiles / 2) << "level " << l.level;
        for (const auto& cells : cellsOf) {
            ASSERT_EQ(cells.size(), 2);
            EXPECT_NE(cells[0], cells[1]) << "the two tiles of a word lie on different cells";
        }
    }
}

}  // namespace
