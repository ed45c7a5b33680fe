// SPDX-License-Identifier: GPL-3.0-or-later
// The saucer game's word board and pieces without a window: reading a working text, the match window
// of the box above the saucer, the letter cycle, judging launches, the help's answers, a completed
// word, and the pieces' drawing on the scene.
#include "games/saucer/Grahitman.h"
#include "platform/picturestore.h"
#include "platform/services.h"
#include "support/programfolder.h"

#include <gtest/gtest.h>

namespace {

const QRgb kSceneColour = qRgb(10, 20, 30);

QImage Library(const QString& name)
{
    QImage picture;
    EXPECT_TRUE(OtworzBMP(name, picture)) << name.toStdString();
    return picture.convertToFormat(QImage::Format_RGB32);
}

class SaucerBoard : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetSharedPictureStore(ProgramFolder::GeneratedData() + "/Res");
        scene.fill(kSceneColour);
        back.fill(qRgb(40, 50, 60));
        saucer.fill(qRgb(200, 200, 200));
    }
    void TearDown() override { ResetSharedPictureStore(); }

    GraHitman& Make(const QString& text)
    {
        board = std::make_unique<GraHitman>(text, scene, back, saucer, true, 800, random);
        return *board;
    }
    // Puts the saucer's left edge at `left`, its letter riding along.
    void SaucerAt(int left)
    {
        const int dx = left - board->Saucer().Left();
        board->Saucer().Move(dx, 0);
        board->Carried().Move(dx, 0);
    }
    // A launch as the window runs it from under box i: find the box, judge.
    bool LaunchInto(int i)
    {
        SaucerAt(board->BoxX(i));
        return board->FindBoxUnder(board->BoxX(i)) && board->CheckLaunch();
    }

    QImage scene{800, 600, QImage::Format_RGB32};
    QImage back{800, 600, QImage::Format_RGB32};
    QImage saucer{80, 40, QImage::Format_RGB32};
    RandomSource random{7};
    std::unique_ptr<GraHitman> board;
};

TEST_F(SaucerBoard, ReadsTheWorkingTextIntoLettersMissingAndExpected)
{
    GraHitman& b = Make("_l,a,t,a,_r,k,a");
    EXPECT_EQ(b.Letters(), QStringList({"@", "a", "t", "a", "@", "k", "a"}));
    EXPECT_EQ(b.Missing(), QStringList({"l", "r"}));
    EXPECT_EQ(b.Expected(), QStringList({"l", "a", "t", "a", "r", "k", "a"}));
    EXPECT_TRUE(b.IsActive());
    EXPECT_EQ(b.CarriedLetter(), "l") << "the first offer is always l";
    EXPECT_GE(b.Saucer().Left(), b.Layout().restingX);
    EXPECT_LE(b.Saucer().Left(), b.RightLimit());

    // A Polish letter takes its file-name form and that picture; an empty box shows nothing inside.
    scene.fill(kSceneColour);
    Make("_l,e,ż,a,k");
    EXPECT_EQ(board->Letters()[2], "zz");
    EXPECT_EQ(board->Expected()[2], "zz");
    const QImage zz = Library("zz_s");
    EXPECT_EQ(scene.copy(board->BoxX(2), board->BoxY(), zz.width(), zz.height()), zz);
    EXPECT_EQ(scene.pixel(board->BoxX(0) + 10, board->BoxY() + 10), kSceneColour);
}

TEST_F(SaucerBoard, TheBoxAboveTheSaucerLiesInAnAsymmetricWindow)
{
    GraHitman& b = Make("_l,a,t,a,_r,k,a");
    const int box = b.BoxX(4);
    for (const auto& [left, above] : {std::pair{box - 46, false}, {box - 45, true}, {box + 10, true}, {box + 11, false}}) {
        EXPECT_EQ(b.FindBoxUnder(left), above) << "saucer at box " << left - box;
        if (above) {
            EXPECT_EQ(b.TargetX(), box);
            EXPECT_EQ(b.BoxUnder(), 4);
        }
    }
    EXPECT_FALSE(b.FindBoxUnder(b.BoxX(1))) << "a shown letter's box";
}

TEST_F(SaucerBoard, APressCyclesTheLetterAwayFromEmptyBoxesAndOnlyTheRightLetterFillsOne)
{
    GraHitman& b = Make("_l,a,t,a,_r,k,a");
    SaucerAt(b.BoxX(4));
    EXPECT_FALSE(b.CycleLetter()) << "under an empty box the press is a launch";
    SaucerAt(b.BoxX(0) - 40);
    EXPECT_FALSE(b.CycleLetter()) << "the first box is above the saucer from 45 px before it";
    SaucerAt(b.BoxX(2));
    QStringList offered;
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(b.CycleLetter());
        offered << b.CarriedLetter();
    }
    EXPECT_EQ(offered, QStringList({"r", "j", "l", "r"}));
    EXPECT_EQ(scene.copy(b.Carried().Bounds()), Library("r_s"));

    b.SetCarried("l");
    EXPECT_FALSE(LaunchInto(4)) << "l into the box that expects r";
    EXPECT_EQ(b.Letters()[4], "@");
    EXPECT_EQ(b.CarriedLetter(), "l");

    b.SetCarried("r");
    EXPECT_TRUE(LaunchInto(4));
    EXPECT_EQ(b.Letters()[4], "r");
    EXPECT_EQ(b.CarriedLetter(), "j") << "the cycle goes on from the filled letter";
    EXPECT_FALSE(b.FindBoxUnder(b.BoxX(4))) << "a filled box is never above the saucer again";

    b.SetCarried("l");
    EXPECT_TRUE(LaunchInto(0));
    EXPECT_EQ(b.CarriedLetter(), "") << "every practised letter was offered";
    EXPECT_EQ(b.CompletedText(), "l,a,t,a,r,k,a,");
}

