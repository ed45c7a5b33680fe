// SPDX-License-Identifier: GPL-3.0-or-later
// Soft-edged pictures, the stretchable frame of the picture-and-say row and the labyrinth column, and
// the zoom view that shows and says a word and then puts the window back.
#include "gfx/Cramka.h"
#include "gfx/Ctransbitmap.h"
#include "gfx/_czoom.h"
#include "platform/imagefiles.h"
#include "platform/raster.h"
#include "shell/Cdisplay.h"
#include "shell/_cblad.h"
#include "support/fakes.h"
#include "support/manifest.h"
#include "support/programfolder.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {
QImage Solid(int w, int h, QRgb colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QImage Grey(int w, int h, int level)
{
    QImage image(w, h, QImage::Format_Grayscale8);
    image.fill(level);
    return image;
}

// Every pixel different and every channel different, so a swapped channel or a shifted row shows.
QImage Pattern(int w, int h, int seed)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb((x * 7 + seed) % 256, (y * 11 + seed * 3) % 256, (x * y + seed * 5) % 256));
    return image;
}

QByteArray Encode(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 100);
    return bytes;
}

int Level(const QImage& grey, int x, int y)
{
    return grey.constScanLine(y)[x];
}

// Blends one pixel of each channel value through a one-pixel picture.
int BlendOne(int background, int picture, int mask, int opacity)
{
    QImage canvas = Solid(1, 1, qRgb(background, background, background));
    CTransBitmap bitmap;
    bitmap.SetImage(Solid(1, 1, qRgb(picture, picture, picture)));
    bitmap.SetMask(Grey(1, 1, mask));
    bitmap.Draw(canvas, 0, opacity, 0);
    const QRgb out = canvas.pixel(0, 0);
    EXPECT_EQ(qRed(out), qBlue(out));
    EXPECT_EQ(qGreen(out), qBlue(out));
    return qBlue(out);
}
}  // namespace

TEST(CTransBitmap, BlendsByTheMaskAndOpacityWeights)
{
    struct Case { int background, picture, mask, opacity, expected; };
    for (const Case c : std::vector<Case>{
             {0, 200, 255, 128, 100},   // weight 129, truncated
             {0, 255, 255, 128, 128},   // 255 * 129 / 256
             {0, 255, 255, 127, 127},   // weight 128: 255 * 128 / 256
             {200, 0, 255, 128, 100},   // the same weight going down
             {10, 250, 128, 255, 130},  // weight 129: 10 + 30960 / 256
             {250, 10, 64, 255, 190},   // weight 65: 250 - 15600 / 256
             {77, 200, 255, 255, 200}, {77, 200, 0, 255, 77},
             {77, 200, 255, 300, 200},  // above 255 counts as 255
             {77, 200, 255, -5, 77},    // below 0 leaves the background
             {100, 101, 255, 0, 100}}) {
        EXPECT_EQ(BlendOne(c.background, c.picture, c.mask, c.opacity), c.expected)
            << c.background << " " << c.picture << " " << c.mask << " " << c.opacity;
    }
}

TEST(CTransBitmap, DrawsAtXAndYWithOpacityBetweenThem)
{
    const QImage picture = Pattern(7, 5, 1);
    QImage mask = Grey(7, 5, 255);
    for (int y = 0; y < 5; ++y)
        for (int x = 4; x < 7; ++x)
            mask.setPixel(x, y, 0);
    QImage canvas = Pattern(20, 20, 90);
    const QImage before = canvas;
    CTransBitmap bitmap;
    bitmap.SetImage(picture);
    bitmap.SetMask(mask);
    bitmap.Draw(canvas, 3, 255, 9);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            const bool inside = x >= 3 && x < 10 && y >= 9 && y < 14;
            const QRgb expected = inside && x - 3 < 4 ? picture.pixel(x - 3, y - 9) : before.pixel(x, y);
            ASSERT_EQ(canvas.pixel(x, y), expected) << x << "," << y;
        }
    EXPECT_EQ(bitmap.Result(), canvas.copy(3, 9, 7, 5));
}

