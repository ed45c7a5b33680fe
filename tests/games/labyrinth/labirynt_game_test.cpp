// SPDX-License-Identifier: GPL-3.0-or-later
// Whole labyrinth games in the real program, on mazes the tests write: one played from the menu's
// fifth tab with the arrow keys to the exit and stopped, its record checked; and a damaged maze,
// reported once, with a window that can still be stopped.
#include "games/labyrinth/Labirynt.h"
#include "games/labyrinth/mazebytes.h"
#include "gfx/_cprzycisk.h"
#include "results/Koniecgry.h"
#include "results/_cstatrec.h"
#include "support/programundertest.h"

#include <QApplication>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace labtest;

namespace {

template <typename T>
T Field(const QByteArray& record, int offset)
{
    return qFromLittleEndian<T>(record.constData() + offset);
}

template <typename Window>
Window* TopLevel()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = dynamic_cast<Window*>(widget))
            return window;
    return nullptr;
}

void Click(QWidget* button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->width() / 2, button->height() / 2));
}

// The program with the labyrinth's tab chosen and `maze` as the only maze of level 1.
struct LabyrinthProgram {
    explicit LabyrinthProgram(const QByteArray& maze)
    {
        program.folder.Write("Data/data.ini",
                             "[DaneProgramu]\r\nZakladka=5\r\n[Labirynt]\r\nGloski=1\r\nPozycja=4096\r\nPoziom=1\r\n");
        program.folder.Write("Data/Intf/Lab/labir.def", IndexBytes(1));
        program.folder.Write("Data/Intf/Lab/labir100.ltr", maze);
    }

    // Starts the game from the menu; `play` runs inside the game window's round and must end it.
    // Returns the record the game appended.
    QByteArray Play(const std::function<void(TfmLabirynt&)>& play)
    {
        EXPECT_TRUE(program.Start());
        TFormMain* menu = program.Main();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(menu));
        auto* game = dynamic_cast<TfmLabirynt*>(menu->GameWindow(TfmLabirynt::kTab));
        EXPECT_NE(game, nullptr) << "the fifth tab opens the labyrinth";
        auto* summary = TopLevel<TfmKoniecGry>();
        EXPECT_NE(summary, nullptr);
        if (!game || !summary)
            return {};
        const QString statistics = program.folder.File("prgst4.stt");
        const qint64 sizeBefore = QFile(statistics).size();
        QObject::connect(summary, &CModalWindow::Opened, [&] {
            ++summaries;
            QTimer::singleShot(0, [summary] { Click(summary->StopButton()); });
        });
        QObject::connect(game, &CModalWindow::Opened, [&] {
            QTimer::singleShot(0, [&] {
                play(*game);
                if (game->isVisible()) {
                    ADD_FAILURE() << "the round was not left";
                    game->EndModal(0);
                }
            });
        });
        Click(menu->Button("start"));
        EXPECT_TRUE(game->isHidden());
        QFile file(statistics);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_EQ(bytes.size(), sizeBefore + CStatRec::kRecordSize);
        return bytes.right(CStatRec::kRecordSize);
    }

    ProgramUnderTest program;
    int summaries = 0;
};

TEST(LabyrinthGame, PlayedWithArrowKeysToTheExitThenStoppedIsRecordedAsCompleted)
{
    LabyrinthProgram run(MazeBytes(TopRowMaze()));
    bool wonBeforeStop = false;
    int hintSounds = 0;
    const QByteArray record = run.Play([&](TfmLabirynt& game) {
        // A right press on a word picture shows it enlarged while its word is said.
        const ObrazekSlowo& word = *game.Engine()->HintCell()->WordPicture();
        bool zoomed = false;
        const QImage before = game.Canvas().copy();
        run.program.services.sound.whilePlaying = [&](const QString& path) {
            const QRect frame = game.Zoom().TargetRect();
            zoomed = path.contains(word.WordName()) && !frame.isEmpty() &&
                     game.Canvas().copy(frame) != before.copy(frame);
        };
        QTest::mouseClick(&game, Qt::RightButton, {}, word.Rect().center());
        run.program.services.sound.whilePlaying = nullptr;
        EXPECT_TRUE(zoomed);
        EXPECT_EQ(game.Canvas(), before) << "the window is whole again after the zoom";

        // A hint outlines the picture to collect and says its word.
        Click(game.HelpButton());
        hintSounds = int(run.program.services.sound.played.size()) - 1;
        const QImage& window = game.Canvas();
        const QRect picture = game.Engine()->HintCell()->WordPicture()->Rect();
        EXPECT_EQ(window.pixel(picture.topLeft()), TfmLabirynt::kHintColour);

        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Up,
                            Qt::Key_Right, Qt::Key_Right})
            QTest::keyClick(&game, key);
        const Ufo& figure = game.Engine()->Figure();
        EXPECT_EQ(QPoint(figure.Column(), figure.Row()), QPoint(5, 0));
        // The figure is on screen where it stands, over the exit tile.
        const QRect sprite = figure.Rect();
        EXPECT_NE(window.copy(sprite), game.CleanPicture().copy(sprite)) << "the figure is drawn";
        wonBeforeStop = game.Engine()->IsDone();
        // Help with everything collected finds nothing and counts nothing.
        Click(game.HelpButton());
        Click(game.StopButton());
    });
    EXPECT_TRUE(wonBeforeStop);
    EXPECT_EQ(hintSounds, 1);
    EXPECT_EQ(run.summaries, 1);
    ASSERT_EQ(record.size(), CStatRec::kRecordSize);
    EXPECT_EQ(Field<qint32>(record, 0), CStatRec::kGameLabyrinth) << "game code";
    EXPECT_EQ(Field<qint16>(record, 20), 1) << "Poziom";
    EXPECT_EQ(Field<qint16>(record, 22), 1) << "Gloski";
    EXPECT_EQ(Field<qint16>(record, 30), 1) << "completed";
    EXPECT_EQ(Field<qint32>(record, 32), 1) << "hints";
    EXPECT_EQ(Field<qint32>(record, 36), 1) << "correct";
    EXPECT_EQ(Field<qint32>(record, 40), 1) << "wrong, however often the distractor was bumped";
}

TEST(LabyrinthGame, ADamagedMazeIsReportedOnceAndItsRoundCanBeStopped)
{
    LabyrinthProgram run(MazeBytes(TopRowMaze(), "x", {50, 50, 50, 50}, 1000));
    int messages = 0;
    const QByteArray record = run.Play([&](TfmLabirynt& game) {
        for (const ShownMessage& shown : run.program.boxes.shown)
            if (shown.text == QStringLiteral("Błędny plik labiryntu") && shown.caption == QStringLiteral("Błąd") &&
                shown.icon == MessageIcon::Error)
                ++messages;
        EXPECT_FALSE(game.Engine()->Board()->HasCells());
        QTest::keyClick(&game, Qt::Key_Right);
        Click(game.HelpButton());
        Click(game.StopButton());
    });
    EXPECT_EQ(messages, 1);
    ASSERT_EQ(record.size(), CStatRec::kRecordSize);
    EXPECT_EQ(Field<qint16>(record, 30), 0) << "not completed";
    EXPECT_EQ(Field<qint32>(record, 32), 0) << "no hint without pictures";
}

}  // namespace
