// The display descriptor: which of the two layouts (800 x 600 "small", 1024 x 768 "big") this
// desktop gets and where the design area lies on the screen; filled once at start.
#pragma once

#include <QImage>
#include <QString>

struct CDisplay {
    qint32 ScreenWidth = 800;
    qint32 ScreenHeight = 600;
    qint32 Mode = 2;            // 2 small ("_s" assets), 4 big ("_b" assets)
    qint32 OffsetX = 0;
    qint32 OffsetY = 0;
    qint32 DesignWidth = 800;
    qint32 DesignHeight = 600;

    bool IsSmall() const { return Mode == 2; }
};

constexpr int kSmallMode = 2;
constexpr int kBigMode = 4;

// The descriptor of a desktop of the given size.
CDisplay DescribeDisplay(int screenWidth, int screenHeight);

// The program's descriptor; read-only after FillDisplay. It lives in a namespace because X11's
// headers, which Qt's application headers bring in, claim the global name "Display".
namespace brimbola {
extern const CDisplay& Display;
}
void FillDisplay(int screenWidth, int screenHeight);
// Fills it from the primary screen.
void FillDisplayFromScreen();

// True when the desktop, measured now, is narrower than 800 or lower than 600 pixels.
bool IsScreenTooSmall();
bool IsScreenTooSmall(int screenWidth, int screenHeight);

// Makes `bitmap` a black screen-sized picture with the JPEG at `path` drawn at the design area's
// corner; a missing file leaves it black. A file that exists but cannot be decoded throws
// ImageError.
void LoadCenteredBackground(QImage& bitmap, const QString& path);

// "_s" in the small layout, "_b" otherwise.
QString SizeSuffix();
