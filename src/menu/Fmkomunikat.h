// SPDX-License-Identifier: GPL-3.0-or-later
// The message window: a small rounded box in the program's own look that shows one short notice
// chosen by a code (too few sound groups for a game, nothing recorded yet, ...) and closes by its
// button.
#pragma once

#include "platform/modalwindow.h"

#include <memory>

class CPrzyciskP;

// Shows the notice of `code` in the program's message window, over the main window, until its
// button is pressed (nothing when the window does not exist yet).
void ShowMessageWindow(qint16 code);

// Gives `window` the message window's rounded card shape and size and returns the card's background
// picture; the adult's gate is drawn on the same card. Throws CBlad(1) when the picture is missing or
// broken.
QImage ShapeAsMessageCard(QWidget* window);

class TFormKomunikat : public CModalWindow {
    Q_OBJECT
public:
    static constexpr int kWidth = 420, kHeight = 250;

    // Throws CBlad 1 when its background picture is missing.
    explicit TFormKomunikat(QWidget* mainWindow = nullptr);
    ~TFormKomunikat() override;

    // Chooses the notice shown next.
    void ShowMessageCode(qint16 code);
    qint16 MessageCode() const { return code_; }
    QString Text() const { return text_; }
    // The text of a code ("Błąd." for any code without one).
    static QString TextOf(qint16 code);

    // Centres the window over the main window and shows it until its button is pressed.
    int ShowCentred();

    CPrzyciskP* StopButton() const { return stop_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void Redraw();

    QWidget* mainWindow_;
    QImage background_;
    CPrzyciskP* stop_ = nullptr;
    WindowDragger dragger_{this};
    qint16 code_ = 0;
    QString text_;
};
