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

void CWindowBase::Flush(const QRect& rect)
{
    update(rect);
}

void CWindowBase::ShowNow(const QRect& rect)
{
    repaint(rect);
}

void CWindowBase::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
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
