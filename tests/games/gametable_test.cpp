// Every game of the table opens from its menu tab in the real program, under its caption, starts a
// round counted with its own game code, and Esc with "stop" on the summary brings the menu back with
// the round's record written.
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
        const qint64 sizeBefore = QFile(StatRec->FilePath()).size();

        QObject::connect(FormKoniecGry.get(), &CModalWindow::Opened, [] {
            QTimer::singleShot(0, [] { ClickCentre(FormKoniecGry->StopButton()); });
        });
        QString shownTitle;
        bool counting = false;
        QObject::connect(window, &CModalWindow::Opened, [&] {
            QTimer::singleShot(0, [&] {
                shownTitle = window->windowTitle();
                counting = StatRec->Active();
                QTest::keyClick(window, Qt::Key_Escape);
            });
        });
        ClickCentre(menu->Button("start"));

        EXPECT_EQ(shownTitle, QString::fromUtf8(game.caption));
        EXPECT_TRUE(counting);
        EXPECT_TRUE(window->isHidden()) << "back on the menu";
        QFile file(StatRec->FilePath());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        ASSERT_EQ(bytes.size(), sizeBefore + CStatRec::kRecordSize);
        EXPECT_EQ(qFromLittleEndian<qint32>(bytes.constData() + bytes.size() - CStatRec::kRecordSize),
                  game.statisticsCode);
    }
}

}  // namespace
