// SPDX-License-Identifier: GPL-3.0-or-later
// The stretchable frame of the picture-and-say row and the labyrinth's collection column (see
// Cramka.h).
#include "Cramka.h"

#include "platform/imagefiles.h"
#include "platform/raster.h"
#include "shell/Cdisplay.h"

#include <exception>

namespace {
constexpr int kFullOpacity = 255;
}

void CRamka::Create()
{
    *this = CRamka();
}

bool CRamka::Load(const QString& directory)
{
    QString folder = directory;
    if (!folder.isEmpty() && !folder.endsWith('/'))
        folder += '/';
    const QString size = SizeSuffix();
    try {
        // Everything is read before anything is replaced, so a damaged set leaves the frame whole.
        CTransBitmap start, end;
        start.SetMask(DecodeBmpFile(folder + "RmkK1_m" + size + ".xbi"));
        start.SetImage(DecodeJpegFile(folder + "RmkK1" + size + ".xji"));
        end.SetMask(DecodeBmpFile(folder + "RmkK2_m" + size + ".xbi"));
        end.SetImage(DecodeJpegFile(folder + "RmkK2" + size + ".xji"));
        QImage middle = DecodeJpegFile(folder + "RmkS" + size + ".xji");
        startPiece_ = std::move(start);
        endPiece_ = std::move(end);
        middlePiece_ = std::move(middle);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void CRamka::SetCentre(int x, int y)
{
    centreX_ = x;
    centreY_ = y;
}

void CRamka::SetCanvases(QImage* canvas, QImage* backCanvas)
{
    canvas_ = canvas;
    backCanvas_ = backCanvas;
}

void CRamka::LayoutHorizontal(int n)
{
    count_ = n;
    width_ = startPiece_.Width() + n * middlePiece_.width() + endPiece_.Width();
    height_ = middlePiece_.height();
    left_ = centreX_ - width_ / 2;
    top_ = centreY_ - middlePiece_.height() / 2;
}

void CRamka::LayoutVertical(int n)
{
    count_ = n;
    height_ = startPiece_.Height() + n * middlePiece_.height() + endPiece_.Height();
    width_ = middlePiece_.width();
    left_ = centreX_ - middlePiece_.width() / 2;
    top_ = centreY_ - height_ / 2;
}

void CRamka::Draw(QImage& canvas)
{
    const bool vertical = width_ == middlePiece_.width();
    startPiece_.Draw(canvas, left_, kFullOpacity, top_);
    if (vertical) {
        const int firstMiddle = top_ + startPiece_.Height();
        for (int i = 0; i < count_; ++i)
            raster::Copy(canvas, QPoint(left_, firstMiddle + i * middlePiece_.height()), middlePiece_);
        endPiece_.Draw(canvas, left_, kFullOpacity, firstMiddle + count_ * middlePiece_.height());
    } else {
        const int firstMiddle = left_ + startPiece_.Width();
        for (int i = 0; i < count_; ++i)
            raster::Copy(canvas, QPoint(firstMiddle + i * middlePiece_.width(), top_), middlePiece_);
        endPiece_.Draw(canvas, firstMiddle + count_ * middlePiece_.width(), kFullOpacity, top_);
    }
}
