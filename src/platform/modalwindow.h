// SPDX-License-Identifier: GPL-3.0-or-later
// A window of the program shown modally: ShowModal() returns when the window ends with a result
// (the summary's "start" and "stop", the message window's button).
#pragma once

#include "windowbase.h"

class QEventLoop;

class CModalWindow : public CWindowBase {
    Q_OBJECT
public:
    explicit CModalWindow(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::FramelessWindowHint);

    // Shows the window and handles events until it ends; returns its result.
    int ShowModal();
    // Ends the modal showing with `result` and hides the window.
    void EndModal(int result);
    bool IsShownModally() const { return loop_ != nullptr; }
    int Result() const { return result_; }

signals:
    void Opened();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QEventLoop* loop_ = nullptr;
    int result_ = 0;
};

// Moves a window with the mouse after a press on it, as a title bar would: by the window system
// when it can, else by hand from the mouse moves.
class WindowDragger {
public:
    explicit WindowDragger(QWidget* window) : window_(window) {}
    void Press(const QPointF& globalPos);
    void Move(const QPointF& globalPos, Qt::MouseButtons buttons);

private:
    QWidget* window_;
    QPoint grabOffset_;
    bool byHand_ = false;
};
