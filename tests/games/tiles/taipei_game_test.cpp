// SPDX-License-Identifier: GPL-3.0-or-later
// Whole tile-pairs games in the real program: started from the menu's third tab, a tile's word
// zoomed by a right click, a hint, a wrong pair, the first board left with Esc and the summary's
// "start", the second board cleared by clicking free pairs to its end, the third closed by the
// window manager, and the three records checked.
#include "app/shared.h"
#include "games/tiles/Taipei.h"
#include "gfx/_cprzycisk.h"
#include "platform/timeservice.h"
#include "results/Koniecgry.h"
#include "results/_cstatrec.h"
#include "support/programundertest.h"

#include <QFile>
#include <QTest>
#include <QTimer>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

template <typename T>
T Field(const QByteArray& record, int offset)
{
    return qFromLittleEndian<T>(record.constData() + offset);
}

void ClickTile(const CKostka& tile, Qt::MouseButton button = Qt::LeftButton)
{
    QWidget* area = TfmTaiPei::Widget(tile);
    ASSERT_NE(area, nullptr);
    // Near the top edge: no other tile ever covers the top of a stack's top tile.
    QTest::mouseClick(area, button, {}, QPoint(area->width() / 2, area->height() / 8));
}

template <typename Button>
void Click(Button* button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->width() / 2, button->height() / 2));
}

// The free top tiles, by name.
QMap<QString, QList<CKostka*>> FreeTops(const GraTaiPei& engine)
{
    QMap<QString, QList<CKostka*>> tops;
    for (int cell = 0; cell < kTaiPeiCells; ++cell)
        if (CKostka* top = engine.TopTile(cell); top && top->IsFree())
            tops[top->Name()].append(top);
    return tops;
}

int TileCount(const GraTaiPei& engine)
{
    int tiles = 0;
    for (int cell = 0; cell < kTaiPeiCells; ++cell)
        tiles += engine.Height(cell);
    return tiles;
}

