// SPDX-License-Identifier: GPL-3.0-or-later
// The sounds game's window through real mouse events and the fake clock: hovering and picking the
// hidden objects, pairs judged on the next tick, the hint for either half and its waiting request,
// right clicks, every button paired with its thing, and a new game after the summary with every
// button plain.
#include "games/sounds/Odglosy.h"
#include "games/sounds/soundsdriver.h"
#include "app/shared.h"
#include "results/Koniecgry.h"
#include "results/_cstatrec.h"
#include "shell/Cdisplay.h"
#include "support/programundertest.h"

#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>

using namespace soundstest;

namespace {

const QString kDog = QStringLiteral("pies");
const QString kTrumpet = QStringLiteral("traba");
using Look = CPrzyciskOdglosy::Look;

class SoundsWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(program.Start());
        // The offscreen screen moves the mouse over the first window under it: only the game's is up.
        for (QWidget* other : QApplication::topLevelWidgets())
            other->hide();
        window = std::make_unique<TfmOdglosy>(
            GameContext{*Slowa, *SlowaRoznicowe, *StatRec, FormKoniecGry.get(), brimbola::Display});
        QObject::connect(FormKoniecGry.get(), &CModalWindow::Opened, [this] {
            ++summaries;
            QTimer::singleShot(0, [this] {
                Click(summaryAnswer == TfmKoniecGry::kResultStart ? FormKoniecGry->StartButton()
                                                                 : FormKoniecGry->StopButton());
            });
        });
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        Played().clear();
    }

    void Tick(int ticks = 1) { program.services.time.Advance(qint64(ticks) * GraOdglosy::kTickMs); }
    QStringList& Played() { return program.services.sound.played; }
    Look LookOf(const QString& button) { return window->Button(button)->CurrentLook(); }
    const CWyborOdglosy& Picks() { return window->Selection(); }

    ProgramUnderTest program;
    std::unique_ptr<TfmOdglosy> window;
    Driver d{window};
    int summaries = 0;
    int summaryAnswer = TfmKoniecGry::kResultStop;
};

TEST_F(SoundsWindow, HoveringShowsAnObjectAndOnlyThePickedOneStaysShown)
{
    EXPECT_TRUE(d.Concealed(kDog));
    d.Hover(kDog);
    EXPECT_TRUE(d.ShowsPlain(kDog));
    d.Away();
    EXPECT_TRUE(d.Concealed(kDog));

    d.ClickObject(kDog);
    d.Away();
    EXPECT_TRUE(d.ShowsSelected(kDog));
    d.ClickObject(kTrumpet);
    EXPECT_FALSE(window->Engine()->Object(kTrumpet)->Selected()) << "one object at a time";

    // Picked again: let go, but shown while the mouse is on it; picked once more, it counts 1 again.
    d.ClickObject(kDog);
    EXPECT_FALSE(Picks().SelectedObject);
    EXPECT_TRUE(d.ShowsPlain(kDog));
    d.Away();
    EXPECT_TRUE(d.Concealed(kDog));
    d.ClickObject(kDog);
    EXPECT_EQ(Picks().SelectionCount, 1);
}

TEST_F(SoundsWindow, APairIsJudgedOnTheNextTickWithItsPicksStillShown)
{
    struct Case {
        const char* what;
        QString button, object;
        bool buttonFirst, right;
    };
    const Case cases[] = {
        {"\"wrrr\" then the dog", kDog, kDog, true, true},
        {"the trumpet then \"tratata\"", kTrumpet, kTrumpet, false, true},
        {"\"tratata\" then the dog", kTrumpet, kDog, true, false},
    };
    int correct = 0, wrong = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Played().clear();
        if (c.buttonFirst)
            d.ClickButton(c.button);
        d.ClickObject(c.object);
        if (!c.buttonFirst)
            d.ClickButton(c.button);
        d.Away();
        EXPECT_TRUE(d.ShowsSelected(c.object));
        EXPECT_EQ(LookOf(c.button), Look::Pressed);
        EXPECT_TRUE(Played().isEmpty()) << "nothing is judged before the tick";

        Tick();
        ASSERT_EQ(Played().size(), 1);
        if (c.right)
            EXPECT_EQ(Played().front(), SoundPath(c.object));
        else
            EXPECT_TRUE(Played().front().startsWith("Data/Intf/Smd/b")) << "a \"wrong\" sound";
        (c.right ? correct : wrong)++;
        EXPECT_EQ(StatRec->Correct(), correct);
        EXPECT_EQ(StatRec->Wrong(), wrong);
        EXPECT_EQ(Picks().SelectionCount, 0);
        EXPECT_TRUE(Picks().ButtonName.isEmpty() && Picks().ObjectName.isEmpty());
        EXPECT_TRUE(d.Concealed(c.object));
        EXPECT_EQ(LookOf(c.button), Look::Normal);
        EXPECT_FALSE(window->TickTimer().IsActive()) << "nothing picked: the tick sleeps until a click";
    }
    EXPECT_EQ(StatRec->Hints(), 0);
}

