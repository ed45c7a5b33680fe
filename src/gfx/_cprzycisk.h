// SPDX-License-Identifier: GPL-3.0-or-later
// Picture buttons: irregularly shaped pictures over a background that change look when the mouse
// enters, presses and releases, and run an action when clicked. CPrzyciskP composes itself off
// screen over a saved background (menu, summary, about and message windows); CPrzyciskC draws into
// its game window's back buffer and reacts in a fixed 70 x 60 area.
#pragma once

#include "platform/hitarea.h"

#include <QImage>
#include <functional>

// The four pictures of a button with base name B: B_D normal, B_A active, B_ pressed, B_M mask.
struct ButtonPictures {
    explicit ButtonPictures(const QString& base);
    QImage Normal, Active, Pressed, Mask;
};

class CPrzyciskP : public HitArea {
    Q_OBJECT
public:
    // `windowCanvas`: what the owner shows; `backCanvas`: the background under the button, in
    // window coordinates. Both belong to the owner. Throws CBlad 1 when the button cannot be made.
    CPrzyciskP(QWidget* owner, const QString& base, QImage* windowCanvas, const QImage* backCanvas, int x, int y,
               std::function<void()> action = {});

    // A negative coordinate keeps that coordinate.
    void Move(int x, int y);
    QRect ScreenRect() const { return geometry(); }

    // While not ready the button ignores the mouse entirely.
    bool Ready() const { return ready_; }
    void SetReady(bool ready) { ready_ = ready; }

    // Draws the normal picture, as after a repaint of the owner.
    void Paint();

    const ButtonPictures& Pictures() const { return pictures_; }

protected:
    bool Intercept(HitEvent kind, QEvent* event) override;
    // Draws `state` through the mask over the background and shows it on the window.
    void Compose(const QImage& state);
    void EraseToBackground();

private:
    ButtonPictures pictures_;
    QImage* windowCanvas_;
    const QImage* backCanvas_;
    QImage buffer_;
    bool ready_ = false;
};

class CPrzyciskC : public HitArea {
    Q_OBJECT
public:
    static constexpr int kAreaWidth = 70, kAreaHeight = 60;

    // `canvas`: the owner's back buffer the button draws into; `windowCanvas`: what the owner
    // shows, to which the button's rectangle is copied after each change.
    CPrzyciskC(QWidget* owner, const QString& base, QImage* canvas, QImage* windowCanvas, int x, int y,
               std::function<void()> action = {});

    // Draws the current picture on the back buffer (no copy to the window).
    void Draw();
    void ShowButton();   // visible, then Draw
    void HideButton();   // invisible; the owner repaints what was under it

    const QImage& Current() const { return *current_; }
    const ButtonPictures& Pictures() const { return pictures_; }

protected:
    bool Intercept(HitEvent kind, QEvent* event) override;

private:
    void Select(const QImage& state);

    ButtonPictures pictures_;
    const QImage* current_;
    QImage* canvas_;
    QImage* windowCanvas_;
};
