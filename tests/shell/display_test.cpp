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
    EXPECT_EQ(background.pixel(127, 127), qRgb(0, 0, 0));
    EXPECT_GE(qRed(background.pixel(128, 128)), 245);
    EXPECT_GE(qRed(background.pixel(1151, 895)), 245);
    EXPECT_EQ(background.pixel(1152, 896), qRgb(0, 0, 0));
    EXPECT_EQ(SizeSuffix(), "_b");
    FillDisplay(800, 600);
    EXPECT_EQ(SizeSuffix(), "_s");
}
