// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu through real mouse and key events on the offscreen screen: its layout in both
// modes, the tab strip's bands, the rows each tab shows, the start check, the change rule and the
// settings written back, and the about and message windows.
#include "gfx/_ccheckbut.h"
#include "gfx/_cprzycisk.h"
#include "menu/Fmkomunikat.h"
#include "menu/Fmmain.h"
#include "menu/Fmoprogramie.h"
#include "menu/guidewindow.h"
#include "settings/_custgry.h"
#include "platform/desktop.h"
#include "platform/inifile.h"
#include "platform/modalwindow.h"
#include "shell/Cdisplay.h"
#include "shell/settingsfile.h"
#include "app/shared.h"
#include "menu/menuwindows.h"
#include "support/programundertest.h"
#include "words/_cslowa.h"

#include <QApplication>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <QUrlQuery>
#include <gtest/gtest.h>

const CDisplay& Screen = brimbola::Display;

namespace {

bool Small()
{
    return Screen.IsSmall();
}

// A game window that only notes it was opened and closes at once.
class FakeGame : public CModalWindow {
public:
    int opened = 0;
    FakeGame()
    {
        connect(this, &CModalWindow::Opened, this, [this] {
            ++opened;
            QTimer::singleShot(0, this, [this] { EndModal(2); });
        });
    }
};

class Menu : public ::testing::Test {
protected:
    void SetUp() override
    {
        program.folder.Write("Data/data.ini",
                             "; settings\r\n[DaneProgramu]\r\nZakladka=2\r\n\r\n[Selector]\r\nGloski=1\r\nPozycja=4096\r\n"
                             "Poziom=1\r\n[Hitmen]\r\nGloski=2048\r\nPozycja=4096\r\nPoziom=1\r\n");
        ASSERT_TRUE(program.Start());
        main = program.Main();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
        main->activateWindow();
        // Every message window that opens is noted and closed by its own button.
        QObject::connect(FormKomunikat.get(), &CModalWindow::Opened, [this] {
            messages.push_back(FormKomunikat->MessageCode());
            QTimer::singleShot(0, [] {
                CPrzyciskP* stop = FormKomunikat->StopButton();
                QTest::mouseClick(stop, Qt::LeftButton, {}, QPoint(stop->width() / 2, stop->height() / 2));
            });
        });
    }

    void ClickCheck(CCheckBut* b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, 5)); }
    void ClickButton(const char* picture)
    {
        CPrzyciskP* b = main->Button(picture);
        ASSERT_NE(b, nullptr) << picture;
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(b->width() / 2, b->height() / 2));
    }
    void PressStrip(int y) { QTest::mousePress(main->TabStrip(), Qt::LeftButton, {}, QPoint(20, y)); }
    QByteArray SettingsText()
    {
        QFile f(program.folder.File("Data/data.ini"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    ProgramUnderTest program;
    TFormMain* main = nullptr;
    std::vector<int> messages;
};

}  // namespace

TEST_F(Menu, LayoutOfEveryControl)
{
    const int x0 = Screen.OffsetX, y0 = Screen.OffsetY;
    const bool s = Small();
    auto at = [&](const char* name) { return main->Button(name)->pos() - QPoint(x0, y0); };
    EXPECT_EQ(at("oprogramie"), s ? QPoint(245, 515) : QPoint(357, 659));
    EXPECT_EQ(at("wyjdz"), s ? QPoint(345, 515) : QPoint(457, 659));
    EXPECT_EQ(at("start"), s ? QPoint(435, 515) : QPoint(547, 659));
    EXPECT_EQ(at("rrec"), s ? QPoint(385, 428) : QPoint(497, 548));
    EXPECT_EQ(at("rodtworz"), s ? QPoint(305, 428) : QPoint(417, 548));
    EXPECT_EQ(at("rstop"), s ? QPoint(345, 428) : QPoint(457, 548));
    EXPECT_EQ(at("up").y(), s ? 144 : 188);
    EXPECT_EQ(at("down").y(), s ? 432 : 476);
    EXPECT_EQ(main->TabStrip()->pos() - QPoint(x0, y0), s ? QPoint(540, 58) : QPoint(695, 75));

    const std::vector<int> amountX = s ? std::vector<int>{150, 283, 416} : std::vector<int>{204, 374, 545};
    const std::vector<int> soundX = s ? std::vector<int>{180, 270, 360, 450} : std::vector<int>{215, 335, 455, 575};
    const std::vector<int> positionX = s ? std::vector<int>{160, 293, 426} : std::vector<int>{204, 374, 545};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(main->ActiveRow(TFormMain::Amount)[i]->pos() - QPoint(x0, y0), QPoint(amountX[i], s ? 200 : 256));
        EXPECT_EQ(main->ActiveRow(TFormMain::Positions)[i]->pos() - QPoint(x0, y0),
                  QPoint(positionX[i], s ? 400 : 540));
    }
    for (size_t i = 0; i < 8; ++i)
        EXPECT_EQ(main->ActiveRow(TFormMain::Sounds)[i]->pos() - QPoint(x0, y0),
                  QPoint(soundX[i % 4], i < 4 ? (s ? 280 : 372) : (s ? 320 : 422)));
    for (int row = 0; row < 3; ++row)
        for (size_t i = 0; i < main->ActiveRow(TFormMain::Row(row)).size(); ++i)
            EXPECT_EQ(main->FixedRow(TFormMain::Row(row))[i]->pos(), main->ActiveRow(TFormMain::Row(row))[i]->pos());

    const int captionY[3] = {s ? 170 : 210, s ? 250 : 330, s ? 370 : 500};
    for (int row = 0; row < 3; ++row) {
        const CObiektGraficzny& c = main->Caption(TFormMain::Row(row));
        ASSERT_GT(c.Width(), 0);
        EXPECT_EQ(c.X() - x0, Screen.DesignWidth / 2 - c.Width() + (s ? 10 : 0));
        EXPECT_EQ(c.Y() - y0, captionY[row]);
    }
    EXPECT_EQ(main->windowTitle(), "Quendora Cz.IV Demo");
}

