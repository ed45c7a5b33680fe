// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the maze file reader and of the check that keeps unplayable mazes out of the game.
#include "mazes_check.h"

#include <gtest/gtest.h>

#include <QDataStream>
#include <QIODevice>

using namespace mazes;

namespace {

// A small playable maze along the top row:
//   S - * - o - E
//           |
//           X        (a distractor on a side branch)
// with a tree elsewhere for scenery.
Maze GoodMaze()
{
    Maze maze;
    maze.SetCode(0, 0, kStartRight);
    maze.SetCode(1, 0, PathCode(OpenLeft | OpenRight) | GoodPicture);
    maze.SetCode(2, 0, PathCode(OpenLeft | OpenRight | OpenDown));
    maze.SetCode(3, 0, kExitLeft);
    maze.SetCode(2, 1, PathCode(OpenUp) | WrongPicture);
    maze.SetCode(5, 5, 246);
    maze.text = QByteArray("\xA3\xB9ka", 4) + '\0';  // "Łąka" in the code page
    return maze;
}

// Passes the maze through its bytes, as the game would read it.
Maze RoundTrip(const Maze& maze)
{
    Maze read;
    QString reason;
    EXPECT_TRUE(ReadMaze(WriteMaze(maze), read, &reason)) << reason.toStdString();
    return read;
}

bool Mentions(const QStringList& problems, const QString& text)
{
    for (const QString& problem : problems)
        if (problem.contains(text))
            return true;
    return false;
}

std::string Joined(const QStringList& problems)
{
    return problems.join(" | ").toStdString();
}

qint32 IntAt(const QByteArray& bytes, int offset)
{
    QDataStream in(bytes.mid(offset, 4));
    in.setByteOrder(QDataStream::LittleEndian);
    qint32 value = 0;
    in >> value;
    return value;
}

}  // namespace

TEST(MazesCheck, PathCodesMatchTheTilePictures)
{
    EXPECT_EQ(PathCode(OpenRight), 273);
    EXPECT_EQ(PathCode(OpenLeft | OpenRight), 305);
    EXPECT_EQ(PathCode(OpenUp | OpenDown | OpenLeft | OpenRight), 497);
    EXPECT_EQ(PathCode(OpenRight, StartTile), kStartRight);
    EXPECT_EQ(PathCode(OpenUp, StartTile), kStartUp);
    EXPECT_EQ(PathCode(OpenDown, FinishTile), kExitDown);
    EXPECT_EQ(PathCode(OpenLeft, StartTile), 0) << "there is no start tile that opens to the left";
    EXPECT_EQ(PathCode(OpenLeft | OpenUp, FinishTile), 0);
    EXPECT_EQ(PathCode(0), 0) << "a path tile without any opening has no picture";
}

TEST(MazesCheck, GoodMazePasses)
{
    const Maze maze = RoundTrip(GoodMaze());
    EXPECT_TRUE(CheckMaze(maze).isEmpty()) << Joined(CheckMaze(maze));
    EXPECT_EQ(maze.Description(), QByteArray("\xA3\xB9ka", 4));
    EXPECT_EQ(maze.Code(1, 0), 305 | GoodPicture);
    EXPECT_EQ(maze.Code(8, 0), 0) << "outside the grid";
    EXPECT_EQ(maze.Code(0, -1), 0);
}

TEST(MazesCheck, FileLayoutIsLittleEndianColumnByColumn)
{
    Maze maze = GoodMaze();
    maze.header = {8, 6, 100, 86};
    maze.reserved = 7;
    const QByteArray bytes = WriteMaze(maze);
    ASSERT_EQ(bytes.size(), kFixedBytes + maze.text.size());
    EXPECT_EQ(IntAt(bytes, 0), 8);
    EXPECT_EQ(IntAt(bytes, 12), 86);
    EXPECT_EQ(IntAt(bytes, 16), kStartRight) << "column 0 row 0 comes first";
    EXPECT_EQ(IntAt(bytes, 16 + 4 * 6), 305 | GoodPicture) << "then column 1 row 0, after six rows";
    EXPECT_EQ(IntAt(bytes, 16 + 4 * (2 * 6 + 1)), PathCode(OpenUp) | WrongPicture);
    EXPECT_EQ(IntAt(bytes, 208), 7);
    EXPECT_EQ(IntAt(bytes, 212), maze.text.size());
    EXPECT_EQ(quint8(bytes[16]), 0x11) << "low byte first";
    EXPECT_EQ(quint8(bytes[17]), 0x03);
}

