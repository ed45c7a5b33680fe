// SPDX-License-Identifier: GPL-3.0-or-later
// Base of every window of the program (see windowbase.h).
#include "windowbase.h"

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

CWindowBase::CWindowBase(QWidget* parent, Qt::WindowFlags flags) : QWidget(parent, flags)
{
    // The canvas covers every pixel: the window system need not clear anything first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
}

void CWindowBase::ResetCanvas(QSize size, QColor fill)
{
    canvas_ = QImage(size, QImage::Format_RGB32);
    canvas_.fill(fill);
}

namespace {
// Canvas pixels around a changed one that an enlarged screen pixel may blend with it, plus one for
// the rounding of the part's edges.
constexpr int kBlendMargin = 2;
}  // namespace

QRect CWindowBase::RepaintRect(const QRect& rect) const
{
    if (devicePixelRatioF() == 1 || rect.isEmpty())
        return rect;
    const QRect grown = rect.adjusted(-kBlendMargin, -kBlendMargin, kBlendMargin, kBlendMargin);
    return QRect(QPoint(0, grown.top()), grown.bottomRight());
}

void CWindowBase::Flush(const QRect& rect)
{
    update(RepaintRect(rect));
}

void CWindowBase::ShowNow(const QRect& rect)
{
    repaint(RepaintRect(rect));
}

void ShowOnWindow(QWidget* window, const QRect& rect)
{
    if (auto* base = qobject_cast<CWindowBase*>(window))
        base->Flush(rect);
    else if (window)
        window->update(rect);
}

void CWindowBase::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    if (devicePixelRatioF() != 1) {
        // The interface is enlarged: the whole canvas is drawn (painting clips it to the region), so
        // every screen pixel takes the same canvas pixels however the region was cut up; smoothed, so
        // that lines keep an even width at a factor that is not whole.
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QPoint(0, 0), canvas_);
        painter.fillRect(QRect(canvas_.width(), 0, width(), height()), Qt::black);
        painter.fillRect(QRect(0, canvas_.height(), width(), height()), Qt::black);
        return;
    }
    for (const QRect& r : event->region()) {
        const QRect inside = r.intersected(canvas_.rect());
        if (!inside.isEmpty())
            painter.drawImage(inside.topLeft(), canvas_, inside);
        // Anything beyond the canvas is outside the design area: black.
        for (const QRect& outside : QRegion(r).subtracted(QRegion(canvas_.rect())))
            painter.fillRect(outside, Qt::black);
    }
}

void CoverScreen(QWidget& window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen)
        window.setGeometry(screen->geometry());
}