TEST_F(Menu, TabBandsAndTheirEdges)
{
    const bool s = Small();
    struct Edge { int y, tab; };
    const std::vector<Edge> edges = s ? std::vector<Edge>{{39, 0}, {40, 1}, {110, 1}, {111, 0}, {124, 0}, {125, 2},
                                                          {190, 2}, {199, 0}, {200, 3}, {260, 3}, {265, 4}, {315, 4},
                                                          {320, 0}, {325, 5}, {385, 5}, {390, 6}, {535, 6}, {536, 0}}
                                      : std::vector<Edge>{{51, 0}, {52, 1}, {140, 1}, {154, 0}, {155, 2}, {240, 2},
                                                          {250, 3}, {330, 3}, {340, 4}, {410, 4}, {415, 0}, {420, 5},
                                                          {490, 5}, {505, 6}, {565, 6}, {566, 0}};
    for (const Edge& e : edges)
        EXPECT_EQ(TFormMain::TabAt(e.y, s), e.tab) << "y " << e.y;
    for (int y = 111; y <= 124; ++y)
        EXPECT_EQ(TFormMain::TabAt(y, true), 0) << y;

    // Real presses: a band selects its tab and writes it down; the gap selects nothing.
    PressStrip(s ? 230 : 290);
    EXPECT_EQ(Zakladka, 3);
    EXPECT_TRUE(SettingsText().contains("Zakladka=3"));
    PressStrip(s ? 118 : 147);
    EXPECT_EQ(Zakladka, 3);
    // The tab already chosen does not redraw its rows.
    CCheckBut* malo = main->ActiveRow(TFormMain::Amount)[0];
    main->Canvas().setPixel(malo->pos() + QPoint(3, 3), qRgb(1, 2, 3));
    PressStrip(s ? 230 : 290);
    EXPECT_EQ(main->Canvas().pixel(malo->pos() + QPoint(3, 3)), qRgb(1, 2, 3));
    PressStrip(s ? 60 : 100);
    EXPECT_EQ(Zakladka, 1);
    EXPECT_NE(main->Canvas().pixel(malo->pos() + QPoint(3, 3)), qRgb(1, 2, 3));
    // Busy (recording or playing): the strip does nothing.
    main->SetBusy(true);
    PressStrip(s ? 230 : 290);
    EXPECT_EQ(Zakladka, 1);
    main->SetBusy(false);
}

