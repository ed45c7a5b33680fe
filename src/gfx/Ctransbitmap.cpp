// SPDX-License-Identifier: GPL-3.0-or-later
// Soft-edged pictures blended through a grey mask (see Ctransbitmap.h). The blend runs while a child
// drags tiles over framed boards, so it walks scanlines directly instead of asking for each pixel.
#include "Ctransbitmap.h"

#include "platform/raster.h"

#include <QRect>
#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace {

constexpr int kOpaque = 255;
constexpr int kWeightScale = 256;   // weights run from 1 (background only) to 256 (picture only)
constexpr int kWeightShift = 8;     // dividing a non-negative product by kWeightScale
constexpr QRgb kOpaqueBlack = 0xff000000u;
constexpr QRgb kAlphaBits = 0xff000000u;

// The weight of the picture for every mask value at this opacity.
std::array<int, 256> WeightsFor(int opacity)
{
    std::array<int, 256> weights{};
    for (int m = 0; m < 256; ++m)
        weights[m] = ((opacity + 1) * m) / kWeightScale + 1;
    return weights;
}

inline int BlendComponent(int a, int b, int w)
{
    // Each side keeps its own sign so that the truncation goes toward the background.
    return a < b ? a + (((b - a) * w) >> kWeightShift) : a - (((a - b) * w) >> kWeightShift);
}

inline QRgb BlendPixel(QRgb background, QRgb picture, int w)
{
    const int blue = BlendComponent(int(background & 0xff), int(picture & 0xff), w);
    const int green = BlendComponent(int((background >> 8) & 0xff), int((picture >> 8) & 0xff), w);
    const int red = BlendComponent(int((background >> 16) & 0xff), int((picture >> 16) & 0xff), w);
    return kAlphaBits | (QRgb(red) << 16) | (QRgb(green) << 8) | QRgb(blue);
}

bool IsDirectCanvas(QImage::Format format)
{
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
}

// A grey picture whose bytes are one chosen byte of every pixel of `source` (`bytesPerPixel` apart,
// starting at `offset`).
QImage PickByte(const QImage& source, int bytesPerPixel, int offset)
{
    QImage grey(source.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < source.height(); ++y) {
        const uchar* in = source.constScanLine(y) + offset;
        uchar* out = grey.scanLine(y);
        for (int x = 0; x < source.width(); ++x)
            out[x] = in[x * bytesPerPixel];
    }
    return grey;
}

QImage BlueOfPackedPixels(const QImage& source)
{
    QImage grey(source.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < source.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        uchar* out = grey.scanLine(y);
        for (int x = 0; x < source.width(); ++x)
            out[x] = uchar(qBlue(in[x]));
    }
    return grey;
}

QImage ToGreyMask(const QImage& bitmap)
{
    constexpr int kThreeBytes = 3, kFourBytes = 4;
    constexpr int kRedFirstBlue = 2, kBlueFirstBlue = 0;
    switch (bitmap.format()) {
    case QImage::Format_Grayscale8:
        return bitmap;
    case QImage::Format_Indexed8:
    case QImage::Format_Alpha8:
        // An 8-bit mask's bytes are its levels, whatever its palette says.
        return PickByte(bitmap, 1, 0);
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return BlueOfPackedPixels(bitmap);
    case QImage::Format_RGB888:
        return PickByte(bitmap, kThreeBytes, kRedFirstBlue);
    case QImage::Format_BGR888:
        return PickByte(bitmap, kThreeBytes, kBlueFirstBlue);
    case QImage::Format_RGBX8888:
    case QImage::Format_RGBA8888:
    case QImage::Format_RGBA8888_Premultiplied:
        return PickByte(bitmap, kFourBytes, kRedFirstBlue);
    default:
        return bitmap.convertToFormat(QImage::Format_Grayscale8);
    }
}

}  // namespace

