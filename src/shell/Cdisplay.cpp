// The display descriptor (see Cdisplay.h).
#include "Cdisplay.h"

#include "platform/imagefiles.h"
#include "platform/raster.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>

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

void LoadCenteredBackground(QImage& bitmap, const QString& path)
{
    bitmap = QImage(display.ScreenWidth, display.ScreenHeight, QImage::Format_RGB32);
    bitmap.fill(Qt::black);
    if (!QFile::exists(path))
        return;
    raster::Copy(bitmap, QPoint(display.OffsetX, display.OffsetY), DecodeJpegFile(path));
}

QString SizeSuffix()
{
    return display.IsSmall() ? QStringLiteral("_s") : QStringLiteral("_b");
}