TEST_F(Menu, EachTabShowsItsRows)
{
    auto visible = [](const std::vector<CCheckBut*>& row) {
        return std::all_of(row.begin(), row.end(), [](CCheckBut* b) { return b->isVisible(); });
    };
    auto hidden = [](const std::vector<CCheckBut*>& row) {
        return std::none_of(row.begin(), row.end(), [](CCheckBut* b) { return b->isVisible(); });
    };
    ASSERT_EQ(Zakladka, 2);
    for (int row = 0; row < 3; ++row) {
        EXPECT_TRUE(visible(main->ActiveRow(TFormMain::Row(row))));
        EXPECT_TRUE(hidden(main->FixedRow(TFormMain::Row(row))));
    }
    EXPECT_TRUE(main->ActiveRow(TFormMain::Sounds)[1]->IsChecked());   // L of Gloski=1
    EXPECT_FALSE(main->ActiveRow(TFormMain::Sounds)[0]->IsChecked());  // J
    EXPECT_TRUE(main->ActiveRow(TFormMain::Positions)[0]->IsChecked());
    EXPECT_TRUE(main->ActiveRow(TFormMain::Amount)[0]->IsChecked());

    Zakladka = 1;
    main->A_Zakladka();
    for (int row = 0; row < 3; ++row) {
        EXPECT_TRUE(hidden(main->ActiveRow(TFormMain::Row(row))));
        EXPECT_TRUE(visible(main->FixedRow(TFormMain::Row(row))));
    }

    // The saucer: amount active, the rest fixed; one bit checks L, R and J together.
    Zakladka = 4;
    main->A_Zakladka();
    EXPECT_TRUE(visible(main->ActiveRow(TFormMain::Amount)));
    EXPECT_TRUE(visible(main->FixedRow(TFormMain::Sounds)));
    EXPECT_TRUE(visible(main->FixedRow(TFormMain::Positions)));
    EXPECT_TRUE(hidden(main->ActiveRow(TFormMain::Sounds)));
    const auto& sounds = main->FixedRow(TFormMain::Sounds);
    EXPECT_TRUE(sounds[0]->IsChecked() && sounds[1]->IsChecked() && sounds[3]->IsChecked());  // J, L, R
    EXPECT_FALSE(sounds[2]->IsChecked());  // LI
    ClickCheck(sounds[1]);
    EXPECT_EQ(messages, std::vector<int>{52});
    EXPECT_EQ(UstHitmen.Gloski, 2048);

    // Recordings: no rows, and the captions give their place back to the background.
    Zakladka = 6;
    main->A_Zakladka();
    for (int row = 0; row < 3; ++row) {
        EXPECT_TRUE(hidden(main->ActiveRow(TFormMain::Row(row))));
        EXPECT_TRUE(hidden(main->FixedRow(TFormMain::Row(row))));
    }
    QImage background;
    LoadCenteredBackground(background, "Data/Intf/Spec/mT_m0" + SizeSuffix() + ".xji");
    const CObiektGraficzny& caption = main->Caption(TFormMain::Sounds);
    const QRect r(caption.X(), caption.Y(), caption.Width(), caption.Height());
    EXPECT_EQ(main->Canvas().copy(r), background.copy(r));
}

TEST_F(Menu, StartChecksTheWordsOfTheTabsSettings)
{
    FakeGame selector, odglosy, hitman;
    main->SetGameWindow(2, &selector);
    main->SetGameWindow(1, &odglosy);
    main->SetGameWindow(4, &hitman);
    ClickButton("start");  // L, nagłos, few: five words, enough
    EXPECT_EQ(selector.opened, 1);
    EXPECT_TRUE(messages.empty());
    UstSelector.Gloski = glos::LI;  // a soft l never ends a Polish word: no word to draw
    UstSelector.Pozycja = glos::Wyglos;
    ClickButton("start");
    EXPECT_EQ(selector.opened, 1);
    EXPECT_EQ(messages, std::vector<int>{3});
    UstSelector.Gloski = glos::L;
    UstSelector.Pozycja = glos::Naglos;
    UstSelector.Poziom = 0;  // no words at all would be drawn: refused too
    ClickButton("start");
    EXPECT_EQ(selector.opened, 1);
    EXPECT_EQ(messages.size(), 2u);

    Zakladka = 4;  // the saucer needs four words a level of L with R or J
    main->A_Zakladka();
    ClickButton("start");
    EXPECT_EQ(hitman.opened, 1);

    Zakladka = 1;  // the sounds game needs no words
    UstOdglosy.Gloski = 0;
    main->A_Zakladka();
    ClickButton("start");
    EXPECT_EQ(odglosy.opened, 1);
    EXPECT_EQ(messages.size(), 2u);
}

