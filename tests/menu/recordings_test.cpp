// SPDX-License-Identifier: GPL-3.0-or-later
// The recordings tab of the main menu through real mouse, key and wheel events: the rows and their
// neighbours in both layouts, the four notices, the locked menu while the recorder runs, the
// minute's limit, scrolling through the thirty slots, and the recorder around games. The sound
// hardware is a double.
#include "gfx/_ccheckbut.h"
#include "gfx/_cprzycisk.h"
#include "gfx/_cscrollbar.h"
#include "menu/Fmkomunikat.h"
#include "menu/Fmmain.h"
#include "menu/recordingstab.h"
#include "platform/modalwindow.h"
#include "platform/imagefiles.h"
#include "platform/picturestore.h"
#include "platform/textcodec.h"
#include "platform/wavefile.h"
#include "recorder/_cnagdata.h"
#include "recorder/_cnagrywanie.h"
#include "shell/Cdisplay.h"
#include "shell/settingsfile.h"
#include "app/shared.h"
#include "menu/menuwindows.h"
#include "support/fakeaudioport.h"
#include "support/programundertest.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <gtest/gtest.h>

const CDisplay& Screen = brimbola::Display;

namespace {

constexpr qint64 kMinuteMs = 60000;

bool Small()
{
    return Screen.IsSmall();
}

QByteArray Bytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray Samples(int bytes)
{
    QByteArray pcm(bytes, Qt::Uninitialized);
    for (int i = 0; i < bytes; ++i)
        pcm[i] = char(i * 7);
    return pcm;
}

// A game window that notes whether the recorder was free while it was open, and closes at once.
class FakeGame : public CModalWindow {
public:
    int opened = 0;
    bool recorderEnabledDuringGame = true;
    explicit FakeGame(const CNagrywanie& recorder)
    {
        connect(this, &CModalWindow::Opened, this, [this, &recorder] {
            ++opened;
            recorderEnabledDuringGame = recorder.Enabled();
            QTimer::singleShot(0, this, [this] { EndModal(2); });
        });
    }
};

class Recordings : public ::testing::Test {
protected:
    void SetUp() override
    {
        program.folder.Write("Data/data.ini", "[DaneProgramu]\r\nZakladka=2\r\n[Selector]\r\nGloski=1\r\nPozycja=4096\r\n"
                                              "Poziom=1\r\n");
        ASSERT_TRUE(program.Start());
        main = program.Main();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main));
        auto owned = std::make_unique<FakePort>();
        port = owned.get();
        Tab().UseAudioPort(std::move(owned));
        // Every message window that opens is noted and closed by its own button.
        QObject::connect(FormKomunikat.get(), &CModalWindow::Opened, [this] {
            messages.push_back(FormKomunikat->MessageCode());
            QTimer::singleShot(0, [] {
                CPrzyciskP* stop = FormKomunikat->StopButton();
                QTest::mouseClick(stop, Qt::LeftButton, {}, QPoint(stop->width() / 2, stop->height() / 2));
            });
        });
        QObject::connect(main, &TFormMain::Closed, [this] { closed = true; });
    }

    RecordingsTab& Tab() { return main->Recordings(); }
    CNagData& List() { return Tab().List(); }
    CNagrywanie& Recorder() { return Tab().Recorder(); }
    CPrzyciskP* Button(const char* name) { return main->Button(name); }
    QPoint Design(const QWidget* w) const { return w->pos() - QPoint(Screen.OffsetX, Screen.OffsetY); }

    void OpenTab() { PressStrip(Small() ? 450 : 530); }
    void PressStrip(int y) { QTest::mousePress(main->TabStrip(), Qt::LeftButton, {}, QPoint(20, y)); }
    void Click(const char* name)
    {
        CPrzyciskP* b = Button(name);
        ASSERT_NE(b, nullptr) << name;
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(b->width() / 2, b->height() / 2));
    }
    void ClickCheck(int row) { QTest::mouseClick(List().RowWidgets(row).check, Qt::LeftButton, {}, QPoint(5, 5)); }
    // Clicks the row's name box (which selects the row) and types `name` into it, key by key.
    void TypeName(int row, const QString& name)
    {
        QLineEdit* box = List().RowWidgets(row).name;
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(10, 10));
        ASSERT_EQ(main->focusWidget(), box);
        for (const QChar c : name) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(box, &press);
        }
    }
    // A wheel notch on the window beside the list.
    void Wheel(int delta)
    {
        const QPoint at = List().RowWidgets(0).date->geometry().center();
        QWheelEvent wheel(QPointF(at), QPointF(main->mapToGlobal(at)), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(main, &wheel);
    }
    QString Sound(int slot) const { return program.folder.File(QString("Nagrane/Nagranie%1.wav").arg(slot)); }
    QByteArray CatalogueBytes() const { return Bytes(program.folder.File("Nagrane/record.xtr")); }
    bool Idle()
    {
        return !main->Busy() && Button("rrec")->isVisible() && Button("rodtworz")->isVisible() &&
               !Button("rstop")->isVisible() && Button("wyjdz")->Ready() && Button("oprogramie")->Ready() &&
               Button("up")->Ready() && Button("down")->Ready();
    }
    QString Today() { return program.services.time.UtcNow().toLocalTime().date().toString("dd.MM.yyyy"); }

    ProgramUnderTest program;
    TFormMain* main = nullptr;
    FakePort* port = nullptr;
    std::vector<int> messages;
    bool closed = false;
};

}  // namespace