TEST(MazesCheck, HeaderMustAddUpTo200)
{
    Maze maze = GoodMaze();
    maze.header = {50, 50, 50, 49};
    Maze read;
    QString reason;
    EXPECT_FALSE(ReadMaze(WriteMaze(maze), read, &reason));
    EXPECT_TRUE(reason.contains("199")) << reason.toStdString();

    maze.header = {200, 0, -10, 10};
    EXPECT_TRUE(ReadMaze(WriteMaze(maze), read, &reason)) << "single header values carry no meaning";
}

TEST(MazesCheck, TruncatedFilesAreBad)
{
    const QByteArray bytes = WriteMaze(GoodMaze());
    Maze read;
    QString reason;

    EXPECT_FALSE(ReadMaze(bytes.left(15), read, &reason));
    EXPECT_TRUE(reason.contains("header")) << reason.toStdString();

    EXPECT_FALSE(ReadMaze(bytes.left(100), read, &reason));
    EXPECT_TRUE(reason.contains("inside its tile codes")) << reason.toStdString();

    EXPECT_FALSE(ReadMaze(bytes.left(210), read, &reason));
    EXPECT_TRUE(reason.contains("text length")) << reason.toStdString();

    EXPECT_FALSE(ReadMaze(bytes.left(bytes.size() - 1), read, &reason));
    EXPECT_TRUE(reason.contains("runs past the end")) << reason.toStdString();

    EXPECT_FALSE(ReadMaze(QByteArray(), read, &reason));
}

TEST(MazesCheck, TextLengthRunningPastTheFileIsBad)
{
    QByteArray bytes = WriteMaze(GoodMaze());
    QDataStream out(&bytes, QIODevice::ReadWrite);
    out.setByteOrder(QDataStream::LittleEndian);
    out.device()->seek(212);
    out << qint32(1000);
    Maze read;
    QString reason;
    EXPECT_FALSE(ReadMaze(bytes, read, &reason));
    EXPECT_TRUE(reason.contains("1000")) << reason.toStdString();

    out.device()->seek(212);
    out << qint32(-1);
    EXPECT_FALSE(ReadMaze(bytes, read, &reason));
    EXPECT_TRUE(reason.contains("negative")) << reason.toStdString();
}

TEST(MazesCheck, FailedReadLeavesTheMazeAlone)
{
    Maze read = GoodMaze();
    EXPECT_FALSE(ReadMaze(WriteMaze(GoodMaze()).left(100), read));
    EXPECT_EQ(read.Code(0, 0), kStartRight);
}

TEST(MazesCheck, TextWithoutZeroByteIsTakenWhole)
{
    Maze maze = GoodMaze();
    maze.text = "abc";
    const Maze read = RoundTrip(maze);
    EXPECT_EQ(read.Description(), QByteArray("abc"));

    maze.text = QByteArray("ab\0cd", 5);
    EXPECT_EQ(RoundTrip(maze).Description(), QByteArray("ab"));
}

TEST(MazesCheck, OpeningOutOfTheGridFails)
{
    Maze maze = GoodMaze();
    maze.SetCode(1, 0, PathCode(OpenLeft | OpenRight | OpenUp) | GoodPicture);
    const QStringList problems = CheckMaze(RoundTrip(maze));
    EXPECT_TRUE(Mentions(problems, "opening upward at column 1 row 0 leads out of the grid")) << Joined(problems);

    maze = GoodMaze();
    maze.SetCode(7, 2, PathCode(OpenRight | OpenLeft));
    maze.SetCode(6, 2, PathCode(OpenRight));
    EXPECT_TRUE(Mentions(CheckMaze(maze), "to the right at column 7 row 2 leads out of the grid"))
        << Joined(CheckMaze(maze));
}