TEST(CTransBitmap, OnlyThePartOnTheCanvasIsPainted)
{
    const QImage picture = Pattern(7, 5, 2);
    QImage canvas = Solid(20, 20, qRgb(1, 2, 3));
    CTransBitmap bitmap;
    bitmap.SetImage(picture);
    bitmap.SetMask(Grey(7, 5, 255));
    bitmap.Draw(canvas, -2, 255, 17);
    EXPECT_EQ(canvas.pixel(0, 17), picture.pixel(2, 0));
    EXPECT_EQ(canvas.pixel(4, 19), picture.pixel(6, 2));
    EXPECT_EQ(canvas.pixel(5, 19), qRgb(1, 2, 3));
    EXPECT_EQ(canvas.pixel(4, 16), qRgb(1, 2, 3));
    bitmap.Draw(canvas, 30, 255, 30);  // wholly beyond: nothing to paint, nothing to break
    EXPECT_EQ(canvas.pixel(19, 19), qRgb(1, 2, 3));
}

TEST(CTransBitmap, DrawsNothingWithoutPictureAndMask)
{
    QImage canvas = Pattern(10, 10, 3);
    const QImage before = canvas;
    CTransBitmap onlyPicture, onlyMask;
    onlyPicture.SetImage(Solid(4, 4, qRgb(255, 0, 0)));
    onlyMask.SetMask(Grey(4, 4, 255));
    onlyPicture.Draw(canvas, 0, 255, 0);
    onlyMask.Draw(canvas, 0, 255, 0);
    EXPECT_EQ(canvas, before);
}

TEST(CTransBitmap, MasksOfEveryDepthBecomeGreyLevels)
{
    const auto levelOf = [](const QImage& source) {
        CTransBitmap bitmap;
        bitmap.SetMask(source);
        EXPECT_EQ(bitmap.Mask().format(), QImage::Format_Grayscale8);
        return Level(bitmap.Mask(), 0, 0);
    };
    EXPECT_EQ(levelOf(Grey(1, 1, 77)), 77);
    const QImage colour = Solid(1, 1, qRgb(10, 20, 30));
    EXPECT_EQ(levelOf(colour), 30);  // the blue component
    EXPECT_EQ(levelOf(colour.convertToFormat(QImage::Format_RGB888)), 30);
    EXPECT_EQ(levelOf(colour.convertToFormat(QImage::Format_BGR888)), 30);
    EXPECT_EQ(levelOf(colour.convertToFormat(QImage::Format_RGBX8888)), 30);
    QImage indexed(1, 1, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(9, 9, 9)});
    indexed.setPixel(0, 0, 2);
    EXPECT_EQ(levelOf(indexed), 2);  // an 8-bit mask's bytes are its levels
    QImage mono(1, 1, QImage::Format_Mono);
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    mono.setPixel(0, 0, 1);
    EXPECT_EQ(levelOf(mono), 255);
}

TEST(CTransBitmap, AMaskOfAnotherSizeIsPaddedTransparentOrCut)
{
    CTransBitmap maskFirst, imageFirst, bigMask;
    maskFirst.SetMask(Grey(3, 2, 255));
    maskFirst.SetImage(Solid(6, 4, qRgb(200, 0, 0)));
    imageFirst.SetImage(Solid(6, 4, qRgb(200, 0, 0)));
    imageFirst.SetMask(Grey(3, 2, 255));
    for (const CTransBitmap* b : {&maskFirst, &imageFirst}) {
        ASSERT_EQ(b->Mask().size(), QSize(6, 4));
        EXPECT_EQ(Level(b->Mask(), 2, 1), 255);
        EXPECT_EQ(Level(b->Mask(), 3, 1), 0);
        EXPECT_EQ(Level(b->Mask(), 2, 2), 0);
        EXPECT_EQ(Level(b->Mask(), 5, 3), 0);
    }
    QImage canvas = Solid(6, 4, qRgb(0, 0, 99));
    imageFirst.Draw(canvas, 0, 255, 0);
    EXPECT_EQ(canvas.pixel(0, 0), qRgb(200, 0, 0));
    EXPECT_EQ(canvas.pixel(3, 0), qRgb(0, 0, 99));
    EXPECT_EQ(canvas.pixel(0, 2), qRgb(0, 0, 99));

    bigMask.SetImage(Solid(2, 2, qRgb(1, 1, 1)));
    bigMask.SetMask(Grey(5, 5, 40));
    EXPECT_EQ(bigMask.Mask().size(), QSize(2, 2));
    EXPECT_EQ(Level(bigMask.Mask(), 1, 1), 40);
}

namespace {
class Frame : public ::testing::Test {
protected:
    void SetUp() override { FillDisplayFromScreen(); }

    QSize SizeOf(const QString& folder, const QString& piece) const
    {
        const auto entry = manifest.Find("Data/Intf/" + folder + "/" + piece + SizeSuffix() + ".xji");
        EXPECT_TRUE(entry.has_value()) << piece.toStdString();
        return entry ? QSize(entry->width, entry->height) : QSize();
    }