TEST(TaiPeiGame, BoardsLeftWithEscAndClearedByPairsAreRecordedAsCompleted)
{
    ProgramUnderTest program;
    program.folder.Write("Data/data.ini",
                         "[DaneProgramu]\r\nZakladka=3\r\n[Taipei]\r\nGloski=1\r\nPozycja=4096\r\nPoziom=1\r\n");
    ASSERT_TRUE(program.Start());
    TFormMain* menu = program.Main();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    auto* game = dynamic_cast<TfmTaiPei*>(menu->GameWindow(TfmTaiPei::kTab));
    ASSERT_NE(game, nullptr) << "start-up makes the game's window";
    EXPECT_EQ(game->windowTitle(), QStringLiteral("Klocki"));
    FakeTime& time = program.services.time;
    const QStringList& played = program.services.sound.played;
    const QString statistics = program.folder.File("prgst4.stt");
    const qint64 sizeBefore = QFile(statistics).size();

    // Both summaries start a new board; the third board's window is closed.
    int summaries = 0;
    bool tickedDuringSummary = false;
    QObject::connect(FormKoniecGry.get(), &CModalWindow::Opened, [&] {
        ++summaries;
        QTimer::singleShot(0, [&] {
            const int tilesBehind = game->Engine() ? TileCount(*game->Engine()) : -1;
            time.Advance(10 * TfmTaiPei::kTickMs);
            tickedDuringSummary |= game->Engine() && TileCount(*game->Engine()) != tilesBehind;
            Click(FormKoniecGry->StartButton());
        });
    });

    int boardsDealt = 0, pairsTaken = 0, wrongSounds = 0, zoomedWords = 0;
    bool tickedIdle = true, wokenByPair = false, quietAfterJudging = false, closedLive = false;
    QString hintFrame;
    QObject::connect(game, &CModalWindow::Opened, [&] {
        QTimer::singleShot(0, [&] {
            // First board: a look at a word, a hint, a wrong pair, then Esc.
            GraTaiPei* engine = game->Engine();
            boardsDealt += TileCount(*engine) == 10;
            CKostka* any = FreeTops(*engine).first().first();
            ClickTile(*any, Qt::RightButton);
            const QString word = any->Name().left(any->Name().lastIndexOf('_'));
            zoomedWords += played.contains("Data/Smd/" + word + ".pw");

            Click(game->HelpButton());
            if (const auto cells = engine->HintCells()) {
                const QRect picture = engine->TopTile(cells->first)->PictureRect();
                hintFrame = QColor(game->Canvas().pixel(picture.topLeft() - QPoint(1, 1))).name();
            }

            // Left alone, the board wakes nobody; a chosen pair wakes the tick until it is judged.
            time.Advance(10 * TfmTaiPei::kTickMs);
            tickedIdle = game->TickTimer().IsActive();
            const auto tops = FreeTops(*engine);
            if (tops.size() >= 2) {
                ClickTile(*tops.first().first());
                ClickTile(*tops.last().first());
                wokenByPair = game->TickTimer().IsActive();
                const qsizetype before = played.size();
                time.Advance(TfmTaiPei::kTickMs);
                quietAfterJudging = !game->TickTimer().IsActive();
                wrongSounds += played.size() > before && played.last().contains("Data/Intf/Smd/b0");
                ClickTile(*tops.first().first());  // the first tile is still chosen: drop it
            }
            QTest::keyClick(game, Qt::Key_Escape);

            // Second board, dealt by the summary's "start": cleared pair by pair.
            engine = game->Engine();
            boardsDealt += game->RoundLive() && TileCount(*engine) == 10;
            for (int step = 0; step < 200 && pairsTaken < 5; ++step) {
                const auto free = FreeTops(*game->Engine());
                const auto pair = std::find_if(free.begin(), free.end(), [](const auto& t) { return t.size() >= 2; });
                if (pair != free.end()) {
                    ClickTile(*pair->at(0));
                    ClickTile(*pair->at(1));
                    ++pairsTaken;
                }
                time.Advance(TfmTaiPei::kTickMs);
            }
            // The third board, closed from the desktop: saved, and back to the menu at once.
            closedLive = game->RoundLive() && TileCount(*game->Engine()) == 10;
            game->close();
            if (game->isVisible()) {
                ADD_FAILURE() << "the window did not close";
                game->EndModal(0);
            }
        });
    });
    CPrzyciskP* start = menu->Button("start");
    ASSERT_NE(start, nullptr);
    Click(start);

    EXPECT_EQ(boardsDealt, 2) << "each board holds the level's 10 tiles";
    EXPECT_EQ(zoomedWords, 1) << "a right click says the tile's word";
    EXPECT_EQ(hintFrame, QColor(CKostka::kRed).name());
    EXPECT_EQ(wrongSounds, 1);
    EXPECT_EQ(pairsTaken, 5);
    EXPECT_EQ(summaries, 2) << "no summary after the close";
    EXPECT_TRUE(closedLive);
    EXPECT_FALSE(tickedIdle);
    EXPECT_TRUE(wokenByPair);
    EXPECT_TRUE(quietAfterJudging);
    EXPECT_FALSE(tickedDuringSummary) << "the tick is off while the summary is open";
    EXPECT_TRUE(game->isHidden());
    EXPECT_EQ(game->Result(), TfmKoniecGry::kResultStop);
    EXPECT_FALSE(game->TickTimer().IsActive());

    QFile file(statistics);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_EQ(bytes.size(), sizeBefore + 3 * CStatRec::kRecordSize);
    struct Expected {
        qint32 hints, correct, wrong;
    } expected[] = {{1, 0, 1}, {0, 5, 0}, {0, 0, 0}};
    for (int i = 0; i < 3; ++i) {
        const QByteArray record = bytes.mid(sizeBefore + i * CStatRec::kRecordSize, CStatRec::kRecordSize);
        EXPECT_EQ(Field<qint32>(record, 0), CStatRec::kGameOther) << "game code";
        EXPECT_EQ(Field<quint16>(record, 4), 2026) << "start year";
        EXPECT_EQ(Field<qint16>(record, 20), 1) << "Poziom";
        EXPECT_EQ(Field<qint16>(record, 22), 1) << "Gloski";
        EXPECT_EQ(Field<qint16>(record, 24), 4096) << "Pozycja";
        EXPECT_EQ(Field<qint16>(record, 30), 1) << "completed, even when left with Esc";
        EXPECT_EQ(Field<qint32>(record, 32), expected[i].hints) << "hints of game " << i;
        EXPECT_EQ(Field<qint32>(record, 36), expected[i].correct) << "correct of game " << i;
        EXPECT_EQ(Field<qint32>(record, 40), expected[i].wrong) << "wrong of game " << i;
    }
}

}  // namespace
