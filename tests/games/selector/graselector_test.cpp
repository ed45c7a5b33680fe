// SPDX-License-Identifier: GPL-3.0-or-later
// The picture-and-say engine without a window: tiles and slots from the catalogue's splits, the slot
// row in both layouts, judging a filled row, the hint, the stop timer, the pile swap and the braking
// stepper of the glide.
#include "games/selector/Graselector.h"
#include "games/selector/_chamowanie.h"
#include "settings/_custgry.h"
#include "platform/picturestore.h"
#include "results/_cstatrec.h"
#include "shell/Cdisplay.h"
#include "support/fakeservices.h"
#include "support/programfolder.h"
#include "words/_cslowa.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

const CDisplay& Screen = brimbola::Display;

struct FakeArea : CTileArea {
    QRect rect;
    bool visible = false;
    int frontStamp = 0;
    int* clock = nullptr;
    void SetRect(const QRect& r) override { rect = r; }
    void SetVisible(bool v) override { visible = v; }
    bool IsVisible() const override { return visible; }
    void BringToFront() override { frontStamp = ++*clock; }
};

struct FakeHost : CSelectorHost {
    int frontClock = 0;
    std::unique_ptr<CTileArea> NewTileArea(CPrzGloska&) override
    {
        auto area = std::make_unique<FakeArea>();
        area->clock = &frontClock;
        return area;
    }
};

FakeArea& Area(const CPrzGloska& tile)
{
    return static_cast<FakeArea&>(tile.HitArea());
}

SPaczka CatalogueWord(const QString& name)
{
    const CSlowa catalogue;
    for (const SPaczka& word : catalogue.Catalogue())
        if (word.Name == name)
            return word;
    ADD_FAILURE() << "no catalogue word " << name.toStdString();
    return {};
}

class Engine : public ::testing::Test {
protected:
    void SetUp() override
    {
        FillDisplayFromScreen();
        ResetSharedPictureStore(folder.File("Data/Res"));
        settings.Gloski = 0xFF | glos::Saucer;
        settings.Pozycja = glos::Naglos | glos::Srodglos | glos::Wyglos;
    }
    void TearDown() override { ResetSharedPictureStore(); }

    // An engine over the given words drawn in the given order, on the first word.
    GraSelector& Play(std::vector<SPaczka> catalogue)
    {
        const int n = int(catalogue.size());
        words = std::make_unique<CSlowa>(std::move(catalogue));
        words->SelectBySettings(settings);
        // With as many words as candidates every word is drawn; the order is the draw's.
        EXPECT_TRUE(words->DrawWords(n));
        engine = std::make_unique<GraSelector>(host, *words, stats);
        scene = QImage(Screen.DesignWidth, Screen.DesignHeight, QImage::Format_RGB32);
        scene.fill(qRgb(10, 20, 30));
        snapshot = scene;
        engine->SetCanvases(&scene, &snapshot);
        const QPoint at = GraSelector::PicturePosition();
        engine->SetPicturePosition(at.x(), at.y());
        engine->BuildWord();
        return *engine;
    }

    // Places tile `tile` into slot `slot`, as a drop does.
    void Lay(int tile, int slot) { engine->Slots()[size_t(slot)].SetOccupant(engine->Tiles()[size_t(tile)].get()); }

    ProgramFolder folder{ProgramFolder::Assets::Generated};
    InFolder inFolder{folder.Path()};
    TestServices services;
    CUstGry settings{"Selector"};
    CStatRec stats{CStatRec::kProgramId, folder.Path()};
    FakeHost host;
    std::unique_ptr<CSlowa> words;
    std::unique_ptr<GraSelector> engine;
    QImage scene, snapshot;
};

