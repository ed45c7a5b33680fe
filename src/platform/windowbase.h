// SPDX-License-Identifier: GPL-3.0-or-later
// Base of every window of the program: a borderless top-level window that keeps what it shows in a
// backing picture (its canvas). Code draws into the canvas at any time and then asks for the changed
// rectangle to be shown; painting only copies the canvas to the screen.
#pragma once

#include <QImage>
#include <QWidget>

class CWindowBase : public QWidget {
    Q_OBJECT
public:
    explicit CWindowBase(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::FramelessWindowHint);

    QImage& Canvas() { return canvas_; }
    const QImage& Canvas() const { return canvas_; }
    // Gives the canvas the window's size, filled with `fill`.
    void ResetCanvas(QSize size, QColor fill = Qt::black);
    // Shows the canvas's rectangle on screen at the next paint (or now, with ShowNow).
    void Flush(const QRect& rect);
    void FlushAll() { Flush(rect()); }
    void ShowNow(const QRect& rect);
    // The part of the window to paint again when the canvas changed in `rect`. Enlarged, a screen
    // pixel blends the canvas pixels around it and the window system rounds the edges of a part its
    // own way, so the part grows by a margin; and the blending steps along each screen row from where
    // the painted part begins, so every part begins at the window's left edge, as a whole painting
    // does: the screen then shows exactly what painting the whole window would.
    QRect RepaintRect(const QRect& rect) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage canvas_;
};

// The canvas of `window` changed in `rect`: painted again as the window paints a changed part
// (a control drawing itself into its window's canvas).
void ShowOnWindow(QWidget* window, const QRect& rect);

// Places a top-level window over the whole primary screen. Without a window manager a full-screen
// request alone leaves a small window, so the geometry is set first.
void CoverScreen(QWidget& window);
