// SPDX-License-Identifier: GPL-3.0-or-later
// How a word's pictures are framed, shared by the asset generator (built-in words) and the program
// (the adult's own words), so that both look alike: the sizes, the big pictures' mask and the box
// their object fills, the small pictures' cream card, and the JPEG quality. Header only, QtGui only:
// the generators include it without linking any program library.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QRadialGradient>
#include <QRectF>
#include <QSize>
#include <algorithm>

#include "games/selector/selectorlayout.h"

namespace words {

// Sizes shared with the games' layout.
inline constexpr QSize kBigSmall = kSelectorSmall.pictureSize;  // Data/Bion/NAME_shs.xji
inline constexpr QSize kBigLarge = kSelectorBig.pictureSize;    // Data/Bion/NAME_shb.xji
inline constexpr int kThumbSides[3] = {58, 76, 98};             // Data/Klc NAME_ss, NAME_s, NAME_b
inline constexpr int kJpegQuality = 95;

// JPEG's block size: mask edges on it stay exact after compression.
inline constexpr int kFrameBlock = 8;

// The word pictures' mask: white inside a rounded frame, black outside. Its edges follow the
// 8 x 8 blocks of JPEG so that the saved file decodes to pure black and white.
inline QImage FrameMask(QSize size)
{
    QImage mask(size, QImage::Format_RGB32);
    mask.fill(Qt::black);
    // One block along the top and left edge stays black, and at the right and bottom as many
    // whole blocks as leave at least half a block of black; three blocks are taken off each
    // corner so the frame reads as rounded.
    const int first = 1;
    const int lastColumn = (size.width() - kFrameBlock / 2) / kFrameBlock - 1;
    const int lastRow = (size.height() - kFrameBlock / 2) / kFrameBlock - 1;
    auto cornerCut = [&](int c, int r) {
        const int dc = std::min(c - first, lastColumn - c);
        const int dr = std::min(r - first, lastRow - r);
        return dc + dr < 2;
    };
    QPainter painter(&mask);
    for (int r = first; r <= lastRow; ++r)
        for (int c = first; c <= lastColumn; ++c)
            if (!cornerCut(c, r))
                painter.fillRect(c * kFrameBlock, r * kFrameBlock, kFrameBlock, kFrameBlock, Qt::white);
    return mask;
}

// The area where a word picture's object is drawn: inside the frame, well away from its edge so
// that JPEG colour blocks never reach the black part of the mask.
inline QRectF ObjectBox(QSize size)
{
    // 3 blocks from the picture's edge: chroma blocks of 16 pixels and the decoder's smoothing
    // between them then never carry colour into the black part of the mask.
    const double margin = 3 * kFrameBlock + size.width() / 80.0;
    return QRectF(margin, margin, size.width() - 2 * margin, size.height() - 2 * margin);
}

// The box a big picture's object fills to its edges: one more block away from the frame's
// rounded corners, where JPEG would smear its colour onto the black of the mask.
inline QRectF BigPictureBox(QSize size)
{
    return ObjectBox(size).adjusted(kFrameBlock, kFrameBlock, -kFrameBlock, -kFrameBlock);
}

// A big word picture as the games need it: `shape` on white, and pure white wherever `mask` is
// black (the games draw it through the mask).
inline QImage WhiteOutside(const QImage& shape, const QImage& mask)
{
    QImage out(shape.size(), QImage::Format_RGB32);
    out.fill(Qt::white);
    {
        QPainter painter(&out);
        painter.drawImage(0, 0, shape);
    }
    const QImage m = mask.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height() && y < m.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        const auto* maskRow = reinterpret_cast<const QRgb*>(m.constScanLine(y));
        for (int x = 0; x < out.width() && x < m.width(); ++x)
            if (qGray(maskRow[x]) < 128)
                row[x] = qRgb(255, 255, 255);
    }
    return out;
}

// The card of a small word picture (a tile or a maze cell), `side` pixels square: soft cream
// paper, lighter in the middle so the object stands out on any tile, with a rounded border.
inline QImage ThumbnailCard(int side)
{
    QImage image(side, side, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(QPointF(side * 0.5, side * 0.42), side * 0.75);
    glow.setColorAt(0, QColor(0xFF, 0xFF, 0xFF));
    glow.setColorAt(0.6, QColor(0xFF, 0xF8, 0xE6));
    glow.setColorAt(1, QColor(0xFF, 0xEB, 0xC4));
    painter.fillRect(image.rect(), glow);
    const double inset = side / 26.0;
    const double radius = side / 7.0;
    painter.setPen(QPen(QColor(0xF1, 0xD3, 0x9C), std::max(1.0, side / 40.0)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(inset, inset, side - 2 * inset, side - 2 * inset), radius, radius);
    return image;
}

// The square on the card that a small picture's object fills.
inline QRectF ThumbnailBox(int side)
{
    const double pad = side / 14.0;
    return QRectF(pad, pad, side - 2 * pad, side - 2 * pad);
}

}  // namespace words