    // Where the mask is opaque the piece's own pixels show, where it is clear the background does.
    static void ExpectPieceAt(const QImage& canvas, const QImage& before, const CTransBitmap& piece, QPoint at)
    {
        int opaque = 0, clear = 0;
        for (int y = 0; y < piece.Height(); ++y)
            for (int x = 0; x < piece.Width(); ++x) {
                const int level = Level(piece.Mask(), x, y);
                const QPoint p = at + QPoint(x, y);
                if (level == 255) {
                    ++opaque;
                    ASSERT_EQ(canvas.pixel(p), piece.Image().pixel(x, y) | 0xff000000u) << p.x() << "," << p.y();
                } else if (level == 0) {
                    ++clear;
                    ASSERT_EQ(canvas.pixel(p), before.pixel(p)) << p.x() << "," << p.y();
                }
            }
        EXPECT_GT(opaque, 0);
        EXPECT_GT(clear, 0);
    }

    static void ExpectMiddleAt(const QImage& canvas, const QImage& middle, QPoint at)
    {
        EXPECT_EQ(canvas.copy(QRect(at, middle.size())), middle) << at.x() << "," << at.y();
    }

    ProgramFolder folder{ProgramFolder::Assets::Generated};
    InFolder inFolder{folder.Path()};
    Manifest manifest = Manifest::Load();
    const CDisplay& display = brimbola::Display;
};
}  // namespace

TEST_F(Frame, ThePictureAndSayFrameLiesAcrossItsItems)
{
    const QSize start = SizeOf("Sel", "RmkK1"), end = SizeOf("Sel", "RmkK2"), middle = SizeOf("Sel", "RmkS");
    CRamka frame;
    ASSERT_TRUE(frame.Load("Data/Intf/Sel/"));
    EXPECT_EQ(QSize(frame.StartPiece().Width(), frame.StartPiece().Height()), start);
    const int centreY = display.IsSmall() ? 420 : 530;
    frame.SetCentre(display.DesignWidth / 2, centreY);
    frame.LayoutHorizontal(3);
    EXPECT_EQ(frame.Count(), 3);
    EXPECT_EQ(frame.Width(), start.width() + 3 * middle.width() + end.width());
    EXPECT_EQ(frame.Height(), middle.height());
    EXPECT_EQ(frame.Left(), display.DesignWidth / 2 - frame.Width() / 2);
    EXPECT_EQ(frame.Top(), centreY - middle.height() / 2);

    QImage canvas = Pattern(display.DesignWidth, display.DesignHeight, 4);
    const QImage before = canvas;
    frame.Draw(canvas);
    const QPoint origin(frame.Left(), frame.Top());
    ExpectPieceAt(canvas, before, frame.StartPiece(), origin);
    for (int i = 0; i < 3; ++i)
        ExpectMiddleAt(canvas, frame.MiddlePiece(), origin + QPoint(start.width() + i * middle.width(), 0));
    ExpectPieceAt(canvas, before, frame.EndPiece(), origin + QPoint(start.width() + 3 * middle.width(), 0));
    EXPECT_EQ(canvas.copy(0, 0, display.DesignWidth, frame.Top()), before.copy(0, 0, display.DesignWidth, frame.Top()));
}

TEST_F(Frame, TheLabyrinthFrameLiesDownItsColumn)
{
    const QSize start = SizeOf("Lab", "RmkK1"), end = SizeOf("Lab", "RmkK2"), middle = SizeOf("Lab", "RmkS");
    CRamka frame;
    ASSERT_TRUE(frame.Load("Data/Intf/Lab"));  // without the closing "/" too
    const int centreX = display.DesignWidth - (display.IsSmall() ? 54 : 60);
    const int centreY = display.DesignHeight / 3 * 2;
    frame.SetCentre(centreX, centreY);
    frame.LayoutVertical(4);
    EXPECT_EQ(frame.Height(), start.height() + 4 * middle.height() + end.height());
    EXPECT_EQ(frame.Width(), middle.width());
    EXPECT_EQ(frame.Left(), centreX - middle.width() / 2);
    EXPECT_EQ(frame.Top(), centreY - frame.Height() / 2);

    QImage canvas = Pattern(display.DesignWidth, display.DesignHeight + 200, 5);
    const QImage before = canvas;
    frame.Draw(canvas);
    const QPoint origin(frame.Left(), frame.Top());
    ExpectPieceAt(canvas, before, frame.StartPiece(), origin);
    for (int i = 0; i < 4; ++i)
        ExpectMiddleAt(canvas, frame.MiddlePiece(), origin + QPoint(0, start.height() + i * middle.height()));
    ExpectPieceAt(canvas, before, frame.EndPiece(), origin + QPoint(0, start.height() + 4 * middle.height()));
}

