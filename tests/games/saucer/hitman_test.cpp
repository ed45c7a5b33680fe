// SPDX-License-Identifier: GPL-3.0-or-later
// The saucer window on the offscreen screen: how far the saucer flies in a tick at each level, a
// wrong launch from the held space bar counted once, a completed word counted once, and help.
#include "games/saucer/Hitman.h"
#include "games/saucer/_cekran.h"
#include "gfx/_cprzycisk.h"
#include "platform/picturestore.h"
#include "results/_cstatrec.h"
#include "settings/_custgry.h"
#include "shell/Cdisplay.h"
#include "support/fakes.h"
#include "support/programfolder.h"
#include "words/_cslowa.h"
#include "words/_cslowaroznicowe.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

void Click(QWidget* w)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(w->width() / 2, w->height() / 2));
}

class SaucerWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetSharedPictureStore();
        UstHitmen.Gloski = glos::Saucer;
        UstHitmen.Pozycja = glos::Naglos;
        UstHitmen.Poziom = 1;
        stats = std::make_unique<CStatRec>(CStatRec::kProgramId, folder.Path());
    }
    void TearDown() override
    {
        window.reset();
        UstHitmen.Reset();
        ResetSharedPictureStore();
    }

    // Opens the window on the catalogue's saucer words (or on `catalogue`).
    TfmHitman& Open(std::vector<SPaczka> catalogue = {})
    {
        words = catalogue.empty() ? std::make_unique<CSlowa>() : std::make_unique<CSlowa>(std::move(catalogue));
        words->SelectBySettings(UstHitmen);
        window = std::make_unique<TfmHitman>(GameContext{*words, differential, *stats, nullptr, display});
        window->show();
        return *window;
    }
    GraHitman& Board() { return *window->Board(); }
    void Tick(int n = 1) { services.time.Advance(qint64(n) * TfmHitman::kTickMs); }
    // Puts the saucer (and its letter) at left edge `left`, as its flight would.
    void SaucerAt(int left)
    {
        const int dx = left - Board().Saucer().Left();
        Board().Saucer().Move(dx, 0);
        Board().Carried().Move(dx, 0);
    }
    int FirstEmptyBox()
    {
        return int(Board().Letters().indexOf(GraHitman::kEmpty));
    }
    // Launches `letter` from under box i with the launch button.
    void LaunchInto(int box, const QString& letter)
    {
        SaucerAt(Board().BoxX(box) - TfmHitman::kLetterOffsetSmall);
        Board().SetCarried(letter);
        Click(window->LaunchButton());
    }

    ProgramFolder folder{ProgramFolder::Assets::Generated};
    InFolder inFolder{folder.Path()};
    TestServices services;
    CDisplay display = DescribeDisplay(800, 600);
    CSlowaRoznicowe differential;
    std::unique_ptr<CSlowa> words;
    std::unique_ptr<CStatRec> stats;
    std::unique_ptr<TfmHitman> window;
};

TEST_F(SaucerWindow, EachLevelDrawsFourWordsAndFliesTwoPixelsATickMore)
{
    // Twelve saucer words: the catalogue's four under three names each (the copies have no picture).
    std::vector<SPaczka> catalogue;
    const CSlowa edition;
    for (const SPaczka& word : edition.Catalogue())
        if (word.Flags & glos::Saucer)
            for (const char* copy : {"", "2", "3"})
                catalogue.push_back(MakeWord(word.Name + copy, word.Split, word.Flags));
    for (int level : {1, 2, 3}) {
        UstHitmen.Poziom = qint16(level);
        TfmHitman& w = Open(catalogue);
        EXPECT_EQ(w.WordCount(), 4 * level);
        int left = Board().Saucer().Left();
        int turns = 0;
        for (int tick = 0; tick < 400; ++tick) {
            Tick();
            const int step = Board().Saucer().Left() - left;
            left = Board().Saucer().Left();
            ASSERT_TRUE(step == 2 * level || step == -2 * level || step == 0) << "level " << level << ": " << step;
            turns += step == 0;
            ASSERT_GE(left, Board().LeftLimit() - 2 * level);
            ASSERT_LE(left, Board().RightLimit() + 2 * level);
            ASSERT_EQ(Board().Carried().Left(), left + TfmHitman::kLetterOffsetSmall);
        }
        EXPECT_GT(turns, 0) << "it stands still for a tick when it turns at the left";
        // What moved is on screen.
        EXPECT_EQ(w.Canvas().copy(Board().Saucer().Bounds()), w.Scene().copy(Board().Saucer().Bounds()));
        window.reset();
    }
}