TEST_F(SaucerBoard, HelpPointsAtAFittingBoxOrGivesTheLastEmptyBoxsLetter)
{
    GraHitman& b = Make("a,_r,b,u,_j");
    const GraHitman::Hint replaced = b.HintLetter();
    EXPECT_EQ(replaced.kind, GraHitman::kHintReplaced);
    EXPECT_EQ(replaced.letter, "j");
    EXPECT_EQ(b.CarriedLetter(), "j");

    b.SetCarried("r");
    EXPECT_EQ(b.HintLetter().kind, GraHitman::kHintFits);
    EXPECT_EQ(b.CarriedLetter(), "r");
    EXPECT_EQ(b.FindHintBox(), 1);

    // A practised letter outside the cycle l, r, j comes only from help.
    Make("_sz,a,f,a");
    SaucerAt(board->LeftLimit());
    for (int i = 0; i < 6; ++i) {
        board->CycleLetter();
        EXPECT_NE(board->CarriedLetter(), "sz");
    }
    EXPECT_EQ(board->HintLetter().letter, "sz");
    EXPECT_TRUE(LaunchInto(0));
}

TEST_F(SaucerBoard, ACompletedWordShowsItsLettersAndNeverPlays)
{
    GraHitman& b = Make("l,a,s,");
    EXPECT_TRUE(b.IsFinished());
    EXPECT_FALSE(b.IsActive());
    EXPECT_EQ(b.Letters(), QStringList({"l", "a", "s", ""})) << "the extra empty letter is never shown";
    EXPECT_EQ(b.Saucer().Left(), b.Layout().restingX);
    EXPECT_EQ(b.CarriedLetter(), "");
    for (int x = b.LeftLimit(); x <= b.RightLimit(); ++x)
        ASSERT_FALSE(b.FindBoxUnder(x));
    const QImage s = Library("s_s");
    EXPECT_EQ(scene.copy(b.BoxX(2), b.BoxY(), s.width(), s.height()), s);
    EXPECT_EQ(scene.pixel(b.BoxX(2) - 1, b.BoxY()), CKratka::kRed);
    EXPECT_EQ(scene.pixel(b.BoxX(3) - 1, b.BoxY()), kSceneColour) << "no fourth box";
}

TEST(SaucerPieces, FramesAreFiveOutlinesAndMovesPutTheBackgroundBack)
{
    QImage scene(800, 600, QImage::Format_RGB32), back(800, 600, QImage::Format_RGB32);
    scene.fill(Qt::black);
    back.fill(Qt::blue);
    CKratka box;
    box.Create(100, 352, true, scene);
    EXPECT_EQ(box.Area(), QRect(QPoint(95, 347), QPoint(148, 400)));
    EXPECT_EQ(scene.pixel(148, 400), CKratka::kRed);
    EXPECT_EQ(scene.pixel(99, 380), CKratka::kRed);
    EXPECT_EQ(scene.pixel(100, 380), qRgb(0, 0, 0)) << "inside";
    box.DrawYellow();
    EXPECT_EQ(scene.pixel(95, 347), CKratka::kYellow);

    // A row wider than the scene (a longer word than the list allows) is cut at the scene's edges.
    QImage clipped(scene.size(), QImage::Format_RGB32);
    clipped.fill(Qt::black);
    CKratka beyondRight, beyondLeft, acrossEdge;
    beyondRight.Create(830, 352, true, clipped);
    beyondLeft.Create(-80, 352, true, clipped);
    EXPECT_EQ(clipped.pixel(799, 347), qRgb(0, 0, 0));
    EXPECT_EQ(clipped.pixel(0, 347), qRgb(0, 0, 0));
    acrossEdge.Create(780, 352, true, clipped);
    EXPECT_EQ(clipped.pixel(799, 347), CKratka::kRed);

    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(Qt::green);
    CPlatforma block;
    block.CreateFromPicture(300, 20, picture, scene, back);
    EXPECT_FALSE(block.GlideToward(270, 29));
    EXPECT_EQ(block.Left(), 271) << "29 steps of one pixel";
    block.GlideTo(270);
    EXPECT_EQ(scene.pixel(275, 25), QColor(Qt::green).rgb());
    EXPECT_EQ(scene.pixel(305, 25), QColor(Qt::blue).rgb()) << "the old place shows the plain background";

    CPlatforma missing;
    missing.CreateFromLibrary(5, 5, "no-such-letter", true, scene, back);
    EXPECT_EQ(missing.Width(), 0);
    missing.Move(7, 0);
    EXPECT_EQ(missing.Left(), 12);
    EXPECT_EQ(scene.pixel(5, 5), qRgb(0, 0, 0)) << "an empty block draws nothing";
}

}  // namespace
