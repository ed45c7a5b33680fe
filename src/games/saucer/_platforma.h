// SPDX-License-Identifier: GPL-3.0-or-later
// A movable opaque picture on the saucer game's scene: the saucer and every letter block. Moving it
// puts the plain background back under its old place and draws it at the new one.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>

class CPlatforma {
public:
    // The picture store's `name` with the layout's suffix ("_s" small, "_b" big), drawn at once at
    // (x, y). A name the store lacks leaves the block empty: it draws nothing, and moves only shift
    // its place.
    void CreateFromLibrary(int x, int y, const QString& name, bool small, QImage& scene, const QImage& back);
    // The same with a picture already read (the saucer, decoded once by the window).
    void CreateFromPicture(int x, int y, const QImage& picture, QImage& scene, const QImage& back);

    // Puts the background back under the old place, moves by (dx, dy) and draws there; (0, 0) redraws
    // in place.
    void Move(int dx, int dy);
    // Moves the place without drawing.
    void Shift(int dx, int dy);
    // At most `maxSteps` one-pixel moves toward left edge `x`; true when it is there.
    bool GlideToward(int x, int maxSteps);
    // One-pixel moves until the left edge is at `x`, with no pause between them.
    void GlideTo(int x);

    int Left() const { return bounds_.left(); }
    int Top() const { return bounds_.top(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Where it is drawn on the scene.
    QRect Bounds() const { return bounds_; }
    const QString& Name() const { return name_; }

private:
    void Place(int x, int y, const QImage& picture, QImage& scene, const QImage& back);

    QImage sprite_;
    QImage* scene_ = nullptr;
    const QImage* back_ = nullptr;
    QString name_;
    int width_ = 0, height_ = 0;
    QRect bounds_;
};
