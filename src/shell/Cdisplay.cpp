// The display descriptor (see Cdisplay.h).
#include "Cdisplay.h"

#include "platform/imagefiles.h"
#include "platform/raster.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <cstring>

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

void ExtendEdges(QImage& image, const QRect& inner)
{
    const QRect area = inner.intersected(image.rect());
    if (area.isEmpty() || image.format() != QImage::Format_RGB32)
        return;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(row, row + area.left(), row[area.left()]);
        std::fill(row + area.right() + 1, row + image.width(), row[area.right()]);
    }
    const qsizetype rowBytes = image.bytesPerLine();
    for (int y = 0; y < area.top(); ++y)
        std::memcpy(image.scanLine(y), image.constScanLine(area.top()), rowBytes);
    for (int y = area.bottom() + 1; y < image.height(); ++y)
        std::memcpy(image.scanLine(y), image.constScanLine(area.bottom()), rowBytes);
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
