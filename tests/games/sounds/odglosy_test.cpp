// The sounds game's window through real mouse events and the fake clock: hovering and picking the
// hidden objects, pairs judged on the next tick, the hint for either half and its waiting request,
// right clicks, the greyed buttons, and a new game after the summary.
#include "games/sounds/Odglosy.h"
#include "games/sounds/soundsdriver.h"
#include "results/Koniecgry.h"
#include "results/_cstatrec.h"
#include "shell/Cdisplay.h"
#include "shell/_specfunc.h"
#include "app/shared.h"
#include "support/programundertest.h"
#include "words/_cslowa.h"

#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>

using namespace soundstest;

namespace {

const QString kDog = QStringLiteral("pies");
const QString kTrumpet = QStringLiteral("traba");
const QString kDogSound = QStringLiteral("Data/Smd.O/ps.pw");
const QString kTrumpetSound = QStringLiteral("Data/Smd.O/tbk.pw");

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
                CPrzyciskP* b = summaryAnswer == TfmKoniecGry::kResultStart ? FormKoniecGry->StartButton()
                                                                          : FormKoniecGry->StopButton();
                QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(b->width() / 2, b->height() / 2));
            });
        });
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        program.services.sound.played.clear();
    }

    void Tick(int ticks = 1) { program.services.time.Advance(qint64(ticks) * GraOdglosy::kTickMs); }
    CObiektOdglosy& Object(const QString& name) { return *window->Engine()->Object(name); }
    QStringList& Played() { return program.services.sound.played; }

    ProgramUnderTest program;
    std::unique_ptr<TfmOdglosy> window;
    int summaries = 0;
    int summaryAnswer = TfmKoniecGry::kResultStop;
};

TEST_F(SoundsWindow, HoveringShowsAnObjectAndOnlyThePickedOneStaysShown)
{
    Driver d(*window);
    EXPECT_TRUE(d.Concealed(kDog)) << "hidden until the mouse finds it";
    d.Hover(kDog);
    EXPECT_TRUE(d.ShowsPlain(kDog));
    d.Away();
    EXPECT_TRUE(d.Concealed(kDog));

    d.ClickObject(kDog);
    d.Away();
    EXPECT_TRUE(d.ShowsSelected(kDog)) << "a picked object stays shown";
    d.ClickObject(kTrumpet);
    EXPECT_FALSE(Object(kTrumpet).Selected()) << "one object at a time";
    EXPECT_EQ(window->Selection().ObjectName, kDog);

    // Picked again: let go, but shown while the mouse is on it.
    d.ClickObject(kDog);
    EXPECT_FALSE(window->Selection().SelectedObject);
    EXPECT_EQ(window->Selection().SelectionCount, 0);
    EXPECT_TRUE(d.ShowsPlain(kDog));
    d.Away();
    EXPECT_TRUE(d.Concealed(kDog));
    // Picked once more, it counts as the first pick again.
    d.ClickObject(kDog);
    EXPECT_EQ(window->Selection().SelectionCount, 1);
}

