// SPDX-License-Identifier: GPL-3.0-or-later
// A window shown modally (see modalwindow.h).
#include "modalwindow.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QPointer>
#include <QWindow>

CModalWindow::CModalWindow(QWidget* parent, Qt::WindowFlags flags) : CWindowBase(parent, flags | Qt::Window)
{
    setWindowModality(Qt::ApplicationModal);
}

int CModalWindow::ShowModal()
{
    result_ = 0;
    show();
    raise();
    activateWindow();
    QEventLoop loop;
    loop_ = &loop;
    QPointer<CModalWindow> self(this);
    emit Opened();
    if (isVisible())
        loop.exec(QEventLoop::DialogExec);
    if (self) {
        loop_ = nullptr;
        hide();
    }
    return result_;
}

void CModalWindow::EndModal(int result)
{
    result_ = result;
    if (loop_)
        loop_->exit(result);
    hide();
}

void CModalWindow::closeEvent(QCloseEvent* event)
{
    // Closed by the window system (not by one of the window's own buttons): end as it is.
    if (loop_)
        loop_->exit(result_);
    CWindowBase::closeEvent(event);
}

void WindowDragger::Press(const QPointF& globalPos)
{
    grabOffset_ = globalPos.toPoint() - window_->pos();
    byHand_ = !(window_->windowHandle() && window_->windowHandle()->startSystemMove());
}

void WindowDragger::Move(const QPointF& globalPos, Qt::MouseButtons buttons)
{
    if (byHand_ && (buttons & Qt::LeftButton))
        window_->move(globalPos.toPoint() - grabOffset_);
}