TEST_F(Recordings, RowsHeadingsButtonsAndThumbAreLaidOutForTheScreen)
{
    OpenTab();
    ASSERT_EQ(Zakladka, 6);
    const bool s = Small();
    const int firstRow = s ? 176 : 220;
    for (int r = 0; r < CNagData::kRows; ++r) {
        const CNagData::Row& row = List().RowWidgets(r);
        const int y = firstRow + 32 * r;
        EXPECT_EQ(Design(row.number), QPoint(s ? 130 : 244, y)) << r;
        EXPECT_EQ(row.number->width(), 26);
        EXPECT_EQ(Design(row.name), QPoint(s ? 156 : 270, y)) << r;
        EXPECT_EQ(row.name->size(), QSize(220, 26));
        EXPECT_EQ(Design(row.date), QPoint(s ? 381 : 495, y + 2)) << r;
        EXPECT_EQ(row.date->size(), QSize(100, 22));
        EXPECT_EQ(Design(row.check), QPoint(s ? 486 : 600, y)) << r;
        EXPECT_EQ(row.number->text(), QString("%1.").arg(r + 1));
    }
    EXPECT_EQ(Design(Tab().NameHeading()), s ? QPoint(229, 155) : QPoint(329, 200));
    EXPECT_EQ(Design(Tab().DateHeading()), s ? QPoint(414, 155) : QPoint(524, 200));
    EXPECT_EQ(Tab().NameHeading()->text(), QStringLiteral("Imię i Nazwisko"));
    EXPECT_EQ(Tab().DateHeading()->text(), QStringLiteral("Data"));
    EXPECT_EQ(Design(Button("up")), QPoint(s ? 511 : 625, s ? 144 : 188));
    EXPECT_EQ(Design(Button("down")), QPoint(s ? 511 : 625, s ? 432 : 476));
    CScrollBut* thumb = Tab().Scroll().Thumb();
    EXPECT_EQ(Design(thumb), QPoint(s ? 515 : 629, s ? 174 : 218));
    EXPECT_EQ(thumb->size(), QSize(22, 16));
    EXPECT_EQ(Tab().Scroll().Step(), 11);  // (down - 5 - (up + 30)) / 22
}

