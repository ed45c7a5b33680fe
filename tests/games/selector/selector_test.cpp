// SPDX-License-Identifier: GPL-3.0-or-later
// The picture-and-say window through real mouse and key events on the offscreen screen: its place
// and buttons, walking through the words, the tiles dragged into slots, onto taken slots and back to
// the pile, Shift and the right button, the hint, the double-click on a solved word, Esc and the
// summary's two answers.
#include "games/gametable.h"
#include "games/selector/Selector.h"
#include "games/selector/selectordriver.h"
#include "gfx/_cprzycisk.h"
#include "settings/_custgry.h"
#include "platform/picturestore.h"
#include "results/Koniecgry.h"
#include "results/_cstatrec.h"
#include "shell/Cdisplay.h"
#include "app/shared.h"
#include "menu/menuwindows.h"
#include "support/programundertest.h"
#include "words/_cslowa.h"

#include <QFile>
#include <QKeyEvent>
#include <QTimer>
#include <gtest/gtest.h>

using namespace selectortest;

namespace {

const CDisplay& Screen = brimbola::Display;

class SelectorWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(program.Start());
        // The menu selects the candidates before it opens the game.
        Slowa->SelectBySettings(UstSelector);
        ASSERT_GE(Slowa->CandidateCount(), UstSelector.Poziom * GameOfTab(TfmSelector::kTab)->wordsPerLevel);
        window = dynamic_cast<TfmSelector*>(program.Main()->GameWindow(TfmSelector::kTab));
        ASSERT_NE(window, nullptr) << "start-up makes the game's window";
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        QObject::connect(FormKoniecGry.get(), &CModalWindow::Opened, [this] {
            ++summaries;
            QTimer::singleShot(0, [this] {
                CPrzyciskP* b = summaryAnswer == TfmKoniecGry::kResultStart ? FormKoniecGry->StartButton()
                                                                          : FormKoniecGry->StopButton();
                QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(b->width() / 2, b->height() / 2));
            });
        });
    }

    GraSelector& Game() { return *window->Engine(); }
    CPrzGloska& Tile(int i) { return *Game().Tiles()[size_t(i)]; }
    // A tile of the pile that will not land in slot `slot` by its letter alone.
    CPrzGloska& TileFor(int slot)
    {
        for (const auto& t : Game().Tiles())
            if (Game().SlotOf(t.get()) < 0 && t->Letter() == Game().Caption().mid(slot, t->Letter().size()))
                return *t;
        ADD_FAILURE() << "no tile for slot " << slot;
        return Tile(0);
    }
    QPoint SlotAt(int i) { return QPoint(Game().Slots()[size_t(i)].x, Game().Slots()[size_t(i)].y); }
    QPoint Pile() { return QPoint(Game().PileX(), Game().PileY()); }
    QPoint At(const CPrzGloska& tile) { return QPoint(tile.X(), tile.Y()); }

    ProgramUnderTest program;
    TfmSelector* window = nullptr;
    int summaries = 0;
    int summaryAnswer = TfmKoniecGry::kResultStop;
};