TEST_F(Menu, StartNeedsFiveWordsALevelOrFourOnTheSaucerTab)
{
    auto catalogue = [](int count, quint16 flags) {
        std::vector<SPaczka> words;
        for (int i = 0; i < count; ++i)
            words.push_back(MakeWord(QString("slowo%1").arg(i), "_l,a,", flags));
        return std::make_unique<CSlowa>(words);
    };
    FakeGame selector, hitman;
    main->SetGameWindow(2, &selector);
    main->SetGameWindow(4, &hitman);
    UstSelector.Poziom = 3;
    std::unique_ptr<CSlowa> words14 = catalogue(14, 0x1001);
    main->SetWords(words14.get());
    ClickButton("start");
    EXPECT_EQ(selector.opened, 0);
    EXPECT_EQ(messages, std::vector<int>{3});
    std::unique_ptr<CSlowa> words15 = catalogue(15, 0x1001);
    main->SetWords(words15.get());
    ClickButton("start");
    EXPECT_EQ(selector.opened, 1);

    Zakladka = 4;
    main->A_Zakladka();
    UstHitmen.Poziom = 3;
    std::unique_ptr<CSlowa> words11 = catalogue(11, 0x1800);
    main->SetWords(words11.get());
    ClickButton("start");
    EXPECT_EQ(hitman.opened, 0);
    EXPECT_EQ(messages, (std::vector<int>{3, 3}));
    std::unique_ptr<CSlowa> words12 = catalogue(12, 0x1800);
    main->SetWords(words12.get());
    ClickButton("start");
    EXPECT_EQ(hitman.opened, 1);
}

TEST_F(Menu, ChangeRuleAndSettingsWrittenBack)
{
    auto& amount = main->ActiveRow(TFormMain::Amount);
    auto& sounds = main->ActiveRow(TFormMain::Sounds);
    auto& positions = main->ActiveRow(TFormMain::Positions);
    ClickCheck(amount[1]);  // średnio
    EXPECT_EQ(UstSelector.Poziom, 2);
    EXPECT_TRUE(amount[1]->IsChecked());
    EXPECT_FALSE(amount[0]->IsChecked());
    ClickCheck(sounds[1]);  // L, the only group: refused
    EXPECT_EQ(messages, std::vector<int>{1});
    EXPECT_EQ(UstSelector.Gloski, 1);
    ClickCheck(sounds[0]);  // J on
    EXPECT_EQ(UstSelector.Gloski, 5);
    EXPECT_TRUE(sounds[0]->IsChecked());
    ClickCheck(sounds[1]);  // L off, J stays
    EXPECT_EQ(UstSelector.Gloski, 4);
    ClickCheck(positions[0]);  // nagłos, the only position: refused
    EXPECT_EQ(messages, (std::vector<int>{1, 2}));
    ClickCheck(positions[2]);  // wygłos on
    EXPECT_EQ(UstSelector.Pozycja, 0x5000);

    const QByteArray text = SettingsText();
    EXPECT_TRUE(text.startsWith("; settings\r\n[DaneProgramu]\r\nZakladka=2\r\n")) << text.constData();
    const IniFile ini(program.folder.File("Data/data.ini"));
    EXPECT_EQ(ini.ReadInteger("Selector", "Gloski", 0), 4);
    EXPECT_EQ(ini.ReadInteger("Selector", "Poziom", 0), 2);
    EXPECT_EQ(ini.ReadInteger("Selector", "Pozycja", 0), 0x5000);
    EXPECT_EQ(ini.ReadInteger("Hitmen", "Gloski", 0), 2048);

    // A settings file that cannot be written is no error: the choice still holds for this run.
    QFile::remove(program.folder.File("Data/data.ini"));
    program.folder.Write("Data/data.ini/blocked", "");
    ClickCheck(amount[0]);
    EXPECT_EQ(UstSelector.Poziom, 1);
    EXPECT_EQ(messages.size(), 2u);
}

