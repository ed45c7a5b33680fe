// The main window (see Fmmain.h).
#include "Fmmain.h"

#include "Fmsplashscreen.h"
#include "platform/imagefiles.h"
#include "platform/services.h"
#include "shell/_cblad.h"
#include "platform/timeservice.h"
#include "shell/Cdisplay.h"
#include "shell/startuplog.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QTimer>

TFormMain::TFormMain() : CWindowBase(nullptr)
{
    setWindowTitle(QString::fromLatin1(kCaption));
    setProperty("brimbolaMainWindow", true);
    QImage background;
    try {
        LoadCenteredBackground(background, "Data/Intf/Spec/mT_m0" + SizeSuffix() + ".xji");
    } catch (const ImageError&) {
        throw CBlad(1);
    }
    Canvas() = background;
    setGeometry(0, 0, brimbola::Display.ScreenWidth, brimbola::Display.ScreenHeight);
}

void TFormMain::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    CWindowBase::keyPressEvent(event);
}

void TFormMain::closeEvent(QCloseEvent* event)
{
    // Vanish at once, before anything slow happens on the way out.
    resize(width(), 1);
    event->accept();
    emit Closed();
}

void TFormMain::paintEvent(QPaintEvent* event)
{
    CWindowBase::paintEvent(event);
    if (!firstPaintDone_) {
        firstPaintDone_ = true;
        LogStartupMilestone("main window painted");
        // After this paint has reached the screen, not inside it.
        QTimer::singleShot(0, this, &TFormMain::HandOverFromSplash);
    }
}

void TFormMain::HandOverFromSplash()
{
    if (!FormSplashScreen)
        return;
    // The splash stays in front of the menu for the whole pause, painted.
    FormSplashScreen->raise();
    FormSplashScreen->repaint();
    Time().Wait(kSplashHandOverMs);
    FormSplashScreen.reset();
}
