// SPDX-License-Identifier: GPL-3.0-or-later
// A picture file (JPEG ".xji"/"jpg" or BMP ".xbi"/"bmp") placed at a position on a canvas: the base
// of the labyrinth's cells and word pictures.
#pragma once

#include <QImage>
#include <QString>

class GraphicObject {
public:
    // Chooses the decoder by the path's last three characters, exactly as written (no dot looked
    // for, case-sensitive); any other ending loads nothing. A missing or broken file throws
    // ImageError to the caller.
    GraphicObject(const QString& path, QImage* canvas, QImage* backCanvas);
    virtual ~GraphicObject() = default;

    int X() const { return x_; }
    int Y() const { return y_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetX(int x) { x_ = x; }
    void SetY(int y) { y_ = y; }
    void SetWidth(int w) { width_ = w; }
    void SetHeight(int h) { height_ = h; }
    void SetPosition(int x, int y) { x_ = x; y_ = y; }

    const QImage& Picture() const { return picture_; }
    QImage* Canvas() const { return canvas_; }
    QImage* BackCanvas() const { return backCanvas_; }

    // Paints the picture at its position on the canvas.
    void Draw();

private:
    int x_ = 0, y_ = 0, width_ = 0, height_ = 0;
    QImage picture_;
    QImage* canvas_;
    QImage* backCanvas_;
};
