// SPDX-License-Identifier: GPL-3.0-or-later
// A named interface picture that can be erased again (see _cobiektgraficzny.h).
#include "_cobiektgraficzny.h"

#include "platform/picturestore.h"
#include "platform/raster.h"
#include "shell/_cblad.h"

void CObiektGraficzny::Create(const QString& name)
{
    picture_ = QImage();
    background_ = QImage();
    OtworzBMP(name, picture_);
    width_ = picture_.width();
    height_ = picture_.height();
}

void CObiektGraficzny::SetPosition(int x, int y)
{
    x_ = x;
    y_ = y;
}

void CObiektGraficzny::Draw(QImage& canvas) const
{
    raster::Copy(canvas, QPoint(x_, y_), picture_);
}

void CObiektGraficzny::SaveBackground(const QImage& canvas)
{
    if (width_ <= 0 || height_ <= 0) {
        background_ = QImage();
        return;
    }
    // Parts beyond the canvas stay black; they are never shown.
    background_ = QImage(width_, height_, QImage::Format_RGB32);
    if (background_.isNull()) {
        picture_ = QImage();
        throw CBlad(1);
    }
    background_.fill(Qt::black);
    raster::Copy(background_, QPoint(0, 0), canvas, QRect(x_, y_, width_, height_));
}

void CObiektGraficzny::DrawBackground(QImage& canvas) const
{
    raster::Copy(canvas, QPoint(x_, y_), background_);
}
