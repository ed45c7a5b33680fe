// SPDX-License-Identifier: GPL-3.0-or-later
// The window-side platform: hit areas that see the mouse first, the space-bar state, the window
// canvas, and the named picture store.
#include "platform/hitarea.h"
#include "platform/keystate.h"
#include "platform/picturestore.h"
#include "platform/windowbase.h"
#include "support/programfolder.h"

#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

// Whether the wheel event was left for the window under the control (the window system passes an
// ignored wheel on to the parent).
bool WheelPassedOn(QWidget* target, QPoint at)
{
    QWheelEvent wheel(QPointF(at), QPointF(target->mapToGlobal(at)), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
    return !wheel.isAccepted();
}
}  // namespace

TEST(HitArea, AClickIsALeftPressAndReleaseOverIt)
{
    QWidget window;
    window.resize(200, 200);
    HitArea area(&window);
    area.setGeometry(10, 10, 70, 60);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    int clicks = 0;
    std::vector<HitEvent> seen;
    area.onClick = [&] { ++clicks; };
    area.filter = [&](HitEvent e, QEvent*) {
        seen.push_back(e);
        return false;
    };
    QTest::mouseClick(&area, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks, 1);
    QTest::mouseClick(&area, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks, 1);
    QTest::mousePress(&area, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&area, Qt::LeftButton, {}, QPoint(150, 150));  // released elsewhere
    EXPECT_EQ(clicks, 1);
    EXPECT_NE(std::find(seen.begin(), seen.end(), HitEvent::Press), seen.end());
    EXPECT_NE(std::find(seen.begin(), seen.end(), HitEvent::Release), seen.end());

    // A swallowed press gets no standard handling: no click.
    area.filter = [](HitEvent e, QEvent*) { return e == HitEvent::Press; };
    QTest::mouseClick(&area, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks, 1);

    // A wheel it lets through goes on to the window under it; one it swallows does not.
    area.filter = nullptr;
    EXPECT_TRUE(WheelPassedOn(&area, QPoint(5, 5)));
    area.filter = [](HitEvent e, QEvent*) { return e == HitEvent::Wheel; };
    EXPECT_FALSE(WheelPassedOn(&area, QPoint(5, 5)));
}

TEST(KeyState, SpaceIsHeldBetweenPressAndReleaseIgnoringAutoRepeat)
{
    QWidget window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_FALSE(KeyState::IsSpaceDown());
    QTest::keyPress(&window, Qt::Key_Space);
    EXPECT_TRUE(KeyState::IsSpaceDown());
    QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " ", true);
    QApplication::sendEvent(&window, &repeatRelease);
    EXPECT_TRUE(KeyState::IsSpaceDown());
    QTest::keyRelease(&window, Qt::Key_Space);
    EXPECT_FALSE(KeyState::IsSpaceDown());
    QTest::keyPress(&window, Qt::Key_A);
    EXPECT_FALSE(KeyState::IsSpaceDown());
}

TEST(WindowBase, PaintsItsCanvasAndBlackBeyondIt)
{
    CWindowBase window;
    window.resize(120, 90);
    window.ResetCanvas(QSize(100, 80), QColor(10, 200, 30));
    window.Canvas().setPixel(3, 4, qRgb(250, 1, 2));
    window.show();
    const QImage shown = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.pixel(3, 4), qRgb(250, 1, 2));
    EXPECT_EQ(shown.pixel(50, 50), qRgb(10, 200, 30));
    EXPECT_EQ(shown.pixel(110, 85), qRgb(0, 0, 0));
}

TEST(PictureStore, FindsNamesInTheirExactCaseOnly)
{
    ProgramFolder folder;
    QImage red(4, 3, QImage::Format_RGB32);
    red.fill(Qt::red);
    folder.WritePng("Data/Res/start_D.png", red);
    ResetSharedPictureStore(folder.File("Data/Res"));
    QImage picture;
    EXPECT_TRUE(OtworzBMP("start_D", picture));
    EXPECT_EQ(picture.size(), QSize(4, 3));
    EXPECT_EQ(picture.format(), QImage::Format_RGB32);
    EXPECT_FALSE(OtworzBMP("Start_D", picture));
    EXPECT_TRUE(picture.isNull());
    EXPECT_FALSE(OtworzBMP("../Res/start_D", picture));
    EXPECT_FALSE(OtworzBMP("", picture));
    folder.Remove("Data/Res/start_D.png");
    EXPECT_TRUE(OtworzBMP("start_D", picture));  // decoded once, then kept
    ResetSharedPictureStore();
}
