// SPDX-License-Identifier: GPL-3.0-or-later
// The end-of-game summary window driven by real mouse and key events: the background per grade,
// the captions and values, "start", "stop" and Esc, its place and shape, dragging, missing pictures.
#include "gfx/_cprzycisk.h"
#include "settings/_custgry.h"
#include "platform/imagefiles.h"
#include "platform/picturestore.h"
#include "platform/windowbase.h"
#include "results/Koniecgry.h"
#include "results/_cstatrec.h"
#include "shell/_cblad.h"
#include "support/fakes.h"
#include "support/programfolder.h"

#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr int kGiveUpMs = 10000;  // a window that never ends its showing fails the test instead of hanging

class Summary : public ::testing::Test {
protected:
    void SetUp() override
    {
        previousFolder_ = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(folder.Path()));
        ResetSharedPictureStore(folder.File("Data/Res"));
        CoverScreen(mainWindow);
        mainWindow.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&mainWindow));
    }
    void TearDown() override
    {
        QDir::setCurrent(previousFolder_);
        ResetSharedPictureStore();
    }

    // Counts a game with the given answers, lasting `seconds`.
    void PlayGame(int correct, int wrong, int hints, int seconds)
    {
        stats.BeginGame(CStatRec::kGameOther, settings);
        for (int i = 0; i < correct; ++i)
            stats.AddCorrect();
        for (int i = 0; i < wrong; ++i)
            stats.AddWrong();
        for (int i = 0; i < hints; ++i)
            stats.AddHint();
        services.time.Advance(seconds * 1000);
        stats.EndGame();
    }

    // Shows the summary modally; `whileShown` runs inside the modal showing, as the child would act.
    int Show(TfmKoniecGry& window, const std::function<void()>& whileShown)
    {
        QTimer::singleShot(0, &window, whileShown);
        QTimer::singleShot(kGiveUpMs, &window, [&window] { window.EndModal(-1); });
        return window.ShowSummary();
    }

    static QPoint Centre(const QWidget* w) { return w->rect().center(); }

    TestServices services;
    ProgramFolder folder{ProgramFolder::Assets::Generated};
    CUstGry settings{QStringLiteral("Taipei")};
    CStatRec stats{CStatRec::kProgramId, folder.Path()};
    QWidget mainWindow{nullptr, Qt::FramelessWindowHint};  // borderless, as the menu is

private:
    QString previousFolder_;
};

}  // namespace

TEST_F(Summary, StartPlaysAgainStopAndEscGoBackToTheMenu)
{
    TfmKoniecGry window(stats, &mainWindow);
    PlayGame(3, 1, 0, 40);
    bool shownWhileModal = false;
    EXPECT_EQ(Show(window,
                   [&] {
                       shownWhileModal = window.isVisible() && window.IsShownModally() &&
                                         window.windowModality() == Qt::ApplicationModal;
                       QTest::mouseClick(window.StartButton(), Qt::LeftButton, {}, Centre(window.StartButton()));
                   }),
              TfmKoniecGry::kResultStart);
    EXPECT_TRUE(shownWhileModal);
    EXPECT_FALSE(window.isVisible());

    EXPECT_EQ(Show(window, [&] { QTest::mouseClick(window.StopButton(), Qt::LeftButton, {}, Centre(window.StopButton())); }),
              TfmKoniecGry::kResultStop);
    EXPECT_FALSE(window.isVisible());

    EXPECT_EQ(Show(window, [&] { QTest::keyClick(&window, Qt::Key_Escape); }), TfmKoniecGry::kResultStop);
    EXPECT_FALSE(window.isVisible());

    // Other keys and a right click on a button do nothing; only then does "start" end it.
    EXPECT_EQ(Show(window,
                   [&] {
                       QTest::keyClick(&window, Qt::Key_Return);
                       QTest::keyClick(&window, Qt::Key_Space);
                       QTest::mouseClick(window.StopButton(), Qt::RightButton, {}, Centre(window.StopButton()));
                       if (window.isVisible())
                           QTest::mouseClick(window.StartButton(), Qt::LeftButton, {}, Centre(window.StartButton()));
                   }),
              TfmKoniecGry::kResultStart);

    // Closed by the desktop: the game is left as with "stop".
    EXPECT_EQ(Show(window, [&] { window.close(); }), TfmKoniecGry::kResultStop);
}

