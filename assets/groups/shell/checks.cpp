// SPDX-License-Identifier: GPL-3.0-or-later
// Checks run on the files just written, so the build fails when a picture would not fit the
// program's screens: wrong sizes, labels off their hit bands, busy places under text, a zoom frame
// that would stain the word picture.
#include "shell.h"

#include <QFileInfo>
#include <QPainter>
#include <cmath>
#include <stdexcept>
#include <tuple>
#include <vector>

namespace shell {

namespace {

void Expect(bool ok, const QString& what)
{
    if (!ok)
        throw std::runtime_error("check failed: " + what.toStdString());
}

QImage Load(const kit::Generator& g, const QString& name, QSize size)
{
    const QString path = g.Target("Data/Intf/Spec/" + name);
    Expect(QFileInfo::exists(path), name + " was not written");
    QImage image(path);
    Expect(!image.isNull(), name + " does not decode");
    Expect(image.size() == size, QStringLiteral("%1 is %2 x %3, expected %4 x %5")
                                     .arg(name).arg(image.width()).arg(image.height())
                                     .arg(size.width()).arg(size.height()));
    return image.convertToFormat(QImage::Format_RGB32);
}

int Luma(QRgb p) { return qGray(p); }

// Text must stay readable: no strong edges and only a narrow range of brightness under it.
void ExpectCalm(const QImage& image, const QRect& area, const QString& what)
{
    Expect(image.rect().contains(area), what + ": area outside the picture");
    int lo = 255, hi = 0, edges = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const int l = Luma(image.pixel(x, y));
            lo = qMin(lo, l);
            hi = qMax(hi, l);
            if (x > area.left() && std::abs(l - Luma(image.pixel(x - 1, y))) > 24)
                ++edges;
        }
    Expect(hi - lo <= 40, QStringLiteral("%1 is not calm (brightness %2..%3)").arg(what).arg(lo).arg(hi));
    Expect(edges == 0, QStringLiteral("%1 has %2 sharp edges").arg(what).arg(edges));
    Expect(lo >= 150, what + " is too dark for dark text");
}

// Rows of the strip where the label of `tab` leaves ink, measured by drawing it alone.
std::pair<int, int> LabelInkRows(const MenuLayout& l, int tab)
{
    QImage alone(l.stripSize, QImage::Format_ARGB32_Premultiplied);
    alone.fill(Qt::transparent);
    QPainter painter(&alone);
    kit::DrawLabel(painter, TabLabelBox(l, tab), TabText(l, tab), TabFont(l), Qt::white, colour::Plum,
                   2.2 * l.scale);
    painter.end();
    int first = -1, last = -1;
    for (int y = 0; y < alone.height(); ++y)
        for (int x = 0; x < alone.width(); ++x)
            if (qAlpha(alone.pixel(x, y)) > 0) {
                if (first < 0)
                    first = y;
                last = y;
                break;
            }
    return {first, last};
}

int DifferingPixels(const QImage& a, const QImage& b, const QRect& area, int tolerance)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) > tolerance || std::abs(qGreen(p) - qGreen(q)) > tolerance ||
                std::abs(qBlue(p) - qBlue(q)) > tolerance)
                ++count;
        }
    return count;
}

double MeanDifference(const QImage& a, const QImage& b, const QRect& area)
{
    double sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * area.width() * area.height());
}