TEST_F(Recordings, TheTabShowsItsControlsAndAnotherTabHidesThem)
{
    std::vector<QWidget*> own = {Tab().NameHeading(), Tab().DateHeading(), Tab().Scroll().Thumb(), Button("up"),
                                 Button("down"), Button("rrec"), Button("rodtworz")};
    for (int r = 0; r < CNagData::kRows; ++r)
        for (QWidget* w : std::initializer_list<QWidget*>{List().RowWidgets(r).number, List().RowWidgets(r).check,
                                                           List().RowWidgets(r).name, List().RowWidgets(r).date})
            own.push_back(w);
    auto allShown = [&] { return std::all_of(own.begin(), own.end(), [](QWidget* w) { return w->isVisible(); }); };
    auto noneShown = [&] { return std::none_of(own.begin(), own.end(), [](QWidget* w) { return w->isVisible(); }); };
    EXPECT_TRUE(noneShown());
    EXPECT_TRUE(Button("start")->isVisible());
    OpenTab();
    EXPECT_TRUE(allShown());
    EXPECT_FALSE(Button("rstop")->isVisible());
    EXPECT_FALSE(Button("start")->isVisible());
    // The thumb is drawn on the window through its mask.
    const CScrollBut* thumb = Tab().Scroll().Thumb();
    const QImage drawn = main->Canvas().copy(thumb->geometry());
    int inside = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            if (thumb->Mask().pixel(x, y) == qRgb(255, 255, 255)) {
                ++inside;
                EXPECT_EQ(drawn.pixel(x, y), thumb->Normal().pixel(x, y)) << x << "," << y;
            }
        }
    }
    EXPECT_GT(inside, 0);
    TypeName(1, "Ala");
    PressStrip(Small() ? 150 : 200);  // picture-and-say
    ASSERT_EQ(Zakladka, 2);
    EXPECT_TRUE(noneShown());
    EXPECT_FALSE(Button("rstop")->isVisible());
    EXPECT_TRUE(Button("start")->isVisible());
    // Back on the tab no name box keeps the keyboard: Esc and the window's keys reach the window.
    OpenTab();
    EXPECT_EQ(main->focusWidget(), main);
    EXPECT_EQ(List().SelectedRow(), -1);
}

TEST_F(Recordings, RecordAndPlayExplainWhatIsMissingAndChangeNothing)
{
    OpenTab();
    const QByteArray catalogue = CatalogueBytes();
    Click("rrec");  // no row chosen
    Click("rodtworz");
    EXPECT_EQ(messages, (std::vector<int>{10, 20}));
    ClickCheck(2);
    Click("rrec");  // a row without a name
    Click("rodtworz");
    EXPECT_EQ(messages, (std::vector<int>{10, 20, 11, 21}));
    TypeName(3, "   ");
    Click("rrec");  // blanks are no name
    EXPECT_EQ(messages.back(), 11);
    TypeName(4, "Ala");
    Click("rodtworz");  // named, never recorded
    EXPECT_EQ(messages.back(), 21);
    EXPECT_EQ(messages.size(), 6u);
    EXPECT_TRUE(Idle());
    EXPECT_FALSE(port->capturing);
    EXPECT_FALSE(QFile::exists(Sound(2)));
    EXPECT_FALSE(QFile::exists(Sound(4)));
    EXPECT_EQ(CatalogueBytes(), catalogue);
    EXPECT_EQ(TFormKomunikat::TextOf(10), QStringLiteral("Proszę wybrać pozycję i wprowadzić nazwę nagrania."));
    EXPECT_EQ(TFormKomunikat::TextOf(11), QStringLiteral("Proszę wprowadzić nazwę dla nagrania."));
    EXPECT_EQ(TFormKomunikat::TextOf(20), QStringLiteral("Proszę wybrać pozycję do odtworzenia."));
    EXPECT_EQ(TFormKomunikat::TextOf(21), QStringLiteral("Brak nagrania dla wybranej pozycji."));
}

