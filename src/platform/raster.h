// SPDX-License-Identifier: GPL-3.0-or-later
// Bit-exact picture combination on the program's canvases: plain copy, bitwise OR and bitwise AND,
// and the mask rule that the picture buttons, word pictures and frames are drawn with.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

namespace raster {

// Each operation combines `source` (or its part `from`) into `target` with its top-left corner at
// `at`; parts outside `target` are clipped. Sources must be opaque (RGB32 or 8-bit grey): the raster
// operations act on premultiplied values.
void Copy(QImage& target, QPoint at, const QImage& source, QRect from = {});
void Or(QImage& target, QPoint at, const QImage& source, QRect from = {});
void And(QImage& target, QPoint at, const QImage& source, QRect from = {});

// The mask rule: OR the mask (white inside the shape), then AND the picture (white outside it), so
// the target shows through outside the shape and the picture replaces it inside.
void DrawMasked(QImage& target, QPoint at, const QImage& picture, const QImage& mask);

}  // namespace raster