void CheckMenu(const kit::Generator& g, const MenuLayout& l)
{
    const QString sfx = l.suffix;
    const QImage background = Load(g, "mT_m0" + sfx + ".xji", QSize(l.width, l.height));
    Expect(l.strip.x() + l.stripSize.width() == l.width, "the tab strip must reach the right edge");
    Expect(l.strip.y() + l.stripSize.height() <= l.height, "the tab strip must end on the screen");
    Expect(l.stripSize.height() > l.bands[5].second, "the strip must hold the last tab's band");

    // Where the settings rows, captions, recordings list and buttons stand on each screen.
    static const std::vector<QRect> small = {
        {150, 200, 390, 40},   // amount row
        {180, 280, 355, 76},   // sound rows
        {160, 400, 380, 40},   // position row
        {130, 155, 411, 277},  // recordings headings, rows and list buttons
        {245, 515, 280, 60},   // about, exit, start
        {120, 170, 290, 24}};  // captions end at the middle of the screen
    static const std::vector<QRect> big = {
        {204, 256, 461, 40}, {215, 372, 470, 96}, {204, 540, 461, 40},
        {244, 188, 411, 288}, {357, 659, 280, 60}, {160, 210, 352, 24}};
    for (const QRect& r : l.width == 800 ? small : big)
        ExpectCalm(background, r, "menu background" + sfx);

    std::array<QImage, 6> strips;
    for (int tab = 1; tab <= 6; ++tab)
        strips[size_t(tab - 1)] = Load(g, "mT_m" + QString::number(tab) + sfx + ".xbi", l.stripSize);

    for (int tab = 1; tab <= 6; ++tab) {
        const auto [first, last] = l.bands[size_t(tab - 1)];
        const auto [inkTop, inkBottom] = LabelInkRows(l, tab);
        Expect(inkTop >= 0, "no ink for tab label " + kTabLabels[size_t(tab - 1)]);
        Expect(inkTop >= first && inkBottom <= last,
               QStringLiteral("label %1%2 rows %3..%4 leave the band %5..%6")
                   .arg(kTabLabels[size_t(tab - 1)], sfx).arg(inkTop).arg(inkBottom).arg(first).arg(last));
        const QRectF shape = TabRect(l, tab, true).united(TabRect(l, tab, false));
        Expect(shape.top() >= first && shape.bottom() <= last, "tab " + QString::number(tab) + " leaves its band");

        // Picture `tab` shows this tab chosen: it must differ from every other picture here,
        // and agree with them on a tab that neither of them chooses.
        const QRect band(0, first, l.stripSize.width(), last - first + 1);
        for (int other = 1; other <= 6; ++other) {
            if (other == tab)
                continue;
            Expect(DifferingPixels(strips[size_t(tab - 1)], strips[size_t(other - 1)], band, 8) >
                       band.width() * band.height() / 10,
                   QStringLiteral("tab %1 looks the same in pictures %1 and %2").arg(tab).arg(other));
            int third = 1;
            while (third == tab || third == other)
                ++third;
            const auto [a, b] = l.bands[size_t(third - 1)];
            Expect(DifferingPixels(strips[size_t(tab - 1)], strips[size_t(other - 1)],
                                   QRect(0, a, l.stripSize.width(), b - a + 1), 0) == 0,
                   QStringLiteral("tab %1 differs between pictures %2 and %3").arg(third).arg(tab).arg(other));
        }
    }

    // Right of the tabs the strip shows the background it covers, so no seam appears.
    const QImage under = background.copy(QRect(l.strip, l.stripSize));
    // Picture 1 pulls tab 1 out to the edge; below it the strip's last columns are background.
    const int belowTab = int(TabRect(l, 1, true).bottom() + 8 * l.scale);
    const QRect edge(l.stripSize.width() - 12, belowTab, 12, l.stripSize.height() - belowTab);
    const double mean = MeanDifference(strips[0], under, edge);
    Expect(mean < 3.0, QStringLiteral("strip%1 does not match the background (%2)").arg(sfx).arg(mean));
}

void CheckFrame(const kit::Generator& g, const FrameLayout& f)
{
    const QString sfx = f.suffix;
    const QImage mask = Load(g, "ekr_m" + sfx + ".xji", f.size);
    const QImage frame = Load(g, "ekr" + sfx + ".xji", f.size);
    // JPEG leaves at most a level or two on a black-and-white picture.
    int inside = 0, fringe = 0;
    for (int y = 0; y < f.size.height(); ++y)
        for (int x = 0; x < f.size.width(); ++x) {
            const QRgb m = mask.pixel(x, y);
            const int l = Luma(m);
            Expect(l <= 3 || l >= 252, QStringLiteral("ekr_m%1 is grey (%2) at %3,%4").arg(sfx).arg(l).arg(x).arg(y));
            const QRgb p = frame.pixel(x, y);
            if (l <= 3) {
                // Colour bleeds a little into the row beside the outline; further out it is white.
                const int low = qMin(qRed(p), qMin(qGreen(p), qBlue(p)));
                Expect(low >= 236, QStringLiteral("ekr%1 is not white outside its mask at %2,%3").arg(sfx).arg(x).arg(y));
                if (low < 250)
                    ++fringe;
            } else {
                ++inside;
            }
        }
    Expect(fringe <= 2 * (f.size.width() + f.size.height()),
           QStringLiteral("ekr%1 is tinted outside its mask in %2 places").arg(sfx).arg(fringe));
    Expect(Luma(mask.pixel(0, 0)) < 128 && Luma(mask.pixel(f.size.width() - 1, f.size.height() - 1)) < 128,
           "the zoom frame's corners must be outside its shape");
    Expect(inside > f.size.width() * f.size.height() * 9 / 10, "the zoom frame's mask is too small");

    // The word picture lands centred; everything under it stays white so AND leaves it as it is.
    const QSize word = f.wordPicture;
    const QRect place((f.size.width() - word.width()) / 2, (f.size.height() - word.height()) / 2,
                      word.width(), word.height());
    int bezel = 0;
    for (int y = 0; y < f.size.height(); ++y)
        for (int x = 0; x < f.size.width(); ++x) {
            const QRgb p = frame.pixel(x, y);
            if (place.contains(x, y)) {
                Expect(Luma(mask.pixel(x, y)) >= 252, "the screen must be inside the zoom mask");
                Expect(qRed(p) >= 250 && qGreen(p) >= 250 && qBlue(p) >= 250,
                       QStringLiteral("ekr%1 screen is not white at %2,%3").arg(sfx).arg(x).arg(y));
            } else if (Luma(p) < 200) {
                ++bezel;
            }
        }
    Expect(bezel > (f.size.width() * f.size.height() - word.width() * word.height()) / 2,
           "the zoom frame has hardly any frame");
}