TEST_F(Recordings, ARecordingLocksTheMenuUntilTheStopButton)
{
    OpenTab();
    TypeName(3, QStringLiteral("Łucja"));
    Click("rrec");
    ASSERT_TRUE(main->Busy());
    EXPECT_TRUE(port->capturing);
    EXPECT_TRUE(Recorder().Recording());
    EXPECT_TRUE(Button("rstop")->isVisible());
    EXPECT_FALSE(Button("rrec")->isVisible());
    EXPECT_FALSE(Button("rodtworz")->isVisible());
    // The catalogue knows of the recording at once.
    const QByteArray catalogue = CatalogueBytes();
    EXPECT_TRUE(catalogue.contains("[Nagranie3]\r\nPlik=Nagranie3\r\nNazwa=" + EncodeWindows1250(QStringLiteral("Łucja")) +
                                   "\r\nData=" + Today().toLatin1() + "\r\n"))
        << catalogue.constData();
    EXPECT_EQ(List().RowWidgets(3).date->text(), Today());

    // Nothing else of the menu reacts meanwhile.
    PressStrip(Small() ? 150 : 200);
    EXPECT_EQ(Zakladka, 6);
    Click("wyjdz");
    EXPECT_FALSE(closed);
    Click("down");
    Wheel(-120);
    EXPECT_EQ(List().Top(), 0);
    EXPECT_TRUE(messages.empty());

    const QByteArray pcm = Samples(4410);
    port->Feed(pcm);
    Click("rstop");
    EXPECT_TRUE(Idle());
    EXPECT_FALSE(port->capturing);
    EXPECT_FALSE(Recorder().IsOpen());
    const QByteArray file = Bytes(Sound(3));
    ASSERT_EQ(file.size(), wave::kHeaderSize + pcm.size());
    EXPECT_EQ(file.mid(wave::kHeaderSize), pcm);

    // Played back from the same row; the end of the sound unlocks the menu by itself.
    ClickCheck(3);
    ClickCheck(3);
    ASSERT_EQ(List().SelectedRow(), 3);
    Click("rodtworz");
    EXPECT_TRUE(main->Busy());
    EXPECT_TRUE(port->playing);
    EXPECT_EQ(port->played, pcm);
    port->FinishPlayback();
    QTest::qWait(20);
    EXPECT_TRUE(Idle());
    EXPECT_FALSE(Recorder().IsOpen());

    // A recording whose file has gone cannot be played.
    QFile::remove(Sound(3));
    Click("rodtworz");
    EXPECT_EQ(messages, std::vector<int>{21});
    EXPECT_TRUE(Idle());
}

TEST_F(Recordings, ButtonsHiddenUnderTheMouseLeaveOnlyTheBackground)
{
    QImage background;
    LoadCenteredBackground(background, "Data/Intf/Spec/mT_m0" + SizeSuffix() + ".xji");
    OpenTab();
    TypeName(0, "Ola");
    auto clickWithMouseOver = [&](const char* name) {
        CPrzyciskP* b = Button(name);
        const QPoint centre(b->width() / 2, b->height() / 2);
        QTest::mouseMove(b, centre);
        QTest::mouseClick(b, Qt::LeftButton, {}, centre);
        QTest::qWait(10);
    };
    auto bare = [&](const char* name) {
        const QRect r = Button(name)->geometry();
        return main->Canvas().copy(r) == background.copy(r);
    };
    clickWithMouseOver("rrec");
    ASSERT_TRUE(main->Busy());
    EXPECT_TRUE(bare("rrec"));
    EXPECT_TRUE(bare("rodtworz"));
    clickWithMouseOver("rstop");
    ASSERT_TRUE(Idle());
    EXPECT_TRUE(bare("rstop"));
}

TEST_F(Recordings, ARecordingLeftRunningEndsAfterAMinute)
{
    OpenTab();
    TypeName(0, "Ola");
    Click("rrec");
    ASSERT_TRUE(Recorder().Recording());
    program.services.time.Advance(kMinuteMs - 1);
    EXPECT_TRUE(main->Busy());
    program.services.time.Advance(1);
    EXPECT_TRUE(Idle());
    EXPECT_FALSE(Recorder().Recording());
    EXPECT_FALSE(port->capturing);
    EXPECT_TRUE(QFile::exists(Sound(0)));
}