TEST_F(Frame, NoMiddlePiecesLeaveTheTwoEndsSideBySide)
{
    const QSize start = SizeOf("Sel", "RmkK1"), end = SizeOf("Sel", "RmkK2");
    CRamka frame;
    ASSERT_TRUE(frame.Load("Data/Intf/Sel/"));
    frame.SetCentre(101, 200);
    frame.LayoutHorizontal(0);
    EXPECT_EQ(frame.Width(), start.width() + end.width());
    EXPECT_EQ(frame.Left(), 101 - frame.Width() / 2);
    QImage canvas = Pattern(400, 400, 6);
    const QImage before = canvas;
    frame.Draw(canvas);
    ExpectPieceAt(canvas, before, frame.StartPiece(), QPoint(frame.Left(), frame.Top()));
    ExpectPieceAt(canvas, before, frame.EndPiece(), QPoint(frame.Left() + start.width(), frame.Top()));
}

TEST_F(Frame, AFrameAsWideAsItsMiddlePieceIsDrawnDown)
{
    // Ends 10 wide and a middle piece 20 wide: two ends alone are exactly one middle piece wide.
    ProgramFolder own;
    const QString sfx = SizeSuffix();
    own.Write("Data/F/RmkK1" + sfx + ".xji", Encode(Solid(10, 30, qRgb(255, 0, 0)), "JPG"));
    own.Write("Data/F/RmkK2" + sfx + ".xji", Encode(Solid(10, 30, qRgb(0, 0, 255)), "JPG"));
    own.Write("Data/F/RmkS" + sfx + ".xji", Encode(Solid(20, 30, qRgb(0, 255, 0)), "JPG"));
    own.Write("Data/F/RmkK1_m" + sfx + ".xbi", Encode(Grey(10, 30, 255), "BMP"));
    own.Write("Data/F/RmkK2_m" + sfx + ".xbi", Encode(Grey(10, 30, 255), "BMP"));
    CRamka frame;
    ASSERT_TRUE(frame.Load(own.File("Data/F/")));
    frame.SetCentre(50, 50);
    frame.LayoutHorizontal(0);
    ASSERT_EQ(frame.Width(), frame.MiddlePiece().width());
    QImage canvas = Solid(100, 100, qRgb(0, 0, 0));
    frame.Draw(canvas);
    const QPoint origin(frame.Left(), frame.Top());
    EXPECT_EQ(canvas.pixel(origin + QPoint(5, 5)), frame.StartPiece().Image().pixel(5, 5));
    EXPECT_EQ(canvas.pixel(origin + QPoint(5, 35)), frame.EndPiece().Image().pixel(5, 5));  // below the start
    EXPECT_EQ(canvas.pixel(origin + QPoint(15, 5)), qRgb(0, 0, 0));                         // not beside it
}

TEST_F(Frame, AMissingOrBrokenPieceFailsAndKeepsTheFrameAsItWas)
{
    CRamka frame;
    EXPECT_FALSE(frame.Load("Data/Intf/Nothing/"));
    EXPECT_TRUE(frame.StartPiece().IsEmpty());
    ASSERT_TRUE(frame.Load("Data/Intf/Sel/"));
    const QImage middle = frame.MiddlePiece();

    ProgramFolder broken;
    const QString sfx = SizeSuffix();
    for (const QString piece : {"RmkK1", "RmkK2", "RmkS"})
        broken.Write("Data/B/" + piece + sfx + ".xji", Encode(Solid(10, 10, qRgb(9, 9, 9)), "JPG"));
    broken.Write("Data/B/RmkK1_m" + sfx + ".xbi", Encode(Grey(10, 10, 255), "BMP"));
    EXPECT_FALSE(frame.Load(broken.File("Data/B/")));  // the end piece's mask is missing
    broken.Write("Data/B/RmkK2_m" + sfx + ".xbi", "BM not really");
    EXPECT_FALSE(frame.Load(broken.File("Data/B/")));
    EXPECT_EQ(frame.MiddlePiece(), middle);
    EXPECT_FALSE(frame.StartPiece().IsEmpty());
    broken.Write("Data/B/RmkK2_m" + sfx + ".xbi", Encode(Grey(10, 10, 255), "BMP"));
    EXPECT_TRUE(frame.Load(broken.File("Data/B/")));
    EXPECT_EQ(frame.MiddlePiece().size(), QSize(10, 10));
}

