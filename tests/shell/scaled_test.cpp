// SPDX-License-Identifier: GPL-3.0-or-later
// The program on a 1920 x 1080 screen with the interface enlarged as the real program does it (the
// screen measured before the application is made): the big layout fills the height, clicks that
// come from screen pixels land on a tab, the start button, a game's tiles and the summary, and every
// animation of the games leaves on screen exactly what a full repaint shows.
#include "app/interfacescale.h"
#include "app/shared.h"
#include "games/labyrinth/Labirynt.h"
#include "games/saucer/Hitman.h"
#include "games/selector/selectordriver.h"
#include "games/tiles/Taipei.h"
#include "gfx/_cprzycisk.h"
#include "platform/guardedapplication.h"
#include "platform/keystate.h"
#include "results/Koniecgry.h"
#include "shell/Cdisplay.h"
#include "shell/settingsfile.h"
#include "support/offscreen.h"
#include "settings/_custgry.h"
#include "words/_cslowa.h"
#include "support/programundertest.h"

#include <QFile>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// A click where the window system would put it: on the window, in its pixels, converted from the
// screen's pixels by the factor.
void ClickThroughWindow(QWidget* target, QPoint at)
{
    QWidget* window = target->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, target->mapTo(window, at));
}

void ClickMiddle(QWidget* target)
{
    ClickThroughWindow(target, QPoint(target->width() / 2, target->height() / 2));
}

// Two free top tiles of the same word.
std::pair<CKostka*, CKostka*> FreePair(const GraTaiPei& engine)
{
    QMap<QString, CKostka*> seen;
    for (int cell = 0; cell < kTaiPeiCells; ++cell) {
        CKostka* top = engine.TopTile(cell);
        if (!top || !top->IsFree())
            continue;
        if (CKostka* other = seen.value(top->Name()))
            return {other, top};
        seen[top->Name()] = top;
    }
    return {nullptr, nullptr};
}

int TileCount(const GraTaiPei& engine)
{
    int tiles = 0;
    for (int cell = 0; cell < kTaiPeiCells; ++cell)
        tiles += engine.Height(cell);
    return tiles;
}

// What the screen shows of `window` now, once every repaint asked for is done.
QImage OnScreen(QWidget& window)
{
    QCoreApplication::processEvents();
    return window.screen()->grabWindow(window.winId()).toImage();
}

int DifferentPixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return -1;
    int different = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            different += a.pixel(x, y) != b.pixel(x, y);
    return different;
}

}  // namespace

TEST(Scaled, EveryAnimationLeavesTheScreenAsAFullRepaintWould)
{
    ProgramUnderTest program;
    // The labyrinth's maze whose first tile is empty, as the only maze of level 1.
    QFile maze(ProgramFolder::GeneratedData() + "/Intf/Lab/labir101.ltr");
    ASSERT_TRUE(maze.open(QIODevice::ReadOnly));
    program.folder.Write("Data/Intf/Lab/labir100.ltr", maze.readAll());
    program.folder.Write("Data/Intf/Lab/labir.def", QByteArray("\x01\0\0\0", 4));
    program.folder.Write("Data/data.ini", "[DaneProgramu]\r\nZakladka=1\r\n[Labirynt]\r\nGloski=1\r\nPozycja=4096\r\n"
                                          "Poziom=1\r\n[Hitmen]\r\nGloski=2048\r\nPozycja=4096\r\nPoziom=1\r\n"
                                          "[Selector]\r\nGloski=1\r\nPozycja=4096\r\nPoziom=1\r\n"
                                          "[Taipei]\r\nGloski=1\r\nPozycja=4096\r\nPoziom=1\r\n");
    ASSERT_TRUE(program.Start());
    TFormMain* menu = program.Main();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    FakeTime& time = program.services.time;

    const struct {
        const char* what;
        int tab;
        std::function<void(CGameWindow&)> play;
    } animations[] = {
        {"the saucer flying for 10 s", TfmHitman::kTab,
         [&](CGameWindow& window) {
             ASSERT_NE(static_cast<TfmHitman&>(window).Board(), nullptr);
             time.Advance(10000);
         }},
        {"a letter launched into its box", TfmHitman::kTab,
         [&](CGameWindow& window) {
             auto& game = static_cast<TfmHitman&>(window);
             ASSERT_NE(game.Board(), nullptr);
             GraHitman& board = *game.Board();
             const int box = int(board.Letters().indexOf(GraHitman::kEmpty));
             const int dx = board.BoxX(box) - TfmHitman::kLetterOffsetBig - board.Saucer().Left();
             board.Saucer().Move(dx, 0);
             board.Carried().Move(dx, 0);
             board.SetCarried(board.Expected()[box]);
             game.A_NacisnijPrzycisk();
             EXPECT_EQ(game.Filled(), 1);
         }},
        {"the labyrinth's figure gliding a tile on maze 101", TfmLabirynt::kTab,
         [&](CGameWindow& window) {
             auto& game = static_cast<TfmLabirynt&>(window);
             const Ufo& figure = game.Engine()->Figure();
             const QRect from = figure.Rect();
             const bool right = figure.CanGoRight();
             QTest::keyClick(&game, right ? Qt::Key_Right : Qt::Key_Up);
             const QPoint step = right ? QPoint(Labirynt::kPitchBig, 0) : QPoint(0, -Labirynt::kPitchBig);
             EXPECT_EQ(figure.Rect().topLeft(), from.topLeft() + step) << "one whole tile";
             EXPECT_EQ(game.Canvas().copy(from), game.CleanPicture().copy(from)) << "nothing is left behind";
             EXPECT_NE(game.Canvas().copy(figure.Rect()), game.CleanPicture().copy(figure.Rect()))
                 << "the figure shows where it stands";
         }},
        {"a picture-and-say tile dragged", TfmSelector::kTab,
         [&](CGameWindow& window) {
             auto& game = static_cast<TfmSelector&>(window);
             const CPrzGloska& tile = *game.Engine()->Tiles().front();
             const QPoint from = selectortest::Widget(tile)->pos();
             selectortest::PressAndMove(tile, from + QPoint(-170, -90), 9);
             selectortest::Release(tile);
         }},
        {"a pair of tiles taken off", TfmTaiPei::kTab,
         [&](CGameWindow& window) {
             auto& game = static_cast<TfmTaiPei&>(window);
             const auto [first, second] = FreePair(*game.Engine());
             ASSERT_TRUE(first && second);
             const int before = TileCount(*game.Engine());
             for (CKostka* tile : {first, second}) {
                 QWidget* area = TfmTaiPei::Widget(*tile);
                 ClickThroughWindow(area, QPoint(area->width() / 2, area->height() / 8));
             }
             time.Advance(TfmTaiPei::kTickMs);
             EXPECT_EQ(TileCount(*game.Engine()), before - 2);
         }},
    };
    for (const auto& animation : animations) {
        SCOPED_TRACE(animation.what);
        auto* game = dynamic_cast<CGameWindow*>(menu->GameWindow(animation.tab));
        ASSERT_NE(game, nullptr);
        if (game->Game().drawsWords)
            Slowa->SelectBySettings(game->Settings());
        game->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(game));
        animation.play(*game);
        const QImage animated = OnScreen(*game);
        game->repaint();
        const QImage whole = OnScreen(*game);
        EXPECT_FALSE(animated.isNull());
        EXPECT_EQ(DifferentPixels(animated, whole), 0);
        game->close();
        EXPECT_TRUE(game->isHidden());
    }
}

