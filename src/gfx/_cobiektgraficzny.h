// SPDX-License-Identifier: GPL-3.0-or-later
// A named interface picture with a position that can later be erased by putting back what was
// under it (the main menu's captions).
#pragma once

#include <QImage>
#include <QString>

class CObiektGraficzny {
public:
    // Loads the picture from the picture store; a name it lacks gives an empty picture (0 x 0).
    // Throws CBlad 1 when the picture cannot be made.
    void Create(const QString& name);
    void SetPosition(int x, int y);

    int X() const { return x_; }
    int Y() const { return y_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    const QImage& Picture() const { return picture_; }

    void Draw(QImage& canvas) const;
    // Keeps the canvas's pixels under the picture; call after SetPosition, before the first Draw.
    void SaveBackground(const QImage& canvas);
    void DrawBackground(QImage& canvas) const;

private:
    int x_ = 0, y_ = 0, width_ = 0, height_ = 0;
    QImage picture_;
    QImage background_;
};
