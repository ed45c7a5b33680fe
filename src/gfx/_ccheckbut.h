// SPDX-License-Identifier: GPL-3.0-or-later
// A two-state picture button (the menu's settings rows, the recordings list): the "_D" picture when
// unchecked, "_A" when checked, drawn plainly on its canvas. A click runs the owner's action, which
// decides what the click means.
#pragma once

#include "platform/hitarea.h"

#include <QImage>
#include <functional>

class CCheckBut : public HitArea {
    Q_OBJECT
public:
    CCheckBut(QWidget* owner, const QString& base, QImage* canvas, int x, int y,
              std::function<void(CCheckBut*)> action = {});

    bool IsChecked() const { return checked_; }
    // Stores the state and draws its picture at the button's place on the canvas.
    void SetChecked(bool checked);
    // A coordinate that is 0 or negative keeps that coordinate.
    void Move(int x, int y);

    int X() const { return x(); }
    int Y() const { return y(); }
    const QImage& Unchecked() const { return unchecked_; }
    const QImage& CheckedPicture() const { return checkedPicture_; }

private:
    QImage unchecked_, checkedPicture_;
    QImage* canvas_;
    bool checked_ = false;
};
