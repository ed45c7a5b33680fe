// SPDX-License-Identifier: GPL-3.0-or-later
// The labyrinth without a window: the maze reader on crafted files, the board's words, start and
// collecting, the rules of a move, the figure's glide, the task line and the clock's maze choice.
#include "games/labyrinth/Gralabirynt.h"
#include "games/labyrinth/mazebytes.h"
#include "results/_cstatrec.h"
#include "settings/_custgry.h"
#include "shell/_cblad.h"
#include "shell/Cdisplay.h"
#include "support/fakes.h"
#include "support/programfolder.h"
#include "words/_cslowa.h"
#include "words/_cslowaroznicowe.h"

#include <QDir>
#include <QFile>
#include <QTime>
#include <set>
#include <functional>
#include <gtest/gtest.h>

using namespace labtest;

namespace {

struct FakeHost : CLabHost {
    const Ufo* figure = nullptr;
    std::vector<QPoint> positions;   // of the figure at each shown frame
    std::vector<QRect> boardChanges;
    int pauses = 0;
    std::function<void()> duringPause;
    bool Pause(int) override
    {
        ++pauses;
        if (duringPause)
            std::exchange(duringPause, nullptr)();
        return true;
    }
    void ShowCanvas(const QRect&) override
    {
        if (figure)
            positions.push_back(QPoint(figure->X(), figure->Y()));
    }
    void BoardChanged(const QRect& rect) override { boardChanges.push_back(rect); }
};

class Labyrinth : public ::testing::Test {
protected:
    Labyrinth()
    {
        settings.Poziom = 1;
        settings.Gloski = 0xFF;
        settings.Pozycja = 0x7000;
        words.SelectBySettings(settings);
        folder.Write("Data/Intf/Lab/labir.def", IndexBytes(1));
        stats.BeginGame(CStatRec::kGameLabyrinth, settings);
    }

    // A game on the maze `codes` (file 100), started.
    GraLabirynt& Play(const Codes& codes) { return Play(MazeBytes(codes)); }
    GraLabirynt& Play(const QByteArray& mazeFile)
    {
        folder.Write("Data/Intf/Lab/labir100.ltr", mazeFile);
        game = std::make_unique<GraLabirynt>(host, display, words, differential, stats, settings);
        game->SetCanvases(&board, &clean);
        EXPECT_TRUE(game->Start());
        host.figure = &game->Figure();
        game->Figure().SetCanvases(&board, &clean);
        return *game;
    }

