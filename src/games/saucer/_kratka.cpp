// SPDX-License-Identifier: GPL-3.0-or-later
// Letter box frames of the saucer game (see _kratka.h).
#include "_kratka.h"

#include <algorithm>

namespace {

// One pixel wide outline of `r` (right and bottom inclusive), clipped to the picture.
void Outline(QImage& image, const QRect& r, QRgb colour)
{
    const QRect inside = image.rect();
    auto row = [&](int y) {
        if (y < 0 || y >= image.height())
            return;
        // A frame partly or wholly beyond the left or right edge keeps only what lies inside.
        const int from = std::max(r.left(), 0);
        const int to = std::min(r.right(), inside.right());
        if (from > to)
            return;
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(line + from, line + to + 1, colour);
    };
    auto column = [&](int x) {
        if (x < 0 || x >= image.width())
            return;
        for (int y = std::max(r.top(), 0); y <= std::min(r.bottom(), inside.bottom()); ++y)
            reinterpret_cast<QRgb*>(image.scanLine(y))[x] = colour;
    };
    row(r.top());
    row(r.bottom());
    column(r.left());
    column(r.right());
}

}  // namespace

void CKratka::Create(int x, int y, bool small, QImage& scene)
{
    x_ = x;
    y_ = y;
    inside_ = small ? kInsideSmall : kInsideBig;
    scene_ = &scene;
    DrawRed();
}

QRect CKratka::Area() const
{
    return QRect(x_, y_, inside_, inside_).adjusted(-kRings, -kRings, kRings - 1, kRings - 1);
}

void CKratka::Draw(QRgb colour)
{
    if (!scene_ || scene_->format() != QImage::Format_RGB32)
        return;
    // Ring k runs from (x - k, y - k) to (x + inside - 1 + k, y + inside - 1 + k), the far edge
    // excluded, so the innermost ring lies just right of and below a letter block set at (x, y).
    for (int k = 1; k <= kRings; ++k)
        Outline(*scene_, QRect(QPoint(x_ - k, y_ - k), QPoint(x_ + inside_ - 2 + k, y_ + inside_ - 2 + k)), colour);
}