TEST(MazesCheck, OpeningMustLeadToATileThatOpensBack)
{
    Maze maze = GoodMaze();
    maze.SetCode(2, 1, 246);  // the branch now runs into a tree
    EXPECT_TRUE(Mentions(CheckMaze(maze), "leads to column 2 row 1, which is no path")) << Joined(CheckMaze(maze));

    maze = GoodMaze();
    maze.SetCode(2, 1, PathCode(OpenDown) | WrongPicture);
    maze.SetCode(2, 2, PathCode(OpenUp));
    EXPECT_TRUE(Mentions(CheckMaze(maze), "at column 2 row 0 leads to column 2 row 1, which has no opening back"))
        << Joined(CheckMaze(maze));
}

TEST(MazesCheck, TwoStartsFail)
{
    Maze maze = GoodMaze();
    maze.SetCode(0, 3, kStartRight);
    maze.SetCode(1, 3, PathCode(OpenLeft));
    const QStringList problems = CheckMaze(RoundTrip(maze));
    EXPECT_TRUE(Mentions(problems, "2 start tiles instead of exactly one")) << Joined(problems);
}

TEST(MazesCheck, MissingStartOrExitFails)
{
    Maze maze = GoodMaze();
    maze.SetCode(0, 0, 0);
    maze.SetCode(1, 0, PathCode(OpenRight) | GoodPicture);
    EXPECT_TRUE(Mentions(CheckMaze(maze), "0 start tiles")) << Joined(CheckMaze(maze));

    maze = GoodMaze();
    maze.SetCode(3, 0, 0);
    maze.SetCode(2, 0, PathCode(OpenLeft | OpenDown));
    EXPECT_TRUE(Mentions(CheckMaze(maze), "0 exit tiles")) << Joined(CheckMaze(maze));
}

TEST(MazesCheck, UnreachablePictureFails)
{
    Maze maze = GoodMaze();
    // An island of two tiles that no path from the start reaches.
    maze.SetCode(5, 3, PathCode(OpenRight));
    maze.SetCode(6, 3, PathCode(OpenLeft) | GoodPicture);
    const QStringList problems = CheckMaze(RoundTrip(maze));
    EXPECT_TRUE(Mentions(problems, "picture at column 6 row 3 cannot be reached")) << Joined(problems);
    EXPECT_EQ(problems.size(), 1) << Joined(problems);
}

TEST(MazesCheck, DistractorBlocksTheWay)
{
    Maze maze = GoodMaze();
    maze.SetCode(2, 1, PathCode(OpenUp | OpenDown) | WrongPicture);
    maze.SetCode(2, 2, PathCode(OpenUp) | GoodPicture);
    const QStringList problems = CheckMaze(maze);
    EXPECT_TRUE(Mentions(problems, "picture at column 2 row 2 cannot be reached")) << Joined(problems);

    // The exit behind a distractor cannot be reached either.
    maze = GoodMaze();
    maze.SetCode(2, 0, PathCode(OpenLeft | OpenRight | OpenDown) | WrongPicture);
    maze.SetCode(2, 1, PathCode(OpenUp));
    EXPECT_TRUE(Mentions(CheckMaze(maze), "exit at column 3 row 0 cannot be reached")) << Joined(CheckMaze(maze));
}

TEST(MazesCheck, DistractorNobodyMeetsFails)
{
    Maze maze = GoodMaze();
    maze.SetCode(5, 3, PathCode(OpenRight));
    maze.SetCode(6, 3, PathCode(OpenLeft) | WrongPicture);
    EXPECT_TRUE(Mentions(CheckMaze(maze), "distractor at column 6 row 3")) << Joined(CheckMaze(maze));
}

