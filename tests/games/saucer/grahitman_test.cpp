// The saucer game's word board and pieces without a window: reading a working text, the match window
// of the box above the saucer, the letter cycle, judging launches, the help's answers, a completed
// word, and the pieces' drawing on the scene.
#include "games/saucer/Grahitman.h"
#include "platform/picturestore.h"
#include "platform/services.h"
#include "support/programfolder.h"

#include <gtest/gtest.h>

namespace {

constexpr int kWidth = 800, kHeight = 600;
const QRgb kSceneColour = qRgb(10, 20, 30);
const QRgb kBackColour = qRgb(40, 50, 60);

class SaucerBoard : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetSharedPictureStore(ProgramFolder::GeneratedData() + "/Res");
        scene.fill(kSceneColour);
        back.fill(kBackColour);
        saucer.fill(qRgb(200, 200, 200));
    }
    void TearDown() override { ResetSharedPictureStore(); }

    GraHitman& Make(const QString& text)
    {
        board = std::make_unique<GraHitman>(text, scene, back, saucer, true, kWidth, random);
        return *board;
    }
    // Puts the saucer's left edge at `left` (as the window's motion does).
    void SaucerAt(int left)
    {
        const int dx = left - board->Saucer().Left();
        board->Saucer().Move(dx, 0);
        board->Carried().Move(dx, 0);
    }
    // A launch as the window runs it: find the box, judge.
    bool LaunchAt(int left)
    {
        SaucerAt(left);
        if (!board->FindBoxUnder(left))
            return false;
        return board->CheckLaunch();
    }
    int EmptyBoxLeft(int i) const { return board->BoxX(i); }

    QImage scene{kWidth, kHeight, QImage::Format_RGB32};
    QImage back{kWidth, kHeight, QImage::Format_RGB32};
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
    EXPECT_EQ(b.LetterCount(), 7);
    EXPECT_EQ(b.HiddenCount(), 2);
    EXPECT_TRUE(b.IsActive());
    EXPECT_FALSE(b.IsFinished());
    EXPECT_EQ(b.CarriedLetter(), "l") << "the first offer is always l";
    // The saucer starts somewhere between its lowest random place and the right turning point.
    EXPECT_GE(b.Saucer().Left(), b.Layout().restingX);
    EXPECT_LE(b.Saucer().Left(), b.RightLimit());
    EXPECT_EQ(b.Carried().Left(), b.Saucer().Left() + b.Layout().carriedOffset);
}

TEST_F(SaucerBoard, PolishLettersTakeTheirFileNameFormAndTheirPicture)
{
    GraHitman& b = Make("_l,e,ż,a,k");
    EXPECT_EQ(b.Letters()[2], "zz");
    EXPECT_EQ(b.Expected()[2], "zz");
    QImage letter;
    ASSERT_TRUE(OtworzBMP("zz_s", letter));
    letter = letter.convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(scene.copy(b.BoxX(2), b.BoxY(), letter.width(), letter.height()), letter);
    // An empty box shows nothing but its frame: the scene is untouched inside.
    EXPECT_EQ(scene.pixel(b.BoxX(0) + 10, b.BoxY() + 10), kSceneColour);
}

TEST_F(SaucerBoard, TheBoxAboveTheSaucerLiesInAnAsymmetricWindow)
{
    GraHitman& b = Make("_l,a,t,a,_r,k,a");
    const int box = EmptyBoxLeft(4);
    const struct {
        int left;
        bool above;
    } cases[] = {{box - 46, false}, {box - 45, true}, {box + 10, true}, {box + 11, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(b.FindBoxUnder(c.left), c.above) << "saucer at box " << c.left - box;
        if (c.above) {
            EXPECT_EQ(b.TargetX(), box);
            EXPECT_EQ(b.BoxUnder(), 4);
        }
    }
    // A filled letter's box is not above the saucer.
    EXPECT_FALSE(b.FindBoxUnder(b.BoxX(1)));
}

TEST_F(SaucerBoard, APressChangesTheLetterAwayFromTheEmptyBoxesOnly)
{
    GraHitman& b = Make("_l,a,t,a,_r,k,a");
    SaucerAt(b.BoxX(4));
    EXPECT_FALSE(b.CycleLetter()) << "under an empty box the press is a launch";
    EXPECT_EQ(b.CarriedLetter(), "l");
    SaucerAt(b.BoxX(2));
    QStringList offered;
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(b.CycleLetter());
        offered << b.CarriedLetter();
    }
    EXPECT_EQ(offered, QStringList({"r", "j", "l", "r"}));
    QImage block;
    ASSERT_TRUE(OtworzBMP("r_s", block));
    EXPECT_EQ(scene.copy(b.Carried().Bounds()), block.convertToFormat(QImage::Format_RGB32));
}

TEST_F(SaucerBoard, AWrongLetterLeavesTheBoxEmptyAndARightOneFillsIt)
{
    GraHitman& b = Make("_l,a,t,a,_r,k,a");
    // "l" into the box that expects "r".
    EXPECT_FALSE(LaunchAt(b.BoxX(4)));
    EXPECT_EQ(b.Letters()[4], "@");
    EXPECT_EQ(b.CarriedLetter(), "l");

    b.SetCarried("r");
    EXPECT_TRUE(LaunchAt(b.BoxX(4)));
    EXPECT_EQ(b.Letters()[4], "r");
    EXPECT_EQ(b.CarriedLetter(), "j") << "the cycle goes on from the filled letter";
    EXPECT_FALSE(b.FindBoxUnder(b.BoxX(4))) << "a filled box is never above the saucer again";

    b.SetCarried("l");
    EXPECT_TRUE(LaunchAt(b.BoxX(0)));
    EXPECT_EQ(b.CarriedLetter(), "") << "every practised letter was offered";
    EXPECT_EQ(b.CompletedText(), "l,a,t,a,r,k,a,");
    EXPECT_FALSE(b.IsBusy());
}

