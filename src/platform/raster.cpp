// SPDX-License-Identifier: GPL-3.0-or-later
// Bit-exact picture combination (see raster.h).
#include "raster.h"

#include <QPainter>

namespace raster {

namespace {

void Combine(QImage& target, QPoint at, const QImage& source, QRect from, QPainter::CompositionMode mode)
{
    if (target.isNull() || source.isNull())
        return;
    if (from.isNull())
        from = source.rect();
    // Grey masks and indexed pictures cannot take part in raster operations directly.
    const QImage& src = source.format() == QImage::Format_RGB32 ? source
                                                                 : source.convertToFormat(QImage::Format_RGB32);
    QPainter painter(&target);
    painter.setCompositionMode(mode);
    painter.drawImage(at, src, from);
}

}  // namespace

void Copy(QImage& target, QPoint at, const QImage& source, QRect from)
{
    Combine(target, at, source, from, QPainter::CompositionMode_Source);
}

void Or(QImage& target, QPoint at, const QImage& source, QRect from)
{
    Combine(target, at, source, from, QPainter::RasterOp_SourceOrDestination);
}

void And(QImage& target, QPoint at, const QImage& source, QRect from)
{
    Combine(target, at, source, from, QPainter::RasterOp_SourceAndDestination);
}

void DrawMasked(QImage& target, QPoint at, const QImage& picture, const QImage& mask)
{
    Or(target, at, mask);
    And(target, at, picture);
}

}  // namespace raster
