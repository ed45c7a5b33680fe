// SPDX-License-Identifier: GPL-3.0-or-later
// A whole sounds game in the real program: opened from the menu's first tab, right pairs (one of
// them the car and its "brum"), a wrong pair and a hint played with the mouse, Esc, the summary
// left with "stop", and the game's record in the statistics file.
#include "games/sounds/Odglosy.h"
#include "games/sounds/soundsdriver.h"
#include "results/Koniecgry.h"
#include "results/_cstatrec.h"
#include "app/shared.h"
#include "support/programundertest.h"

#include <QFile>
#include <QTimer>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace soundstest;

namespace {

template <typename T>
T Field(const QByteArray& record, int offset)
{
    return qFromLittleEndian<T>(record.constData() + offset);
}

TEST(SoundsGame, RightPairsAWrongPairAndAHintThenEscAreRecordedAsAFinishedGame)
{
    ProgramUnderTest program;
    program.folder.Write("Data/data.ini", "[DaneProgramu]\r\nZakladka=1\r\n[Odglosy]\r\nPoziom=1\r\n");
    ASSERT_TRUE(program.Start());
    TFormMain* menu = program.Main();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    auto* game = dynamic_cast<TfmOdglosy*>(menu->GameWindow(TfmOdglosy::kTab));
    ASSERT_NE(game, nullptr) << "the menu's first tab opens the sounds game";
    const QString statistics = program.folder.File("prgst4.stt");
    const qint64 sizeBefore = QFile(statistics).size();
    auto tick = [&] { program.services.time.Advance(GraOdglosy::kTickMs); };

    int summaries = 0;
    QObject::connect(FormKoniecGry.get(), &CModalWindow::Opened, [&] {
        ++summaries;
        QTimer::singleShot(0, [] { Click(FormKoniecGry->StopButton()); });
    });
    QStringList played;
    QObject::connect(game, &CModalWindow::Opened, [&] {
        QTimer::singleShot(0, [&] {
            game->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(game));
            program.services.sound.played.clear();
            Driver d(*game);
            d.ClickButton("pies");   // "wrrr" and the dog: right
            d.ClickObject("pies");
            tick();
            d.ClickButton("traba");  // "tratata" and the dog: wrong
            d.ClickObject("pies");
            tick();
            d.ClickObject("auto");   // the car and "brum": right
            d.ClickButton("auto");
            tick();
            d.ClickObject("traba");  // the trumpet, and help: "tratata" lights up
            d.ClickHelp();
            tick();
            played = program.services.sound.played;
            QTest::keyClick(game, Qt::Key_Escape);
            if (game->isVisible()) {
                ADD_FAILURE() << "Esc did not end the game";
                game->EndModal(0);
            }
        });
    });
    ASSERT_NE(menu->Button("start"), nullptr);
    Click(menu->Button("start"));

    ASSERT_EQ(played.size(), 4);
    EXPECT_EQ(played[0], "Data/Smd.O/ps.pw");
    EXPECT_TRUE(played[1].startsWith("Data/Intf/Smd/b"));
    EXPECT_EQ(played[2], "Data/Smd.O/smd.pw");
    EXPECT_EQ(played[3], "Data/Smd.O/tbk.pw");
    EXPECT_EQ(summaries, 1);
    EXPECT_TRUE(game->isHidden());
    EXPECT_EQ(game->Result(), TfmKoniecGry::kResultStop);

    QFile file(statistics);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_EQ(bytes.size(), sizeBefore + CStatRec::kRecordSize);
    const QByteArray record = bytes.right(CStatRec::kRecordSize);
    EXPECT_EQ(Field<qint32>(record, 0), CStatRec::kGameOther) << "game code";
    EXPECT_EQ(Field<quint16>(record, 4), 2026) << "start year";
    EXPECT_EQ(Field<qint16>(record, 20), 1) << "Poziom";
    EXPECT_EQ(Field<qint16>(record, 30), 1) << "completed";
    EXPECT_EQ(Field<qint32>(record, 32), 1) << "hints";
    EXPECT_EQ(Field<qint32>(record, 36), 2) << "correct";
    EXPECT_EQ(Field<qint32>(record, 40), 1) << "wrong";
}

}  // namespace
