// SPDX-License-Identifier: GPL-3.0-or-later
// An invisible child control that sees the mouse first (see hitarea.h).
#include "hitarea.h"

#include <QMouseEvent>
#include <QWheelEvent>

HitArea::HitArea(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TranslucentBackground);
    setMouseTracking(true);
}

bool HitArea::Intercept(HitEvent kind, QEvent* event)
{
    return filter ? filter(kind, event) : false;
}

void HitArea::enterEvent(QEnterEvent* event)
{
    Intercept(HitEvent::Enter, event);
}

void HitArea::leaveEvent(QEvent*)
{
    Intercept(HitEvent::Leave, nullptr);
}

void HitArea::mousePressEvent(QMouseEvent* event)
{
    // The press is always taken, so the release comes back here (the mouse is held by this control).
    event->accept();
    if (Intercept(HitEvent::Press, event))
        return;
    if (event->button() == Qt::LeftButton)
        leftPressed_ = true;
}

void HitArea::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    const bool wasPressed = leftPressed_ && event->button() == Qt::LeftButton;
    if (event->button() == Qt::LeftButton)
        leftPressed_ = false;
    if (Intercept(HitEvent::Release, event))
        return;
    if (wasPressed && rect().contains(event->position().toPoint()) && onClick)
        onClick();
}

void HitArea::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    // The second press of a double-click does not click again: a user who double-clicks a
    // settings button means it once, not on and straight back off.
    Intercept(HitEvent::DoubleClick, event);
}

void HitArea::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    Intercept(HitEvent::Move, event);
}

void HitArea::wheelEvent(QWheelEvent* event)
{
    if (Intercept(HitEvent::Wheel, event))
        event->accept();
    else
        event->ignore();  // the window under it scrolls
}

void HitArea::showEvent(QShowEvent*)
{
    Intercept(HitEvent::Shown, nullptr);
}

void HitArea::hideEvent(QHideEvent*)
{
    // Only a hide of this control itself: when its window hides or goes away, the window's
    // pictures may already be gone.
    if (isHidden())
        Intercept(HitEvent::Hidden, nullptr);
}
