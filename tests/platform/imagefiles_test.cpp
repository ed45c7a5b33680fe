// SPDX-License-Identifier: GPL-3.0-or-later
// Picture files: JPEG through libjpeg (a broken file is an error, never the end of the program) and
// BMP in its 24-bit and 8-bit grey forms.
#include "platform/imagefiles.h"
#include "support/programfolder.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QImageWriter>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QImage Gradient(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x * 255 / w, y * 255 / h, 128));
    return image;
}

QByteArray Encode(const QImage& image, const char* format, int quality = 95)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return bytes;
}

QByteArray EncodeProgressive(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "JPG");
    writer.setProgressiveScanWrite(true);
    writer.write(image);
    return bytes;
}

// The frame header (baseline or progressive) made to claim another size, as a fuzzer would.
QByteArray ClaimSize(QByteArray jpeg, int width, int height)
{
    for (qsizetype i = 2; i + 9 < jpeg.size(); ++i) {
        const uchar marker = uchar(jpeg[i + 1]);
        if (uchar(jpeg[i]) == 0xFF && (marker == 0xC0 || marker == 0xC2)) {
            jpeg[i + 5] = char(height >> 8);
            jpeg[i + 6] = char(height & 0xFF);
            jpeg[i + 7] = char(width >> 8);
            jpeg[i + 8] = char(width & 0xFF);
            return jpeg;
        }
    }
    ADD_FAILURE() << "no frame header";
    return jpeg;
}

int MaxChannelDifference(const QImage& a, const QImage& b)
{
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))});
        }
    return worst;
}

}  // namespace

TEST(Jpeg, DecodesColourAndGreyFilesToOpaqueRgb32)
{
    const QImage original = Gradient(64, 48);
    const QImage decoded = DecodeJpeg(Encode(original, "JPG"));
    ASSERT_EQ(decoded.format(), QImage::Format_RGB32);
    ASSERT_EQ(decoded.size(), original.size());
    EXPECT_LE(MaxChannelDifference(decoded, original), 12);
    EXPECT_EQ(qAlpha(decoded.pixel(5, 5)), 255);

    const QImage grey = DecodeJpeg(Encode(original.convertToFormat(QImage::Format_Grayscale8), "JPG"));
    ASSERT_EQ(grey.format(), QImage::Format_RGB32);
    const QRgb p = grey.pixel(30, 20);
    EXPECT_EQ(qRed(p), qGreen(p));
    EXPECT_EQ(qGreen(p), qBlue(p));
}

TEST(Jpeg, BrokenTruncatedOrMissingFilesAreErrors)
{
    const QByteArray good = Encode(Gradient(64, 48), "JPG");
    EXPECT_THROW(DecodeJpeg(good.left(good.size() / 2)), ImageError);   // cut in the scan data
    EXPECT_THROW(DecodeJpeg(good.left(100)), ImageError);               // cut in the header
    EXPECT_THROW(DecodeJpeg(QByteArray()), ImageError);
    EXPECT_THROW(DecodeJpeg("definitely not a picture"), ImageError);
    QByteArray damaged = good;
    for (qsizetype i = damaged.size() / 2; i < damaged.size() / 2 + 40; ++i)
        damaged[i] = char(0xFF);  // markers where scan data belongs
    EXPECT_THROW(DecodeJpeg(damaged), ImageError);
    EXPECT_THROW(DecodeJpegFile("/nonexistent/picture.xji"), ImageError);
}

// Small files whose headers lie used to take tens of seconds and gigabytes before their error.
TEST(Jpeg, LyingOrDamagedFilesFailFastWithoutHugeAllocations)
{
    const QImage small = Gradient(64, 48);
    QByteArray flipped = Encode(Gradient(2000, 2000), "JPG", 90);
    for (qsizetype i = 700; i < 760; i += 3)
        flipped[i] = char(uchar(flipped[i]) ^ 0x5A);
    const struct {
        const char* name;
        QByteArray data;
    } cases[] = {
        {"baseline claiming 60000x60000", ClaimSize(Encode(small, "JPG"), 60000, 60000)},
        {"progressive claiming 60000x60000", ClaimSize(EncodeProgressive(small), 60000, 60000)},
        {"baseline claiming 5000x10", ClaimSize(Encode(small, "JPG"), 5000, 10)},
        {"progressive claiming 4096x4096", ClaimSize(EncodeProgressive(small), 4096, 4096)},
        {"flipped bits early in a large picture", flipped},
    };
    for (const auto& c : cases) {
        QElapsedTimer clock;
        clock.start();
        EXPECT_THROW(DecodeJpeg(c.data), ImageError) << c.name;
        EXPECT_LT(clock.elapsed(), 2000) << c.name;
    }
    try {
        DecodeJpeg(cases[0].data);
    } catch (const ImageError& e) {
        EXPECT_NE(std::string(e.what()).find("too large"), std::string::npos) << e.what();
    }
}

TEST(Bmp, ReadsTwentyFourBitAndGreyFilesWhateverTheExtension)
{
    ProgramFolder folder;
    const QImage colour = Gradient(20, 10);
    folder.Write("colour.xbi", Encode(colour, "BMP"));
    const QImage read = DecodeBmpFile(folder.File("colour.xbi"));
    EXPECT_EQ(read.format(), QImage::Format_RGB32);
    EXPECT_EQ(MaxChannelDifference(read, colour), 0);

    QImage grey(8, 4, QImage::Format_Indexed8);
    QList<QRgb> palette;
    for (int i = 0; i < 256; ++i)
        palette.append(qRgb(i, i, i));
    grey.setColorTable(palette);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x)
            grey.setPixel(x, y, uint(x * 30 + y));
    folder.Write("mask_m.xbi", Encode(grey, "BMP"));
    const QImage mask = DecodeBmpFile(folder.File("mask_m.xbi"));
    ASSERT_EQ(mask.format(), QImage::Format_Grayscale8);
    EXPECT_EQ(mask.constScanLine(3)[5], 5 * 30 + 3);

    // A header claiming more than any picture of the program is refused before anything is allocated,
    // also one stored top down (a negative height).
    constexpr int kWidthAt = 18, kHeightAt = 22;
    for (const QSize claim : {QSize(5000, 5000), QSize(2, -16777214)}) {
        QByteArray lying = Encode(colour, "BMP");
        qToLittleEndian<qint32>(claim.width(), lying.data() + kWidthAt);
        qToLittleEndian<qint32>(claim.height(), lying.data() + kHeightAt);
        try {
            DecodeBmp(lying);
            ADD_FAILURE() << "a lying header was decoded: " << claim.width() << "x" << claim.height();
        } catch (const ImageError& e) {
            EXPECT_NE(std::string(e.what()).find("too large"), std::string::npos) << e.what();
        }
    }

    folder.Write("broken.xbi", "BM this is no bitmap");
    EXPECT_THROW(DecodeBmpFile(folder.File("broken.xbi")), ImageError);
    EXPECT_THROW(DecodeBmpFile(folder.File("missing.xbi")), ImageError);
}