TEST_F(Summary, TheBackgroundShowsTheGrade)
{
    TfmKoniecGry window(stats, &mainWindow);
    const QImage poor = DecodeJpegFile("Data/Intf/Spec/mStatsB.xji");
    const QImage fair = DecodeJpegFile("Data/Intf/Spec/mStatsM.xji");
    const QImage good = DecodeJpegFile("Data/Intf/Spec/mStatsG.xji");
    ASSERT_NE(poor, fair);
    ASSERT_NE(fair, good);
    ASSERT_NE(poor, good);
    EXPECT_EQ(window.Background(), fair);  // before any game

    // A point clear of the labels and the buttons, where the three pictures differ.
    const QPoint probe(300, 100);
    struct Game {
        int correct, wrong;
        const QImage* picture;
    };
    for (const Game& game : {Game{0, 0, &poor}, Game{5, 3, &fair}, Game{5, 2, &good}, Game{2, 5, &poor}}) {
        PlayGame(game.correct, game.wrong, 0, 10);
        QImage shown;
        Show(window, [&] {
            shown = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
            QTest::keyClick(&window, Qt::Key_Escape);
        });
        EXPECT_EQ(window.Background(), *game.picture) << game.correct << " correct, " << game.wrong << " wrong";
        ASSERT_EQ(shown.size(), QSize(TfmKoniecGry::kWidth, TfmKoniecGry::kHeight));
        EXPECT_EQ(shown.pixel(probe), game.picture->pixel(probe));
        // The buttons stand over the same background: outside their shape it shows through.
        const QRect start = window.StartButton()->geometry();
        EXPECT_EQ(window.Canvas().pixel(start.topLeft()), game.picture->pixel(start.topLeft()));
        EXPECT_EQ(window.StartButton()->size(), window.StartButton()->Pictures().Mask.size());
        EXPECT_EQ(start.topLeft(), QPoint(235, 340));
        EXPECT_EQ(window.StopButton()->geometry().topLeft(), QPoint(325, 340));
    }
}

TEST_F(Summary, CaptionsAndValuesStandWhereTheBackgroundLeavesRoom)
{
    TfmKoniecGry window(stats, &mainWindow);
    const auto& captions = window.Captions();
    const QString texts[] = {"Czas gry:", "Poprawne rozwiązania:", "Błędne rozwiązania:", "Liczba podpowiedzi:"};
    const int tops[] = {177, 206, 237, 270};
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(captions[row]->text(), texts[row]);
        EXPECT_EQ(captions[row]->pos(), QPoint(88, tops[row])) << texts[row].toStdString();
        EXPECT_EQ(captions[row]->font().pixelSize(), 19);
        EXPECT_TRUE(captions[row]->font().bold());
    }
    const QLabel* values[] = {window.TimeLabel(), window.CorrectLabel(), window.WrongLabel(), window.HintsLabel()};
    const int rights[] = {358, 422, 422, 422};
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(values[row]->text(), "0");
        EXPECT_EQ(values[row]->x() + values[row]->width(), rights[row]);
        EXPECT_EQ(values[row]->y(), tops[row]);
    }

    PlayGame(12, 3, 4, 95);
    const int narrowTime = window.TimeLabel()->width();
    QImage shown;
    Show(window, [&] {
        shown = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QTest::keyClick(&window, Qt::Key_Escape);
    });
    EXPECT_EQ(window.TimeLabel()->text(), "1 min 35 s");
    EXPECT_EQ(window.CorrectLabel()->text(), "12");
    EXPECT_EQ(window.WrongLabel()->text(), "3");
    EXPECT_EQ(window.HintsLabel()->text(), "4");
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(values[row]->x() + values[row]->width(), rights[row]) << row;
        EXPECT_EQ(values[row]->y(), tops[row]);
    }
    EXPECT_GT(window.TimeLabel()->width(), narrowTime);  // grown to the left

    // The text is drawn: the rows hold dark pixels where the background alone has none so dark.
    const QImage& back = window.Background();
    auto darkPixels = [](const QImage& image, const QRect& area) {
        int dark = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (qGray(image.pixel(x, y)) < 40)
                    ++dark;
        return dark;
    };
    for (const QLabel* label : {captions[0], window.TimeLabel(), window.CorrectLabel()})
        EXPECT_GT(darkPixels(shown, label->geometry()), darkPixels(back, label->geometry()) + 10)
            << label->text().toStdString();

    // A second game shows its own values.
    PlayGame(7, 0, 0, 3600);
    Show(window, [&] { QTest::keyClick(&window, Qt::Key_Escape); });
    EXPECT_EQ(window.TimeLabel()->text(), "60 min 0 s");
    EXPECT_EQ(window.CorrectLabel()->text(), "7");
    EXPECT_EQ(window.WrongLabel()->text(), "0");
    EXPECT_EQ(window.HintsLabel()->text(), "0");
    EXPECT_EQ(window.Background(), window.GradePicture(CStatRec::kGradeGood));
}

