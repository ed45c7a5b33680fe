// SPDX-License-Identifier: GPL-3.0-or-later
// The display descriptor (see Cdisplay.h).
#include "Cdisplay.h"

#include "platform/imagefiles.h"
#include "platform/raster.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
constexpr int kMinWidth = 800, kMinHeight = 600;
constexpr int kBigWidth = 1024, kBigHeight = 768;

CDisplay display;

QSize PrimaryScreenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(0, 0);
}
}  // namespace

namespace brimbola {
const CDisplay& Display = display;
}

CDisplay DescribeDisplay(int screenWidth, int screenHeight)
{
    CDisplay d;
    d.ScreenWidth = screenWidth;
    d.ScreenHeight = screenHeight;
    const bool small = screenWidth < kBigWidth || screenHeight < kBigHeight;
    d.Mode = small ? kSmallMode : kBigMode;
    d.DesignWidth = small ? kMinWidth : kBigWidth;
    d.DesignHeight = small ? kMinHeight : kBigHeight;
    d.OffsetX = (d.ScreenWidth - d.DesignWidth) / 2;
    d.OffsetY = (d.ScreenHeight - d.DesignHeight) / 2;
    return d;
}

void FillDisplay(int screenWidth, int screenHeight)
{
    display = DescribeDisplay(screenWidth, screenHeight);
}

void FillDisplayFromScreen()
{
    const QSize size = PrimaryScreenSize();
    FillDisplay(size.width(), size.height());
}

bool IsScreenTooSmall(int screenWidth, int screenHeight)
{
    return screenWidth < kMinWidth || screenHeight < kMinHeight;
}

bool IsScreenTooSmall()
{
    const QSize size = PrimaryScreenSize();
    return IsScreenTooSmall(size.width(), size.height());
}

namespace {
// Half the run of edge pixels whose main colour continues into the band: longer than the small things
// touching an edge (a sun's ray, an outline, an arm), so that they do not streak across the band.
constexpr int kEdgeHalfRun = 64;
// Colours are grouped by the top 3 bits of each channel to find the main one; JPEG noise and a slow
// gradient stay in one group.
constexpr int kGroupShift = 5, kGroupBits = 3;

int GroupOf(QRgb c)
{
    return (qRed(c) >> kGroupShift) << (2 * kGroupBits) | (qGreen(c) >> kGroupShift) << kGroupBits |
           (qBlue(c) >> kGroupShift);
}

// For each pixel of an edge, the mean colour of the largest colour group in the run around it.
std::vector<QRgb> MainColourRun(const std::vector<QRgb>& edge)
{
    const int n = int(edge.size());
    struct Group {
        int count = 0, red = 0, green = 0, blue = 0;
    };
    std::vector<Group> groups(size_t(1) << (3 * kGroupBits));
    auto add = [&](int i, int sign) {
        Group& g = groups[size_t(GroupOf(edge[size_t(i)]))];
        g.count += sign;
        g.red += sign * qRed(edge[size_t(i)]);
        g.green += sign * qGreen(edge[size_t(i)]);
        g.blue += sign * qBlue(edge[size_t(i)]);
    };
    std::vector<QRgb> out(edge.size());
    int from = 0, to = -1;  // the run now counted, inclusive
    for (int i = 0; i < n; ++i) {
        const int first = std::max(0, i - kEdgeHalfRun), last = std::min(n - 1, i + kEdgeHalfRun);
        while (to < last)
            add(++to, 1);
        while (from < first)
            add(from++, -1);
        const Group* best = nullptr;
        for (int j = first; j <= last; ++j) {
            const Group& g = groups[size_t(GroupOf(edge[size_t(j)]))];
            if (!best || g.count > best->count)
                best = &g;
        }
        out[size_t(i)] = qRgb(best->red / best->count, best->green / best->count, best->blue / best->count);
    }
    return out;
}
}  // namespace

void ExtendEdges(QImage& image, const QRect& inner)
{
    const QRect area = inner.intersected(image.rect());
    if (area.isEmpty() || image.format() != QImage::Format_RGB32)
        return;
    std::vector<QRgb> left, right, top, bottom;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        left.push_back(image.pixel(area.left(), y));
        right.push_back(image.pixel(area.right(), y));
    }
    for (int x = area.left(); x <= area.right(); ++x) {
        top.push_back(image.pixel(x, area.top()));
        bottom.push_back(image.pixel(x, area.bottom()));
    }
    left = MainColourRun(left);
    right = MainColourRun(right);
    top = MainColourRun(top);
    bottom = MainColourRun(bottom);
    // Beside the picture, row by row.
    for (int y = area.top(); y <= area.bottom(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(row, row + area.left(), left[size_t(y - area.top())]);
        std::fill(row + area.right() + 1, row + image.width(), right[size_t(y - area.top())]);
    }
    // Above and below, column by column; the corners take the side's colour at that end.
    auto fillRows = [&](int from, int to, const std::vector<QRgb>& edge, QRgb leftCorner, QRgb rightCorner) {
        for (int y = from; y < to; ++y) {
            QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            std::fill(row, row + area.left(), leftCorner);
            std::copy(edge.begin(), edge.end(), row + area.left());
            std::fill(row + area.right() + 1, row + image.width(), rightCorner);
        }
    };
    fillRows(0, area.top(), top, left.front(), right.front());
    fillRows(area.bottom() + 1, image.height(), bottom, left.back(), right.back());
}

void LoadCenteredBackground(QImage& bitmap, const QString& path)
{
    bitmap = QImage(display.ScreenWidth, display.ScreenHeight, QImage::Format_RGB32);
    bitmap.fill(Qt::black);
    if (!QFile::exists(path))
        return;
    const QImage picture = DecodeJpegFile(path);
    const QPoint corner(display.OffsetX, display.OffsetY);
    raster::Copy(bitmap, corner, picture);
    // The band around the design area continues the picture's edge rather than a black frame.
    ExtendEdges(bitmap, QRect(corner, picture.size()));
}

namespace {
// Factors are tried downward in steps of 1/256: exact in binary, and fine enough to lose at most a few
// pixels of a screen.
constexpr double kScaleSteps = 256;

// True when a screen of `pixels`, measured in pixels enlarged by `factor` and rounded, is still
// covered when enlarged back.
bool CoversScreen(int pixels, double factor)
{
    const int enlarged = qRound(pixels / factor);
    return qRound(enlarged * factor) >= pixels;
}
}  // namespace

double ChooseScaleFactor(int screenWidth, int screenHeight, double requested)
{
    if (IsScreenTooSmall(screenWidth, screenHeight))
        return kMinScale;
    const CDisplay d = DescribeDisplay(screenWidth, screenHeight);
    const double fit = std::min(double(screenWidth) / d.DesignWidth, double(screenHeight) / d.DesignHeight);
    const double factor = std::max(kMinScale, requested == kAutoScale ? fit : std::min(requested, fit));
    auto covers = [&](double f) { return CoversScreen(screenWidth, f) && CoversScreen(screenHeight, f); };
    if (covers(factor))
        return factor;
    for (int step = int(std::floor(factor * kScaleSteps)); step > kScaleSteps; --step) {
        if (covers(step / kScaleSteps))
            return step / kScaleSteps;
    }
    return kMinScale;
}

QString SizeSuffix()
{
    return display.IsSmall() ? QStringLiteral("_s") : QStringLiteral("_b");
}