TEST_F(Recordings, TheUpperOfTwoCheckedRowsIsRecorded)
{
    OpenTab();
    TypeName(5, "Piotr");
    TypeName(1, "Ewa");
    List().RowWidgets(5).check->SetChecked(true);
    ASSERT_TRUE(List().RowWidgets(1).check->IsChecked());
    Click("rrec");
    Click("rstop");
    EXPECT_TRUE(QFile::exists(Sound(1)));
    EXPECT_FALSE(QFile::exists(Sound(5)));
    EXPECT_EQ(List().Slot(1).Nazwa, "Ewa");
}

// A recording left damaged (by a crash or a full disk) is no recording to play, and recording over it
// works. A file that cannot be written says so and leaves the old recording. The menu is never left locked.
TEST_F(Recordings, ADamagedRecordingIsRecordedOverAndAnUnwritableOneNeverLocksTheSlot)
{
    OpenTab();
    TypeName(2, "Adam");
    Click("rrec");
    port->Feed(Samples(800));
    Click("rstop");
    const QByteArray good = Bytes(Sound(2));
    ASSERT_EQ(good.size(), 46 + 800);
    const struct {
        const char* what;
        QByteArray bytes;
    } damaged[] = {{"empty", {}}, {"cut header", good.left(20)}, {"not a wave", QByteArray(300, 'x')}};
    int take = 0;
    for (const auto& d : damaged) {
        SCOPED_TRACE(d.what);
        QFile file(Sound(2));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(d.bytes);
        file.close();
        messages.clear();
        Click("rodtworz");
        EXPECT_EQ(messages, std::vector<int>{21});
        EXPECT_TRUE(Idle());
        Click("rrec");
        ASSERT_TRUE(Recorder().Recording());
        const QByteArray pcm = Samples(200 + 2 * take++);
        port->Feed(pcm);
        Click("rstop");
        EXPECT_TRUE(Idle());
        WaveInfo info;
        ASSERT_TRUE(ReadWaveFile(Sound(2), info));
        EXPECT_EQ(info.samples, pcm);
        EXPECT_EQ(messages, std::vector<int>{21});
    }

    // The new recording's file cannot be made (here the disk is full), or a folder stands where the
    // recording should be: message 13, the menu free, the old recording and the catalogue unchanged.
    const QByteArray before = Bytes(Sound(2)), catalogue = CatalogueBytes();
    ASSERT_TRUE(QFile::link("/dev/full", WaveDevice::NewRecordingPath(Sound(2))));
    QDir().mkpath(Sound(5));
    TypeName(5, "Ewa");
    Click("rrec");
    ClickCheck(2);
    Click("rrec");
    EXPECT_EQ(messages, (std::vector<int>{21, 13, 13}));
    EXPECT_TRUE(Idle());
    EXPECT_FALSE(port->capturing);
    EXPECT_EQ(Bytes(Sound(2)), before);
    EXPECT_FALSE(QFileInfo::exists(WaveDevice::NewRecordingPath(Sound(2))));
    EXPECT_EQ(CatalogueBytes(), catalogue);

    // The first sound cannot take the recording's place (a folder stands there now): the recording
    // ends at once with message 13 and the menu is free.
    Click("rrec");
    ASSERT_TRUE(Recorder().Recording());
    ASSERT_TRUE(QFile::remove(Sound(2)));
    ASSERT_TRUE(QDir().mkpath(Sound(2)));
    port->Feed(Samples(200));
    QCoreApplication::processEvents();
    EXPECT_EQ(messages, (std::vector<int>{21, 13, 13, 13}));
    EXPECT_TRUE(Idle());
    EXPECT_FALSE(QFileInfo::exists(WaveDevice::NewRecordingPath(Sound(2))));
    EXPECT_NE(TFormKomunikat::TextOf(13), TFormKomunikat::TextOf(999));
}