TEST_F(SaucerBoard, HelpPointsAtAFittingBoxOrGivesTheLastEmptyBoxsLetter)
{
    GraHitman& b = Make("a,_r,b,u,_j");
    ASSERT_EQ(b.CarriedLetter(), "l");
    const GraHitman::Hint replaced = b.HintLetter();
    EXPECT_EQ(replaced.kind, GraHitman::kHintReplaced);
    EXPECT_EQ(replaced.letter, "j");
    EXPECT_EQ(b.CarriedLetter(), "j");
    EXPECT_EQ(b.FindHintBox(), 4);

    b.SetCarried("r");
    const GraHitman::Hint fits = b.HintLetter();
    EXPECT_EQ(fits.kind, GraHitman::kHintFits);
    EXPECT_EQ(b.CarriedLetter(), "r");
    EXPECT_EQ(b.FindHintBox(), 1);
}

TEST_F(SaucerBoard, APractisedLetterOutsideTheCycleComesOnlyFromHelp)
{
    GraHitman& b = Make("_sz,a,f,a");
    SaucerAt(b.LeftLimit());
    for (int i = 0; i < 6; ++i) {
        b.CycleLetter();
        EXPECT_NE(b.CarriedLetter(), "sz");
    }
    EXPECT_EQ(b.HintLetter().letter, "sz");
    EXPECT_TRUE(LaunchAt(b.BoxX(0)));
}

TEST_F(SaucerBoard, ACompletedWordShowsItsLettersAndNeverPlays)
{
    GraHitman& b = Make("l,a,s,");
    EXPECT_TRUE(b.IsFinished());
    EXPECT_FALSE(b.IsActive());
    EXPECT_EQ(b.HiddenCount(), 0);
    EXPECT_EQ(b.Letters(), QStringList({"l", "a", "s", ""})) << "the extra empty letter is never shown";
    EXPECT_EQ(b.Saucer().Left(), b.Layout().restingX);
    EXPECT_EQ(b.CarriedLetter(), "");
    for (int x = b.LeftLimit(); x <= b.RightLimit(); ++x)
        ASSERT_FALSE(b.FindBoxUnder(x));
    // Three letters laid out as three, each in its red frame; nothing where a fourth would be.
    const GraHitman& three = b;
    QImage s;
    ASSERT_TRUE(OtworzBMP("s_s", s));
    EXPECT_EQ(scene.copy(three.BoxX(2), three.BoxY(), s.width(), s.height()), s.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(scene.pixel(three.BoxX(2) - 1, three.BoxY()), CKratka::kRed);
    EXPECT_EQ(scene.pixel(three.BoxX(3) - 1, three.BoxY()), kSceneColour);
}

TEST(SaucerPieces, ABoxFrameIsFiveOutlinesAroundAnUnpaintedInside)
{
    QImage scene(800, 600, QImage::Format_RGB32);
    scene.fill(Qt::black);
    CKratka box;
    box.Create(100, 352, true, scene);
    EXPECT_EQ(box.Area(), QRect(QPoint(95, 347), QPoint(148, 400)));
    EXPECT_EQ(scene.pixel(95, 347), CKratka::kRed);
    EXPECT_EQ(scene.pixel(148, 400), CKratka::kRed);
    EXPECT_EQ(scene.pixel(99, 380), CKratka::kRed);
    EXPECT_EQ(scene.pixel(100, 380), qRgb(0, 0, 0)) << "inside";
    EXPECT_EQ(scene.pixel(149, 400), qRgb(0, 0, 0)) << "outside";
    box.DrawYellow();
    EXPECT_EQ(scene.pixel(148, 400), CKratka::kYellow);
    EXPECT_EQ(scene.pixel(100, 380), qRgb(0, 0, 0));
}

TEST(SaucerPieces, AMovePutsTheBackgroundBackAndAGlideGoesOnePixelAStep)
{
    QImage scene(200, 100, QImage::Format_RGB32), back(200, 100, QImage::Format_RGB32);
    scene.fill(Qt::red);
    back.fill(Qt::blue);
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(Qt::green);
    CPlatforma block;
    block.CreateFromPicture(50, 20, picture, scene, back);
    EXPECT_EQ(scene.pixel(55, 25), QColor(Qt::green).rgb());
    EXPECT_FALSE(block.GlideToward(20, 29));
    EXPECT_EQ(block.Left(), 21) << "29 steps of one pixel";
    block.GlideTo(20);
    EXPECT_EQ(block.Left(), 20);
    EXPECT_EQ(scene.pixel(25, 25), QColor(Qt::green).rgb());
    EXPECT_EQ(scene.pixel(55, 25), QColor(Qt::blue).rgb()) << "the old place shows the plain background";
    EXPECT_EQ(scene.pixel(45, 50), QColor(Qt::red).rgb()) << "nothing else is touched";

    CPlatforma missing;
    missing.CreateFromLibrary(5, 5, "no-such-letter", true, scene, back);
    EXPECT_EQ(missing.Width(), 0);
    missing.Move(7, 0);
    EXPECT_EQ(missing.Left(), 12);
    EXPECT_EQ(scene.pixel(5, 5), QColor(Qt::red).rgb());
}

}  // namespace