// The template filler must refuse a drawing with a hole in it.
void CheckTemplates()
{
    Expect(Fill("<a x='{{X}}'/>", {{"X", "5"}}) == "<a x='5'/>", "placeholder not replaced");
    bool refused = false;
    try {
        Fill("<a x='{{X}}' y='{{Y}}'/>", {{"X", "5"}});
    } catch (const std::runtime_error&) {
        refused = true;
    }
    Expect(refused, "an unfilled placeholder went through");
    const QFont fitted = FitFont(QStringLiteral("Latający Spodek"), 120, 40);
    Expect(QFontMetricsF(fitted).horizontalAdvance(QStringLiteral("Latający Spodek")) <= 120,
           "FitFont chose a font that overflows");
    const QFont twoLines = FitFont(QStringLiteral("Spróbujmy\njeszcze raz!"), 268, 60, 8, 60);
    Expect(QFontMetricsF(twoLines).lineSpacing() + QFontMetricsF(twoLines).height() <= 60,
           "FitFont ignored the height");
}

}  // namespace

void CheckAll(const kit::Generator& g)
{
    CheckTemplates();

    Load(g, "mT_Splh.xji", kSplashSize);
    for (const MenuLayout* l : {&SmallMenu(), &BigMenu()})
        CheckMenu(g, *l);

    const QImage aboutSmall = Load(g, "mT_OPro_s.xji", QSize(800, 600));
    const QImage aboutBig = Load(g, "mT_OPro_b.xji", QSize(1024, 768));
    // Version line and credits below the logo, and the close button.
    ExpectCalm(aboutSmall, QRect(200, 185, 400, 260), "about_s text");
    ExpectCalm(aboutSmall, QRect(360, 480, 70, 60), "about_s button");
    ExpectCalm(aboutBig, QRect(256, 227, 512, 330), "about_b text");
    ExpectCalm(aboutBig, QRect(472, 614, 70, 60), "about_b button");
    Expect(kLogoAtSmall.y() + kLogoSmall.height() <= 600 / 4 + 35, "the small logo would cover the version line");
    Expect(kLogoAtBig.y() + kLogoBig.height() <= 768 / 4 + 35, "the big logo would cover the version line");
    Expect(kLogoAtSmall.x() * 2 + kLogoSmall.width() == 800 && kLogoAtBig.x() * 2 + kLogoBig.width() == 1024,
           "the logo must stand centred");
    const QImage logoSmall = Load(g, "l4_s.xji", kLogoSmall);
    const QImage logoBig = Load(g, "l4_b.xji", kLogoBig);
    // The logo's border melts into the sheet behind it.
    for (const auto& [logo, about, at] : {std::tuple{logoSmall, aboutSmall, kLogoAtSmall},
                                          std::tuple{logoBig, aboutBig, kLogoAtBig}}) {
        const QImage under = about.copy(QRect(at, logo.size()));
        const int w = logo.width(), h = logo.height();
        for (const QRect& side : {QRect(0, 0, w, 2), QRect(0, h - 2, w, 2), QRect(0, 0, 2, h), QRect(w - 2, 0, 2, h)})
            Expect(MeanDifference(logo, under, side) < 3.0, "the logo shows a box");
    }

    const QImage message = Load(g, "mKom_kp.xji", kMessageSize);
    ExpectCalm(message, kMessageText, "message text");
    ExpectCalm(message, QRect(180, 150, 70, 60), "message button");

    for (const char* name : {"mStatsB.xji", "mStatsM.xji", "mStatsG.xji"}) {
        const QImage summary = Load(g, name, kSummarySize);
        ExpectCalm(summary, kSummaryLabels, QString(name) + " labels");
        ExpectCalm(summary, kSummaryButtons, QString(name) + " buttons");
    }

    for (const FrameLayout* f : {&SmallFrame(), &BigFrame()})
        CheckFrame(g, *f);
}

}  // namespace shell