namespace {
class Zoom : public Frame {
protected:
    void SetUp() override
    {
        Frame::SetUp();
        canvas = Pattern(display.ScreenWidth, display.ScreenHeight, 7);
        before = canvas;
        zoom.Create(&canvas);
        zoom.SetShowNow([this](const QRect& rect) { shown.push_back({rect, canvas}); });
    }

    // What the zoom should show over `target` of the canvas: the frame by its mask, then the word
    // picture ANDed in the middle.
    QImage Expected(const QRect& target, const QString& name) const
    {
        QImage composed = canvas.copy(target);
        raster::Or(composed, QPoint(0, 0), zoom.Mask());
        raster::And(composed, QPoint(0, 0), zoom.FrameImage());
        if (!name.isEmpty()) {
            const QImage word = DecodeJpegFile("Data/Bion/" + name + (display.IsSmall() ? "_shs" : "_shb") + ".xji");
            raster::And(composed, QPoint(target.width() / 2 - word.width() / 2, target.height() / 2 - word.height() / 2), word);
        }
        return composed;
    }

    struct Shown { QRect rect; QImage canvas; };
    TestServices services;
    QImage canvas, before;
    CZoom zoom;
    std::vector<Shown> shown;
};
}  // namespace

TEST_F(Zoom, ShowsTheWordSaysItWaitsAndPutsTheWindowBack)
{
    const auto frame = manifest.Find("Data/Intf/Spec/ekr" + SizeSuffix() + ".xji");
    ASSERT_TRUE(frame.has_value());
    const int x = display.OffsetX + display.DesignWidth / 2, y = display.OffsetY + display.DesignHeight / 2;
    const QRect target(x - frame->width / 2, y - frame->height / 2, frame->width, frame->height);
    const QImage expected = Expected(target, "autobus");
    zoom.ShowWord("autobus", x, y);

    EXPECT_EQ(zoom.TargetRect(), target);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].rect, target);
    EXPECT_EQ(shown[0].canvas.copy(target), expected);
    EXPECT_NE(expected, before.copy(target));
    EXPECT_EQ(services.sound.played, QStringList{"Data/Smd/autobus.pw"});
    EXPECT_EQ(services.time.waits, std::vector<int>{1000});
    EXPECT_EQ(shown[1].rect, target);
    EXPECT_EQ(canvas, before);
}

TEST_F(Zoom, AnEmptyNameShowsTheEmptyFrameLongerAndSaysNothing)
{
    const int x = display.ScreenWidth / 2, y = display.ScreenHeight / 2;
    const QImage expected = Expected(QRect(x - zoom.Mask().width() / 2, y - zoom.Mask().height() / 2,
                                           zoom.Mask().width(), zoom.Mask().height()), QString());
    zoom.ShowWord(QString(), x, y);
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown[0].canvas.copy(zoom.TargetRect()), expected);
    EXPECT_TRUE(services.sound.played.isEmpty());
    EXPECT_EQ(services.time.waits, std::vector<int>{2000});
    EXPECT_EQ(canvas, before);
}

TEST_F(Zoom, AWordWithoutPictureOrSoundKeepsItsFrameAndPause)
{
    zoom.ShowWord("nieznane", 300, 300);
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown[0].canvas.copy(zoom.TargetRect()), Expected(zoom.TargetRect(), QString()));
    EXPECT_TRUE(services.sound.played.isEmpty());
    EXPECT_EQ(services.time.waits, std::vector<int>{1000});
    EXPECT_EQ(canvas, before);
}

TEST_F(Zoom, AFrameReachingBeyondTheCanvasIsPutBackExactly)
{
    for (const QPoint at : {QPoint(5, 5), QPoint(display.ScreenWidth - 10, display.ScreenHeight - 3)}) {
        shown.clear();
        zoom.ShowWord("autobus", at.x(), at.y());
        ASSERT_FALSE(shown.empty());
        EXPECT_NE(shown[0].canvas, before);
        EXPECT_EQ(canvas, before) << at.x() << "," << at.y();
    }
}

TEST(ZoomFrame, MissingFramePicturesAreAMissingResource)
{
    ProgramFolder empty;
    InFolder inFolder(empty.Path());
    QImage canvas = Solid(800, 600, qRgb(0, 0, 0));
    CZoom zoom;
    try {
        zoom.Create(&canvas);
        FAIL() << "no error";
    } catch (const CBlad& e) {
        EXPECT_EQ(e.Code, 1);
    }
}
