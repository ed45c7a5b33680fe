// SPDX-License-Identifier: GPL-3.0-or-later
// A whole flying-saucer game in the real program: started from the menu's fourth tab, every word
// completed by holding and releasing the space bar while the saucer flies on the clock, the game
// left with the stop button and the summary's "stop", and the game's record in the statistics file.
#include "games/saucer/Hitman.h"
#include "gfx/_cprzycisk.h"
#include "results/Koniecgry.h"
#include "results/_cstatrec.h"
#include "app/shared.h"
#include "support/programundertest.h"

#include <QFile>
#include <QTest>
#include <QTimer>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

constexpr int kMaxTicksPerWord = 5000;

template <typename T>
T Field(const QByteArray& record, int offset)
{
    return qFromLittleEndian<T>(record.constData() + offset);
}

void Click(QWidget* w)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(w->width() / 2, w->height() / 2));
}

// The child's side of one word: the space bar is held while the saucer carries a letter that fits no
// empty box (so the letter changes) and while it passes under the box its letter fits; it is let go
// under any other empty box.
bool PlayWord(TfmHitman& game, FakeTime& time)
{
    bool held = false;
    for (int tick = 0; tick < kMaxTicksPerWord && !game.Board()->IsFinished(); ++tick) {
        GraHitman& board = *game.Board();
        const QString carried = board.CarriedLetter();
        bool hold = false;
        if (board.FindBoxUnder(board.Saucer().Left())) {
            hold = board.Expected()[board.BoxUnder()] == carried;
        } else {
            hold = true;
            for (int i = 0; i < board.LetterCount(); ++i)
                if (board.Letters()[i] == GraHitman::kEmpty && board.Expected()[i] == carried)
                    hold = false;
        }
        if (hold != held) {
            if (hold)
                QTest::keyPress(&game, Qt::Key_Space);
            else
                QTest::keyRelease(&game, Qt::Key_Space);
            held = hold;
        }
        time.Advance(TfmHitman::kTickMs);
    }
    if (held)
        QTest::keyRelease(&game, Qt::Key_Space);
    return game.Board()->IsFinished();
}

TEST(SaucerGame, EveryWordCompletedWithTheSpaceBarThenStopRecordsACompletedGame)
{
    ProgramUnderTest program;
    program.folder.Write("Data/data.ini",
                         "[DaneProgramu]\r\nZakladka=4\r\n[Hitmen]\r\nGloski=2048\r\nPozycja=4096\r\nPoziom=1\r\n");
    ASSERT_TRUE(program.Start());
    TFormMain* menu = program.Main();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    auto* game = dynamic_cast<TfmHitman*>(menu->GameWindow(TfmHitman::kTab));
    ASSERT_NE(game, nullptr) << "start-up makes the saucer's window";
    const QString statistics = program.folder.File("prgst4.stt");
    const qint64 sizeBefore = QFile(statistics).size();

    int summaries = 0;
    QObject::connect(FormKoniecGry.get(), &CModalWindow::Opened, [&] {
        ++summaries;
        QTimer::singleShot(0, [] { Click(FormKoniecGry->StopButton()); });
    });
    int completed = 0, words = 0;
    QObject::connect(game, &CModalWindow::Opened, [&] {
        QTimer::singleShot(0, [&] {
            words = game->WordCount();
            for (;;) {
                completed += PlayWord(*game, program.services.time);
                if (game->WordIndex() == game->WordCount() - 1)
                    break;
                Click(game->NextButton());
            }
            Click(game->StopButton());
            if (game->isVisible()) {
                ADD_FAILURE() << "stop did not end the game";
                game->EndModal(0);
            }
        });
    });
    CPrzyciskP* start = menu->Button("start");
    ASSERT_NE(start, nullptr);
    Click(start);

    EXPECT_EQ(words, 4);
    EXPECT_EQ(completed, 4);
    EXPECT_EQ(summaries, 1);
    EXPECT_TRUE(game->isHidden());

    QFile file(statistics);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_EQ(bytes.size(), sizeBefore + CStatRec::kRecordSize);
    const QByteArray record = bytes.right(CStatRec::kRecordSize);
    EXPECT_EQ(Field<qint32>(record, 0), 1) << "game code";
    EXPECT_EQ(Field<qint16>(record, 20), 1) << "Poziom";
    EXPECT_EQ(Field<qint16>(record, 22), 2048) << "Gloski";
    EXPECT_EQ(Field<qint16>(record, 24), 4096) << "Pozycja";
    EXPECT_GT(Field<qint32>(record, 26), 0) << "seconds played";
    EXPECT_EQ(Field<qint16>(record, 30), 1) << "completed";
    EXPECT_EQ(Field<qint32>(record, 32), 0) << "hints";
    EXPECT_EQ(Field<qint32>(record, 36), 4) << "correct";
    EXPECT_EQ(Field<qint32>(record, 40), 0) << "wrong";
}

}  // namespace
