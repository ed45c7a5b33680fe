// SPDX-License-Identifier: GPL-3.0-or-later
// The scroll thumb of the recordings list: a small picture between the list's up and down buttons
// that shows how far the list is scrolled. It only shows the position; dragging it does nothing.
#pragma once

#include "gfx/_cprzycisk.h"

#include <QImage>
#include <functional>

// The thumb: a picture button with only its normal look, redrawn over the saved background on
// every mouse message; pressing and moving it changes nothing else.
class CScrollBut : public CPrzyciskP {
    Q_OBJECT
public:
    // `windowCanvas`: what the owner shows; `backCanvas`: the background under the thumb, in window
    // coordinates. Both belong to the owner. Throws CBlad 1 when the thumb cannot be made.
    CScrollBut(QWidget* owner, const QString& base, QImage* windowCanvas, const QImage* backCanvas, int x, int y,
               std::function<void()> action = {});

    bool Dragging() const { return dragging_; }
    const QImage& Normal() const { return Pictures().Normal; }
    const QImage& Mask() const { return Pictures().Mask; }

protected:
    bool Intercept(HitEvent kind, QEvent* event) override;

private:
    bool dragging_ = false;
};

// Moves the thumb one step along its track for each slot the list scrolls.
class CScrollBar {
public:
    static constexpr int kInitialStep = 8;
    // Scroll positions of the recordings list beyond the first: 30 slots, 8 shown.
    static constexpr int kPositions = 22;

    // Creates the thumb "scroll" at (x, y) on `owner`.
    CScrollBar(QWidget* owner, int x, int y, QImage* windowCanvas, const QImage* backCanvas);

    // Puts the thumb at the track's top and spreads the scroll positions from `top` to `bottom`.
    void SetTrack(int x, int top, int bottom);
    void StepDown();
    void StepUp();
    void Show();
    void Hide();

    int X() const { return x_; }
    int Y() const { return y_; }
    int Step() const { return step_; }
    CScrollBut* Thumb() const { return thumb_; }

private:
    void MoveThumb();

    int x_, y_;
    int step_ = kInitialStep;
    CScrollBut* thumb_;  // a child of the owner window
};