TEST(SplitText, PiecesMarksEmptyPiecesAndAnUnendedLastPiece)
{
    const auto lornetka = SplitPieces("_l,o,_r,n,e,t,k,a,");
    ASSERT_EQ(lornetka.size(), 8u);
    QString joined;
    for (const auto& p : lornetka)
        joined += p.letter;
    EXPECT_EQ(joined, "lornetka");
    EXPECT_TRUE(lornetka[0].red);
    EXPECT_FALSE(lornetka[1].red);
    EXPECT_TRUE(lornetka[2].red);

    const auto odd = SplitPieces(",,ż,,sz,_rz");
    ASSERT_EQ(odd.size(), 3u);
    EXPECT_EQ(odd[0].letter, "ż");
    EXPECT_EQ(odd[1].letter, "sz");
    EXPECT_EQ(odd[2].letter, "rz");
    EXPECT_TRUE(odd[2].red);
    EXPECT_TRUE(SplitPieces("").empty());
    EXPECT_TRUE(SplitPieces(",,,").empty());
}

TEST_F(Engine, BuildsOneTileAndOneSlotPerLetterWithRedPracticedSounds)
{
    GraSelector& game = Play({CatalogueWord("lornetka")});
    EXPECT_EQ(game.WordName(), "lornetka");
    EXPECT_EQ(game.Caption(), "lornetka");
    ASSERT_EQ(game.Tiles().size(), 8u);
    EXPECT_EQ(game.Slots().size(), 8u);
    const QString suffix = SizeSuffix();
    QImage redL, plainO;
    ASSERT_TRUE(OtworzBMP("l_red" + suffix, redL));
    ASSERT_TRUE(OtworzBMP("o" + suffix, plainO));
    EXPECT_EQ(game.Tiles()[0]->Picture(), redL);
    EXPECT_EQ(game.Tiles()[1]->Picture(), plainO);
    EXPECT_NE(game.Tiles()[0]->Picture(), game.Tiles()[7]->Picture());
    for (const CPusGloska& slot : game.Slots()) {
        EXPECT_EQ(slot.Occupant(), nullptr);
        EXPECT_TRUE(slot.Letter().isEmpty());
    }
    // Each tile's mouse area is its picture's rectangle and can be taken.
    EXPECT_EQ(Area(*game.Tiles()[3]).rect, QRect(0, 0, plainO.width(), plainO.height()));
    EXPECT_TRUE(Area(*game.Tiles()[3]).visible);
}

TEST_F(Engine, ATileOfSeveralLettersFillsOneSlotAndPolishLettersFindTheirPictures)
{
    GraSelector& game = Play({MakeWord("rzeka", "_rz,e,k,a,", glos::Naglos | glos::R),
                              MakeWord("lezak", "_l,e,ż,a,k,", glos::Naglos | glos::L)});
    const int rzeka = game.WordName() == "rzeka" ? 0 : 1;
    if (rzeka == 1)
        game.NextWord();
    game.BuildWord();
    ASSERT_EQ(game.Tiles().size(), 4u);
    EXPECT_EQ(game.Tiles()[0]->Letter(), "rz");
    EXPECT_EQ(game.Caption(), "rzeka");
    if (rzeka == 1)
        game.PrevWord();
    else
        game.NextWord();
    game.BuildWord();
    QImage zz;
    ASSERT_TRUE(OtworzBMP("zz" + SizeSuffix(), zz));
    EXPECT_EQ(game.Tiles()[2]->Letter(), "ż");
    EXPECT_EQ(game.Tiles()[2]->Picture(), zz);
}

TEST_F(Engine, SlotsLieInARowUnderThePictureInEitherLayout)
{
    GraSelector& game = Play({MakeWord("test", "t,e,s,t,", glos::Naglos | glos::L)});
    game.DrawSlots(scene);
    std::vector<int> xs;
    for (const CPusGloska& slot : game.Slots()) {
        xs.push_back(slot.x);
        EXPECT_EQ(slot.y, Screen.IsSmall() ? 398 : 503);
    }
    if (Screen.IsSmall())
        EXPECT_EQ(xs, (std::vector<int>{296, 352, 408, 464}));
    else
        EXPECT_EQ(xs, (std::vector<int>{384, 451, 518, 585}));
    EXPECT_EQ(GraSelector::CellSize(), Screen.IsSmall() ? 44 : 55);
}

