// SPDX-License-Identifier: GPL-3.0-or-later
// Checks of the flying-saucer game's pictures: the saucer, drawn opaquely, must show no box
// anywhere along its way, and must carry its letter on its middle.
#include "assetkit.h"
#include "generated_fixture.h"
#include "saucer.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cstdlib>

namespace {

const QString kGroup = QStringLiteral(GROUP_DIR);

using Generated = kit::GeneratedGroup<saucer::Make>;
using kit::Busyness;
using kit::Diff;

const saucer::Layout* Layouts[] = {&saucer::SmallLayout(), &saucer::BigLayout()};

QByteArray Sky()
{
    QFile file(kGroup + "/sky.svg");
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

TEST_F(Generated, EveryManifestFileIsWrittenAtItsSize)
{
    ExpectManifestWritten();
}

TEST(SaucerSky, TheFlightBandIsShadedTopToBottomOnly)
{
    // Any star, hill or cloud in these rows would show as a box around the saucer.
    const QByteArray sky = Sky();
    for (const saucer::Layout* layout : Layouts) {
        const QImage background = saucer::Background(sky, *layout);
        const QRect band = saucer::FlightBand(*layout);
        for (int y = band.top(); y <= band.bottom(); ++y)
            for (int x = 0; x < layout->screen.width(); ++x)
                ASSERT_LE(Diff(background.pixel(x, y), background.pixel(0, y)), 1) << x << "," << y;
    }
}

TEST_F(Generated, TheSaucerShowsNoBoxAnywhereAlongItsWay)
{
    // As the game draws it: opaquely over the written background, at every few pixels.
    for (const saucer::Layout* layout : Layouts) {
        const QImage background = Load("Data/Intf/Hm/mT_Hm_" + layout->suffix + ".xji");
        const QImage plate = Load("Data/Intf/Hm/plat_" + layout->suffix + ".xji");
        const QImage shape = saucer::SaucerShape(*layout).convertToFormat(QImage::Format_ARGB32);
        const int w = plate.width(), h = plate.height();
        for (int left = 0; left + w <= layout->screen.width(); left += 7) {
            long sum = 0;
            int count = 0;
            // Where the saucer does not paint, its picture must be the sky of that place.
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    if (qAlpha(shape.pixel(x, y)) != 0)
                        continue;
                    sum += Diff(plate.pixel(x, y), background.pixel(left + x, layout->saucerY + y));
                    ++count;
                }
            ASSERT_GT(count, w * h / 5);
            EXPECT_LT(double(sum) / count, 3.0) << layout->suffix.toStdString() << " at " << left;
        }
    }
}

TEST(SaucerShape, CarriesTheLetterOnItsMiddle)
{
    for (const saucer::Layout* layout : Layouts) {
        const QImage shape = saucer::SaucerShape(*layout).convertToFormat(QImage::Format_ARGB32);
        const int w = shape.width();
        const int deck = layout->letterY + layout->letterSize - layout->saucerY;
        ASSERT_GT(deck, 0);
        ASSERT_LT(deck, shape.height());
        // The letter tile is centred on the saucer.
        EXPECT_LE(std::abs(2 * layout->letterOffset + layout->letterSize - w), 1);
        // Its foot stands on the saucer's body, not in the air.
        const int cx = layout->letterOffset + layout->letterSize / 2;
        EXPECT_EQ(qAlpha(shape.pixel(cx, deck + 1)), 255);
        // The body spans (nearly) the whole width below the letter, and the picture is
        // symmetric about the letter's middle.
        int leftmost = w, rightmost = -1, opaque = 0;
        for (int y = 0; y < shape.height(); ++y)
            for (int x = 0; x < w; ++x)
                if (qAlpha(shape.pixel(x, y)) > 128) {
                    leftmost = std::min(leftmost, x);
                    rightmost = std::max(rightmost, x);
                    ++opaque;
                }
        EXPECT_LE(leftmost, 2);
        EXPECT_GE(rightmost, w - 3);
        EXPECT_GT(opaque, w * shape.height() * 35 / 100);
        EXPECT_LE(std::abs((leftmost + rightmost) - 2 * cx), 2);
        // Nothing touches the picture's top or bottom edge, where the saucer would look cut.
        for (int x = 0; x < w; ++x) {
            EXPECT_LT(qAlpha(shape.pixel(x, 0)), 64);
            EXPECT_LT(qAlpha(shape.pixel(x, shape.height() - 1)), 64);
        }
    }
}

TEST(SaucerLayout, PlayAreasDoNotOverlap)
{
    for (const saucer::Layout* layout : Layouts) {
        const QRect band = saucer::FlightBand(*layout);
        const QRect letterPath(0, layout->letterY, layout->screen.width(), layout->letterSize);
        EXPECT_FALSE(band.intersects(layout->letterRow));
        EXPECT_FALSE(letterPath.intersects(layout->letterRow));
        EXPECT_FALSE(layout->wordPicture.intersects(layout->letterRow));
        EXPECT_FALSE(band.intersects(layout->buttons));
        EXPECT_FALSE(band.intersects(layout->launchButton));
        EXPECT_TRUE(QRect(QPoint(0, 0), layout->screen).contains(band));
    }
}

TEST_F(Generated, TheWordAndItsLettersStandOnCalmSky)
{
    for (const saucer::Layout* layout : Layouts) {
        const QImage background = Load("Data/Intf/Hm/mT_Hm_" + layout->suffix + ".xji");
        EXPECT_LT(Busyness(background, layout->wordPicture), 1.0);
        EXPECT_LT(Busyness(background, layout->letterRow), 1.0);
        EXPECT_LT(Busyness(background, saucer::FlightBand(*layout)), 1.0);
        // The decoration lives around them: the top corners hold the planet and the moon.
        const QRect topLeft(0, 0, layout->wordPicture.left(), layout->wordPicture.top() + 100);
        EXPECT_GT(Busyness(background, topLeft), 4 * Busyness(background, layout->wordPicture));
    }
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
