// SPDX-License-Identifier: GPL-3.0-or-later
// Picture buttons and check buttons driven by real mouse events: their state pictures, the mask
// rule, the click, the inert state, and what hiding leaves on the window.
#include "gfx/_ccheckbut.h"
#include "gfx/_cprzycisk.h"
#include "platform/picturestore.h"
#include "platform/windowbase.h"
#include "support/programfolder.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QRgb kNormal = qRgb(200, 0, 0), kActive = qRgb(0, 200, 0), kPressed = qRgb(0, 0, 200);
const QRgb kBackground = qRgb(90, 90, 90);

QImage Solid(QSize size, QRgb colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// A button picture set whose shape is its size less a 3-pixel border: white outside it in the
// state pictures, black outside it in the mask.
void WriteButton(const ProgramFolder& folder, const QString& base, QSize size)
{
    auto shaped = [size](QRgb inside, QRgb outside) {
        QImage image = Solid(size, outside);
        for (int y = 3; y < size.height() - 3; ++y)
            for (int x = 3; x < size.width() - 3; ++x)
                image.setPixel(x, y, inside);
        return image;
    };
    folder.WritePng("Data/Res/" + base + "_D.png", shaped(kNormal, qRgb(255, 255, 255)));
    folder.WritePng("Data/Res/" + base + "_A.png", shaped(kActive, qRgb(255, 255, 255)));
    folder.WritePng("Data/Res/" + base + "_.png", shaped(kPressed, qRgb(255, 255, 255)));
    folder.WritePng("Data/Res/" + base + "_M.png", shaped(qRgb(255, 255, 255), qRgb(0, 0, 0)));
}

class Buttons : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriteButton(folder, "start", QSize(40, 30));
        folder.WritePng("Data/Res/S_CHBUT_D.png", Solid(QSize(24, 24), qRgb(250, 250, 250)));
        folder.WritePng("Data/Res/S_CHBUT_A.png", Solid(QSize(24, 24), qRgb(20, 160, 20)));
        ResetSharedPictureStore(folder.File("Data/Res"));
        background = Solid(QSize(300, 200), kBackground);
        window.resize(300, 200);
        window.ResetCanvas(QSize(300, 200), Qt::black);
        window.Canvas() = background;
    }
    void TearDown() override { ResetSharedPictureStore(); }

    void ShowWindow()
    {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    ProgramFolder folder;
    CWindowBase window;
    QImage background;
};

}  // namespace

TEST_F(Buttons, PictureButtonShowsItsStatesAndRunsItsActionOnce)
{
    int clicks = 0;
    auto* button = new CPrzyciskP(&window, "start", &window.Canvas(), &background, 50, 60, [&] { ++clicks; });
    EXPECT_EQ(button->size(), QSize(40, 30));  // the mask's size
    ShowWindow();
    const QImage& canvas = window.Canvas();
    EXPECT_EQ(canvas.pixel(70, 75), kNormal);
    EXPECT_EQ(canvas.pixel(51, 61), kBackground);  // outside the shape: the background shows

    QTest::mouseMove(button, QPoint(20, 15));
    EXPECT_EQ(canvas.pixel(70, 75), kActive);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(20, 15));
    EXPECT_EQ(canvas.pixel(70, 75), kPressed);
    EXPECT_EQ(clicks, 0);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(20, 15));
    EXPECT_EQ(canvas.pixel(70, 75), kActive);
    EXPECT_EQ(clicks, 1);
    QTest::mouseMove(&window, QPoint(250, 180));
    EXPECT_EQ(canvas.pixel(70, 75), kNormal);
    EXPECT_EQ(window.grab().toImage().pixel(70, 75), kNormal);  // what the screen shows

    // Inert while not ready.
    button->SetReady(false);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(20, 15));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(canvas.pixel(70, 75), kNormal);
    button->SetReady(true);

    // Hidden, it leaves exactly the background of its rectangle.
    button->hide();
    for (int y = 60; y < 90; ++y)
        for (int x = 50; x < 90; ++x)
            ASSERT_EQ(canvas.pixel(x, y), kBackground) << x << "," << y;
    button->show();
    EXPECT_EQ(canvas.pixel(70, 75), kNormal);

    button->Move(-1, 100);
    EXPECT_EQ(button->pos(), QPoint(50, 100));
}

