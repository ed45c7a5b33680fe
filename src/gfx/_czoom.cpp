// SPDX-License-Identifier: GPL-3.0-or-later
// The zoom view over a game window (see _czoom.h).
#include "_czoom.h"
#include "shell/ownwordfiles.h"

#include "platform/imagefiles.h"
#include "platform/raster.h"
#include "platform/services.h"
#include "platform/timeservice.h"
#include "shell/Cdisplay.h"
#include "shell/_cblad.h"
#include "shell/_specfunc.h"

namespace {
constexpr int kWaitAfterWordMs = 1000;
constexpr int kWaitForEmptyFrameMs = 2000;
constexpr qint16 kResourceMissing = 1;

QString WordPictureSuffix()
{
    return brimbola::Display.IsSmall() ? QStringLiteral("_shs") : QStringLiteral("_shb");
}
}  // namespace

void CZoom::Create(QImage* canvas)
{
    const QString size = SizeSuffix();
    try {
        QImage mask = DecodeJpegFile("Data/Intf/Spec/ekr_m" + size + ".xji");
        QImage frame = DecodeJpegFile("Data/Intf/Spec/ekr" + size + ".xji");
        mask_ = std::move(mask);
        frameImage_ = std::move(frame);
    } catch (const ImageError&) {
        throw CBlad(kResourceMissing);
    }
    canvas_ = canvas;
    localRect_ = mask_.rect();
    buffer_ = QImage(mask_.size(), QImage::Format_RGB32);
    backup_ = QImage(mask_.size(), QImage::Format_RGB32);
    if (buffer_.isNull() || backup_.isNull())
        throw CBlad(kResourceMissing);
}

void CZoom::ShowWord(const QString& name, int x, int y)
{
    if (!canvas_ || canvas_->isNull() || mask_.isNull())
        return;
    targetRect_ = QRect(x - mask_.width() / 2, y - mask_.height() / 2, mask_.width(), mask_.height());
    // Only what the frame covers is kept, wherever on the canvas that is, so that a frame near an
    // edge or on a screen larger than the design area is put back pixel for pixel.
    backup_.fill(Qt::black);
    const QRect visible = targetRect_ & canvas_->rect();
    if (!visible.isEmpty())
        raster::Copy(backup_, visible.topLeft() - targetRect_.topLeft(), *canvas_, visible);
    try {
        Compose(name);
        raster::Copy(*canvas_, targetRect_.topLeft(), buffer_);
        Show(targetRect_);
        if (!name.isEmpty()) {
            PlayWordSound(name);
            Time().Wait(kWaitAfterWordMs);
        } else {
            Time().Wait(kWaitForEmptyFrameMs);
        }
    } catch (...) {
        Restore();
        throw;
    }
    Restore();
}

void CZoom::Compose(const QString& name)
{
    raster::Copy(buffer_, QPoint(0, 0), backup_);
    raster::DrawMasked(buffer_, QPoint(0, 0), frameImage_, mask_);
    if (name.isEmpty())
        return;
    QImage word;
    try {
        word = DecodeJpegFile(WordFile("Data/Bion/" + name + WordPictureSuffix() + ".xji"));
    } catch (const ImageError&) {
        return;  // a word without a picture still gets its frame and its sound
    }
    const QPoint centred(mask_.width() / 2 - word.width() / 2, mask_.height() / 2 - word.height() / 2);
    raster::And(buffer_, centred, word);
}

void CZoom::Restore()
{
    const QRect visible = targetRect_ & canvas_->rect();
    if (!visible.isEmpty())
        raster::Copy(*canvas_, visible.topLeft(), backup_, QRect(visible.topLeft() - targetRect_.topLeft(), visible.size()));
    Show(targetRect_);
}

void CZoom::Show(const QRect& rect)
{
    if (showNow_)
        showNow_(rect);
}
