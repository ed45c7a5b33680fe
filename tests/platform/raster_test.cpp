// SPDX-License-Identifier: GPL-3.0-or-later
// The raster operations must be bit-exact: buttons, word pictures and frames rely on OR and AND.
#include "platform/raster.h"

#include <gtest/gtest.h>
#include <random>

namespace {

QImage RandomPicture(int w, int h, unsigned seed)
{
    std::mt19937 rng(seed);
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(int(rng() & 255), int(rng() & 255), int(rng() & 255)));
    return image;
}

using Op = QRgb (*)(QRgb, QRgb);

void ExpectCombined(const QImage& before, const QImage& after, const QImage& src, QPoint at, Op op)
{
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x) {
            const QPoint s(x - at.x(), y - at.y());
            const QRgb expected = src.rect().contains(s) ? op(before.pixel(x, y), src.pixel(s)) : before.pixel(x, y);
            ASSERT_EQ(after.pixel(x, y) & 0xFFFFFF, expected & 0xFFFFFF) << "at " << x << "," << y;
        }
}

}  // namespace

TEST(Raster, CopyOrAndAreBitExactAndClipAtTheEdges)
{
    const QImage target = RandomPicture(40, 30, 1);
    const QImage source = RandomPicture(25, 20, 2);
    for (const QPoint at : {QPoint(0, 0), QPoint(7, 5), QPoint(-10, -4), QPoint(30, 22)}) {
        QImage copied = target, ored = target, anded = target;
        raster::Copy(copied, at, source);
        raster::Or(ored, at, source);
        raster::And(anded, at, source);
        ExpectCombined(target, copied, source, at, [](QRgb, QRgb s) { return s; });
        ExpectCombined(target, ored, source, at, [](QRgb d, QRgb s) { return d | s; });
        ExpectCombined(target, anded, source, at, [](QRgb d, QRgb s) { return d & s; });
    }
}

TEST(Raster, CopiesOnlyThePartAsked)
{
    QImage target(10, 10, QImage::Format_RGB32);
    target.fill(Qt::black);
    const QImage source = RandomPicture(20, 20, 3);
    raster::Copy(target, QPoint(2, 3), source, QRect(5, 6, 4, 2));
    EXPECT_EQ(target.pixel(2, 3), source.pixel(5, 6));
    EXPECT_EQ(target.pixel(5, 4), source.pixel(8, 7));
    EXPECT_EQ(target.pixel(6, 3), qRgb(0, 0, 0));
    EXPECT_EQ(target.pixel(2, 5), qRgb(0, 0, 0));
}

TEST(Raster, MaskRuleShowsPictureInsideAndTargetOutside)
{
    const QImage target = RandomPicture(12, 12, 4);
    QImage mask(6, 6, QImage::Format_RGB32), picture(6, 6, QImage::Format_RGB32);
    mask.fill(Qt::black);
    picture.fill(Qt::white);
    for (int y = 1; y < 5; ++y)
        for (int x = 1; x < 5; ++x) {
            mask.setPixel(x, y, qRgb(255, 255, 255));
            picture.setPixel(x, y, qRgb(10 * x, 20 * y, 77));
        }
    QImage drawn = target;
    raster::DrawMasked(drawn, QPoint(3, 3), picture, mask);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) {
            const bool inside = x >= 4 && x < 8 && y >= 4 && y < 8;
            const QRgb expected = inside ? picture.pixel(x - 3, y - 3) : target.pixel(x, y);
            ASSERT_EQ(drawn.pixel(x, y), expected) << x << "," << y;
        }
}

TEST(Raster, GreyMaskCombinesLikeItsGreyLevels)
{
    QImage target(2, 1, QImage::Format_RGB32);
    target.setPixel(0, 0, qRgb(0x12, 0x34, 0x56));
    target.setPixel(1, 0, qRgb(0x12, 0x34, 0x56));
    QImage grey(2, 1, QImage::Format_Grayscale8);
    grey.scanLine(0)[0] = 0x0F;
    grey.scanLine(0)[1] = 0xF0;
    raster::Or(target, QPoint(0, 0), grey);
    EXPECT_EQ(target.pixel(0, 0), qRgb(0x1F, 0x3F, 0x5F));
    EXPECT_EQ(target.pixel(1, 0), qRgb(0xF2, 0xF4, 0xF6));
}
