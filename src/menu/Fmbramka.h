// SPDX-License-Identifier: GPL-3.0-or-later
// The adult's gate of the locked (kiosk) mode: a small rounded window in the look of the message
// window that asks for a number written in words to be typed in digits. Passing it lets through the
// one thing that was asked for (leaving the program, the settings, the recordings, another child).
#pragma once

#include "platform/modalwindow.h"
#include "shell/gatequestion.h"

#include <memory>

class CPrzyciskP;
class QLineEdit;

class TFormBramka : public CModalWindow {
    Q_OBJECT
public:
    static constexpr int kWidth = 420, kHeight = 250;  // the message window's card
    static constexpr int kPassed = 1, kCancelled = 2;

    // Throws CBlad 1 when its background picture is missing.
    explicit TFormBramka(QWidget* mainWindow = nullptr);
    ~TFormBramka() override;

    // A new question, centred over the main window until it is answered or cancelled; true when
    // the right number was typed.
    bool Ask();
    // The answer typed so far is checked (the start button and Enter).
    void Check();

    const GateQuestion& Question() const { return question_; }
    QLineEdit* Answer() const { return answer_; }
    QString Notice() const { return notice_; }
    CPrzyciskP* OkButton() const { return ok_; }
    CPrzyciskP* CancelButton() const { return cancel_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void NewQuestion();
    void Redraw();

    QWidget* mainWindow_;
    QImage background_;
    GateQuestion question_;
    QString notice_;
    QLineEdit* answer_ = nullptr;
    CPrzyciskP* ok_ = nullptr;
    CPrzyciskP* cancel_ = nullptr;
    WindowDragger dragger_{this};
};

// The gate of the running program (made with the main menu); none in a program without a menu.
extern std::unique_ptr<TFormBramka> FormBramka;
// Asks the gate; true when it was passed. Without a gate (tests of parts alone) nothing is let through.
bool PassAdultGate();