TEST_F(Engine, SlotFramesAreFourRingsRedWhenEmptyYellowWhenTaken)
{
    GraSelector& game = Play({CatalogueWord("las")});
    Lay(1, 1);
    game.DrawSlots(scene);
    const int c = GraSelector::CellSize();
    const QRgb background = qRgb(10, 20, 30);
    for (int i = 0; i < 3; ++i) {
        const CPusGloska& slot = game.Slots()[size_t(i)];
        const QRgb ring = i == 1 ? qRgb(255, 255, 0) : qRgb(255, 0, 0);
        for (int k = 1; k <= 4; ++k) {
            EXPECT_EQ(scene.pixel(slot.x - k, slot.y + c / 2), ring) << "left ring " << k;
            EXPECT_EQ(scene.pixel(slot.x + c - 1 + k, slot.y + c / 2), ring) << "right ring " << k;
            EXPECT_EQ(scene.pixel(slot.x + c / 2, slot.y - k), ring) << "top ring " << k;
            EXPECT_EQ(scene.pixel(slot.x + c / 2, slot.y + c - 1 + k), ring) << "bottom ring " << k;
        }
        EXPECT_EQ(scene.pixel(slot.x, slot.y), background) << "the cell is not painted";
        EXPECT_EQ(scene.pixel(slot.x + c - 1, slot.y + c - 1), background);
        EXPECT_EQ(scene.pixel(slot.x - 5, slot.y + c / 2), background);
        EXPECT_EQ(scene.pixel(slot.x + c + 4, slot.y + c / 2), background);
    }
}

TEST_F(Engine, EqualLettersMayStandInEachOthersPlaces)
{
    GraSelector& game = Play({CatalogueWord("latarka")});
    ASSERT_EQ(game.Caption(), "latarka");
    // The three a tiles (1, 3, 6) laid in another order; every other tile in its own slot.
    const int order[7] = {0, 6, 2, 1, 4, 5, 3};
    for (int slot = 0; slot < 7; ++slot)
        Lay(order[slot], slot);
    EXPECT_EQ(game.CheckWord(), GraSelector::Check::AllSolved);
    EXPECT_EQ(stats.Correct(), 1);
    EXPECT_EQ(stats.Wrong(), 0);
    EXPECT_TRUE(game.IsSolved());
    EXPECT_FALSE(words->Drawn(0).IsPending());
    for (const auto& tile : game.Tiles())
        EXPECT_FALSE(Area(*tile).visible) << "a solved word's tiles cannot be taken";
}

TEST_F(Engine, AWrongRowCountsEachTimeAndAnIncompleteRowIsNotJudged)
{
    GraSelector& game = Play({CatalogueWord("las")});
    Lay(0, 0);
    Lay(1, 1);
    EXPECT_EQ(game.CheckWord(), GraSelector::Check::Incomplete);
    EXPECT_EQ(stats.Wrong(), 0);

    Lay(2, 1);
    Lay(1, 2);  // "lsa"
    EXPECT_EQ(game.CheckWord(), GraSelector::Check::Wrong);
    EXPECT_EQ(game.CheckWord(), GraSelector::Check::Wrong);
    EXPECT_EQ(stats.Wrong(), 2);
    EXPECT_EQ(stats.Correct(), 0);
    EXPECT_FALSE(game.IsSolved());
    EXPECT_TRUE(Area(*game.Tiles()[0]).visible);
}

TEST_F(Engine, OnlyTheLastWordSolvedSolvesTheGame)
{
    GraSelector& game = Play({CatalogueWord("las"), CatalogueWord("luneta")});
    for (int i = 0; i < int(game.Tiles().size()); ++i)
        Lay(i, i);
    EXPECT_EQ(game.CheckWord(), GraSelector::Check::Solved);
    EXPECT_FALSE(game.AllSolved());
    ASSERT_TRUE(game.NextWord());
    game.BuildWord();
    for (int i = 0; i < int(game.Tiles().size()); ++i)
        Lay(i, i);
    EXPECT_EQ(game.CheckWord(), GraSelector::Check::AllSolved);
    EXPECT_EQ(stats.Correct(), 2);
}

