// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up sequence of the real program, in this process: the splash and its hand-over, the main
// window, Esc, and every failure path showing its message and leaving the working folder as found.
#include "menu/Fmsplashscreen.h"
#include "settings/_custgry.h"
#include "platform/hitarea.h"
#include "platform/singleinstance.h"
#include "shell/Cdisplay.h"
#include "shell/_cblad.h"
#include "shell/settingsfile.h"
#include "support/programundertest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QSize ScreenSize()
{
    return QGuiApplication::primaryScreen()->geometry().size();
}

bool ScreenTooSmall()
{
    const QSize s = ScreenSize();
    return s.width() < 800 || s.height() < 600;
}

#define SKIP_ON_SMALL_SCREEN()                                         \
    if (ScreenTooSmall())                                              \
    GTEST_SKIP() << "the program does not start on this screen"

bool Near(QRgb a, QColor b, int tolerance = 8)
{
    return std::abs(qRed(a) - b.red()) <= tolerance && std::abs(qGreen(a) - b.green()) <= tolerance &&
           std::abs(qBlue(a) - b.blue()) <= tolerance;
}

QImage Filled(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

}  // namespace

TEST(Startup, ShowsTheSplashThenTheMainWindowAndEndsOnEsc)
{
    SKIP_ON_SMALL_SCREEN();
    ProgramUnderTest program;
    const bool big = ScreenSize().width() >= 1024 && ScreenSize().height() >= 768;
    const QColor menuColour(40, 160, 220);
    program.folder.WriteJpeg(big ? "Data/Intf/Spec/mT_m0_b.xji" : "Data/Intf/Spec/mT_m0_s.xji",
                             Filled(big ? QSize(1024, 768) : QSize(800, 600), menuColour));
    ASSERT_TRUE(program.startup.Begin());
    EXPECT_EQ(QDir::currentPath(), QDir(program.folder.Path()).canonicalPath());
    ASSERT_TRUE(FormSplashScreen);
    EXPECT_EQ(FormSplashScreen->windowTitle(), "Brimbola Cz.IV Demo Splash");
    EXPECT_EQ(QCoreApplication::applicationName(), "Brimbola Cz.IV Demo");

    TFormMain* main = program.Main();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->windowTitle(), "Quendora Cz.IV Demo");
    EXPECT_EQ(main->geometry(), QRect(QPoint(0, 0), ScreenSize()));
    const CDisplay& d = brimbola::Display;
    EXPECT_EQ(d.Mode, big ? 4 : 2);
    EXPECT_TRUE(Near(main->Canvas().pixel(d.OffsetX + 3, d.OffsetY + 3), menuColour));
    EXPECT_TRUE(Near(main->Canvas().pixel(d.OffsetX + d.DesignWidth - 1, d.OffsetY + d.DesignHeight - 1), menuColour));
    if (d.OffsetX > 0) {
        // The band around the design area continues the background's edge.
        EXPECT_TRUE(Near(main->Canvas().pixel(d.OffsetX - 1, d.OffsetY), menuColour));
        EXPECT_TRUE(Near(main->Canvas().pixel(0, 0), menuColour));
    }

    // The hand-over: 2 s after the first paint of the main window the splash is gone.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_FALSE(FormSplashScreen);
    EXPECT_EQ(program.services.time.waits, std::vector<int>{2000});

    QSignalSpy closed(main, &TFormMain::Closed);
    QTest::keyClick(main, Qt::Key_Escape);
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(main->isVisible());
    program.startup.Finish();
    EXPECT_EQ(QDir::currentPath(), program.startDir);
    EXPECT_TRUE(program.boxes.shown.empty());
    SingleInstance next(program.lockFolder.path());
    EXPECT_EQ(next.Acquire(200), SingleInstance::Outcome::First);  // the lock was given back
}

