// SPDX-License-Identifier: GPL-3.0-or-later
// Checks of the frame strip pieces that would otherwise only show up on screen: seams where the
// pieces meet, background shining through the ends' joins, hard (jagged) ends, wrong sizes.
#include "labyrinth_strip.h"

#include <algorithm>
#include <cstdlib>

namespace kit {

namespace {

// Along/across access so one check serves both directions of the strip.
struct View {
    const QImage& image;
    bool vertical;
    int along() const { return vertical ? image.height() : image.width(); }
    int across() const { return vertical ? image.width() : image.height(); }
    QRgb colour(int a, int c) const { return vertical ? image.pixel(c, a) : image.pixel(a, c); }
    int grey(int a, int c) const
    {
        return vertical ? image.constScanLine(a)[c] : image.constScanLine(c)[a];
    }
};

int Diff(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

// Largest colour step between the last line of `before` and the first line of `after`.
int Seam(const View& before, const View& after)
{
    int worst = 0;
    for (int c = 0; c < std::min(before.across(), after.across()); ++c)
        worst = std::max(worst, Diff(before.colour(before.along() - 1, c), after.colour(0, c)));
    return worst;
}

}  // namespace

QStringList CheckStrip(const StripLook& look, const StripPieces& pieces)
{
    QStringList problems;
    const bool v = look.vertical;
    const QSize capSize = v ? QSize(look.thickness, look.capLength) : QSize(look.capLength, look.thickness);
    const QSize midSize = v ? QSize(look.thickness, look.pitch) : QSize(look.pitch, look.thickness);
    if (pieces.start.size() != capSize || pieces.end.size() != capSize)
        problems << "end pieces have the wrong size";
    if (pieces.startMask.size() != capSize || pieces.endMask.size() != capSize)
        problems << "end masks have the wrong size";
    if (pieces.middle.size() != midSize)
        problems << "middle piece has the wrong size";
    if (pieces.startMask.format() != QImage::Format_Grayscale8
        || pieces.endMask.format() != QImage::Format_Grayscale8)
        problems << "end masks are not 8-bit grey";
    if (!problems.isEmpty())
        return problems;

    const View start{pieces.start, v}, middle{pieces.middle, v}, end{pieces.end, v};
    const View startMask{pieces.startMask, v}, endMask{pieces.endMask, v};
    // Identical lines on both sides of a join are what the eye accepts as no seam at all; JPEG
    // will add its own small noise later.
    const int kSeam = 6;
    if (Seam(start, middle) > kSeam)
        problems << "seam between the first end and the middle";
    if (Seam(middle, middle) > kSeam)
        problems << "seam between two middle pieces";
    if (Seam(middle, end) > kSeam)
        problems << "seam between the middle and the last end";

    // Where an end meets the middle it must be fully opaque, or the background shows as a line.
    for (int c = 0; c < start.across(); ++c) {
        if (startMask.grey(startMask.along() - 1, c) != 255 || endMask.grey(0, c) != 255) {
            problems << "an end piece is not opaque where it meets the middle";
            break;
        }
    }
    // The far corners must let the background through, and the rim must be soft, not jagged.
    auto softEnd = [](const View& mask, int outerLine) {
        const bool cornersClear = mask.grey(outerLine, 0) == 0 && mask.grey(outerLine, mask.across() - 1) == 0;
        bool partial = false;
        for (int a = 0; a < mask.along() && !partial; ++a)
            for (int c = 0; c < mask.across() && !partial; ++c)
                partial = mask.grey(a, c) > 0 && mask.grey(a, c) < 255;
        return cornersClear && partial;
    };
    if (!softEnd(startMask, 0))
        problems << "the first end is not rounded with a soft rim";
    if (!softEnd(endMask, endMask.along() - 1))
        problems << "the last end is not rounded with a soft rim";
    // Colour under a transparent mask does not matter, but where the mask is opaque the picture
    // must not fade to white at the rim (a halo around the strip).
    auto noHalo = [](const View& pic, const View& mask) {
        for (int a = 0; a < pic.along(); ++a)
            for (int c = 0; c < pic.across(); ++c)
                if (mask.grey(a, c) > 0 && mask.grey(a, c) < 200 && qGray(pic.colour(a, c)) > 200)
                    return false;
        return true;
    };
    if (!noHalo(start, startMask) || !noHalo(end, endMask))
        problems << "light halo on the soft rim of an end";
    return problems;
}

}  // namespace kit
