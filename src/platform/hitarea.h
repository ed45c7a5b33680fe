// SPDX-License-Identifier: GPL-3.0-or-later
// An invisible child control that sees the mouse before anything else on its rectangle: hit areas,
// tiles and buttons are built on it. Its handler may swallow an event; an event it lets through gets
// the standard handling (a left press followed by a left release over it is a click).
#pragma once

#include <QWidget>
#include <functional>

class QMouseEvent;
class QWheelEvent;

enum class HitEvent { Enter, Leave, Press, Release, DoubleClick, Move, Wheel, Shown, Hidden };

class HitArea : public QWidget {
    Q_OBJECT
public:
    explicit HitArea(QWidget* parent);

    // Returns true to swallow the event. `event` is the QMouseEvent/QWheelEvent/QEnterEvent, or
    // null for Leave, Shown and Hidden (Hidden only when the control itself is hidden).
    std::function<bool(HitEvent, QEvent* event)> filter;
    std::function<void()> onClick;

protected:
    // Subclasses see every event first; the default asks `filter`.
    virtual bool Intercept(HitEvent kind, QEvent* event);

    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent*) override {}

private:
    bool leftPressed_ = false;
};
