// SPDX-License-Identifier: GPL-3.0-or-later
// Every game of the table opens from its menu tab in the real program, under its caption, starts a
// round counted with its own game code, and Esc with "stop" on the summary brings the menu back with
// the round's record written. A game drops its pictures when it hides and draws them again when it
// is opened the next time.
#include "games/gametable.h"
#include "gfx/_cprzycisk.h"
#include "menu/Fmmain.h"
#include "platform/modalwindow.h"
#include "results/Koniecgry.h"
#include "results/_cstatrec.h"
#include "settings/_custgry.h"
#include "app/shared.h"
#include "support/programundertest.h"

#include <QFile>
#include <QTest>
#include <QTimer>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

void ClickCentre(QWidget* button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->width() / 2, button->height() / 2));
}

// The share of the picture's pixels, on a coarse grid, that are not black.
double DrawnShare(const QImage& picture)
{
    constexpr int kStep = 8;
    int drawn = 0, all = 0;
    for (int y = 0; y < picture.height(); y += kStep)
        for (int x = 0; x < picture.width(); x += kStep, ++all)
            drawn += (picture.pixel(x, y) & 0xFFFFFF) != 0;
    return all ? double(drawn) / all : 0.0;
}

TEST(GameTable, EveryPlayableGameOpensFromItsTabAndIsRecordedWithItsCode)
{
    for (const GameInfo& game : GameTable()) {
        if (!game.makeWindow)
            continue;
        SCOPED_TRACE(game.caption);
        ProgramUnderTest program;
        // Every sound group and position, the fewest tasks: each game finds its words.
        QByteArray ini = "[DaneProgramu]\r\nZakladka=" + QByteArray::number(game.tab) + "\r\n";
        for (const GameInfo& row : GameTable())
            ini += "[" + row.settings->Name.toLatin1() + "]\r\nGloski=2303\r\nPozycja=28672\r\nPoziom=1\r\n";
        program.folder.Write("Data/data.ini", ini);
        ASSERT_TRUE(program.Start());
        TFormMain* menu = program.Main();
        CModalWindow* window = menu->GameWindow(game.tab);
        ASSERT_NE(window, nullptr);
        QObject::connect(FormKoniecGry.get(), &CModalWindow::Opened, [] {
            QTimer::singleShot(0, [] { ClickCentre(FormKoniecGry->StopButton()); });
        });
        for (int opening = 1; opening <= 2; ++opening) {
            SCOPED_TRACE(opening);
            const qint64 sizeBefore = QFile(StatRec->FilePath()).size();
            QString shownTitle;
            bool counting = false;
            double drawn = 0;
            const auto opened = QObject::connect(window, &CModalWindow::Opened, [&] {
                QTimer::singleShot(0, [&] {
                    shownTitle = window->windowTitle();
                    counting = StatRec->Active();
                    drawn = DrawnShare(window->Canvas());
                    QTest::keyClick(window, Qt::Key_Escape);
                });
            });
            ClickCentre(menu->Button("start"));
            QObject::disconnect(opened);

            EXPECT_EQ(shownTitle, QString::fromUtf8(game.caption));
            EXPECT_TRUE(counting);
            EXPECT_GT(drawn, 0.9) << "the game's background is on the screen";
            EXPECT_TRUE(window->isHidden()) << "back on the menu";
            EXPECT_TRUE(window->Canvas().isNull()) << "a hidden game keeps no canvas";
            QFile file(StatRec->FilePath());
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            ASSERT_EQ(bytes.size(), sizeBefore + CStatRec::kRecordSize);
            EXPECT_EQ(qFromLittleEndian<qint32>(bytes.constData() + bytes.size() - CStatRec::kRecordSize),
                      game.statisticsCode);
        }
    }
}

}  // namespace