TEST_F(Summary, IsARoundedWindowCentredOnTheMainWindow)
{
    TfmKoniecGry window(stats, &mainWindow);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QRect placed;
    Show(window, [&] {
        placed = window.geometry();
        QTest::keyClick(&window, Qt::Key_Escape);
    });
    EXPECT_EQ(placed, QRect((screen.width() - 600) / 2, (screen.height() - 450) / 2, 600, 450));
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);

    const QRegion shape = window.mask();
    EXPECT_TRUE(shape.contains(QPoint(300, 225)));
    EXPECT_TRUE(shape.contains(QPoint(5, 225)));      // left edge
    EXPECT_TRUE(shape.contains(QPoint(300, 5)));      // top edge
    EXPECT_TRUE(shape.contains(QPoint(599, 225)));    // right edge
    EXPECT_TRUE(shape.contains(QPoint(300, 449)));    // bottom edge
    EXPECT_FALSE(shape.contains(QPoint(4, 225)));     // the 5-pixel margin is cut away
    EXPECT_FALSE(shape.contains(QPoint(300, 4)));
    for (const QPoint corner : {QPoint(6, 6), QPoint(598, 6), QPoint(6, 448), QPoint(598, 448)})
        EXPECT_FALSE(shape.contains(corner)) << corner.x() << "," << corner.y();
    EXPECT_TRUE(shape.contains(QPoint(30, 12)));      // inside the corner's curve
    EXPECT_TRUE(shape.contains(QPoint(570, 440)));

    // Over a main window elsewhere it centres on that window.
    mainWindow.setGeometry(40, 30, 700, 500);
    Show(window, [&] {
        placed = window.geometry();
        QTest::keyClick(&window, Qt::Key_Escape);
    });
    EXPECT_EQ(placed.topLeft(), QPoint(40 + 50, 30 + 25));
}

TEST_F(Summary, APressOutsideTheButtonsDragsTheWindow)
{
    TfmKoniecGry window(stats, &mainWindow);
    QPoint before, afterDrag, afterButton;
    int result = 0;
    result = Show(window, [&] {
        before = window.pos();
        // On a caption too: the labels do not keep the press.
        QTest::mousePress(&window, Qt::LeftButton, {}, QPoint(100, 185));
        QTest::mouseMove(&window, QPoint(130, 225));
        QTest::mouseRelease(&window, Qt::LeftButton, {}, QPoint(130, 225));
        afterDrag = window.pos();
        // A press on a button does not move the window.
        QTest::mousePress(window.StopButton(), Qt::LeftButton, {}, Centre(window.StopButton()));
        QTest::mouseMove(window.StopButton(), Centre(window.StopButton()) + QPoint(3, 3));
        afterButton = window.pos();
        QTest::mouseRelease(window.StopButton(), Qt::LeftButton, {}, Centre(window.StopButton()) + QPoint(3, 3));
    });
    EXPECT_EQ(afterDrag, before + QPoint(30, 40));
    EXPECT_EQ(afterButton, afterDrag);
    EXPECT_EQ(result, TfmKoniecGry::kResultStop);
}

TEST(SummaryPictures, AMissingOrBrokenBackgroundIsMissingResources)
{
    TestServices services;
    ProgramFolder folder;
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.Path()));
    ResetSharedPictureStore(ProgramFolder::GeneratedData() + "/Res");
    CStatRec stats(CStatRec::kProgramId, folder.Path());
    const QString shipped = ProgramFolder::GeneratedData() + "/Intf/Spec/";
    auto codeOf = [&stats]() -> int {
        try {
            TfmKoniecGry window(stats);
        } catch (const CBlad& error) {
            return error.Code;
        }
        return 0;
    };
    QDir().mkpath(folder.File("Data/Intf/Spec"));
    for (const char* name : {"mStatsB.xji", "mStatsM.xji", "mStatsG.xji"}) {
        EXPECT_EQ(codeOf(), 1) << "before " << name;
        ASSERT_TRUE(QFile::copy(shipped + name, folder.File(QStringLiteral("Data/Intf/Spec/") + name)));
    }
    EXPECT_EQ(codeOf(), 0);

    // A background cut short is broken, not a grey picture.
    const QByteArray whole = [&] {
        QFile file(shipped + "mStatsG.xji");
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    ASSERT_GT(whole.size(), 1000);
    folder.Write("Data/Intf/Spec/mStatsG.xji", whole.left(whole.size() / 2));
    EXPECT_EQ(codeOf(), 1);
    QDir::setCurrent(previous);
    ResetSharedPictureStore();
}