TEST_F(SelectorWindow, SitsOnTheDesignAreaWithItsButtonsAndTheFirstWordOnThePile)
{
    EXPECT_EQ(window->windowTitle(), "Podpisz i Powiedz");
    EXPECT_EQ(window->geometry(), QRect(Screen.OffsetX, Screen.OffsetY, Screen.DesignWidth, Screen.DesignHeight));
    const bool small = Screen.IsSmall();
    EXPECT_EQ(window->HelpButton()->pos(), small ? QPoint(720, 85) : QPoint(922, 109));
    EXPECT_EQ(window->StopButton()->pos(), small ? QPoint(724, 160) : QPoint(926, 205));
    EXPECT_EQ(window->NextButton()->pos(), small ? QPoint(720, 235) : QPoint(922, 301));
    EXPECT_EQ(window->PrevButton()->pos(), small ? QPoint(720, 310) : QPoint(922, 397));
    EXPECT_TRUE(window->PrevButton()->isHidden()) << "no previous word on the first";
    EXPECT_FALSE(window->NextButton()->isHidden());
    EXPECT_FALSE(window->HelpButton()->isHidden());
    EXPECT_EQ(Slowa->DrawnCount(), UstSelector.Poziom * GameOfTab(TfmSelector::kTab)->wordsPerLevel);
    EXPECT_EQ(StatRec->GameCode(), CStatRec::kGameOther);
    EXPECT_TRUE(StatRec->Active());
    ASSERT_FALSE(Game().Tiles().empty());
    for (const auto& t : Game().Tiles()) {
        EXPECT_EQ(At(*t), Pile());
        EXPECT_EQ(Widget(*t)->geometry(), t->Rect());
        EXPECT_TRUE(Widget(*t)->isVisible());
    }
    // On screen after the paint: the top tile of the pile, the word's picture where its mask is
    // white, and the background's corner.
    QCoreApplication::processEvents();
    const CPrzGloska& top = *Game().Tiles().back();
    EXPECT_EQ(window->Canvas().copy(top.Rect()), top.Picture().convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(window->Canvas().pixel(2, 2), window->BackgroundPicture().pixel(2, 2));
    const QImage& picture = small ? Slowa->Drawn(0).SmallPicture : Slowa->Drawn(0).BigPicture;
    ASSERT_FALSE(picture.isNull());
    const QPoint middle(picture.width() / 2, picture.height() / 2);
    EXPECT_EQ(window->Canvas().pixel(Game().PictureX() + middle.x(), Game().PictureY() + middle.y()),
              picture.pixel(middle));
}

TEST_F(SelectorWindow, NextAndPreviousHideAtTheEndsAndASolvedWordComesBackFilledIn)
{
    const int last = Slowa->DrawnCount() - 1;
    SolveCurrentWord(Game());
    ASSERT_TRUE(Game().IsSolved());
    for (int i = 0; i < last; ++i) {
        EXPECT_FALSE(window->NextButton()->isHidden()) << i;
        Click(window->NextButton());
    }
    EXPECT_EQ(Game().Current(), last);
    EXPECT_TRUE(window->NextButton()->isHidden());
    EXPECT_FALSE(window->PrevButton()->isHidden());
    EXPECT_FALSE(window->HelpButton()->isHidden());
    for (int i = 0; i < last; ++i)
        Click(window->PrevButton());
    EXPECT_EQ(Game().Current(), 0);
    EXPECT_TRUE(window->PrevButton()->isHidden());
    // The solved first word stands in its slots, in order, and cannot be taken; no help offered.
    EXPECT_TRUE(window->HelpButton()->isHidden());
    for (int i = 0; i < int(Game().Slots().size()); ++i) {
        EXPECT_EQ(At(*Game().Slots()[size_t(i)].Occupant()), SlotAt(i));
        EXPECT_TRUE(Widget(*Game().Slots()[size_t(i)].Occupant())->isHidden());
    }
    EXPECT_EQ(window->Canvas().pixel(SlotAt(0) - QPoint(1, 1)), qRgb(255, 255, 0));
}

TEST_F(SelectorWindow, ATileDroppedNearAFreeSlotFillsItAndAFullCorrectRowSolvesTheWord)
{
    CPrzGloska& first = TileFor(0);
    DragTile(first, SlotAt(0) + QPoint(20, -25));
    EXPECT_EQ(Game().Slots()[0].Occupant(), &first);
    EXPECT_EQ(At(first), SlotAt(0));
    EXPECT_EQ(Widget(first)->pos(), SlotAt(0));
    EXPECT_EQ(window->SceneCanvas().pixel(SlotAt(0) - QPoint(1, 1)), qRgb(255, 255, 0));
    EXPECT_EQ(window->SceneCanvas().pixel(SlotAt(1) - QPoint(1, 1)), qRgb(255, 0, 0));

    SolveCurrentWord(Game());
    EXPECT_TRUE(Game().IsSolved());
    EXPECT_EQ(StatRec->Correct(), 1);
    EXPECT_EQ(StatRec->Wrong(), 0);
    EXPECT_TRUE(window->HelpButton()->isHidden());
    EXPECT_TRUE(program.services.sound.played.contains("Data/Smd/" + Game().WordName() + ".pw"));
    for (const auto& t : Game().Tiles())
        EXPECT_TRUE(Widget(*t)->isHidden());
    // Where the help button stood the background shows again.
    const QPoint help = window->HelpButton()->pos() + QPoint(5, 5);
    EXPECT_EQ(window->SceneCanvas().pixel(help), window->BaseCanvas().pixel(help));
}

TEST_F(SelectorWindow, ATileDroppedOnATakenSlotRestsAboveItUnjudged)
{
    const int n = int(Game().Slots().size());
    // Every slot but the last filled wrongly is fine: only the row's completion is judged.
    for (int slot = 0; slot + 1 < n; ++slot)
        DragTile(TileFor(slot), SlotAt(slot));
    CPrzGloska& lastTile = TileFor(n - 1);
    DragTile(lastTile, SlotAt(0) + QPoint(-25, 25));
    EXPECT_EQ(At(lastTile), SlotAt(0) - QPoint(0, GraSelector::kRestAbove));
    EXPECT_EQ(Widget(lastTile)->pos(), At(lastTile));
    EXPECT_EQ(Game().SlotOf(&lastTile), -1);
    EXPECT_EQ(StatRec->Wrong(), 0);
    EXPECT_EQ(StatRec->Correct(), 0);
    EXPECT_TRUE(program.services.sound.played.isEmpty());
}

TEST_F(SelectorWindow, AFullWrongRowCountsOnceEachTimeItIsCompleted)
{
    const int n = int(Game().Slots().size());
    // The tiles laid in the reverse of the word's letters: wrong unless the word reads the same.
    std::vector<CPrzGloska*> order;
    for (int slot = n - 1; slot >= 0; --slot) {
        CPrzGloska& t = TileFor(slot);
        order.push_back(&t);
        Game().Slots()[size_t(slot)].SetOccupant(&t);  // reserved, so TileFor moves on
    }
    for (auto& slot : Game().Slots())
        slot.SetOccupant(nullptr);
    for (int slot = 0; slot < n; ++slot)
        DragTile(*order[size_t(slot)], SlotAt(slot));
    QString laid;
    for (const auto& slot : Game().Slots())
        laid += slot.Letter();
    ASSERT_NE(laid, Game().Caption());
    EXPECT_EQ(StatRec->Wrong(), 1);
    EXPECT_FALSE(Game().IsSolved());
    // Out and back in again: judged again.
    CPrzGloska& moved = *order.back();
    DragTile(moved, SlotAt(n - 1) + QPoint(0, 150));
    EXPECT_EQ(Game().SlotOf(&moved), -1);
    EXPECT_EQ(window->SceneCanvas().pixel(SlotAt(n - 1) - QPoint(1, 1)), qRgb(255, 0, 0))
        << "an emptied slot is red again";
    DragTile(moved, SlotAt(n - 1));
    EXPECT_EQ(StatRec->Wrong(), 2);
}

TEST_F(SelectorWindow, ATileDroppedFarAwayGlidesBackInTenEasedSteps)
{
    CPrzGloska& tile = *Game().Tiles().back();
    const QPoint away(40, 60);
    program.services.time.waits.clear();
    DragTile(tile, away);
    EXPECT_EQ(program.services.time.waits, std::vector<int>(10, TfmSelector::kGlideStepMs));
    EXPECT_EQ(At(tile), Pile());
    EXPECT_EQ(Widget(tile)->pos(), Pile());
    EXPECT_EQ(Game().Tiles().back().get(), &tile) << "it stays on top";
    // On the scene the tile stands on the pile and nowhere on the way.
    EXPECT_EQ(window->SceneCanvas().copy(tile.Rect()), tile.Picture().convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(window->SceneCanvas().copy(QRect(away, tile.Picture().size())),
              window->SnapshotCanvas().copy(QRect(away, tile.Picture().size())));
}

TEST_F(SelectorWindow, EachDragStepShowsOnlyTheOldPlaceWithItsMarginAndTheNewPlace)
{
    CPrzGloska& tile = *Game().Tiles().back();
    QCoreApplication::processEvents();
    const QImage before = window->Canvas().copy();
    const QRect old = tile.Rect();
    PressAndMove(tile, Pile() - QPoint(200, 150), 1);
    const QRect shown = old.adjusted(-5, -5, 5, 5);
    // Inside the margin the screen took the scene (the tile gone from there), and the tile shows at
    // its new place though it jumped far in one step; elsewhere the screen is as it was.
    EXPECT_EQ(window->Canvas().copy(shown), window->SceneCanvas().copy(shown));
    EXPECT_NE(window->Canvas().copy(old), before.copy(old));
    const QImage picture = tile.Picture().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(window->SceneCanvas().copy(tile.Rect()), picture);
    EXPECT_EQ(window->Canvas().copy(tile.Rect()), picture);
    const QRect elsewhere(QPoint(0, 0), QSize(old.left() - 10, 40));
    EXPECT_EQ(window->Canvas().copy(elsewhere), before.copy(elsewhere));
    EXPECT_EQ(Widget(tile)->pos(), old.topLeft()) << "the mouse area waits for the drop";
    Release(tile);
}

TEST_F(SelectorWindow, ShiftHoldsTheTileStillAndTheReleaseDropsItWhereItWasDrawn)
{
    CPrzGloska& tile = TileFor(0);
    PressAndMove(tile, SlotAt(0) + QPoint(0, 80), 2);
    const QPoint drawn = At(tile);
    EXPECT_EQ(drawn, SlotAt(0) + QPoint(0, 80));
    QWidget* area = Widget(tile);
    QTest::mouseEvent(QTest::MouseMove, area, Qt::NoButton, Qt::ShiftModifier, SlotAt(0) + kHold - area->pos());
    EXPECT_EQ(At(tile), drawn) << "Shift stops the drag";
    program.services.time.waits.clear();
    Release(tile);
    // Dropped 80 pixels below the slot: too far, so it glides home.
    EXPECT_EQ(program.services.time.waits.size(), size_t(TfmSelector::kGlideSteps));
    EXPECT_EQ(Game().SlotOf(&tile), -1);
}

TEST_F(SelectorWindow, TheRightButtonSwapsOnlyOnThePileAndGrabbingOutOfASlotEmptiesIt)
{
    CPrzGloska& placed = TileFor(0);
    DragTile(placed, SlotAt(0));
    ASSERT_EQ(Game().SlotOf(&placed), 0);
    const QString letter = placed.Letter();
    QTest::mouseClick(Widget(placed), Qt::RightButton, {}, kHold);
    QTest::mouseDClick(Widget(placed), Qt::LeftButton, {}, kHold);
    EXPECT_EQ(placed.Letter(), letter);

    // The top of the pile shows another pile letter sooner or later; the set of letters stays.
    CPrzGloska* onTop = nullptr;
    for (const auto& t : Game().Tiles())
        if (At(*t) == Pile())
            onTop = t.get();
    ASSERT_NE(onTop, nullptr);
    CPrzGloska& top = *onTop;
    QStringList letters;
    for (const auto& t : Game().Tiles())
        letters << t->Letter();
    letters.sort();
    const QString was = top.Letter();
    bool changed = false;
    for (int i = 0; i < 40 && !changed; ++i) {
        QTest::mouseClick(Widget(top), Qt::RightButton, {}, kHold);
        changed = top.Letter() != was;
    }
    QStringList after;
    for (const auto& t : Game().Tiles())
        after << t->Letter();
    after.sort();
    EXPECT_EQ(after, letters);
    bool anotherLetterOnPile = false;
    for (const auto& t : Game().Tiles())
        anotherLetterOnPile |= At(*t) == Pile() && t->Letter() != was;
    EXPECT_EQ(changed, anotherLetterOnPile);

    // Taken out of its slot, the tile leaves the slot empty and red.
    PressAndMove(placed, SlotAt(0) + QPoint(0, 120), 2);
    EXPECT_EQ(Game().SlotOf(&placed), -1);
    EXPECT_EQ(window->SceneCanvas().pixel(SlotAt(0) - QPoint(1, 1)), qRgb(255, 0, 0));
    Release(placed);
}

TEST_F(SelectorWindow, HelpShowsTheAnswerCountsAHintAndShufflesAgain)
{
    Click(window->HelpButton());
    EXPECT_EQ(StatRec->Hints(), 1);
    EXPECT_TRUE(program.services.sound.played.contains("Data/Smd/" + Game().WordName() + ".pw"));
    EXPECT_FALSE(Game().IsSolved());
    EXPECT_FALSE(window->HelpButton()->isHidden());
    for (const auto& t : Game().Tiles()) {
        EXPECT_EQ(At(*t), Pile());
        EXPECT_FALSE(Widget(*t)->isHidden());
    }
    for (const auto& slot : Game().Slots())
        EXPECT_EQ(slot.Occupant(), nullptr);
}

TEST_F(SelectorWindow, ADoubleClickOnASolvedPictureSetsTheWordAgain)
{
    const QPoint inPicture(Game().PictureX() + 30, Game().PictureY() + 30);
    // A pending word: nothing happens, placed tiles stay.
    CPrzGloska& placed = TileFor(0);
    DragTile(placed, SlotAt(0));
    QTest::mouseDClick(window, Qt::LeftButton, {}, inPicture);
    EXPECT_EQ(Game().SlotOf(&placed), 0);

    SolveCurrentWord(Game());
    ASSERT_TRUE(Game().IsSolved());
    QTest::mouseDClick(window, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(Game().IsSolved()) << "outside the picture";
    QTest::mouseDClick(window, Qt::LeftButton, {}, inPicture);
    EXPECT_FALSE(Game().IsSolved());
    EXPECT_FALSE(window->HelpButton()->isHidden());
    for (const auto& t : Game().Tiles()) {
        EXPECT_EQ(At(*t), Pile());
        EXPECT_FALSE(Widget(*t)->isHidden());
    }
}

TEST_F(SelectorWindow, AMinuteAfterTheLastWordTheGameEndsItselfUnlessTheChildActs)
{
    for (;;) {
        SolveCurrentWord(Game());
        if (Game().IsLast())
            break;
        Click(window->NextButton());
    }
    ASSERT_TRUE(Game().AllSolved());
    // Going back a word stops the countdown for good.
    Click(window->PrevButton());
    program.services.time.Advance(TfmSelector::kStopAfterMs + 1000);
    EXPECT_EQ(summaries, 0);
    // Set again by a double-click and solved again: the countdown starts anew.
    QTest::mouseDClick(window, Qt::LeftButton, {}, QPoint(Game().PictureX() + 30, Game().PictureY() + 30));
    ASSERT_FALSE(Game().IsSolved());
    SolveCurrentWord(Game());
    program.services.time.Advance(TfmSelector::kStopAfterMs - 1);
    EXPECT_EQ(summaries, 0);
    program.services.time.Advance(1);
    EXPECT_EQ(summaries, 1);
    EXPECT_TRUE(window->isHidden());
    EXPECT_EQ(StatRec->Completed(), 1);
}

TEST_F(SelectorWindow, EscSavesTheStoppedGameAndStopClosesTheWindow)
{
    const qint64 sizeBefore = QFile(StatRec->FilePath()).size();
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_EQ(summaries, 1);
    EXPECT_TRUE(window->isHidden());
    EXPECT_EQ(window->Result(), TfmKoniecGry::kResultStop);
    EXPECT_EQ(QFile(StatRec->FilePath()).size(), sizeBefore + CStatRec::kRecordSize);
    EXPECT_EQ(StatRec->Completed(), 0) << "stopped with words left";
}

TEST_F(SelectorWindow, StartOnTheSummaryDrawsANewGameInTheSameWindow)
{
    summaryAnswer = TfmKoniecGry::kResultStart;
    SolveCurrentWord(Game());
    ASSERT_EQ(StatRec->Correct(), 1);
    Click(window->StopButton());
    EXPECT_EQ(summaries, 1);
    EXPECT_FALSE(window->isHidden());
    EXPECT_TRUE(StatRec->Active());
    EXPECT_FALSE(Slowa->AllDealtWith());
    EXPECT_EQ(StatRec->Correct(), 0) << "a new game is counted afresh";
    EXPECT_EQ(Game().Current(), 0);
    EXPECT_FALSE(Game().IsSolved());
}

}  // namespace

namespace {

// Esc pressed while the last word is praised is handled inside the praise's handler. The round ends
// there once, whatever the summary's answer; nothing of it runs afterwards (no second summary or
// record a minute later, no use of the retired word under the sanitizers).
class EscDuringThePraise : public SelectorWindow, public ::testing::WithParamInterface<int> {};

TEST_P(EscDuringThePraise, EndsTheRoundOnce)
{
    summaryAnswer = GetParam();
    const qint64 sizeBefore = QFile(StatRec->FilePath()).size();
    program.services.sound.whilePlaying = [this](const QString& path) {
        if (path.startsWith("Data/Intf/Smd/g") && Game().IsLast() && Game().AllSolved())
            QCoreApplication::postEvent(window, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    };
    for (;;) {
        SolveCurrentWord(Game());
        if (summaries > 0 || Game().IsLast())
            break;
        Click(window->NextButton());
    }
    program.services.sound.whilePlaying = nullptr;
    EXPECT_EQ(summaries, 1);
    EXPECT_EQ(QFile(StatRec->FilePath()).size(), sizeBefore + CStatRec::kRecordSize);
    EXPECT_EQ(StatRec->Completed(), 1);

    program.services.time.Advance(2 * TfmSelector::kStopAfterMs);
    EXPECT_EQ(summaries, 1) << "no second end a minute later";
    EXPECT_EQ(QFile(StatRec->FilePath()).size(), sizeBefore + CStatRec::kRecordSize);
    if (GetParam() == TfmKoniecGry::kResultStart) {
        ASSERT_FALSE(window->isHidden());
        EXPECT_EQ(Game().Current(), 0);
        EXPECT_FALSE(Game().IsSolved()) << "a fresh round";
        SolveCurrentWord(Game());
        EXPECT_EQ(StatRec->Correct(), 1) << "the new round plays on";
    } else {
        EXPECT_TRUE(window->isHidden());
    }
}

INSTANTIATE_TEST_SUITE_P(SummaryAnswer, EscDuringThePraise,
                         ::testing::Values(TfmKoniecGry::kResultStop, TfmKoniecGry::kResultStart));

}  // namespace