TEST(MazesCheck, PicturesOnlyOnPlainPaths)
{
    Maze maze = GoodMaze();
    maze.SetCode(3, 0, kExitLeft | GoodPicture);
    QStringList problems = CheckMaze(maze);
    EXPECT_TRUE(Mentions(problems, "picture on a tile that is no plain path")) << Joined(problems);

    maze = GoodMaze();
    maze.SetCode(5, 5, 246 | WrongPicture);
    EXPECT_TRUE(Mentions(CheckMaze(maze), "no plain path (code 8438) at column 5 row 5")) << Joined(CheckMaze(maze));

    maze = GoodMaze();
    maze.SetCode(1, 0, 305 | GoodPicture | WrongPicture);
    EXPECT_TRUE(Mentions(CheckMaze(maze), "carries both")) << Joined(CheckMaze(maze));
}

TEST(MazesCheck, UnknownCodeFails)
{
    Maze maze = GoodMaze();
    maze.SetCode(6, 5, 243);
    maze.SetCode(7, 5, -1);
    const QStringList problems = CheckMaze(maze);
    EXPECT_TRUE(Mentions(problems, "unknown tile code 243 at column 6 row 5")) << Joined(problems);
    EXPECT_TRUE(Mentions(problems, "unknown tile code -1 at column 7 row 5")) << Joined(problems);
}

TEST(MazesCheck, TooManyPicturesOrDistractorsFail)
{
    // A long corridor along row 3 full of pictures, with a start at its left end.
    Maze maze;
    maze.SetCode(0, 3, kStartRight);
    for (int c = 1; c < 7; ++c)
        maze.SetCode(c, 3, PathCode(OpenLeft | OpenRight) | (c <= 4 ? GoodPicture : 0));
    maze.SetCode(7, 3, kExitLeft);
    EXPECT_TRUE(CheckMaze(maze).isEmpty()) << "four pictures fit: " << Joined(CheckMaze(maze));

    maze.SetCode(5, 3, PathCode(OpenLeft | OpenRight) | GoodPicture);
    EXPECT_TRUE(Mentions(CheckMaze(maze), "5 pictures to collect")) << Joined(CheckMaze(maze));
    EXPECT_TRUE(CheckMaze(maze, Limits{7, 2}).isEmpty()) << Joined(CheckMaze(maze, Limits{7, 2}));

    Maze blocked = GoodMaze();
    blocked.SetCode(2, 1, PathCode(OpenUp | OpenDown) | WrongPicture);
    blocked.SetCode(2, 2, PathCode(OpenUp | OpenDown) | WrongPicture);
    blocked.SetCode(2, 3, PathCode(OpenUp) | WrongPicture);
    const QStringList problems = CheckMaze(blocked);
    EXPECT_TRUE(Mentions(problems, "3 distractors")) << Joined(problems);
}

TEST(MazesCheck, TheColumnFitsBelowTheButtonsAndAboveTheBottom)
{
    // Six pictures run off the bottom of the small window; five reach up under its stop button,
    // though they fit the big one.
    EXPECT_FALSE(ColumnFits(6, kSmallColumn));
    EXPECT_FALSE(ColumnFits(5, kSmallColumn));
    EXPECT_TRUE(ColumnFits(5, kBigColumn));
    EXPECT_TRUE(ColumnFits(4, kSmallColumn));
    EXPECT_EQ(PicturesThatFit(), 4);
}

TEST(MazesCheck, IndexFile)
{
    int count = 0;
    QString reason;
    ASSERT_TRUE(ReadIndex(WriteIndex(3), &count, &reason)) << reason.toStdString();
    EXPECT_EQ(count, 3);
    EXPECT_EQ(WriteIndex(3), QByteArray("\x03\x00\x00\x00", 4));
    EXPECT_TRUE(ReadIndex(WriteIndex(2) + "anything", &count));
    EXPECT_EQ(count, 2);

    EXPECT_FALSE(ReadIndex(WriteIndex(0), &count, &reason));
    EXPECT_TRUE(reason.contains("at least 1")) << reason.toStdString();
    EXPECT_FALSE(ReadIndex(QByteArray("\x03\x00", 2), &count, &reason));
    EXPECT_TRUE(reason.contains("too short")) << reason.toStdString();
}
