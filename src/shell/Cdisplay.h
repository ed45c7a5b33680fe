// SPDX-License-Identifier: GPL-3.0-or-later
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

// Makes `bitmap` a screen-sized picture with the JPEG at `path` drawn at the design area's corner
// and the band around it filled with the picture's edge colours; a missing file leaves it black. A
// file that exists but cannot be decoded throws ImageError.
void LoadCenteredBackground(QImage& bitmap, const QString& path);
// Fills what lies outside `inner` with the colours of its edge: each row beside it takes the colour
// of its first and last pixel, each column above and below that of its top and bottom pixel, each
// the main colour of the edge around it (over 129 pixels), so that small things touching the edge do
// not streak across the band.
void ExtendEdges(QImage& image, const QRect& inner);

// "_s" in the small layout, "_b" otherwise.
QString SizeSuffix();

// How much the whole interface is enlarged on a screen larger than its design area. A requested
// factor of kAutoScale asks for the largest that fits; any other request is kept to what fits.
constexpr double kAutoScale = 0;
constexpr double kMinScale = 1, kMaxScale = 3;
// The factor for a screen of the given size in pixels. The design area, enlarged, fits inside the
// screen, and the screen measured in the enlarged pixels (rounded to whole ones, as the window system
// does) still covers every screen pixel once enlarged back, so no row or column is left unpainted.
double ChooseScaleFactor(int screenWidth, int screenHeight, double requested = kAutoScale);