    TestServices services;
    ProgramFolder folder{ProgramFolder::Assets::Generated};
    InFolder inFolder{folder.Path()};
    CStatRec stats{CStatRec::kProgramId, folder.Path()};
    CUstGry settings{"Labirynt"};
    CSlowa words;
    // Two differential words, so that three distractor tiles must repeat one.
    CSlowaRoznicowe differential{{MakeWord("autobus", "a,u,t,o,b,u,_s,", 0), MakeWord("basen", "b,a,_s,e,n,", 0)}};
    CDisplay display = DescribeDisplay(800, 600);
    QImage board{800, 600, QImage::Format_RGB32};
    QImage clean{800, 600, QImage::Format_RGB32};
    FakeHost host;
    std::unique_ptr<GraLabirynt> game;
};

TEST(LabyrinthFile, CraftedFilesAreReadOrRefused)
{
    const Codes codes = TopRowMaze();
    const QByteArray good = MazeBytes(codes);
    struct Case {
        const char* what;
        QByteArray bytes;
        bool ok;
        QByteArray description;
    } cases[] = {
        {"a header of 50, 50, 50, 50", good, true, "maze"},
        {"a header summing to 199", MazeBytes(codes, "maze", {50, 50, 50, 49}), false, {}},
        {"a header that sums to 200 only when it wraps", MazeBytes(codes, "", {0x7FFFFFFF, 0x7FFFFFFF, 1, 203}), false, {}},
        {"fewer than 16 bytes", good.left(15), false, {}},
        {"a file ending inside its codes", good.left(100), false, {}},
        {"a file ending before its text length", good.left(lab::kFixedBytes - 2), false, {}},
        {"a text length past the end", MazeBytes(codes, "maze", {50, 50, 50, 50}, 2000000000), false, {}},
        {"a negative text length", MazeBytes(codes, "maze", {50, 50, 50, 50}, -5), false, {}},
        {"a text without a zero byte", MazeBytes(codes, "abcdef"), true, "abcdef"},
        {"a text ending at its first zero", MazeBytes(codes, QByteArray("ab\0cd", 5)), true, "ab"},
        {"no text at all", MazeBytes(codes, ""), true, ""},
    };
    for (const Case& c : cases) {
        lab::MazeFile maze;
        EXPECT_EQ(lab::ParseMaze(c.bytes, maze), c.ok) << c.what;
        if (c.ok) {
            EXPECT_EQ(maze.description, c.description) << c.what;
            EXPECT_EQ(maze.codes[1][0], lab::GoodPicture + 305) << c.what;
            EXPECT_EQ(maze.codes[3][1], lab::WrongPicture + 385) << "column by column: " << c.what;
        }
    }
    lab::MazeFile maze;
    EXPECT_FALSE(lab::ReadMazeFile("no/such/labir100.ltr", maze));
    EXPECT_EQ(lab::ReadMazeCount("no/such/labir.def"), lab::kDefaultCount);
}

TEST_F(Labyrinth, ABadFileStartsNoGameAndLeavesAnEmptyBoard)
{
    folder.Write("Data/Intf/Lab/labir100.ltr", MazeBytes(TopRowMaze(), "x", {50, 50, 50, 49}));
    GraLabirynt game(host, display, words, differential, stats, settings);
    game.SetCanvases(&board, &clean);
    EXPECT_FALSE(game.Start());
    EXPECT_FALSE(game.Board()->HasCells());
    EXPECT_EQ(game.HintCell(), nullptr);
    EXPECT_EQ(game.MoveRight(), GraLabirynt::Move::None);
    EXPECT_FALSE(game.IsDone());

    folder.Write("Data/Intf/Lab/labir.def", IndexBytes(0));
    EXPECT_THROW(GraLabirynt again(host, display, words, differential, stats, settings), CBlad);
}

TEST_F(Labyrinth, SevenPictureTilesAtLevelOneRepeatTheFirstDrawnWords)
{
    Codes codes{};
    codes[0][0] = lab::GoodPicture + 305;
    codes[0][5] = lab::kStartRight;
    for (int column = 1; column <= 6; ++column)
        codes[column][5] = lab::GoodPicture + 305;
    codes[7][5] = lab::kExitLeft;
    GraLabirynt& game = Play(codes);
    EXPECT_EQ(game.GoodCount(), 7);
    EXPECT_EQ(game.WrongCount(), 0);
    ASSERT_EQ(words.DrawnCount(), 5);
    EXPECT_EQ(differential.DrawnCount(), 0) << "no distractor tiles, no differential words";
    Labirynt& maze = *game.Board();
    EXPECT_EQ(maze.Cell(0, 0)->WordPicture()->WordName(), words.Drawn(0).Name);
    EXPECT_EQ(maze.Cell(4, 5)->WordPicture()->WordName(), words.Drawn(4).Name);
    EXPECT_EQ(maze.Cell(5, 5)->WordPicture()->WordName(), words.Drawn(0).Name);
    EXPECT_EQ(maze.Cell(6, 5)->WordPicture()->WordName(), words.Drawn(1).Name);
}

TEST_F(Labyrinth, DistractorsRepeatTheTwoDifferentialWords)
{
    Codes codes = TopRowMaze();
    codes[6][1] = lab::WrongPicture + 305;
    codes[7][1] = lab::WrongPicture + 305;
    GraLabirynt& game = Play(codes);
    EXPECT_EQ(game.WrongCount(), 3);
    ASSERT_EQ(differential.DrawnCount(), 2);
    EXPECT_EQ(game.Board()->Cell(7, 1)->WordPicture()->WordName(), differential.Drawn(0).Name);
}

TEST_F(Labyrinth, APictureTileShowsItsPathAndCentredWordUntilCollected)
{
    GraLabirynt& game = Play(TopRowMaze());
    KostkaLab& cell = *game.Board()->Cell(1, 0);
    // The path tile's picture, the same as the plain horizontal tile beside it.
    EXPECT_EQ(cell.Picture(), game.Board()->Cell(2, 0)->Picture());
    EXPECT_EQ(QPoint(cell.X(), cell.Y()), QPoint(65 + 78, 90));
    const ObrazekSlowo& word = *cell.WordPicture();
    EXPECT_EQ(word.Rect().center(), QRect(cell.X(), cell.Y(), cell.Width(), cell.Height()).center());
    EXPECT_EQ(game.HintCell(), &cell);

    EXPECT_EQ(game.MoveRight(), GraLabirynt::Move::Collected);
    EXPECT_EQ(cell.Code(), 305);
    EXPECT_TRUE(word.InPanel());
    EXPECT_EQ(word.Rect().right(), 800 - 25 - 1) << "in the column at the right edge";
    EXPECT_EQ(game.HintCell(), nullptr);
    EXPECT_EQ(stats.Correct(), 1);
    EXPECT_EQ(game.Collected(), 1);
}

TEST_F(Labyrinth, TheStartIsFoundColumnByColumn)
{
    Codes codes{};
    codes[1][0] = lab::kStartUp;
    codes[2][5] = lab::kStartRight;
    GraLabirynt& game = Play(codes);
    EXPECT_EQ(QPoint(game.Figure().Column(), game.Figure().Row()), QPoint(1, 0));
    EXPECT_TRUE(game.Figure().FacingUp());
    // Its way up leads off the grid: nothing happens.
    EXPECT_EQ(game.MoveUp(), GraLabirynt::Move::None);
    EXPECT_EQ(game.Figure().Row(), 0);
}

TEST_F(Labyrinth, MovesBumpsAndWinning)
{
    GraLabirynt& game = Play(TopRowMaze());
    Ufo& figure = game.Figure();
    EXPECT_TRUE(figure.FacingRight());
    EXPECT_EQ(game.MoveLeft(), GraLabirynt::Move::None) << "the start opens only to the right";
    EXPECT_EQ(game.MoveRight(), GraLabirynt::Move::Collected);
    EXPECT_EQ(game.MoveRight(), GraLabirynt::Move::Stepped);
    EXPECT_EQ(game.MoveRight(), GraLabirynt::Move::Stepped);
    ASSERT_EQ(QPoint(figure.Column(), figure.Row()), QPoint(3, 0));

    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(game.MoveDown(), GraLabirynt::Move::Bumped);
    EXPECT_EQ(QPoint(figure.Column(), figure.Row()), QPoint(3, 0)) << "a distractor blocks its tile";
    EXPECT_EQ(stats.Wrong(), 1) << "bumping again counts no more";
    EXPECT_TRUE(game.Board()->IsMarked(3, 1));
    const QImage& framed = game.Board()->Cell(3, 1)->WordPicture()->Image();
    EXPECT_EQ(framed.pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(framed.pixel(2, framed.height() / 2), 0xFFFF0000u);

    EXPECT_EQ(game.MoveUp(), GraLabirynt::Move::None);
    EXPECT_TRUE(figure.FacingRight()) << "a closed side does not even turn the figure";
    EXPECT_EQ(game.MoveRight(), GraLabirynt::Move::Stepped);
    EXPECT_FALSE(game.CheckDone());
    EXPECT_EQ(game.MoveRight(), GraLabirynt::Move::Stepped);
    EXPECT_TRUE(game.IsDone());
    const int before = host.pauses;
    EXPECT_TRUE(game.CheckDone());
    EXPECT_EQ(host.pauses - before, Ufo::kSpinFrames);
    EXPECT_TRUE(figure.FacingRight()) << "the spin ends facing right";
    EXPECT_EQ(stats.Correct(), 1);
}

TEST_F(Labyrinth, ExitWithAPictureMissingIsNotWon)
{
    Codes codes = TopRowMaze();
    codes[3][1] = lab::GoodPicture + 385;
    GraLabirynt& game = Play(codes);
    for (int i = 0; i < 5; ++i)
        game.MoveRight();
    EXPECT_TRUE(game.Board()->IsExit(game.Figure().Column(), game.Figure().Row()));
    EXPECT_FALSE(game.IsDone());
    EXPECT_FALSE(game.CheckDone());
}

TEST_F(Labyrinth, AStepGlidesThreePixelsAFrameAndIgnoresASecondRequest)
{
    Ufo figure(host, true);
    host.figure = &figure;
    figure.SetCanvases(&board, &clean);
    figure.SetStep(100, 100);
    figure.PlaceAt(2, 3, 200, 300);
    const QPoint start(figure.X(), figure.Y());
    figure.Face(false, false, true, false);
    host.duringPause = [&] {
        EXPECT_TRUE(figure.IsBusy());
        figure.StepRight();
    };
    EXPECT_TRUE(figure.StepUp());
    ASSERT_EQ(host.positions.size(), 34u);
    EXPECT_EQ(host.positions[0], start - QPoint(0, 3));
    EXPECT_EQ(host.positions[32], start - QPoint(0, 99));
    EXPECT_EQ(host.positions[33], start - QPoint(0, 100));
    EXPECT_EQ(QPoint(figure.Column(), figure.Row()), QPoint(2, 2)) << "the step during the glide did nothing";
    EXPECT_TRUE(figure.FacingUp());
    EXPECT_FALSE(figure.IsBusy());

    Ufo unset(host, true);
    QImage canvas = clean.copy();
    unset.PaintOn(canvas);
    EXPECT_EQ(canvas, clean) << "no facing, nothing painted";
    EXPECT_FALSE(unset.CanGoUp());
}

// Walks from the figure's cell into every cell it can reach, as arrow keys would, and back; after
// each step the figure must stand centred in its cell.
void Explore(GraLabirynt& game, std::set<std::pair<int, int>>& seen, bool& exitSeen)
{
    Ufo& figure = game.Figure();
    const int pitch = game.Board()->Pitch();
    const QRect cell(Labirynt::kLeft + figure.Column() * pitch, Labirynt::kTop + figure.Row() * pitch, pitch, pitch);
    const QPoint offCentre = figure.Rect().center() - cell.center();
    EXPECT_LE(offCentre.manhattanLength(), 2) << "cell " << figure.Column() << "," << figure.Row();
    seen.insert({figure.Column(), figure.Row()});
    exitSeen = exitSeen || game.Board()->IsExit(figure.Column(), figure.Row());
    using MoveFn = GraLabirynt::Move (GraLabirynt::*)();
    const struct {
        MoveFn go, back;
    } ways[] = {{&GraLabirynt::MoveRight, &GraLabirynt::MoveLeft},
                {&GraLabirynt::MoveLeft, &GraLabirynt::MoveRight},
                {&GraLabirynt::MoveDown, &GraLabirynt::MoveUp},
                {&GraLabirynt::MoveUp, &GraLabirynt::MoveDown}};
    for (const auto& way : ways) {
        const int column = figure.Column(), row = figure.Row();
        const GraLabirynt::Move move = (game.*way.go)();
        if (move != GraLabirynt::Move::Stepped && move != GraLabirynt::Move::Collected)
            continue;
        if (!seen.count({figure.Column(), figure.Row()}))
            Explore(game, seen, exitSeen);
        EXPECT_EQ((game.*way.back)(), GraLabirynt::Move::Stepped);
        ASSERT_EQ(QPoint(figure.Column(), figure.Row()), QPoint(column, row)) << "the way back leads home";
    }
}

TEST_F(Labyrinth, EveryShippedMazeIsWalkedCellByCellAndCollectedWhole)
{
    const QDir shipped(ProgramFolder::GeneratedData() + "/Intf/Lab");
    const QStringList mazes = shipped.entryList({"labir*.ltr"}, QDir::Files);
    ASSERT_EQ(mazes.size(), 9);
    for (const QString& name : mazes) {
        SCOPED_TRACE(name.toStdString());
        QFile file(shipped.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        GraLabirynt& game = Play(file.readAll());
        std::set<std::pair<int, int>> seen;
        bool exitSeen = false;
        Explore(game, seen, exitSeen);
        EXPECT_TRUE(exitSeen);
        EXPECT_EQ(game.Collected(), game.GoodCount());
        EXPECT_GT(game.GoodCount(), 0);
    }
}

TEST(LabyrinthTaskLine, ListsTheGroupsWithCommas)
{
    const QString prefix = QStringLiteral("Znajdź obrazki z głoską: ");
    const struct {
        qint16 gloski;
        const char* groups;
    } cases[] = {
        {0x01 | 0x02, "L,  R "},
        {0x10 | 0x40, "R "},
        {0x02 | 0x10, "R "},
        {0x01 | 0x04 | 0x08 | 0x80, "L,  J,  LI,  R "},
        {0, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TaskLine(c.gloski), prefix + QString::fromUtf8(c.groups)) << c.gloski;
}

TEST(LabyrinthClock, TheTimeOfDayChoosesTheMaze)
{
    EXPECT_EQ(ClockIndex(3, QTime(10, 15, 7)), 2);
    EXPECT_EQ(ClockIndex(8, QTime(0, 0, 0)), 0);
    EXPECT_EQ(ClockIndex(0, QTime(10, 15, 7)), 0);
}

}  // namespace
