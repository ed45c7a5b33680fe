// SPDX-License-Identifier: GPL-3.0-or-later
// Shared pieces of the shell pictures' generator: the screen geometry the pictures must respect,
// the palette, SVG templates and the mascot who appears on several screens.
#pragma once

#include "assetkit.h"

#include <QImage>
#include <QMap>
#include <QRect>
#include <QString>
#include <array>

namespace shell {

// Palette shared by every screen of the program.
namespace colour {
inline const QColor Plum("#3D2C4E");
inline const QColor Cream("#FFF4D6");
inline const QColor Sun("#FFD23F");
inline const QColor Orange("#FF9F1C");
inline const QColor Tomato("#EF476F");
inline const QColor Berry("#8E6CC9");
inline const QColor Teal("#2EC4B6");
inline const QColor Grass("#7BC950");
inline const QColor GrassDark("#4E9F3D");
inline const QColor Wood("#C98B4B");
}  // namespace colour

// One of the two screen designs: everything the menu's pictures must leave room for.
struct MenuLayout {
    const char* suffix;           // "_s" or "_b"
    int width, height;            // design area
    QPoint strip;                 // where the menu puts the tab strip
    QSize stripSize;              // the tab pictures' size
    std::array<std::pair<int, int>, 6> bands;  // y ranges (inclusive) that select each tab
    qreal scale;                  // of the 800 x 600 drawings
};

const MenuLayout& SmallMenu();
const MenuLayout& BigMenu();

// The main menu's board, in 800 x 600 drawing units: widgets stand on it.
inline constexpr QRectF kBoard{88, 70, 464, 522};
inline constexpr qreal kBoardRadius = 30;
inline constexpr qreal kBoardOutline = 4;

// Sizes the program's windows fix.
inline constexpr QSize kSplashSize{600, 348};
inline constexpr QSize kMessageSize{420, 250};
inline constexpr QRect kMessageText{18, 59, 385, 126};
inline constexpr QSize kSummarySize{600, 450};
inline constexpr QRect kSummaryLabels{88, 177, 334, 123};   // x 88..422, y 177..300
inline constexpr QRect kSummaryButtons{235, 340, 160, 60};  // "start" at 235, "stop" at 325

// The about window's logo stands centred above the version line, which starts at H/4 + 35.
inline constexpr QSize kLogoSmall{160, 80};
inline constexpr QSize kLogoBig{204, 80};  // 204 wide: centred exactly at x 410
inline constexpr QPoint kLogoAtSmall{320, 100};
inline constexpr QPoint kLogoAtBig{410, 145};

// Zoom frame: a word picture (320 x 270 / 410 x 340) is drawn centred into its white screen.
struct FrameLayout {
    const char* suffix;
    QSize size;
    QSize wordPicture;
};
const FrameLayout& SmallFrame();
const FrameLayout& BigFrame();
QRectF ScreenRect(const FrameLayout& frame);  // the white screen, centred

// The SVG source `file` of this group with every {{KEY}} replaced; throws when a placeholder is
// left unfilled, so a renamed key cannot silently draw nothing.
QByteArray Template(const kit::Generator& generator, const QString& file,
                    const QMap<QString, QString>& values = {});
QByteArray Fill(QByteArray svg, const QMap<QString, QString>& values);

enum class Mood { Sad, Calm, Happy };

// The program's mascot (a round berry-coloured creature), an SVG group centred at (x, y) whose
// body is about 100 * scale wide. `id` keeps its gradient names apart from other mascots.
QString Mascot(qreal x, qreal y, qreal scale, Mood mood, const QString& id);

// Largest label font (at most `maxPixels`) whose text, line by line, fits `width` and `height`.
QFont FitFont(const QString& text, qreal width, int maxPixels, int minPixels = 8, qreal height = 1e9);

// The wordmark "Brimbola" with a sub-line, drawn centred in `box`.
void DrawWordmark(QPainter& painter, const QRectF& box, const QString& subline,
                  QColor sublineFill = Qt::white);

// Pictures of this group, each made at its final size.
QImage MenuBackground(const kit::Generator& generator, const MenuLayout& layout);
QImage TabStrip(const kit::Generator& generator, const MenuLayout& layout, const QImage& background,
                int selected);
QRectF TabRect(const MenuLayout& layout, int tab, bool selected);  // in strip coordinates
QRectF TabLabelBox(const MenuLayout& layout, int tab);            // where tab's label is centred
QString TabText(const MenuLayout& layout, int tab);                // the label, maybe in two lines
QFont TabFont(const MenuLayout& layout);                           // one size for all six labels
extern const std::array<QString, 6> kTabLabels;

QImage Splash(const kit::Generator& generator);
QImage AboutBackground(const kit::Generator& generator, QSize size);
QImage Logo(const kit::Generator& generator, const QImage& about, QPoint at, QSize size);
QImage MessageBackground(const kit::Generator& generator);
QImage SummaryBackground(const kit::Generator& generator, Mood mood);
QImage FrameShape(const FrameLayout& frame);  // ARGB: the frame, transparent outside and in the screen
QImage FrameMask(const FrameLayout& frame);

// Checks of what was written; each throws std::runtime_error with the reason.
void CheckAll(const kit::Generator& generator);

}  // namespace shell