TEST_F(SoundsWindow, APairIsJudgedOnTheNextTickWithItsPicksStillShown)
{
    struct Case {
        const char* what;
        QString button, object;
        bool buttonFirst;
        bool right;
    };
    const Case cases[] = {
        {"\"wrrr\" then the dog", kDog, kDog, true, true},
        {"the trumpet then \"tratata\"", kTrumpet, kTrumpet, false, true},
        {"\"tratata\" then the dog", kTrumpet, kDog, true, false},
    };
    int correct = 0, wrong = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Driver d(*window);
        Played().clear();
        if (c.buttonFirst) {
            d.ClickButton(c.button);
            d.ClickObject(c.object);
        } else {
            d.ClickObject(c.object);
            d.ClickButton(c.button);
        }
        d.Away();
        EXPECT_EQ(window->Selection().SelectionCount, 2);
        EXPECT_TRUE(d.ShowsSelected(c.object));
        EXPECT_EQ(window->Button(c.button)->CurrentLook(), CPrzyciskOdglosy::Look::Pressed);
        EXPECT_TRUE(Played().isEmpty()) << "nothing is judged before the tick";

        Tick();
        ASSERT_EQ(Played().size(), 1);
        if (c.right)
            EXPECT_EQ(Played().front(), SoundPath(c.object)) << "the object's own sound";
        else
            EXPECT_TRUE(Played().front().startsWith("Data/Intf/Smd/b")) << "a \"wrong\" sound: " << Played().front().toStdString();
        (c.right ? correct : wrong)++;
        EXPECT_EQ(StatRec->Correct(), correct);
        EXPECT_EQ(StatRec->Wrong(), wrong);
        EXPECT_EQ(window->Selection().SelectionCount, 0);
        EXPECT_TRUE(window->Selection().ButtonName.isEmpty());
        EXPECT_TRUE(window->Selection().ObjectName.isEmpty());
        EXPECT_TRUE(d.Concealed(c.object));
        EXPECT_EQ(window->Button(c.button)->CurrentLook(), CPrzyciskOdglosy::Look::Normal);
        EXPECT_FALSE(window->Button(c.button)->Selected());
    }
    EXPECT_EQ(StatRec->Hints(), 0);
}

TEST_F(SoundsWindow, AHintShowsTheMissingHalfForAboutASecondAndAHalf)
{
    struct Case {
        const char* what;
        bool pickButton;  // else the object
        QString name;
    };
    const Case cases[] = {{"\"wrrr\" picked: the dog shows", true, kDog},
                          {"the trumpet picked: \"tratata\" lights up", false, kTrumpet}};
    int hints = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Driver d(*window);
        Played().clear();
        if (c.pickButton)
            d.ClickButton(c.name);
        else
            d.ClickObject(c.name);
        d.Away();
        d.ClickHelp();
        Tick();
        ++hints;
        EXPECT_EQ(StatRec->Hints(), hints);
        EXPECT_EQ(Played(), QStringList{SoundPath(c.name)});
        auto hintShows = [&] {
            return c.pickButton ? d.ShowsSelected(c.name)
                                : window->Button(c.name)->CurrentLook() == CPrzyciskOdglosy::Look::Hover;
        };
        EXPECT_TRUE(hintShows());
        // Still there after five more ticks (1000 ms), gone on the sixth (1200 ms).
        Tick(5);
        EXPECT_TRUE(hintShows());
        Tick();
        EXPECT_FALSE(hintShows());
        if (c.pickButton) {
            EXPECT_TRUE(d.Concealed(c.name));
            EXPECT_EQ(window->Button(c.name)->CurrentLook(), CPrzyciskOdglosy::Look::Pressed) << "still picked";
        } else {
            EXPECT_EQ(window->Button(c.name)->CurrentLook(), CPrzyciskOdglosy::Look::Normal);
            EXPECT_TRUE(d.ShowsSelected(c.name)) << "still picked";
        }
        EXPECT_EQ(StatRec->Hints(), hints);
        EXPECT_EQ(Played().size(), 1);
        // Let go of the pick for the next case.
        if (c.pickButton)
            d.ClickButton(c.name);
        else
            d.ClickObject(c.name);
        d.Away();
        Tick(7);
    }
}

TEST_F(SoundsWindow, HelpWithNothingPickedDoesNothingAndAnUnservedRequestWaits)
{
    Driver d(*window);
    d.ClickHelp();
    Tick(3);
    EXPECT_EQ(StatRec->Hints(), 0);
    EXPECT_FALSE(window->Hint().HintRequested);

    // Help asked for, but the pair is finished before the tick: the pair is judged, the request waits.
    d.ClickButton(kDog);
    d.ClickHelp();
    d.ClickObject(kDog);
    d.Away();
    Tick();
    EXPECT_EQ(StatRec->Correct(), 1);
    EXPECT_EQ(StatRec->Hints(), 0);
    EXPECT_TRUE(window->Hint().HintRequested);
    Played().clear();
    // The next single pick gets the hint without another press of help.
    d.ClickObject(kTrumpet);
    d.Away();
    Tick();
    EXPECT_EQ(StatRec->Hints(), 1);
    EXPECT_EQ(Played(), QStringList{kTrumpetSound});
    EXPECT_EQ(window->Button(kTrumpet)->CurrentLook(), CPrzyciskOdglosy::Look::Hover);
}