TEST_F(Menu, AboutWindowOpensItsLinksAndClosesOnEsc)
{
    std::vector<QUrl> opened;
    SetUrlOpener([&](const QUrl& url) { opened.push_back(url); });
    TFormOProgramie* about = FormOProgramie.get();
    bool checked = false;
    QObject::connect(about, &CModalWindow::Opened, [&] {
        QTimer::singleShot(0, [&] {
            EXPECT_EQ(about->geometry(), QRect(0, 0, Screen.ScreenWidth, Screen.ScreenHeight));
            const QPoint logo = about->LogoRect().topLeft() - QPoint(Screen.OffsetX, Screen.OffsetY);
            EXPECT_EQ(logo, Small() ? QPoint(320, 100) : QPoint(410, 145));
            EXPECT_EQ(about->VersionRect().top(), Screen.DesignHeight / 4 + Screen.OffsetY + 35);
            EXPECT_EQ(about->StopButton()->pos(), QPoint(Screen.OffsetX + Screen.DesignWidth / 2 - 40,
                                                         Screen.OffsetY + Screen.DesignHeight * 8 / 10));
            for (const QRect& link : {about->WebLinkRect(), about->MailLinkRect()}) {
                QWidget* under = about->childAt(link.center());
                ASSERT_NE(under, nullptr);
                QTest::mouseClick(under, Qt::LeftButton, {}, under->mapFrom(about, link.center()));
            }
            // The guide opens over the about window, as a window of its own, and Esc closes it.
            QString guideTitle;
            QTimer poll;
            QObject::connect(&poll, &QTimer::timeout, [&] {
                if (auto* guide = qobject_cast<GuideWindow*>(QApplication::activeModalWidget())) {
                    poll.stop();
                    guideTitle = guide->windowTitle();
                    QTest::keyClick(guide, Qt::Key_Escape);
                }
            });
            poll.start(10);
            const QRect guideLink = about->GuideLinkRect();
            QWidget* under = about->childAt(guideLink.center());
            ASSERT_NE(under, nullptr);
            QTest::mouseClick(under, Qt::LeftButton, {}, under->mapFrom(about, guideLink.center()));
            EXPECT_EQ(guideTitle, QString::fromUtf8(GuideWindow::kTitle));
            EXPECT_TRUE(about->isVisible());
            checked = true;
            QTest::keyClick(about, Qt::Key_Escape);
        });
    });
    ClickButton("oprogramie");
    EXPECT_TRUE(checked);
    EXPECT_FALSE(about->isVisible());
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0].scheme(), "https");
    EXPECT_EQ(opened[1].scheme(), "mailto");
    EXPECT_EQ(QUrlQuery(opened[1]).queryItemValue("subject", QUrl::FullyDecoded), "Wiadomosc z Brimbola");
    EXPECT_EQ(opened[1].path(), "kontakt@brimbola.example");
    SetUrlOpener(nullptr);
}

TEST_F(Menu, MessageWindowTextsPlaceAndButton)
{
    EXPECT_EQ(TFormKomunikat::TextOf(3), QStringLiteral("Proszę wybrać większą liczbę głosek lub pozycji."));
    EXPECT_EQ(TFormKomunikat::TextOf(52), QStringLiteral("Tej pozycji nie można zmieniać."));
    EXPECT_EQ(TFormKomunikat::TextOf(21), QStringLiteral("Brak nagrania dla wybranej pozycji."));
    EXPECT_EQ(TFormKomunikat::TextOf(99), QStringLiteral("Błąd."));
    TFormKomunikat* box = FormKomunikat.get();
    box->ShowMessageCode(99);
    EXPECT_EQ(box->Text(), QStringLiteral("Błąd."));
    EXPECT_EQ(box->size(), QSize(420, 250));
    EXPECT_EQ(box->StopButton()->pos(), QPoint(420 / 2 - 30, 250 - 100));
    bool stillOpenAfterEsc = false;
    QObject::connect(box, &CModalWindow::Opened, [&] {
        QTimer::singleShot(0, [&] {
            QTest::keyClick(box, Qt::Key_Escape);  // only its button closes it
            stillOpenAfterEsc = box->IsShownModally();
            EXPECT_EQ(box->geometry().center(), main->geometry().center());
        });
    });
    main->A_Null();
    EXPECT_TRUE(stillOpenAfterEsc);
    EXPECT_EQ(messages.back(), 52);
    EXPECT_FALSE(box->isVisible());
}

TEST_F(Menu, EscEndsTheProgramLikeTheExitButton)
{
    bool closed = false;
    QObject::connect(main, &TFormMain::Closed, [&] { closed = true; });
    QTest::keyClick(main, Qt::Key_Escape);
    EXPECT_TRUE(closed);
}