TEST_F(Engine, ResetTilesShufflesOntoThePileAndEmptiesTheSlots)
{
    GraSelector& game = Play({CatalogueWord("lokomotywa")});
    Lay(0, 0);
    std::vector<CPrzGloska*> before;
    for (const auto& t : game.Tiles())
        before.push_back(t.get());
    game.ResetTiles();
    std::vector<CPrzGloska*> after;
    int lastStamp = 0;
    for (const auto& t : game.Tiles()) {
        after.push_back(t.get());
        EXPECT_EQ(QPoint(t->X(), t->Y()), GraSelector::PilePosition());
        EXPECT_EQ(Area(*t).rect.topLeft(), GraSelector::PilePosition());
        EXPECT_TRUE(Area(*t).visible);
        // Later tiles are above earlier ones for the mouse too.
        EXPECT_GT(Area(*t).frontStamp, lastStamp);
        lastStamp = Area(*t).frontStamp;
    }
    EXPECT_NE(after, before) << "ten tiles kept their order";
    EXPECT_TRUE(std::is_permutation(after.begin(), after.end(), before.begin()));
    for (int i = 0; i < int(game.Slots().size()); ++i) {
        const CPusGloska& slot = game.Slots()[size_t(i)];
        EXPECT_EQ(slot.Occupant(), nullptr);
        EXPECT_EQ(scene.pixel(slot.x - 1, slot.y), qRgb(255, 0, 0));
    }
}

TEST_F(Engine, ThePictureIsHitOnlyStrictlyInsideAndThenWaitsAgain)
{
    GraSelector& game = Play({CatalogueWord("las")});
    for (int i = 0; i < 3; ++i)
        Lay(i, i);
    ASSERT_EQ(game.CheckWord(), GraSelector::Check::AllSolved);
    const int w = game.Mask().width(), h = game.Mask().height();
    ASSERT_GT(w, 0);
    const int x0 = game.PictureX(), y0 = game.PictureY();
    EXPECT_FALSE(game.HitPicture(x0, y0 + h / 2));
    EXPECT_FALSE(game.HitPicture(x0 + w, y0 + h / 2));
    EXPECT_FALSE(game.HitPicture(x0 + w / 2, y0));
    EXPECT_FALSE(game.HitPicture(x0 + w / 2, y0 + h));
    EXPECT_TRUE(game.IsSolved());
    EXPECT_TRUE(game.HitPicture(x0 + 1, y0 + h - 1));
    EXPECT_FALSE(game.IsSolved());
    EXPECT_FALSE(game.AllSolved());
}

TEST_F(Engine, ThePictureShowsThroughItsMaskOverTheBackground)
{
    GraSelector& game = Play({CatalogueWord("las")});
    ASSERT_TRUE(Screen.IsSmall() ? words->LoadSmallPictures() : words->LoadBigPictures());
    const QImage before = scene;
    game.DrawPicture();
    const QImage& picture = game.CurrentPicture();
    const QImage mask = game.Mask().convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(picture.isNull());
    ASSERT_EQ(picture.size(), mask.size());
    int shown = 0, through = 0;
    for (int y = 0; y < mask.height(); y += 7)
        for (int x = 0; x < mask.width(); x += 7) {
            const QPoint at(game.PictureX() + x, game.PictureY() + y);
            const QRgb expected = ((before.pixel(at) | mask.pixel(x, y)) & picture.pixel(x, y)) | 0xFF000000;
            ASSERT_EQ(scene.pixel(at), expected) << x << "," << y;
            shown += mask.pixel(x, y) == 0xFFFFFFFF;
            through += scene.pixel(at) == before.pixel(at);
        }
    EXPECT_GT(shown, 0);
    EXPECT_GT(through, 0) << "the background shows outside the picture's frame";
    EXPECT_EQ(scene.pixel(game.PictureX() - 1, game.PictureY() - 1), before.pixel(game.PictureX() - 1, game.PictureY() - 1));
}

