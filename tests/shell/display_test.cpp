// SPDX-License-Identifier: GPL-3.0-or-later
// The layout mode and offsets of each desktop size, the screen check and the screen-sized
// background.
#include "shell/Cdisplay.h"
#include "support/programfolder.h"

#include <gtest/gtest.h>

TEST(Display, ModesAndOffsets)
{
    struct Case { int w, h, mode, dw, dh, ox, oy; };
    for (const Case c : {Case{800, 600, 2, 800, 600, 0, 0}, Case{799, 600, 2, 800, 600, 0, 0},
                         Case{1024, 700, 2, 800, 600, 112, 50}, Case{1024, 768, 4, 1024, 768, 0, 0},
                         Case{1280, 1024, 4, 1024, 768, 128, 128}, Case{801, 601, 2, 800, 600, 0, 0}}) {
        const CDisplay d = DescribeDisplay(c.w, c.h);
        EXPECT_EQ(d.Mode, c.mode) << c.w << "x" << c.h;
        EXPECT_EQ(d.DesignWidth, c.dw) << c.w << "x" << c.h;
        EXPECT_EQ(d.DesignHeight, c.dh) << c.w << "x" << c.h;
        EXPECT_EQ(d.OffsetX, c.ox) << c.w << "x" << c.h;
        EXPECT_EQ(d.OffsetY, c.oy) << c.w << "x" << c.h;
    }
    // 799 wide: the offset is a division toward zero of -1.
    EXPECT_EQ(DescribeDisplay(799, 599).OffsetX, 0);
    EXPECT_EQ(DescribeDisplay(798, 600).OffsetX, -1);
}

TEST(Display, ScreenCheck)
{
    EXPECT_FALSE(IsScreenTooSmall(800, 600));
    EXPECT_TRUE(IsScreenTooSmall(799, 600));
    EXPECT_TRUE(IsScreenTooSmall(800, 599));
    EXPECT_FALSE(IsScreenTooSmall(1280, 1024));
}

TEST(Display, CentredBackground)
{
    FillDisplay(1280, 1024);
    ProgramFolder folder;
    QImage background;
    LoadCenteredBackground(background, folder.File("missing.xji"));
    ASSERT_EQ(background.size(), QSize(1280, 1024));
    EXPECT_EQ(background.pixel(640, 512), qRgb(0, 0, 0));

    QImage picture(1024, 768, QImage::Format_RGB32);
    picture.fill(QColor(250, 250, 250));
    folder.WriteJpeg("bg.xji", picture);
    LoadCenteredBackground(background, folder.File("bg.xji"));
    EXPECT_GE(qRed(background.pixel(128, 128)), 245);
    EXPECT_GE(qRed(background.pixel(1151, 895)), 245);
    // The band around the design area takes the picture's edge colours, not black.
    EXPECT_EQ(background.pixel(0, 0), background.pixel(128, 128));
    EXPECT_EQ(background.pixel(1279, 1023), background.pixel(1151, 895));
    EXPECT_EQ(SizeSuffix(), "_b");
    FillDisplay(800, 600);
    EXPECT_EQ(SizeSuffix(), "_s");
}

TEST(Display, TheBandContinuesEachEdgeWithoutItsSmallThings)
{
    // A 100 x 100 picture at (20, 10) of a 140 x 120 image: sky above row 50, grass below, a thin red
    // line touching its left edge and a red dot on its top edge.
    const QRgb sky = qRgb(140, 210, 240), grass = qRgb(120, 200, 90), red = qRgb(255, 0, 0);
    QImage image(140, 120, QImage::Format_RGB32);
    image.fill(Qt::black);
    const QRect picture(20, 10, 100, 100);
    for (int y = picture.top(); y <= picture.bottom(); ++y)
        for (int x = picture.left(); x <= picture.right(); ++x)
            image.setPixel(x, y, y < 60 ? sky : grass);
    for (int y = 30; y < 33; ++y)
        for (int x = 20; x < 40; ++x)
            image.setPixel(x, y, red);
    image.setPixel(70, 10, red);
    ExtendEdges(image, picture);
    struct Probe { int x, y; QRgb colour; };
    for (const Probe p : {Probe{0, 31, sky}, Probe{19, 20, sky}, Probe{5, 100, grass}, Probe{139, 20, sky},
                          Probe{125, 105, grass}, Probe{70, 0, sky}, Probe{70, 9, sky}, Probe{50, 119, grass},
                          Probe{0, 0, sky}, Probe{139, 119, grass}, Probe{20, 31, red}})
        EXPECT_EQ(image.pixel(p.x, p.y), p.colour) << p.x << "," << p.y;
}

TEST(Display, ScaleFactorOfEachScreen)
{
    struct Case { int w, h; double requested, factor; };
    for (const Case c : {
             Case{800, 600, kAutoScale, 1}, Case{1024, 768, kAutoScale, 1},   // exact sizes stay as they are
             Case{799, 600, kAutoScale, 1},                                  // refused at start anyway
             Case{1366, 768, kAutoScale, 1},                                 // big layout, height already full
             Case{1920, 1080, kAutoScale, 1.40625},                          // 1080 / 768
             Case{1280, 1024, kAutoScale, 1.25},                             // 1280 / 1024
             Case{1600, 900, kAutoScale, 1.171875},
             Case{1024, 700, kAutoScale, 700.0 / 600},                       // small layout, 700 / 600
             // 1.875 would leave the last column unpainted: 2560 / 1.875 rounds to 1365, back 2559.4.
             Case{2560, 1440, kAutoScale, 479 / 256.0},
             Case{3840, 2160, kAutoScale, 718 / 256.0},
             Case{1920, 1080, 1, 1}, Case{1920, 1080, 1.2, 1.2},             // off, and a factor asked for
             Case{1920, 1080, 3, 1.40625}, Case{1366, 768, 2, 1},            // kept to what fits
         }) {
        const double f = ChooseScaleFactor(c.w, c.h, c.requested);
        EXPECT_DOUBLE_EQ(f, c.factor) << c.w << "x" << c.h << " asked " << c.requested;
        if (IsScreenTooSmall(c.w, c.h))
            continue;
        // Whatever the factor, the design area fits, and the screen in enlarged pixels covers it all.
        const CDisplay d = DescribeDisplay(c.w, c.h);
        EXPECT_LE(d.DesignWidth * f, c.w + 0.5);
        EXPECT_LE(d.DesignHeight * f, c.h + 0.5);
        EXPECT_GE(qRound(qRound(c.w / f) * f), c.w);
        EXPECT_GE(qRound(qRound(c.h / f) * f), c.h);
    }
}