// No microphone: the row and its old recording stay as they were, and the message says why. No
// speakers: the play says so too, and the menu is free again.
TEST_F(Recordings, WithoutAMicrophoneNothingIsNotedAsRecorded)
{
    OpenTab();
    TypeName(4, "Ola");
    Click("rrec");
    port->Feed(Samples(400));
    Click("rstop");
    const QByteArray oldSound = Bytes(Sound(4));
    ASSERT_GT(oldSound.size(), 400);
    const QByteArray catalogue = CatalogueBytes();

    port->hasInput = false;
    TypeName(3, "Ala");
    Click("rrec");  // never recorded
    ClickCheck(4);
    Click("rrec");  // recorded before
    EXPECT_EQ(messages, (std::vector<int>{12, 12}));
    EXPECT_TRUE(Idle());
    EXPECT_FALSE(QFile::exists(Sound(3)));
    EXPECT_EQ(Bytes(Sound(4)), oldSound);
    EXPECT_EQ(CatalogueBytes(), catalogue);
    EXPECT_TRUE(List().RowSoundPath(3).isEmpty());
    EXPECT_TRUE(List().RowWidgets(3).date->text().isEmpty());

    port->hasOutput = false;
    ASSERT_EQ(List().SelectedRow(), 4);
    Click("rodtworz");
    EXPECT_EQ(messages.back(), 22);
    EXPECT_TRUE(Idle());
    EXPECT_NE(TFormKomunikat::TextOf(12), TFormKomunikat::TextOf(999));
    EXPECT_NE(TFormKomunikat::TextOf(22), TFormKomunikat::TextOf(999));
}

TEST_F(Recordings, TwentyTwoStepsDownShowTheLastSlotsAndTheTwentyThirdIsRefused)
{
    OpenTab();
    TypeName(0, "zgubione");  // typed, never recorded: scrolling forgets it
    CScrollBut* thumb = Tab().Scroll().Thumb();
    const int top = thumb->y(), step = Tab().Scroll().Step();
    for (int i = 1; i <= CNagData::kLastTop; ++i) {
        Click("down");
        ASSERT_EQ(List().Top(), i);
        ASSERT_EQ(thumb->y(), top + i * step);
    }
    for (int r = 0; r < CNagData::kRows; ++r)
        EXPECT_EQ(List().RowWidgets(r).number->text(), QString("%1.").arg(23 + r));
    EXPECT_EQ(List().SelectedRow(), -1);
    EXPECT_EQ(main->focusWidget(), main);  // typing goes to no row of another slot
    EXPECT_FALSE(List().ScrollDown());
    Click("down");
    Wheel(-120);
    EXPECT_EQ(List().Top(), CNagData::kLastTop);
    EXPECT_EQ(thumb->y(), top + CNagData::kLastTop * step);

    for (int i = 1; i <= CNagData::kLastTop; ++i)
        Wheel(120);
    EXPECT_EQ(List().Top(), 0);
    EXPECT_EQ(thumb->y(), top);
    EXPECT_EQ(List().RowWidgets(0).number->text(), "1.");
    EXPECT_TRUE(List().RowWidgets(0).name->text().isEmpty());
    Wheel(120);
    Click("up");
    EXPECT_EQ(List().Top(), 0);
    EXPECT_EQ(thumb->y(), top);

    // The wheel scrolls only the recordings tab.
    PressStrip(Small() ? 150 : 200);
    Wheel(-120);
    EXPECT_EQ(List().Top(), 0);
}