TEST_F(SoundsWindow, RightClicksPlayTheSoundAndPickNothing)
{
    Driver d(*window);
    d.RightClickButton(kDog);
    d.RightClickObject(kDog);
    d.RightClickButton(kTrumpet);
    EXPECT_EQ(Played(), (QStringList{kDogSound, kDogSound, kTrumpetSound}));
    EXPECT_EQ(window->Selection().SelectionCount, 0);
    EXPECT_FALSE(window->Selection().SelectedButton || window->Selection().SelectedObject);
}

TEST_F(SoundsWindow, GreyedButtonsShowGreyWordsAndReactToNothing)
{
    Driver d(*window);
    int greyed = 0;
    for (const auto& place : TfmOdglosy::ButtonPlaces()) {
        const QString name = QString::fromLatin1(place.name);
        SCOPED_TRACE(place.name);
        const CPrzyciskOdglosy& button = *window->Button(name);
        EXPECT_EQ(LabelColours(window->SceneCanvas(), button.LabelRect()),
                  place.active ? LabelInk::Black : LabelInk::Grey);
        if (place.active)
            continue;
        ++greyed;
        EXPECT_EQ(window->ButtonArea(name), nullptr);
        const QImage before = window->SceneCanvas().copy(button.Rect());
        const QPoint middle = button.Rect().center();
        QTest::mouseMove(window.get(), middle);
        QTest::mouseClick(window.get(), Qt::LeftButton, {}, middle);
        QTest::mouseClick(window.get(), Qt::RightButton, {}, middle);
        QTest::mouseDClick(window.get(), Qt::LeftButton, {}, middle);
        Tick();
        EXPECT_EQ(window->SceneCanvas().copy(button.Rect()), before);
        EXPECT_EQ(button.CurrentLook(), CPrzyciskOdglosy::Look::Normal);
    }
    EXPECT_EQ(greyed, 7);
    EXPECT_TRUE(Played().isEmpty());
    EXPECT_EQ(window->Selection().SelectionCount, 0);
    EXPECT_TRUE(window->Selection().ButtonName.isEmpty());
}

TEST_F(SoundsWindow, EscDuringAHintEndsTheGameAndTheNextStartsCleanWithNewObjects)
{
    Driver d(*window);
    d.ClickObject(kDog);
    d.Away();
    d.ClickHelp();
    Tick();
    ASSERT_EQ(window->Button(kDog)->CurrentLook(), CPrzyciskOdglosy::Look::Hover);
    const CObiektOdglosy* before = window->Engine()->Object(kDog);

    summaryAnswer = TfmKoniecGry::kResultStart;
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_EQ(summaries, 1);
    ASSERT_NE(window->Engine(), nullptr) << "a new game runs";
    EXPECT_NE(window->Engine()->Object(kDog), before);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->Selection().SelectedObject || window->Selection().SelectedButton);
    EXPECT_FALSE(window->Hint().HintShowing) << "no hint of the last game";
    EXPECT_EQ(window->Button(kDog)->CurrentLook(), CPrzyciskOdglosy::Look::Normal);
    for (const QString& name : {kDog, kTrumpet}) {
        const QRect r = window->Engine()->Object(name)->Rect();
        EXPECT_EQ(window->SceneCanvas().copy(r), window->BackgroundPicture().copy(r)) << name.toStdString();
    }
    EXPECT_TRUE(window->TickTimer().IsActive());

    summaryAnswer = TfmKoniecGry::kResultStop;
    Click(window->StopButton());
    EXPECT_EQ(summaries, 2);
    EXPECT_TRUE(window->isHidden());
    EXPECT_EQ(window->Engine(), nullptr);
}

}  // namespace