TEST_F(SaucerWindow, AWrongLaunchCountsOnceAndTheSaucerFliesOn)
{
    Open();
    const int box = FirstEmptyBox();
    const QString wrong = NextInCycle(Board().Expected()[box]);
    const QImage before = window->Scene().copy(Board().BoxArea(box));
    // Just inside the box's match window, the wrong letter on board and the space bar held while
    // the saucer passes the box.
    SaucerAt(Board().BoxX(box) - Board().Layout().matchHalfWidth + 1);
    Board().SetCarried(wrong);
    QTest::keyPress(window.get(), Qt::Key_Space);
    Tick();
    EXPECT_EQ(stats->WrongText(), "1");
    EXPECT_EQ(window->Filled(), 0);
    EXPECT_EQ(Board().Letters()[box], GraHitman::kEmpty);
    EXPECT_EQ(Board().CarriedLetter(), wrong) << "the letter came back to the saucer";
    EXPECT_EQ(Board().Carried().Top(), Board().Layout().carriedY);
    EXPECT_EQ(window->Scene().copy(Board().BoxArea(box)), before) << "the box is as it was";
    EXPECT_TRUE(window->HitmanTimer().IsActive());
    const int left = Board().Saucer().Left();
    Tick(30);
    QTest::keyRelease(window.get(), Qt::Key_Space);
    EXPECT_NE(Board().Saucer().Left(), left);
    EXPECT_FALSE(Board().FindBoxUnder(Board().Saucer().Left())) << "the saucer has left the box";
    EXPECT_EQ(stats->WrongText(), "1") << "one launch while passing the box";
    EXPECT_EQ(stats->CorrectText(), "0");
}

TEST_F(SaucerWindow, ACompletedWordCountsOneCorrectAnswerAndIsShownFilled)
{
    Open();
    const int hidden = Board().HiddenCount();
    ASSERT_GE(hidden, 2);
    for (int filled = 0; filled < hidden; ++filled) {
        const int box = FirstEmptyBox();
        if (filled == hidden - 1)
            services.sound.played.clear();
        LaunchInto(box, Board().Expected()[box]);
        EXPECT_EQ(window->Filled(), filled + 1);
    }
    // Finished as the last letter lands: a launch or a help click at once changes nothing.
    Click(window->LaunchButton());
    window->A_Pomoc();
    EXPECT_EQ(Board().CarriedLetter(), "") << "nothing is put on a finished word's saucer";
    EXPECT_EQ(stats->HintsText(), "0");
    EXPECT_EQ(stats->CorrectText(), "1");
    EXPECT_EQ(stats->WrongText(), "0");
    EXPECT_TRUE(Board().IsFinished());
    EXPECT_FALSE(window->HitmanTimer().IsActive());
    EXPECT_TRUE(window->HelpButton()->isHidden());
    ASSERT_EQ(services.sound.played.size(), 2);
    EXPECT_TRUE(services.sound.played[0].contains("Data/Intf/Smd/g0")) << "praise first";
    EXPECT_EQ(services.sound.played[1], "Data/Smd/" + window->Screen()->Name() + ".pw");
    EXPECT_FALSE(window->Working(0).contains('_'));

    // Away and back: the word is shown filled, the saucer resting; a click on its picture replays it.
    Click(window->NextButton());
    Click(window->PrevButton());
    EXPECT_TRUE(Board().IsFinished());
    EXPECT_FALSE(Board().IsActive());
    EXPECT_TRUE(window->HelpButton()->isHidden());
    Click(window->Screen()->Widget());
    EXPECT_TRUE(Board().IsActive());
    EXPECT_EQ(Board().HiddenCount(), hidden);
    EXPECT_FALSE(window->HelpButton()->isHidden());
    EXPECT_EQ(stats->CorrectText(), "1");
}

TEST_F(SaucerWindow, HelpHighlightsTheFittingBoxForAboutASecondAndAHalf)
{
    Open();
    const int box = FirstEmptyBox();
    Board().SetCarried(Board().Expected()[box]);
    Click(window->HelpButton());
    EXPECT_EQ(stats->HintsText(), "1");
    EXPECT_EQ(window->Scene().pixel(Board().BoxArea(box).topLeft()), CKratka::kYellow);
    Tick(TfmHitman::kHintShowMs / TfmHitman::kTickMs - 1);
    EXPECT_EQ(window->Canvas().pixel(Board().BoxArea(box).topLeft()), CKratka::kYellow);
    Tick(2);
    EXPECT_EQ(window->Canvas().pixel(Board().BoxArea(box).topLeft()), CKratka::kRed);
    EXPECT_EQ(services.sound.played.last(), "Data/Smd/" + window->Screen()->Name() + ".pw");
}

}  // namespace
