// SPDX-License-Identifier: GPL-3.0-or-later
// A whole picture-and-say game in the real program: started from the menu's second tab, every word
// spelled by dragging its tiles, the game ending by itself a minute after the last word, the summary
// left with "stop", and the game's record in the statistics file. The adult's own recordings of two
// words and of the praise are what the child hears.
#include "games/selector/Selector.h"
#include "games/selector/selectordriver.h"
#include "gfx/_cprzycisk.h"
#include "results/Koniecgry.h"
#include "results/_cstatrec.h"
#include "app/shared.h"
#include "menu/menuwindows.h"
#include "support/programundertest.h"
#include "voice/voicetake.h"
#include "words/_cslowa.h"
#include "settings/_custgry.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTimer>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace selectortest;

namespace {

template <typename T>
T Field(const QByteArray& record, int offset)
{
    return qFromLittleEndian<T>(record.constData() + offset);
}

TEST(SelectorGame, EveryWordSpelledThenTheGameEndsItselfAndIsRecordedAsCompleted)
{
    ProgramUnderTest program;
    program.folder.Write("Data/data.ini",
                         "[DaneProgramu]\r\nZakladka=2\r\n[Selector]\r\nGloski=1\r\nPozycja=4096\r\nPoziom=1\r\n");
    // A short loud tone stands for the adult's voice.
    const QByteArray own = WaveFileBytes(QByteArray(2000, char(40)));
    // Two of the words the settings select (L at the start) in the adult's voice.
    QStringList ownWords;
    const CSlowa catalogue;
    for (const SPaczka& word : catalogue.Catalogue())
        if ((word.Flags & glos::L) && (word.Flags & glos::Naglos) && ownWords.size() < 2)
            ownWords << word.Name;
    for (const QString& word : ownWords)
        program.folder.Write(QString("Glos/Smd/%1.pw").arg(word), own);
    for (int n = 0; n < 8; ++n)
        program.folder.Write(QString("Glos/Intf/Smd/g0%1.pw").arg(n), own);
    ASSERT_TRUE(program.Start());
    TFormMain* menu = program.Main();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    auto* game = dynamic_cast<TfmSelector*>(menu->GameWindow(TfmSelector::kTab));
    ASSERT_NE(game, nullptr) << "start-up makes the game's window";
    const QString statistics = program.folder.File("prgst4.stt");
    const qint64 sizeBefore = QFile(statistics).size();

    int summaries = 0;
    QObject::connect(FormKoniecGry.get(), &CModalWindow::Opened, [&] {
        ++summaries;
        QTimer::singleShot(0, [] {
            CPrzyciskP* stop = FormKoniecGry->StopButton();
            QTest::mouseClick(stop, Qt::LeftButton, {}, QPoint(stop->width() / 2, stop->height() / 2));
        });
    });
    int words = 0;
    bool timerRan = false;
    QObject::connect(game, &CModalWindow::Opened, [&] {
        QTimer::singleShot(0, [&] {
            GraSelector& engine = *game->Engine();
            for (;;) {
                SolveCurrentWord(engine);
                words += engine.IsSolved();
                if (engine.IsLast())
                    break;
                Click(game->NextButton());
            }
            timerRan = game->StopTimer().IsActive();
            // Nobody touches the game for a minute: it ends by itself, and the summary's "stop"
            // closes it.
            program.services.time.Advance(TfmSelector::kStopAfterMs);
            if (game->isVisible()) {
                ADD_FAILURE() << "the game did not end by itself";
                game->EndModal(0);
            }
        });
    });
    CPrzyciskP* start = menu->Button("start");
    ASSERT_NE(start, nullptr);
    QTest::mouseClick(start, Qt::LeftButton, {}, QPoint(start->width() / 2, start->height() / 2));

    EXPECT_EQ(words, 5);
    // Every word of the settings (L at the start) was said once, two of them in the adult's voice,
    // and every praise was the adult's.
    const QStringList played = program.services.sound.played;
    const QString glos = program.folder.File("Glos/");
    EXPECT_EQ(played.filter(QRegularExpression("(^Data|/Glos)/Smd/")).size(), 5) << played.join(' ').toStdString();
    const int ownPlayed = played.filter(glos + "Smd/").size();
    EXPECT_EQ(played.filter(QRegularExpression("^Data/Smd/")).size(), 5 - ownPlayed);
    for (const QString& path : played.filter(glos + "Smd/"))
        EXPECT_TRUE(ownWords.contains(QFileInfo(path).baseName())) << path.toStdString();
    EXPECT_EQ(played.filter(glos + "Intf/Smd/g").size(), 5);
    EXPECT_TRUE(played.filter("Data/Intf/").isEmpty());
    EXPECT_TRUE(timerRan);
    EXPECT_EQ(summaries, 1);
    EXPECT_TRUE(game->isHidden());
    EXPECT_EQ(game->Result(), TfmKoniecGry::kResultStop);

    QFile file(statistics);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_EQ(bytes.size(), sizeBefore + CStatRec::kRecordSize);
    const QByteArray record = bytes.right(CStatRec::kRecordSize);
    EXPECT_EQ(Field<qint32>(record, 0), 1) << "game code";
    EXPECT_EQ(Field<quint16>(record, 4), 2026) << "start year";
    EXPECT_EQ(Field<qint16>(record, 20), 1) << "Poziom";
    EXPECT_EQ(Field<qint16>(record, 22), 1) << "Gloski";
    EXPECT_EQ(Field<qint16>(record, 24), 4096) << "Pozycja";
    const qint32 duration = Field<qint32>(record, 26);
    EXPECT_GE(duration, TfmSelector::kStopAfterMs / 1000);
    EXPECT_LT(duration, 2 * TfmSelector::kStopAfterMs / 1000);
    EXPECT_EQ(Field<qint16>(record, 30), 1) << "completed";
    EXPECT_EQ(Field<qint32>(record, 32), 0) << "hints";
    EXPECT_EQ(Field<qint32>(record, 36), 5) << "correct";
    EXPECT_EQ(Field<qint32>(record, 40), 0) << "wrong";
}

}  // namespace
