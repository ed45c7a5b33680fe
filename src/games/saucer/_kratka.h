// SPDX-License-Identifier: GPL-3.0-or-later
// The frame of one letter box of the saucer game: five nested one-pixel outlines around an inside
// that is never painted, red while the box is plain, yellow while help points at it.
#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>

class CKratka {
public:
    static constexpr int kInsideSmall = 45;   // inside size of a box in the small layout
    static constexpr int kInsideBig = 56;
    static constexpr int kRings = 5;
    static constexpr QRgb kRed = 0xFFFF0000;
    static constexpr QRgb kYellow = 0xFFFFFF00;

    // (x, y) is the inside's top-left corner. Draws the frame in red.
    void Create(int x, int y, bool small, QImage& scene);
    void DrawRed() { Draw(kRed); }
    void DrawYellow() { Draw(kYellow); }

    int X() const { return x_; }
    int Y() const { return y_; }
    // Everything the frame covers, the inside included.
    QRect Area() const;

private:
    void Draw(QRgb colour);

    int x_ = 0, y_ = 0;
    int inside_ = kInsideSmall;
    QImage* scene_ = nullptr;
};
