// SPDX-License-Identifier: GPL-3.0-or-later
// Showing a changed rectangle of a window's canvas, as each animation step ends (a dragged tile, the
// labyrinth figure's glide frame, the saucer's tick): the paint that copies it to the window, enlarged
// when the interface is. Squares of 70 and 140 pixels, and the whole 1024 x 768 design area.
#include "platform/windowbase.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <benchmark/benchmark.h>

namespace {

void FlushRectangle(benchmark::State& state)
{
    const int side = int(state.range(0));
    const QSize design(1024, 768);
    const QSize screen = QGuiApplication::primaryScreen()->size();
    CWindowBase window;
    window.setGeometry(QRect(QPoint((screen.width() - design.width()) / 2, (screen.height() - design.height()) / 2),
                             design));
    window.ResetCanvas(design, Qt::darkGreen);
    window.show();
    QCoreApplication::processEvents();
    const QRect whole(QPoint(0, 0), design);
    QRect rect = side >= design.width() ? whole : QRect(0, 300, side, std::min(side, design.height()));
    int shade = 0;
    for (auto _ : state) {
        // A changed picture at a moving place, so nothing is cached between steps.
        if (rect != whole)
            rect.moveLeft((rect.left() + 3) % (design.width() - side));
        shade = (shade + 1) & 0xff;
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            QRgb* row = reinterpret_cast<QRgb*>(window.Canvas().scanLine(y));
            std::fill(row + rect.left(), row + rect.right() + 1, qRgb(0, 0, shade));
        }
        window.Flush(rect);
        QCoreApplication::processEvents();
    }
    state.SetLabel(QStringLiteral("factor %1").arg(window.devicePixelRatioF()).toStdString());
}
BENCHMARK(FlushRectangle)->Arg(70)->Arg(140)->Arg(1024)->Unit(benchmark::kMicrosecond);

}  // namespace
