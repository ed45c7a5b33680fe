// SPDX-License-Identifier: GPL-3.0-or-later
// Picture holders: the file ending chooses the decoder exactly as written; a named picture puts back
// what was under it.
#include "gfx/Graphicobject.h"
#include "gfx/_cobiektgraficzny.h"
#include "platform/imagefiles.h"
#include "platform/picturestore.h"
#include "support/programfolder.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {
QByteArray Encode(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 95);
    return bytes;
}
}  // namespace

TEST(GraphicObject, TheLastThreeCharactersChooseTheDecoder)
{
    ProgramFolder folder;
    QImage picture(30, 20, QImage::Format_RGB32);
    picture.fill(QColor(200, 30, 30));
    const QByteArray jpeg = Encode(picture, "JPG"), bmp = Encode(picture, "BMP");
    for (const char* name : {"a.xji", "a.jpg", "a.JPG", "a.jpeg", "a.XJI"})
        folder.Write(name, jpeg);
    for (const char* name : {"b.xbi", "b.bmp", "b.BMP"})
        folder.Write(name, bmp);
    folder.Write("ji", jpeg);
    QImage canvas(100, 100, QImage::Format_RGB32);
    for (const char* loads : {"a.xji", "a.jpg", "b.xbi", "b.bmp"}) {
        GraphicObject object(folder.File(loads), &canvas, nullptr);
        EXPECT_EQ(object.Width(), 30) << loads;
        EXPECT_EQ(object.Height(), 20) << loads;
    }
    for (const char* nothing : {"a.JPG", "a.jpeg", "a.XJI", "b.BMP", "ji"}) {
        GraphicObject object(folder.File(nothing), &canvas, nullptr);
        EXPECT_EQ(object.Width(), 0) << nothing;
        EXPECT_EQ(object.Height(), 0) << nothing;
    }
    EXPECT_THROW(GraphicObject(folder.File("missing.xji"), &canvas, nullptr), ImageError);
    folder.Write("broken.xji", jpeg.left(jpeg.size() / 2));
    EXPECT_THROW(GraphicObject(folder.File("broken.xji"), &canvas, nullptr), ImageError);
}

TEST(GraphicObject, DrawsAtItsPosition)
{
    ProgramFolder folder;
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(QColor(0, 0, 255));
    folder.Write("p.xbi", Encode(picture, "BMP"));
    QImage canvas(20, 20, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    GraphicObject object(folder.File("p.xbi"), &canvas, &canvas);
    object.SetPosition(10, 12);
    object.Draw();
    EXPECT_EQ(canvas.pixel(10, 12), qRgb(0, 0, 255));
    EXPECT_EQ(canvas.pixel(13, 15), qRgb(0, 0, 255));
    EXPECT_EQ(canvas.pixel(14, 16), qRgb(255, 255, 255));
    EXPECT_EQ(canvas.pixel(9, 12), qRgb(255, 255, 255));
}

TEST(CObiektGraficzny, DrawBackgroundPutsBackExactlyWhatWasUnder)
{
    ProgramFolder folder;
    QImage caption(12, 6, QImage::Format_RGB32);
    caption.fill(QColor(255, 200, 0));
    folder.WritePng("Data/Res/nap_gloski_s.png", caption);
    ResetSharedPictureStore(folder.File("Data/Res"));

    QImage canvas(40, 30, QImage::Format_RGB32);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            canvas.setPixel(x, y, qRgb(x * 6, y * 8, 99));
    const QImage before = canvas;
    CObiektGraficzny object;
    object.Create("nap_gloski_s");
    EXPECT_EQ(object.Width(), 12);
    object.SetPosition(30, 25);  // partly beyond the canvas
    object.SaveBackground(canvas);
    object.Draw(canvas);
    object.Draw(canvas);
    EXPECT_EQ(canvas.pixel(31, 26), qRgb(255, 200, 0));
    object.DrawBackground(canvas);
    EXPECT_EQ(canvas, before);

    CObiektGraficzny missing;
    missing.Create("nap_nieznany_s");
    EXPECT_EQ(missing.Width(), 0);
    EXPECT_EQ(missing.Height(), 0);
    missing.SaveBackground(canvas);
    missing.Draw(canvas);
    missing.DrawBackground(canvas);
    EXPECT_EQ(canvas, before);
    ResetSharedPictureStore();
}