TEST(Scaled, TheBigLayoutFillsTheHeightAndClicksLand)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    EXPECT_DOUBLE_EQ(screen->devicePixelRatio(), 1.40625);
    EXPECT_EQ(screen->geometry().size(), QSize(1365, 768));
    EXPECT_FALSE(qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) << "programs started later are not enlarged";

    ProgramUnderTest program;
    program.folder.Write("Data/data.ini",
                         "[DaneProgramu]\r\nZakladka=1\r\n[Taipei]\r\nGloski=1\r\nPozycja=4096\r\nPoziom=1\r\n");
    ASSERT_TRUE(program.Start());
    TFormMain* menu = program.Main();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    const CDisplay& display = brimbola::Display;
    EXPECT_EQ(display.Mode, kBigMode);
    EXPECT_EQ(QPoint(display.OffsetX, display.OffsetY), QPoint(170, 0));
    // The band beside the design area continues the background's edge (its sky, its grass).
    for (const QPoint& p : {QPoint(0, 300), QPoint(1364, 700)}) {
        const QColor band = menu->Canvas().pixelColor(p);
        const QColor edge = menu->Canvas().pixelColor(p.x() == 0 ? display.OffsetX : display.OffsetX + 1023, p.y());
        EXPECT_LE(std::abs(band.red() - edge.red()) + std::abs(band.green() - edge.green()) +
                      std::abs(band.blue() - edge.blue()), 24) << p.x() << "," << p.y();
    }

    // The tile-pairs tab: its band on the strip, at design y 290.
    ClickThroughWindow(menu->TabStrip(), QPoint(20, 290));
    ASSERT_EQ(Zakladka, TfmTaiPei::kTab);

    auto* game = dynamic_cast<TfmTaiPei*>(menu->GameWindow(TfmTaiPei::kTab));
    ASSERT_NE(game, nullptr);
    int pairsTaken = 0, summaries = 0;
    QObject::connect(FormKoniecGry.get(), &CModalWindow::Opened, [&] {
        ++summaries;
        QTimer::singleShot(0, [&] { ClickMiddle(FormKoniecGry->StopButton()); });
    });
    QObject::connect(game, &CModalWindow::Opened, [&] {
        QTimer::singleShot(0, [&] {
            EXPECT_EQ(game->geometry(), QRect(170, 0, 1024, 768));
            const auto [first, second] = FreePair(*game->Engine());
            if (first && second) {
                const int before = TileCount(*game->Engine());
                for (CKostka* tile : {first, second}) {
                    QWidget* area = TfmTaiPei::Widget(*tile);
                    ClickThroughWindow(area, QPoint(area->width() / 2, area->height() / 8));
                }
                program.services.time.Advance(10 * TfmTaiPei::kTickMs);
                pairsTaken = (before - TileCount(*game->Engine())) / 2;
            }
            QTest::keyClick(game, Qt::Key_Escape);
        });
    });
    ClickMiddle(menu->Button("start"));

    EXPECT_EQ(pairsTaken, 1) << "two clicks on a free pair take it off the board";
    EXPECT_EQ(summaries, 1);
    EXPECT_FALSE(game->isVisible()) << "the summary's stop closed the game";
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    const auto folders = UseOffscreenScreen();
    InterfaceScale scale(argc, argv);
    GuardedApplication app(argc, argv);
    scale.RestoreEnvironment();
    KeyState::Install();
    return RUN_ALL_TESTS();
}