TEST_F(Recordings, TheRecorderIsSuspendedWhileAGameIsOpenAndClosedOnGameTabs)
{
    ASSERT_TRUE(Recorder().Enabled());  // the window was activated
    FakeGame game(Recorder());
    main->SetGameWindow(2, &game);
    Click("start");
    ASSERT_EQ(game.opened, 1);
    EXPECT_FALSE(game.recorderEnabledDuringGame);
    EXPECT_TRUE(Recorder().Enabled());
    EXPECT_FALSE(Recorder().IsOpen());

    // A device left open on a game tab is closed by the next repaint.
    ASSERT_TRUE(Recorder().OpenFile(program.folder.File("Nagrane/loose.wav")));
    main->repaint();
    EXPECT_FALSE(Recorder().IsOpen());

    // On the recordings tab, neither a repaint nor coming back to the window ends a recording.
    OpenTab();
    TypeName(0, "Kuba");
    Click("rrec");
    main->repaint();
    Tab().Activated();
    EXPECT_TRUE(Recorder().Recording());
    EXPECT_TRUE(port->capturing);
    Click("rstop");
    EXPECT_TRUE(Idle());
}

TEST_F(Recordings, EscDuringARecordingStillEndsTheProgram)
{
    OpenTab();
    TypeName(0, "Kuba");
    Click("rrec");
    ASSERT_TRUE(main->Busy());
    QTest::keyClick(List().RowWidgets(0).name, Qt::Key_Escape);
    EXPECT_TRUE(closed);
}

// The thumb alone, on a plain window with a known background.
class Thumb : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetSharedPictureStore(ProgramFolder::GeneratedData() + "/Res");
        background = QImage(300, 400, QImage::Format_RGB32);
        background.fill(qRgb(90, 90, 90));
        window.resize(300, 400);
        window.Canvas() = background;
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void TearDown() override { ResetSharedPictureStore(); }

    CWindowBase window;
    QImage background;
};

TEST_F(Thumb, StepsSpreadOverTheTrackAndComeBackExactly)
{
    CScrollBar bar(&window, 0, 0, &window.Canvas(), &background);
    EXPECT_EQ(bar.Step(), CScrollBar::kInitialStep);
    bar.SetTrack(40, 130, 295);
    EXPECT_EQ(bar.Step(), 7);  // 165 / 22
    EXPECT_EQ(bar.Thumb()->pos(), QPoint(40, 130));
    for (int i = 0; i < CScrollBar::kPositions; ++i)
        bar.StepDown();
    EXPECT_EQ(bar.Thumb()->pos(), QPoint(40, 130 + 22 * 7));
    EXPECT_EQ(bar.Y(), 130 + 22 * 7);
    // The place it left has its background back.
    EXPECT_EQ(window.Canvas().copy(QRect(40, 130, 22, 16)), background.copy(QRect(40, 130, 22, 16)));
    EXPECT_NE(window.Canvas().copy(bar.Thumb()->geometry()), background.copy(bar.Thumb()->geometry()));
    for (int i = 0; i < CScrollBar::kPositions; ++i)
        bar.StepUp();
    EXPECT_EQ(bar.Thumb()->pos(), QPoint(40, 130));
    bar.Hide();
    EXPECT_EQ(window.Canvas(), background);
    bar.StepDown();  // a step shows it again
    EXPECT_TRUE(bar.Thumb()->isVisible());
}

TEST_F(Thumb, DraggingItLeavesItWhereItIs)
{
    CScrollBar bar(&window, 50, 60, &window.Canvas(), &background);
    CScrollBut* thumb = bar.Thumb();
    thumb->Paint();
    const QImage before = window.Canvas();
    ASSERT_NE(before, background);
    QTest::mousePress(thumb, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(thumb->Dragging());
    QTest::mouseMove(thumb, QPoint(5, 40));
    QTest::mouseRelease(thumb, Qt::LeftButton, {}, QPoint(5, 40));
    EXPECT_FALSE(thumb->Dragging());
    EXPECT_EQ(thumb->pos(), QPoint(50, 60));
    EXPECT_EQ(bar.Y(), 60);
    EXPECT_EQ(window.Canvas(), before);
}