TEST(Startup, SplashFallsBackToLimeAndReadsItsPictureFromTheProgramFolder)
{
    SKIP_ON_SMALL_SCREEN();
    {
        ProgramUnderTest program;
        program.folder.Remove("Data/Intf/Spec/mT_Splh.xji");
        ASSERT_TRUE(program.startup.Begin());
        ASSERT_TRUE(FormSplashScreen);
        EXPECT_TRUE(FormSplashScreen->ShowsFallback());
        EXPECT_EQ(FormSplashScreen->size(), QSize(600, 348));
        EXPECT_EQ(FormSplashScreen->pos(),
                  QPoint((ScreenSize().width() - 600) / 2, (ScreenSize().height() - 348) / 2));
        const QImage shown = FormSplashScreen->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(shown.pixel(300, 300), qRgb(0, 255, 0));
        int red = 0, dark = 0;
        for (int y = 8; y < 24; ++y)
            for (int x = 8; x < 130; ++x)
                red += qRed(shown.pixel(x, y)) > 180 && qGreen(shown.pixel(x, y)) < 120;
        for (int y = 32; y < 73; ++y)
            for (int x = 100; x < 500; ++x)
                dark += qGreen(shown.pixel(x, y)) < 100;
        EXPECT_GT(red, 40) << "the red \"Brak zasobów!\" is shown";
        EXPECT_GT(dark, 200) << "the title is shown";
    }
    {
        ProgramUnderTest program;
        program.folder.WriteJpeg("Data/Intf/Spec/mT_Splh.xji", Filled(QSize(500, 300), QColor(250, 200, 40)));
        ASSERT_NE(QDir::currentPath(), QDir(program.folder.Path()).canonicalPath());
        ASSERT_TRUE(program.startup.Begin());
        ASSERT_TRUE(FormSplashScreen);
        EXPECT_FALSE(FormSplashScreen->ShowsFallback());
        EXPECT_EQ(FormSplashScreen->size(), QSize(500, 300));
        EXPECT_TRUE(Near(FormSplashScreen->Canvas().pixel(250, 150), QColor(250, 200, 40)));
    }
    {
        ProgramUnderTest program;
        program.folder.Write("Data/Intf/Spec/mT_Splh.xji", "\xFF\xD8\xFF broken");
        ASSERT_TRUE(program.startup.Begin());
        ASSERT_TRUE(FormSplashScreen);
        EXPECT_TRUE(FormSplashScreen->ShowsFallback());
    }
}

TEST(Startup, TooSmallAScreenIsRefusedWithCodeTwo)
{
    if (!ScreenTooSmall())
        GTEST_SKIP() << "only on a screen below 800 x 600";
    ProgramUnderTest program;
    EXPECT_FALSE(program.startup.Begin());
    ASSERT_EQ(program.boxes.shown.size(), 1u);
    EXPECT_EQ(program.boxes.shown[0].text, ErrorText(2));
    EXPECT_EQ(program.boxes.shown[0].caption, QStringLiteral("Brimbola Cz.IV Demo - Błąd"));
    EXPECT_EQ(program.boxes.shown[0].ownerTitle, "Brimbola Cz.IV Demo Splash");
    EXPECT_EQ(program.boxes.shown[0].icon, MessageIcon::Information);
    EXPECT_FALSE(FormSplashScreen);
    EXPECT_EQ(program.Main(), nullptr);
    EXPECT_EQ(QDir::currentPath(), program.startDir);
}

TEST(Startup, EveryFailureShowsItsMessageAndRestoresTheWorkingFolder)
{
    SKIP_ON_SMALL_SCREEN();
    struct Case {
        const char* what;
        std::function<void(ProgramFolder&)> damage;
        QString text;
        MessageIcon icon;
    };
    const std::vector<Case> cases = {
        {"settings file not readable", [](ProgramFolder& f) { f.Write("Data/data.ini/x", ""); }, ErrorText(4),
         MessageIcon::Information},
        {"broken menu background",
         [](ProgramFolder& f) {
             f.Write("Data/Intf/Spec/mT_m0_s.xji", "\xFF\xD8 broken");
             f.Write("Data/Intf/Spec/mT_m0_b.xji", "\xFF\xD8 broken");
         },
         ErrorText(1), MessageIcon::Information},
        {"a tab picture missing", [](ProgramFolder& f) {
             f.Remove("Data/Intf/Spec/mT_m4_s.xbi");
             f.Remove("Data/Intf/Spec/mT_m4_b.xbi");
         },
         ErrorText(1), MessageIcon::Information},
        {"the message window's picture missing, though no message was ever shown",
         [](ProgramFolder& f) { f.Remove("Data/Intf/Spec/mKom_kp.xji"); }, ErrorText(1), MessageIcon::Information},
        {"statistics file cannot be made", [](ProgramFolder& f) { f.Write("prgst4.stt/blocked", ""); }, ErrorText(3),
         MessageIcon::Information},
        {"no pictures at all", [](ProgramFolder& f) { QFile::remove(f.File("Data/Intf")); },  // the link only
         ErrorText(1), MessageIcon::Information},
        {"no picture store", [](ProgramFolder& f) { QFile::remove(f.File("Data/Res")); }, ErrorText(1),
         MessageIcon::Information},
        {"one letter tile of the store missing", [](ProgramFolder& f) { f.Remove("Data/Res/zz_s.png"); },
         ErrorText(1), MessageIcon::Information},
    };
    for (const Case& c : cases) {
        ProgramUnderTest program;
        c.damage(program.folder);
        EXPECT_FALSE(program.startup.Begin()) << c.what;
        ASSERT_EQ(program.boxes.shown.size(), 1u) << c.what;
        EXPECT_EQ(program.boxes.shown[0].text, c.text) << c.what;
        EXPECT_EQ(program.boxes.shown[0].icon, c.icon) << c.what;
        EXPECT_EQ(program.boxes.shown[0].ownerTitle, "Brimbola Cz.IV Demo Splash") << c.what;
        EXPECT_EQ(QDir::currentPath(), program.startDir) << c.what;
        EXPECT_FALSE(FormSplashScreen) << c.what;
    }
}

