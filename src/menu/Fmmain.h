// The main window: full-screen and borderless over the menu background; Esc closes it and so ends
// the program. Its first showing hands over from the splash window.
#pragma once

#include "platform/windowbase.h"

class TFormMain : public CWindowBase {
    Q_OBJECT
public:
    static constexpr char kCaption[] = "Quendora Cz.IV Demo";
    static constexpr int kSplashHandOverMs = 2000;

    TFormMain();

signals:
    void Closed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void HandOverFromSplash();

    bool firstPaintDone_ = false;
};