TEST_F(Buttons, HoverNeverShowsOnAWindowThatIsNotActive)
{
    auto* button = new CPrzyciskP(&window, "start", &window.Canvas(), &background, 50, 60);
    ShowWindow();
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    ASSERT_FALSE(window.isActiveWindow());
    QEnterEvent enter(QPointF(5, 5), QPointF(55, 65), QPointF(55, 65));
    QApplication::sendEvent(button, &enter);
    EXPECT_EQ(window.Canvas().pixel(70, 75), kNormal);
}

TEST_F(Buttons, MissingPicturesMakeAnEmptyButtonNotAnError)
{
    CPrzyciskP* button = nullptr;
    EXPECT_NO_THROW(button = new CPrzyciskP(&window, "nieznany", &window.Canvas(), &background, 10, 10));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->size(), QSize(0, 0));
}

// Press, release, double-click, release: what the window system sends for one double-click.
void RealDoubleClick(QWidget* button, QPoint at)
{
    QTest::mousePress(button, Qt::LeftButton, {}, at);
    QTest::mouseRelease(button, Qt::LeftButton, {}, at);
    QMouseEvent second(QEvent::MouseButtonDblClick, at, button->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                       Qt::NoModifier);
    QApplication::sendEvent(button, &second);
    QTest::mouseRelease(button, Qt::LeftButton, {}, at);
}

TEST_F(Buttons, ADoubleClickClicksEveryKindOfButtonOnce)
{
    QImage back = background;
    int picture = 0, game = 0, check = 0;
    auto* p = new CPrzyciskP(&window, "start", &window.Canvas(), &background, 10, 10, [&] { ++picture; });
    auto* g = new CPrzyciskC(&window, "start", &back, &window.Canvas(), 100, 50, [&] { ++game; });
    auto* c = new CCheckBut(&window, "S_CHBUT", &window.Canvas(), 200, 20, [&](CCheckBut*) { ++check; });
    ShowWindow();
    RealDoubleClick(p, QPoint(10, 10));
    RealDoubleClick(g, QPoint(10, 10));
    RealDoubleClick(c, QPoint(5, 5));
    EXPECT_EQ(picture, 1);
    EXPECT_EQ(game, 1);
    EXPECT_EQ(check, 1);
}

TEST_F(Buttons, GameButtonReactsInItsFixedAreaAndIgnoresDoubleClicks)
{
    QImage back = background;
    int clicks = 0;
    auto* button = new CPrzyciskC(&window, "start", &back, &window.Canvas(), 100, 50, [&] { ++clicks; });
    EXPECT_EQ(button->size(), QSize(CPrzyciskC::kAreaWidth, CPrzyciskC::kAreaHeight));
    ShowWindow();
    button->Draw();
    EXPECT_EQ(back.pixel(120, 65), kNormal);
    // Beyond the 40 x 30 picture but inside the 70 x 60 area still counts.
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(65, 55));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(window.Canvas().pixel(120, 65), kActive);
    EXPECT_EQ(&button->Current(), &button->Pictures().Active);
    QTest::mouseDClick(button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks, 1);
}

TEST_F(Buttons, CheckButtonDrawsItsStateAndHidingKeepsThePicture)
{
    CCheckBut* sender = nullptr;
    auto* check = new CCheckBut(&window, "S_CHBUT", &window.Canvas(), 200, 20, [&](CCheckBut* b) { sender = b; });
    EXPECT_EQ(check->size(), QSize(24, 24));
    ShowWindow();
    check->SetChecked(true);
    EXPECT_TRUE(check->IsChecked());
    EXPECT_EQ(window.Canvas().pixel(210, 30), qRgb(20, 160, 20));
    check->SetChecked(false);
    EXPECT_EQ(window.Canvas().pixel(210, 30), qRgb(250, 250, 250));
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(sender, check);
    EXPECT_FALSE(check->IsChecked());  // the owner decides what a click means
    check->hide();
    EXPECT_EQ(window.Canvas().pixel(210, 30), qRgb(250, 250, 250));
    check->Move(0, 40);
    EXPECT_EQ(check->pos(), QPoint(200, 40));
}
