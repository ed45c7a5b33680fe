// SPDX-License-Identifier: GPL-3.0-or-later
// Movable opaque pictures of the saucer game (see _platforma.h).
#include "_platforma.h"

#include "platform/picturestore.h"
#include "platform/raster.h"

#include <climits>

namespace {
const QString kSmallSuffix = QStringLiteral("_s");
const QString kBigSuffix = QStringLiteral("_b");
}  // namespace

void CPlatforma::Place(int x, int y, const QImage& picture, QImage& scene, const QImage& back)
{
    scene_ = &scene;
    back_ = &back;
    // Opaque and in the scene's format, so every move is a plain copy.
    sprite_ = picture.isNull() ? QImage() : picture.convertToFormat(QImage::Format_RGB32);
    width_ = sprite_.width();
    height_ = sprite_.height();
    bounds_ = QRect(x, y, width_, height_);
    if (!sprite_.isNull())
        raster::Copy(*scene_, bounds_.topLeft(), sprite_);
}

void CPlatforma::CreateFromLibrary(int x, int y, const QString& name, bool small, QImage& scene, const QImage& back)
{
    name_ = name;
    QImage picture;
    OtworzBMP(name + (small ? kSmallSuffix : kBigSuffix), picture);
    Place(x, y, picture, scene, back);
}

void CPlatforma::CreateFromPicture(int x, int y, const QImage& picture, QImage& scene, const QImage& back)
{
    name_.clear();
    Place(x, y, picture, scene, back);
}

void CPlatforma::Move(int dx, int dy)
{
    if (!scene_)
        return;
    if (!bounds_.isEmpty())
        raster::Copy(*scene_, bounds_.topLeft(), *back_, bounds_);
    bounds_.translate(dx, dy);
    if (!sprite_.isNull())
        raster::Copy(*scene_, bounds_.topLeft(), sprite_);
}

void CPlatforma::Shift(int dx, int dy)
{
    bounds_.translate(dx, dy);
}

bool CPlatforma::GlideToward(int x, int maxSteps)
{
    for (int step = 0; step < maxSteps && Left() != x; ++step)
        Move(Left() < x ? 1 : -1, 0);
    return Left() == x;
}

void CPlatforma::GlideTo(int x)
{
    GlideToward(x, INT_MAX);
}