void CTransBitmap::SetImage(const QImage& jpeg)
{
    image_ = jpeg.format() == QImage::Format_RGB32 ? jpeg : jpeg.convertToFormat(QImage::Format_RGB32);
    FitMaskToImage();
}

void CTransBitmap::SetMask(const QImage& bitmap)
{
    mask_ = bitmap.isNull() ? QImage() : ToGreyMask(bitmap);
    FitMaskToImage();
}

void CTransBitmap::FitMaskToImage()
{
    if (image_.isNull() || mask_.isNull() || mask_.size() == image_.size())
        return;
    QImage fitted(image_.size(), QImage::Format_Grayscale8);
    fitted.fill(0);  // what the old mask does not cover stays transparent
    const int width = std::min(mask_.width(), fitted.width());
    const int height = std::min(mask_.height(), fitted.height());
    for (int y = 0; y < height; ++y)
        std::memcpy(fitted.scanLine(y), mask_.constScanLine(y), size_t(width));
    mask_ = fitted;
}

void CTransBitmap::Draw(QImage& canvas, int x, int opacity, int y)
{
    if (image_.isNull() || mask_.isNull() || canvas.isNull())
        return;
    const int width = image_.width(), height = image_.height();
    const QRect onCanvas = QRect(x, y, width, height) & canvas.rect();

    if (!IsDirectCanvas(canvas.format())) {
        // Rare: blend on a 32-bit copy of the covered part and put that back.
        QImage part = canvas.copy(onCanvas).convertToFormat(QImage::Format_RGB32);
        const QPoint shift = QPoint(x, y) - onCanvas.topLeft();
        Draw(part, shift.x(), opacity, shift.y());
        raster::Copy(canvas, onCanvas.topLeft(), part);
        return;
    }

    if (result_.size() != image_.size() || result_.format() != QImage::Format_RGB32)
        result_ = QImage(image_.size(), QImage::Format_RGB32);
    opacity = std::clamp(opacity, 0, kOpaque);
    const std::array<int, 256> weights = WeightsFor(opacity);

    // Columns of the picture that fall on the canvas; the rest of a row blends over black.
    const int firstColumn = onCanvas.isEmpty() ? 0 : onCanvas.left() - x;
    const int columns = onCanvas.isEmpty() ? 0 : onCanvas.width();
    std::vector<QRgb> scratch(size_t(width), kOpaqueBlack);

    for (int row = 0; row < height; ++row) {
        const int canvasY = y + row;
        const bool rowOnCanvas = columns > 0 && canvasY >= 0 && canvasY < canvas.height();
        QRgb* canvasRow = rowOnCanvas ? reinterpret_cast<QRgb*>(canvas.scanLine(canvasY)) + onCanvas.left() : nullptr;
        const QRgb* background;
        if (rowOnCanvas && columns == width) {
            background = canvasRow;
        } else {
            std::fill(scratch.begin(), scratch.end(), kOpaqueBlack);
            if (rowOnCanvas)
                std::memcpy(scratch.data() + firstColumn, canvasRow, size_t(columns) * sizeof(QRgb));
            background = scratch.data();
        }
        const QRgb* picture = reinterpret_cast<const QRgb*>(image_.constScanLine(row));
        const uchar* mask = mask_.constScanLine(row);
        QRgb* result = reinterpret_cast<QRgb*>(result_.scanLine(row));

        if (opacity == 0) {
            std::memcpy(result, background, size_t(width) * sizeof(QRgb));
        } else {
            for (int col = 0; col < width; ++col) {
                const int w = weights[mask[col]];
                if (w == 1)  // the picture's share truncates to nothing
                    result[col] = background[col] | kAlphaBits;
                else if (w == kWeightScale)
                    result[col] = picture[col] | kAlphaBits;
                else
                    result[col] = BlendPixel(background[col], picture[col], w);
            }
        }
        if (rowOnCanvas)
            std::memcpy(canvasRow, result + firstColumn, size_t(columns) * sizeof(QRgb));
    }
}
