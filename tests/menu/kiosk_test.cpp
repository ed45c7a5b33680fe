// SPDX-License-Identifier: GPL-3.0-or-later
// The locked mode of the real program: Esc, the exit button and the window manager's close on the
// menu lead to the adult's gate, a wrong number is refused with a new question, and a pass lets
// through what was asked for once.
#include "gfx/_ccheckbut.h"
#include "gfx/_cprzycisk.h"
#include "menu/Fmbramka.h"
#include "settings/_custgry.h"
#include "platform/services.h"
#include "shell/Cdisplay.h"
#include "shell/settingsfile.h"
#include "support/programundertest.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

void Click(QWidget* button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->width() / 2, button->height() / 2));
}

TEST(GateQuestion, AsksInPolishWordsAndTakesOnlyTheDigits)
{
    const std::pair<int, const char*> said[] = {{42, "czterdzieści dwa"}, {115, "sto piętnaście"},
                                                {900, "dziewięćset"}, {212, "dwieście dwanaście"},
                                                {560, "pięćset sześćdziesiąt"}, {999, "dziewięćset dziewięćdziesiąt dziewięć"}};
    for (const auto& [number, words] : said)
        EXPECT_EQ(PolishNumberWords(number), QString::fromUtf8(words)) << number;
    GateQuestion q;
    q.Set(342);
    EXPECT_EQ(q.Text(), QStringLiteral("Wpisz liczbę: trzysta czterdzieści dwa"));
    EXPECT_TRUE(q.Accepts(" 342 "));
    for (const char* wrong : {"343", "", "+342", "34 2", "trzysta czterdzieści dwa", "342.0"})
        EXPECT_FALSE(q.Accepts(QString::fromUtf8(wrong))) << wrong;
    RandomSource random(7);
    for (int i = 0; i < 50; ++i) {
        const int before = q.Number();
        q.Next(random);
        EXPECT_NE(q.Number(), before);
        EXPECT_GE(q.Number(), GateQuestion::kSmallest);
        EXPECT_LE(q.Number(), GateQuestion::kLargest);
    }
}

// What the adult (or a child) does at each opening of the gate, in turn.
class GateAnswers {
public:
    enum Step { Right, Wrong, Cancel };
    explicit GateAnswers(std::vector<std::vector<Step>> openings) : openings_(std::move(openings))
    {
        connection_ = QObject::connect(FormBramka.get(), &CModalWindow::Opened, [this] {
            QTimer::singleShot(0, [this] { Answer(); });
        });
    }
    ~GateAnswers() { QObject::disconnect(connection_); }
    int opened = 0;
    QStringList notices;

private:
    void Answer()
    {
        TFormBramka& gate = *FormBramka;
        std::vector<Step> steps = opened < int(openings_.size()) ? openings_[size_t(opened)] : std::vector<Step>{};
        if (steps.empty())
            steps = {Cancel};
        ++opened;
        for (Step step : steps) {
            if (step == Cancel) {
                QTest::keyClick(&gate, Qt::Key_Escape);
                continue;
            }
            const int asked = gate.Question().Number();
            const int typed = step == Right ? asked : asked + 1;
            gate.Answer()->setText(QString::number(typed));
            QTest::keyClick(gate.Answer(), Qt::Key_Return);
            notices << gate.Notice();
            if (step == Wrong) {
                EXPECT_TRUE(gate.isVisible()) << "a wrong number does not open the gate";
                EXPECT_NE(gate.Question().Number(), asked) << "a new question after a wrong answer";
                EXPECT_TRUE(gate.Answer()->text().isEmpty());
            }
        }
        if (gate.isVisible()) {
            ADD_FAILURE() << "the gate is still open";
            gate.EndModal(TFormBramka::kCancelled);
        }
    }

    std::vector<std::vector<Step>> openings_;
    QMetaObject::Connection connection_;
};

int TabY(int tab)
{
    const bool small = brimbola::Display.IsSmall();
    return tab == TFormMain::kRecordingsTab ? (small ? 450 : 530) : (small ? 75 : 100);
}

