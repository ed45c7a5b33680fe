// SPDX-License-Identifier: GPL-3.0-or-later
// The zoom frame: a white screen in a cheerful frame of little stage lights, where the enlarged
// word picture appears, and its hard mask. The word picture is ANDed in, so the screen stays white.
#include "shell.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <utility>

namespace shell {

namespace {

// The set's body: drawn with its outline centred on this rectangle, so the outline reaches past
// the mask's edge and every pixel the mask lets through is fully painted; about 3.5 px show.
constexpr qreal kBodyInset = 2.5;
constexpr qreal kMaskInset = 3.5;

qreal BodyRadius(const FrameLayout& f) { return f.size.width() * 0.085; }
qreal ScreenRadius(const FrameLayout& f) { return 14 * f.size.width() / 380.0; }

QByteArray FrameSvg(const FrameLayout& f)
{
    const qreal w = f.size.width();
    const qreal h = f.size.height();
    const qreal k = w / 380.0;  // detail scale, 1 on the small screen
    const QRectF screen = ScreenRect(f);
    const qreal r = BodyRadius(f);

    // Little bulbs all round the bezel, like the lights around a stage: half sun, half white.
    const qreal outer = kMaskInset + 3.5;  // where the outline ends inside the mask
    const QRectF track(QPointF((outer + screen.left() - 3 * k) / 2, (outer + screen.top() - 3 * k) / 2),
                       QPointF(w - (outer + screen.left() - 3 * k) / 2, h - (outer + screen.top() - 3 * k) / 2));
    const qreal corner = r - track.left();  // the track's corner radius
    const qreal bulb = qMin(track.top() - outer, track.left() - outer) * 0.78;
    QList<std::pair<QPointF, bool>> spots;  // where, and whether the bulb is a sun-yellow one
    // A yellow bulb in the middle of each corner; along the straight runs an odd number of bulbs
    // starting and ending white, so the colours alternate all the way round.
    const qreal diagonal = corner * (1 - 1 / std::sqrt(2.0));
    for (const QPointF& p : {track.topLeft() + QPointF(diagonal, diagonal), track.topRight() + QPointF(-diagonal, diagonal),
                             track.bottomRight() - QPointF(diagonal, diagonal), track.bottomLeft() + QPointF(diagonal, -diagonal)})
        spots.append({p, true});
    const auto run = [&](QPointF from, QPointF to) {
        const qreal length = QLineF(from, to).length();
        const int n = qMax(1, int(length / (26 * k))) | 1;
        for (int i = 1; i <= n; ++i)
            spots.append({from + (to - from) * (qreal(i) / (n + 1)), i % 2 == 0});
    };
    const qreal c = corner;
    run(track.topLeft() + QPointF(c - 6 * k, 0), track.topRight() - QPointF(c - 6 * k, 0));
    run(track.bottomLeft() + QPointF(c - 6 * k, 0), track.bottomRight() - QPointF(c - 6 * k, 0));
    run(track.topLeft() + QPointF(0, c - 6 * k), track.bottomLeft() - QPointF(0, c - 6 * k));
    run(track.topRight() + QPointF(0, c - 6 * k), track.bottomRight() - QPointF(0, c - 6 * k));
    QString bulbs;
    for (const auto& [at, yellow] : spots) {
        bulbs += QStringLiteral("<circle cx='%1' cy='%2' r='%3' fill='%4' stroke='#3D2C4E' stroke-width='%5'/>"
                                "<circle cx='%6' cy='%7' r='%8' fill='#FFFFFF' fill-opacity='0.8'/>")
                     .arg(at.x()).arg(at.y()).arg(bulb).arg(yellow ? "#FFD23F" : "#FFFFFF").arg(1.4 * k)
                     .arg(at.x() - bulb * 0.35).arg(at.y() - bulb * 0.35).arg(bulb * 0.3);
    }
    return QStringLiteral(
               "<svg xmlns='http://www.w3.org/2000/svg' width='%1' height='%2' viewBox='0 0 %1 %2'>"
               "<defs><linearGradient id='bezel' x1='0' y1='0' x2='0' y2='1'>"
               "<stop offset='0' stop-color='#FF8FA8'/><stop offset='0.5' stop-color='#EF476F'/>"
               "<stop offset='1' stop-color='#C7325A'/></linearGradient></defs>"
               // body with its plum outline
               "<rect x='%3' y='%3' width='%4' height='%5' rx='%6' fill='url(#bezel)' stroke='#3D2C4E' stroke-width='9'/>"
               "%7</svg>")
        .arg(w).arg(h)
        .arg(kBodyInset).arg(w - 2 * kBodyInset).arg(h - 2 * kBodyInset).arg(r)
        .arg(bulbs)
        .toUtf8();
}

QPainterPath ScreenPath(const FrameLayout& f)
{
    QPainterPath path;
    path.addRoundedRect(ScreenRect(f), ScreenRadius(f), ScreenRadius(f));
    return path;
}

}  // namespace

QImage FrameShape(const FrameLayout& f)
{
    QImage shape = kit::RenderSvg(FrameSvg(f), f.size);
    // Cut the screen out: transparent there, so it comes out pure white.
    QPainter painter(&shape);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.fillPath(ScreenPath(f), Qt::transparent);
    // The glass edge: a plum line just outside the screen, so the screen itself stays untouched.
    const qreal k = f.size.width() / 380.0;
    const qreal line = 3 * k;
    const QRectF screen = ScreenRect(f);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setPen(QPen(colour::Plum, line));
    painter.setBrush(Qt::NoBrush);
    const qreal radius = ScreenRadius(f) + line / 2;
    painter.drawRoundedRect(screen.adjusted(-line / 2, -line / 2, line / 2, line / 2), radius, radius);
    painter.end();
    return shape;
}

QImage FrameMask(const FrameLayout& f)
{
    QImage mask(f.size, QImage::Format_RGB32);
    mask.fill(Qt::black);
    QPainter painter(&mask);
    // No anti-aliasing: the mask must be pure black and white.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    const qreal r = BodyRadius(f) - (kMaskInset - kBodyInset);
    painter.drawRoundedRect(QRectF(kMaskInset, kMaskInset, f.size.width() - 2 * kMaskInset,
                                   f.size.height() - 2 * kMaskInset), r, r);
    return mask;
}

}  // namespace shell