TEST_F(Engine, WithoutAMaskFileTheSlotsKeepTheirSizeAndNothingIsHit)
{
    folder.Detach("Data/Bion");
    folder.Remove(Screen.IsSmall() ? "Data/Bion/_matr_shs.xji" : "Data/Bion/_matr_shb.xji");
    GraSelector& game = Play({CatalogueWord("las")});
    EXPECT_TRUE(game.Mask().isNull());
    EXPECT_EQ(GraSelector::CellSize(), Screen.IsSmall() ? 44 : 55);
    const QImage before = scene;
    game.DrawPicture();
    EXPECT_EQ(scene, before);
    EXPECT_FALSE(game.HitPicture(game.PictureX() + 5, game.PictureY() + 5));
}

TEST_F(Engine, WalkingThroughTheWordsStopsAtBothEnds)
{
    GraSelector& game = Play({CatalogueWord("las"), CatalogueWord("lejek"), CatalogueWord("luneta")});
    EXPECT_EQ(game.Last(), 2);
    EXPECT_TRUE(game.IsFirst());
    EXPECT_FALSE(game.PrevWord());
    EXPECT_TRUE(game.NextWord());
    EXPECT_TRUE(game.NextWord());
    EXPECT_TRUE(game.IsLast());
    EXPECT_FALSE(game.NextWord());
    EXPECT_EQ(game.Current(), 2);
    EXPECT_TRUE(game.PrevWord());
    EXPECT_EQ(game.Current(), 1);
}

TEST_F(Engine, OnlyTheTopOfThePileSwapsWithAnotherPileTile)
{
    GraSelector& game = Play({CatalogueWord("luneta")});
    game.ResetTiles();
    auto& tiles = game.Tiles();
    // A tile in a slot is not on the pile: nothing happens.
    tiles[0]->SetPosition(100, 100);
    const QString away = tiles[0]->Letter();
    game.SwapFromPile(*tiles[0]);
    EXPECT_EQ(tiles[0]->Letter(), away);

    // With every other tile away, the pile's only tile has nothing to swap with.
    for (size_t i = 1; i + 1 < tiles.size(); ++i)
        tiles[i]->SetPosition(200, 200);
    const QString only = tiles.back()->Letter();
    game.SwapFromPile(*tiles.back());
    EXPECT_EQ(tiles.back()->Letter(), only);

    // With two on the pile they trade letters and pictures, not places.
    tiles[1]->SetPosition(game.PileX(), game.PileY());
    const QString second = tiles[1]->Letter();
    const QImage secondPicture = tiles[1]->Picture();
    // The walk from a random start may meet the clicked tile first, which changes nothing; the
    // child clicks again.
    int clicks = 0;
    while (tiles.back()->Letter() == only && clicks < 50) {
        game.SwapFromPile(*tiles.back());
        ++clicks;
        EXPECT_TRUE(tiles.back()->Letter() == only || tiles.back()->Letter() == second);
    }
    EXPECT_EQ(tiles.back()->Letter(), second);
    EXPECT_EQ(tiles.back()->Picture(), secondPicture);
    EXPECT_EQ(tiles[1]->Letter(), only);
    EXPECT_EQ(QPoint(tiles.back()->X(), tiles.back()->Y()), QPoint(game.PileX(), game.PileY()));
}

TEST(Braking, TenStepsEaseOutAndLandOnTheTarget)
{
    CHamowanie brake;
    brake.Start(0, 100, 10);
    const float expected[10] = {19, 36, 51, 64, 75, 84, 91, 96, 99, 100};
    for (float value : expected)
        EXPECT_NEAR(brake.Next(), value, 1e-3);
    EXPECT_FLOAT_EQ(brake.Next(), 100);
    EXPECT_FLOAT_EQ(brake.Next(), 100);

    brake.Start(490, 398, 10);  // back up the screen
    EXPECT_NEAR(brake.Next(), 490 - 0.19f * 92, 1e-3);

    brake.Start(5, 7, 0);
    EXPECT_EQ(brake.Total(), 1);
    EXPECT_FLOAT_EQ(brake.Next(), 7);
    brake.Start(5, 7, -3);
    EXPECT_FLOAT_EQ(brake.Next(), 7);
}

}  // namespace