TEST_F(SoundsWindow, AHintShowsTheMissingHalfForAboutASecondAndAHalf)
{
    for (const bool pickButton : {true, false}) {
        SCOPED_TRACE(pickButton ? "\"wrrr\" picked: the dog shows" : "the dog picked: \"wrrr\" lights up");
        Played().clear();
        pickButton ? d.ClickButton(kDog) : d.ClickObject(kDog);
        d.Away();
        d.ClickHelp();
        Tick();
        EXPECT_EQ(Played(), QStringList{SoundPath(kDog)});
        auto hintShows = [&] { return pickButton ? d.ShowsSelected(kDog) : LookOf(kDog) == Look::Hover; };
        EXPECT_TRUE(hintShows());
        // Still there after five more ticks (1000 ms), gone on the sixth (1200 ms); the pick stays.
        Tick(5);
        EXPECT_TRUE(hintShows());
        Tick();
        EXPECT_FALSE(hintShows());
        EXPECT_TRUE(pickButton ? LookOf(kDog) == Look::Pressed : d.ShowsSelected(kDog));
        EXPECT_EQ(StatRec->Hints(), pickButton ? 1 : 2);
        // Let go for the next case.
        pickButton ? d.ClickButton(kDog) : d.ClickObject(kDog);
        d.Away();
    }
}

TEST_F(SoundsWindow, HelpWithNothingPickedDoesNothingAndAnUnservedRequestWaits)
{
    d.ClickHelp();
    Tick(3);
    EXPECT_EQ(StatRec->Hints(), 0);
    EXPECT_FALSE(window->Hint().HintRequested);

    // The pair is finished before the tick: it is judged, and the request waits for the next pick.
    d.ClickButton(kDog);
    d.ClickHelp();
    d.ClickObject(kDog);
    d.Away();
    Tick();
    EXPECT_EQ(StatRec->Correct(), 1);
    EXPECT_EQ(StatRec->Hints(), 0);
    Played().clear();
    d.ClickObject(kTrumpet);
    d.Away();
    Tick();
    EXPECT_EQ(StatRec->Hints(), 1);
    EXPECT_EQ(Played(), QStringList{SoundPath(kTrumpet)});
    EXPECT_EQ(LookOf(kTrumpet), Look::Hover);
}

TEST_F(SoundsWindow, RightClicksPlayTheSoundAndPickNothing)
{
    d.RightClickButton(kDog);
    d.RightClickObject(kDog);
    d.RightClickButton(kTrumpet);
    EXPECT_EQ(Played(), (QStringList{"Data/Smd.O/ps.pw", "Data/Smd.O/ps.pw", "Data/Smd.O/tbk.pw"}));
    EXPECT_EQ(Picks().SelectionCount, 0);
}

TEST_F(SoundsWindow, EveryButtonIsInPlayAndPairsWithItsHiddenThing)
{
    int correct = 0;
    for (const auto& place : TfmOdglosy::ButtonPlaces()) {
        SCOPED_TRACE(place.name);
        const CPrzyciskOdglosy& button = *window->Button(place.name);
        EXPECT_EQ(LabelInk(window->SceneCanvas(), button.LabelRect()), kBlack);
        Played().clear();
        d.ClickButton(place.name);
        d.ClickObject(place.name);
        d.Away();
        EXPECT_TRUE(d.ShowsSelected(place.name));
        Tick();
        EXPECT_EQ(Played(), QStringList{SoundPath(place.name)});
        EXPECT_EQ(StatRec->Correct(), ++correct);
        EXPECT_TRUE(d.Concealed(place.name));
    }
    EXPECT_EQ(StatRec->Wrong(), 0);
}

TEST_F(SoundsWindow, EscDuringAHintEndsTheGameAndTheNextStartsCleanWithNewObjects)
{
    d.ClickObject(kDog);
    d.Away();
    d.ClickHelp();
    Tick();
    ASSERT_EQ(LookOf(kDog), Look::Hover);
    const CObiektOdglosy* before = window->Engine()->Object(kDog);
    // The mouse on "tratata" when Esc is pressed; it leaves while the summary is up.
    QWidget* trumpet = window->ButtonArea(kTrumpet);
    QTest::mouseMove(trumpet, Driver::Middle(trumpet));
    ASSERT_EQ(LookOf(kTrumpet), Look::Hover);

    summaryAnswer = TfmKoniecGry::kResultStart;
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_EQ(summaries, 1);
    ASSERT_NE(window->Engine(), nullptr) << "a new game runs";
    EXPECT_NE(window->Engine()->Object(kDog), before);
    EXPECT_FALSE(Picks().SelectedObject || window->Hint().HintShowing);
    EXPECT_EQ(LookOf(kDog), Look::Normal) << "the last game's hint is gone";
    EXPECT_EQ(LookOf(kTrumpet), Look::Normal) << "every button starts the game in its normal look";
    EXPECT_TRUE(d.Concealed(kDog) && d.Concealed(kTrumpet));
    EXPECT_TRUE(window->TickTimer().IsActive());

    summaryAnswer = TfmKoniecGry::kResultStop;
    Click(window->StopButton());
    EXPECT_EQ(summaries, 2);
    EXPECT_TRUE(window->isHidden());
}

}  // namespace
