// SPDX-License-Identifier: GPL-3.0-or-later
// A sound button of the sounds game: a shaped button with the sound's word on it ("wrrr") that the
// child picks to pair with a hidden object. Active buttons take the mouse; greyed ones (sounds not in
// this edition) are only drawn, with a grey word.
#pragma once

#include "_cobiektodglosy.h"

#include <QImage>
#include <QRect>
#include <QString>

class CPrzyciskOdglosy {
public:
    static constexpr int kLabelHeight = 30;                 // the strip the word is written in
    static constexpr QRgb kActiveLabel = 0xFF000000;        // black
    static constexpr QRgb kGreyedLabel = 0xFF808080;        // grey (128, 128, 128)

    // Loads the button's pictures from "Data/Intf/Odgl/" ("but_s_d.xbi", greyed "but_g_s_d.xbi",
    // "but_s_a.xbi", "but_s_.xbi", "matr_s.xbi"; "_b" forms in the big layout) and draws it on the
    // scene. Throws CBlad 1 when a picture cannot be read.
    CPrzyciskOdglosy(const QString& name, const QString& label, int x, int y, int labelOffset, bool active,
                     bool small, CScena& scene);

    const QString& Name() const { return name_; }
    const QString& Label() const { return label_; }
    bool Active() const { return active_; }
    bool Selected() const { return selected_; }
    // The area the button takes the mouse in: the size of its hover picture.
    QRect Rect() const { return QRect(x_, y_, width_, height_); }
    // Where its word is written.
    QRect LabelRect() const;

    enum class Look { Normal, Hover, Pressed };
    Look CurrentLook() const { return look_; }

    // Draws the current picture through the mask and the word on the scene, and shows it.
    void Redraw();
    // Back to normal, when selected.
    void Deselect();
    void ShowHover();
    void ShowNormal();

    // The child's mouse on an active button.
    void LeftPress(CWyborOdglosy& selection);
    void Enter();
    void Leave();

private:
    void SetLook(Look look);
    void DrawLabel();
    const QImage& Picture() const;

    QString name_;
    QString label_;
    int x_, y_;
    int labelOffset_;
    bool active_;
    CScena& scene_;
    QImage normal_, hover_, pressed_, mask_;
    int width_ = 0, height_ = 0;
    Look look_ = Look::Normal;
    bool selected_ = false;
};
