// SPDX-License-Identifier: GPL-3.0-or-later
// Several children in the real program: the chooser comes only with two or more children, each
// child's session reads and writes that child's own files, and the menu's child card leads back to
// the chooser.
#include "app/shared.h"
#include "gfx/_cprzycisk.h"
#include "menu/Fmdzieci.h"
#include "results/Koniecgry.h"
#include "results/_cstatrec.h"
#include "shell/childlist.h"
#include "support/programundertest.h"

#include <QApplication>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <QtEndian>
#include <deque>
#include <gtest/gtest.h>

namespace {

void Click(QWidget* button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->width() / 2, button->height() / 2));
}

TFormDzieci* ShownChooser()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* chooser = qobject_cast<TFormDzieci*>(w); chooser && chooser->isVisible())
            return chooser;
    return nullptr;
}

// Picks the given cards, in turn, whenever the chooser is on screen.
class ChooserAnswers {
public:
    explicit ChooserAnswers(std::deque<int> picks) : picks_(std::move(picks))
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            TFormDzieci* chooser = ShownChooser();
            if (!chooser || picks_.empty())
                return;
            ++shown;
            cards = chooser->Count();
            const int pick = picks_.front();
            picks_.pop_front();
            QTest::mouseClick(chooser, Qt::LeftButton, {}, chooser->CardRect(pick).center());
        });
        timer_.start(5);
    }
    int shown = 0;
    int cards = 0;

private:
    std::deque<int> picks_;
    QTimer timer_;
};

// Children written into the program's user folder: the first child's files are the folder's own.
void WriteChildren(const ProgramFolder& folder, const std::vector<Child>& children)
{
    ChildList list;
    list.children = children;
    for (const Child& c : children) {
        list.nextId = std::max(list.nextId, c.id + 1);
        if (c.id != kFirstChildId)
            QDir().mkpath(ChildFolder(folder.Path(), c.id));
    }
    ASSERT_TRUE(WriteChildList(folder.Path(), list));
}

// The sounds game started from the menu, stopped at once with Esc, its summary left with "stop".
void PlayASoundsRound(TFormMain* menu)
{
    CModalWindow* game = menu->GameWindow(1);
    ASSERT_NE(game, nullptr);
    const auto summary = QObject::connect(FormKoniecGry.get(), &CModalWindow::Opened, [] {
        QTimer::singleShot(0, [] { Click(FormKoniecGry->StopButton()); });
    });
    const auto opened = QObject::connect(game, &CModalWindow::Opened, [game] {
        QTimer::singleShot(0, [game] { QTest::keyClick(game, Qt::Key_Escape); });
    });
    Click(menu->Button("start"));
    QObject::disconnect(summary);
    QObject::disconnect(opened);
    EXPECT_TRUE(game->isHidden());
}

QByteArray Bytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(Children, TheChooserComesWithTwoChildrenOnlyAndOpensTheChosenChildsFiles)
{
    const Child zosia{kFirstChildId, QStringLiteral("Zosia"), QStringLiteral("las")};
    const Child stas{4, QStringLiteral("Staś"), QStringLiteral("basen")};
    for (int children = 0; children <= 2; ++children) {
        SCOPED_TRACE(children);
        ProgramUnderTest program;
        if (children == 1)
            WriteChildren(program.folder, {stas});
        if (children == 2)
            WriteChildren(program.folder, {zosia, stas});
        ChooserAnswers chooser({1});
        ASSERT_TRUE(program.Start());
        EXPECT_EQ(chooser.shown, children == 2 ? 1 : 0);
        const QString expected = children == 0 ? QString() : stas.name;
        EXPECT_EQ(program.Main()->ChildName(), expected);
        EXPECT_EQ(StatRec->FilePath(), (children == 0 ? program.folder.Path() : ChildFolder(program.folder.Path(), stas.id)) +
                                           "/prgst4.stt");
        if (children == 2) {
            EXPECT_EQ(chooser.cards, 2);
        }
    }
}

TEST(Children, EachChildsRoundGoesIntoThatChildsStatisticsWithThatChildsSettings)
{
    ProgramUnderTest program;
    WriteChildren(program.folder, {{kFirstChildId, QStringLiteral("Zosia"), QStringLiteral("las")},
                                   {1, QStringLiteral("Staś"), QString()}});
    program.folder.Write("Data/data.ini", "[DaneProgramu]\r\nZakladka=1\r\n[Odglosy]\r\nPoziom=1\r\n");
    program.folder.Write("Dzieci/1/Data/data.ini", "[DaneProgramu]\r\nZakladka=1\r\n[Odglosy]\r\nPoziom=3\r\n");
    ChooserAnswers chooser({0, 1});
    ASSERT_TRUE(program.Start());
    TFormMain* first = program.Main();
    EXPECT_EQ(first->ChildName(), "Zosia");
    PlayASoundsRound(first);

    // The child's card on the menu, the chooser, the other child's menu; then the program ends.
    QTimer::singleShot(0, [first] { QTest::mouseClick(first, Qt::LeftButton, {}, first->ChildCard().center()); });
    QTimer later;
    QObject::connect(&later, &QTimer::timeout, [&] {
        TFormMain* menu = program.Main();
        if (!menu || menu->ChildName() != QStringLiteral("Staś") || !menu->isVisible())
            return;
        later.stop();
        EXPECT_EQ(menu->ChildName(), QStringLiteral("Staś"));
        PlayASoundsRound(menu);
        menu->A_Stop();
    });
    later.start(5);
    program.startup.Exec();
    EXPECT_EQ(chooser.shown, 2);

    const auto records = [](const QByteArray& file) { return (file.size() - CStatRec::kHeaderSize) / CStatRec::kRecordSize; };
    const QByteArray hers = Bytes(program.folder.File("prgst4.stt")), his = Bytes(program.folder.File("Dzieci/1/prgst4.stt"));
    ASSERT_EQ(records(hers), 1);
    ASSERT_EQ(records(his), 1);
    constexpr int kLevelAt = CStatRec::kHeaderSize + 20;
    EXPECT_EQ(qFromLittleEndian<qint16>(hers.constData() + kLevelAt), 1);
    EXPECT_EQ(qFromLittleEndian<qint16>(his.constData() + kLevelAt), 3);
}

TEST(Children, AChildsMissingFolderIsNamedAndTheOthersStillPlay)
{
    ProgramUnderTest program;
    WriteChildren(program.folder, {{kFirstChildId, QStringLiteral("Zosia"), QString()}, {2, QStringLiteral("Staś"), QString()}});
    ASSERT_TRUE(QDir(program.folder.File("Dzieci/2")).removeRecursively());
    ChooserAnswers chooser({1, 0});
    ASSERT_TRUE(program.Start());
    EXPECT_EQ(chooser.shown, 2);
    ASSERT_EQ(program.boxes.shown.size(), 1u);
    EXPECT_TRUE(program.boxes.shown[0].text.contains(QStringLiteral("„Staś”"))) << program.boxes.shown[0].text.toStdString();
    EXPECT_EQ(program.Main()->ChildName(), "Zosia");
}

}  // namespace