TEST(Kiosk, LeavingTheMenuAsksTheGateAndAWrongNumberKeepsTheProgramOpen)
{
    ProgramUnderTest program;
    program.startup.SetKiosk(true);
    ASSERT_TRUE(program.Start());
    TFormMain* menu = program.Main();
    ASSERT_TRUE(menu->Kiosk());
    EXPECT_TRUE(menu->windowState() & Qt::WindowFullScreen);
    QSignalSpy closed(menu, &TFormMain::Closed);
    {
        GateAnswers answers({{GateAnswers::Wrong, GateAnswers::Wrong, GateAnswers::Cancel}, {GateAnswers::Cancel}, {}});
        QTest::keyClick(menu, Qt::Key_Escape);
        Click(menu->Button("wyjdz"));
        menu->close();  // as the window manager's close and Alt+F4 ask
        EXPECT_EQ(answers.opened, 3);
        EXPECT_EQ(answers.notices.value(0), QStringLiteral("To nie ta liczba. Spróbuj jeszcze raz."));
        EXPECT_TRUE(menu->isVisible());
        EXPECT_EQ(closed.count(), 0);
    }
    GateAnswers answers({{GateAnswers::Wrong, GateAnswers::Right}});
    QTest::keyClick(menu, Qt::Key_Escape);
    EXPECT_EQ(answers.opened, 1);
    EXPECT_EQ(closed.count(), 1) << "the right number after a wrong one lets the program end";
}

TEST(Kiosk, APassOpensTheRecordingsTabOnceAndTheSettingsRowsForOneVisit)
{
    ProgramUnderTest program;
    program.folder.Write("Data/data.ini", "[DaneProgramu]\r\nZakladka=2\r\n[Selector]\r\nPoziom=1\r\nGloski=1\r\nPozycja=4096\r\n");
    program.startup.SetKiosk(true);
    ASSERT_TRUE(program.Start());
    TFormMain* menu = program.Main();
    GateAnswers answers({{GateAnswers::Cancel}, {GateAnswers::Right}, {GateAnswers::Cancel}, {GateAnswers::Right}});

    menu->SelectTabAt(TabY(TFormMain::kRecordingsTab));
    EXPECT_EQ(Zakladka, 2) << "cancelled: the tab stays";
    menu->SelectTabAt(TabY(TFormMain::kRecordingsTab));
    EXPECT_EQ(Zakladka, TFormMain::kRecordingsTab);
    menu->SelectTabAt(TabY(1));
    EXPECT_EQ(Zakladka, 1);
    menu->SelectTabAt(TabY(TFormMain::kRecordingsTab));
    EXPECT_EQ(Zakladka, 1) << "the pass was for one opening";
    EXPECT_EQ(answers.opened, 3);

    menu->SelectTabAt(TabY(1) + (brimbola::Display.IsSmall() ? 80 : 100));  // the picture-and-say tab
    ASSERT_EQ(Zakladka, 2);
    const qint16 before = TFormMain::SettingsOf(2).Poziom;
    Click(menu->ActiveRow(TFormMain::Amount)[2]);
    EXPECT_EQ(answers.opened, 4);
    EXPECT_EQ(TFormMain::SettingsOf(2).Poziom, 3) << "passed: the change asked for is made";
    Click(menu->ActiveRow(TFormMain::Amount)[1]);
    EXPECT_EQ(TFormMain::SettingsOf(2).Poziom, 2) << "and the rows stay open while the adult sets them";
    EXPECT_EQ(answers.opened, 4);
    EXPECT_NE(before, 2);
    menu->SelectTabAt(TabY(1));
    menu->SelectTabAt(TabY(1) + (brimbola::Display.IsSmall() ? 80 : 100));
    Click(menu->ActiveRow(TFormMain::Amount)[0]);
    EXPECT_EQ(answers.opened, 5) << "another visit asks again";
    EXPECT_EQ(TFormMain::SettingsOf(2).Poziom, 2);
}

}  // namespace
