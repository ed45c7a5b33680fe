// SPDX-License-Identifier: GPL-3.0-or-later
// The zoom view: one word's picture shown large inside a screen-shaped frame over a window, with
// the word spoken, and then the window put back exactly as it was.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <functional>

class CZoom {
public:
    // Asked to show a changed rectangle of the canvas on screen at once, because ShowWord keeps
    // the program busy while the child looks at the picture.
    using ShowNow = std::function<void(const QRect&)>;

    // Loads the frame and its mask for the current display size and keeps `canvas`, the window's
    // canvas (not owned). Throws CBlad 1 when a frame picture cannot be loaded.
    void Create(QImage* canvas);
    void SetShowNow(ShowNow showNow) { showNow_ = std::move(showNow); }

    // Shows the word `name` centred on the canvas point (x, y), says it, waits, and restores what
    // was under the frame. An empty name shows the empty frame a little longer and says nothing.
    void ShowWord(const QString& name, int x, int y);

    const QImage& Mask() const { return mask_; }
    const QImage& FrameImage() const { return frameImage_; }
    const QRect& LocalRect() const { return localRect_; }
    const QRect& TargetRect() const { return targetRect_; }

private:
    void Compose(const QString& name);
    void Show(const QRect& rect);
    void Restore();

    QImage mask_;
    QImage frameImage_;
    QImage* canvas_ = nullptr;
    QImage backup_;   // what lay under TargetRect on the canvas
    QImage buffer_;   // the frame composed over that, the mask's size
    QRect localRect_;
    QRect targetRect_;
    ShowNow showNow_;
};