TEST(Startup, AFailureWhileRunningEndsTheProgramWithItsMessage)
{
    SKIP_ON_SMALL_SCREEN();
    for (const bool coded : {true, false}) {
        ProgramUnderTest program;
        ASSERT_TRUE(program.Start());
        ASSERT_FALSE(FormSplashScreen);
        QTimer::singleShot(0, [coded] {
            if (coded)
                throw CBlad(3);
            throw std::runtime_error("unexpected");
        });
        program.startup.Exec();
        ASSERT_EQ(program.boxes.shown.size(), 1u);
        if (coded) {
            EXPECT_EQ(program.boxes.shown[0].text, ErrorText(3));
            EXPECT_EQ(program.boxes.shown[0].icon, MessageIcon::Information);
        } else {
            EXPECT_EQ(program.boxes.shown[0].text, QStringLiteral("Wystąpił błąd krytyczny aplikacji!"));
            EXPECT_EQ(program.boxes.shown[0].icon, MessageIcon::Error);
        }
        EXPECT_EQ(program.boxes.shown[0].ownerTitle, "Quendora Cz.IV Demo");
        // Event loops work again afterwards: a message box would stay up until it is closed.
        QEventLoop probe;
        QTimer::singleShot(0, &probe, [&probe] { probe.exit(7); });
        EXPECT_EQ(probe.exec(), 7);
        program.startup.Finish();
        EXPECT_EQ(QDir::currentPath(), program.startDir);
    }
}

TEST(Startup, ReadsTheSettingsFileOfTheProgramFolder)
{
    SKIP_ON_SMALL_SCREEN();
    ProgramUnderTest program;
    program.folder.Write("Data/data.ini", "[DaneProgramu]\r\nZakladka=6\r\n[Taipei]\r\nPoziom=3\r\n");
    ASSERT_TRUE(program.Start());
    EXPECT_EQ(Zakladka, 1);
    EXPECT_EQ(UstTaipei.Poziom, 3);
}

TEST(Startup, AnInstalledCopyKeepsSettingsStatisticsAndRecordingsInTheUsersFolder)
{
    SKIP_ON_SMALL_SCREEN();
    QTemporaryDir home;
    const QString user = home.filePath(".local/share/brimbola");  // made on first start
    ProgramUnderTest program(ProgramFolder::Assets::Generated, user);
    program.folder.Write("Data/data.ini", "[DaneProgramu]\r\nZakladka=2\r\n");  // the shipped settings
    ASSERT_TRUE(program.Start());
    EXPECT_EQ(Zakladka, 2);
    EXPECT_EQ(QDir::currentPath(), QDir(program.folder.Path()).canonicalPath());  // the data are read there
    EXPECT_TRUE(QFile::exists(user + "/prgst4.stt"));
    EXPECT_TRUE(QFileInfo(user + "/Nagrane").isDir());
    EXPECT_FALSE(QFile::exists(program.folder.File("prgst4.stt")));
    EXPECT_FALSE(QFile::exists(program.folder.File("Nagrane")));

    // A tab chosen on the menu is remembered in the user's settings; the shipped ones stay.
    QTest::mousePress(program.Main()->TabStrip(), Qt::LeftButton, {},
                      QPoint(20, brimbola::Display.IsSmall() ? 230 : 290));
    ASSERT_EQ(Zakladka, 3);
    QFile shipped(program.folder.File("Data/data.ini")), own(user + "/Data/data.ini");
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly) && own.open(QIODevice::ReadOnly));
    EXPECT_EQ(shipped.readAll(), "[DaneProgramu]\r\nZakladka=2\r\n");
    EXPECT_TRUE(own.readAll().contains("Zakladka=3"));
}

TEST(Startup, ASecondCopyEndsAtOnceWhileTheFirstRuns)
{
    SKIP_ON_SMALL_SCREEN();
    ProgramUnderTest first;
    ASSERT_TRUE(first.Start());
    // A copy that holds the lock but never answers makes a later start say it is running.
    RecordingMessageBoxes boxes;
    QLockFile hung(QTemporaryDir().path());
    QTemporaryDir otherFolder;
    QLockFile held(otherFolder.filePath(SingleInstance::LockName(SingleInstance::KeyOf(first.folder.Path()))));
    ASSERT_TRUE(held.tryLock(0));
    Startup second(first.folder.Path(), otherFolder.path());
    EXPECT_FALSE(second.Begin());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, "Brimbola Cz.IV Demo");
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("Aplikacja jest aktualnie uruchomiona.\n\nZamknij proces "
                                                  "aplikajcji lub uruchom ponownie komputer."));
    EXPECT_EQ(boxes.shown[0].icon, MessageIcon::Error);
    EXPECT_EQ(QDir::currentPath(), QDir(first.folder.Path()).canonicalPath());  // the first's, untouched
}
