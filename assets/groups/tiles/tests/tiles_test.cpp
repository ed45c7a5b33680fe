// SPDX-License-Identifier: GPL-3.0-or-later
// Checks of the tile game's pictures: the word picture must show unchanged through the tile,
// the mask must stay (nearly) black and white, and the table must keep the board calm.
#include "assetkit.h"
#include "generated_fixture.h"
#include "tiles.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cstdlib>

namespace {

const QString kGroup = QStringLiteral(GROUP_DIR);

using Generated = kit::GeneratedGroup<tiles::Make>;

const tiles::Layout* Layouts[] = {&tiles::SmallLayout(), &tiles::BigLayout()};

// Average colour step between neighbouring pixels: near 0 on a plain or softly shaded area.
double Busyness(const QImage& image, const QRect& area)
{
    long sum = 0;
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x < area.right(); ++x) {
            const QRgb a = image.pixel(x, y), b = image.pixel(x + 1, y);
            sum += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                   std::abs(qBlue(a) - qBlue(b));
            ++count;
        }
    return double(sum) / count;
}

TEST_F(Generated, EveryManifestFileIsWrittenAtItsSize)
{
    ExpectManifestWritten();
}

TEST_F(Generated, TileNamesKeepTheirExactCase)
{
    // The game opens klcBck_s but KlcBck_b; on a case-sensitive disk only these names work.
    const QString folder = dir_->path() + "/Data/Intf/Tpi/";
    EXPECT_TRUE(QFileInfo::exists(folder + "klcBck_s.xji"));
    EXPECT_TRUE(QFileInfo::exists(folder + "KlcBck_b.xji"));
    EXPECT_FALSE(QFileInfo::exists(folder + "KlcBck_s.xji"));
    EXPECT_FALSE(QFileInfo::exists(folder + "klcBck_b.xji"));
}

TEST(TilesLayout, PictureWindowHoldsThePictureAndItsFrame)
{
    for (const tiles::Layout* layout : Layouts) {
        const QRect window = tiles::PictureWindow(*layout);
        const int cx = layout->tile / 2, cy = layout->tile / 2 - 2, p = layout->picture;
        // The picture and the four frame lines around it (the outermost at distance 4).
        const QRect framed(cx - p / 2 - 4, cy - p / 2 - 4, p + 8, p + 8);
        EXPECT_TRUE(window.contains(framed));
        EXPECT_TRUE(QRect(0, 0, layout->tile, layout->tile).contains(window));
        // Room is left below it for the tile's wooden edge.
        EXPECT_GE(layout->tile - 1 - window.bottom(), 5);
    }
}

TEST_F(Generated, ThePictureShowsThroughUnchanged)
{
    // The game ANDs the word picture onto the tile: only a pure white face leaves its
    // colours as they are.
    for (const tiles::Layout* layout : Layouts) {
        const QImage tile = Load("Data/Intf/Tpi/" + layout->tileFile);
        const int cx = layout->tile / 2, cy = layout->tile / 2 - 2, p = layout->picture;
        const QRect picture(cx - p / 2, cy - p / 2, p, p);
        for (int y = picture.top(); y <= picture.bottom(); ++y)
            for (int x = picture.left(); x <= picture.right(); ++x) {
                const QRgb p = tile.pixel(x, y);
                ASSERT_GE(std::min({qRed(p), qGreen(p), qBlue(p)}), 250) << x << "," << y;
            }
    }
}

TEST_F(Generated, MaskIsNearlyPureAndMatchesTheTile)
{
    for (const tiles::Layout* layout : Layouts) {
        const QImage mask = Load("Data/Intf/Tpi/" + layout->maskFile);
        const QImage tile = Load("Data/Intf/Tpi/" + layout->tileFile);
        int inside = 0;
        for (int y = 0; y < mask.height(); ++y)
            for (int x = 0; x < mask.width(); ++x) {
                const int v = qGray(mask.pixel(x, y));
                ASSERT_TRUE(v <= 3 || v >= 252) << x << "," << y << " = " << v;
                if (v >= 252) {
                    ++inside;
                } else {
                    const QRgb t = tile.pixel(x, y);
                    ASSERT_GE(std::min({qRed(t), qGreen(t), qBlue(t)}), 248) << x << "," << y;
                }
            }
        const int s = layout->tile;
        EXPECT_LT(qGray(mask.pixel(0, 0)), 4);
        EXPECT_LT(qGray(mask.pixel(s - 1, s - 1)), 4);
        EXPECT_GE(qGray(mask.pixel(s / 2, 0)), 252);
        EXPECT_GE(qGray(mask.pixel(0, s / 2)), 252);
        EXPECT_GT(inside, s * s * 95 / 100);
    }
}

TEST_F(Generated, TheTileShowsItsThicknessBelowAndRight)
{
    for (const tiles::Layout* layout : Layouts) {
        const QImage tile = Load("Data/Intf/Tpi/" + layout->tileFile);
        const QRect window = tiles::PictureWindow(*layout);
        const int s = layout->tile;
        // Wood, darker than the ivory face, between the window and the bottom outline...
        const QRgb below = tile.pixel(s / 2, (window.bottom() + s) / 2 + 1);
        EXPECT_LT(qGray(below), 190);
        EXPECT_GT(qRed(below), qBlue(below) + 40) << "warm wood";
        // ...and a lighter face around the window on the upper left.
        EXPECT_GT(qGray(tile.pixel(window.left() - 2, s / 2)), qGray(below) + 40);
    }
}

TEST_F(Generated, TheMatCoversTheBoardAndKeepsItCalm)
{
    for (const tiles::Layout* layout : Layouts) {
        const QImage table = Load("Data/Intf/Tpi/mT_Tpi_" + layout->suffix + ".xji");
        const QRect board = tiles::Board(*layout);
        const QRect mat = tiles::Mat(*layout);
        EXPECT_TRUE(mat.contains(board));
        EXPECT_FALSE(mat.intersects(layout->buttons));
        EXPECT_TRUE(QRect(QPoint(0, 0), layout->screen).contains(mat));
        // Calm felt under the tiles, warm and shaded only softly.
        EXPECT_LT(Busyness(table, board), 2.0);
        const QRgb felt = table.pixel(board.center());
        EXPECT_GT(qGreen(felt), qRed(felt) + 60) << "teal felt";
        // The table around is the decorated part: the bottom strip holds toys.
        const QRect bottom(0, mat.bottom() + 8, layout->screen.width(),
                           layout->screen.height() - mat.bottom() - 8);
        EXPECT_GT(Busyness(table, bottom), 3 * Busyness(table, board));
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
