// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the word pictures and letter tiles: the word list the games rely on, the names of the
// pictures, masks that survive JPEG, and tiles that show their letter in the right colour.
#include "wordart.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSet>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

QString SourceDir()
{
    return QStringLiteral(WORDS_SOURCE_DIR);
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    return file.readAll();
}

QList<words::Word> ShippedWords()
{
    return words::ParseWordList(QString::fromUtf8(ReadFile(SourceDir() + "/words.txt")));
}

// The picture as the games will see it after it went through a JPEG file.
QImage JpegRoundTrip(const QImage& picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.convertToFormat(QImage::Format_RGB888).save(&buffer, "JPG", words::kJpegQuality);
    QImage decoded;
    decoded.loadFromData(bytes, "JPG");
    return decoded.convertToFormat(QImage::Format_RGB32);
}

int CountPixels(const QImage& image, const std::function<bool(QRgb)>& test)
{
    int count = 0;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            count += test(rgb.pixel(x, y)) ? 1 : 0;
    return count;
}

bool IsReddish(QRgb p)
{
    return qRed(p) > 180 && qGreen(p) < 90 && qBlue(p) < 130;
}

bool IsDark(QRgb p)
{
    return qRed(p) < 70 && qGreen(p) < 70 && qBlue(p) < 70;
}

// A drawing that paints every point of its view: the worst case for "white outside the shape".
const QByteArray kFullDrawing =
    "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 100 100\">"
    "<rect x=\"0\" y=\"0\" width=\"100\" height=\"100\" fill=\"#EF476F\" stroke=\"#3D2C4E\" "
    "stroke-width=\"6\"/></svg>";

// A yellow disc painting a small part of its view, off its centre, like many pictures of the set.
const QByteArray kSmallDrawing =
    "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 36 36\">"
    "<circle cx=\"10\" cy=\"12\" r=\"6\" fill=\"#FFCC4D\"/></svg>";

}  // namespace

TEST(SplitPieces, ReadsLettersAndPractisedMarks)
{
    const auto pieces = words::SplitPieces(QStringLiteral("_l,a,t,a,_r,k,a,"));
    ASSERT_EQ(pieces.size(), 7);
    QString joined;
    for (const auto& p : pieces)
        joined += p.text;
    EXPECT_EQ(joined, QStringLiteral("latarka"));
    EXPECT_TRUE(pieces[0].practised);
    EXPECT_FALSE(pieces[1].practised);
    EXPECT_TRUE(pieces[4].practised);
    EXPECT_EQ(pieces[4].text, QStringLiteral("r"));
}

TEST(SplitPieces, SkipsEmptyPiecesAndEndsWithoutLastComma)
{
    const auto pieces = words::SplitPieces(QStringLiteral("b,,a,_,_s"));
    ASSERT_EQ(pieces.size(), 3);
    EXPECT_EQ(pieces[2].text, QStringLiteral("s"));
    EXPECT_TRUE(pieces[2].practised);
}

TEST(SplitPieces, KeepsAPieceOfSeveralLettersWhole)
{
    const auto pieces = words::SplitPieces(QStringLiteral("_dż,e,m,"));
    ASSERT_EQ(pieces.size(), 3);
    EXPECT_EQ(pieces[0].text, QStringLiteral("dż"));
    EXPECT_TRUE(pieces[0].practised);
}

TEST(FileNameForm, FollowsTheProgramsTable)
{
    EXPECT_EQ(words::FileNameForm(QStringLiteral("ż")), QStringLiteral("zz"));
    EXPECT_EQ(words::FileNameForm(QStringLiteral("ź")), QStringLiteral("zzz"));
    EXPECT_EQ(words::FileNameForm(QStringLiteral("dż")), QStringLiteral("dzz"));
    EXPECT_EQ(words::FileNameForm(QStringLiteral("dź")), QStringLiteral("dzzz"));
    EXPECT_EQ(words::FileNameForm(QStringLiteral("ó")), QStringLiteral("oo"));
    EXPECT_EQ(words::FileNameForm(QStringLiteral("ł")), QStringLiteral("ll"));
    EXPECT_EQ(words::FileNameForm(QStringLiteral("ą")), QStringLiteral("aa"));
    EXPECT_EQ(words::FileNameForm(QStringLiteral("ę")), QStringLiteral("ee"));
    // Texts outside the table stay as they are: no upper case, no partial match.
    EXPECT_EQ(words::FileNameForm(QStringLiteral("Ż")), QStringLiteral("Ż"));
    EXPECT_EQ(words::FileNameForm(QStringLiteral("dz")), QStringLiteral("dz"));
    EXPECT_EQ(words::FileNameForm(QStringLiteral("l")), QStringLiteral("l"));
}

TEST(TilesFor, CoversTheAlphabetAndEveryPieceOfEveryWordInFileNameForm)
{
    const auto list = ShippedWords();
    const auto tiles = words::TilesFor(list);
    QSet<QString> names;
    for (const auto& t : tiles) {
        EXPECT_FALSE(names.contains(t.storeName)) << t.storeName.toStdString();
        names.insert(t.storeName);
        EXPECT_EQ(t.red, t.storeName.endsWith(QStringLiteral("_red")));
    }
    // Every Polish letter and each digraph as its own tile, in the program's file-name form.
    for (const char* n : {"a", "aa", "b", "c", "cc", "ch", "cz", "d", "dz", "dzz", "dzzz", "e", "ee", "f", "g",
                          "h", "i", "j", "k", "l", "ll", "m", "n", "nn", "o", "oo", "p", "r", "rz", "s", "ss",
                          "sz", "t", "u", "w", "y", "z", "zz", "zzz", "l_red", "r_red", "j_red", "s_red"})
        EXPECT_TRUE(names.contains(QString::fromLatin1(n))) << n;
    for (const auto& word : list)
        for (const auto& piece : words::SplitPieces(word.split)) {
            EXPECT_TRUE(names.contains(words::FileNameForm(piece.text))) << word.name.toStdString();
            if (piece.practised)
                EXPECT_TRUE(names.contains(words::FileNameForm(piece.text) + "_red")) << word.name.toStdString();
        }
    // Polish letters only appear through their ASCII form, and only practised letters get red.
    EXPECT_FALSE(names.contains(QStringLiteral("ż")));
    EXPECT_FALSE(names.contains(QStringLiteral("a_red")));
}

TEST(TilesFor, ShowsThePolishLetterOnTheTile)
{
    const auto tiles = words::TilesFor({{"lezak", "_l,e,ż,a,k,"}});
    const auto it = std::find_if(tiles.begin(), tiles.end(),
                                 [](const words::Tile& t) { return t.storeName == "zz"; });
    ASSERT_NE(it, tiles.end());
    EXPECT_EQ(it->letter, QStringLiteral("ż"));
}

TEST(Manifest, ListsExactlyWhatTheGeneratorsWrite)
{
    // After a change of the word list: cmake --build build --target word_manifests
    const QString shipped = QString::fromUtf8(ReadFile(SourceDir() + "/manifest.txt"));
    EXPECT_EQ(shipped, words::ManifestText(ShippedWords()));
    const QString speech = QString::fromUtf8(ReadFile(SourceDir() + "/../speech/manifest.txt"));
    EXPECT_EQ(speech, words::SpeechManifestWith(speech, ShippedWords()));
    EXPECT_TRUE(speech.contains("Data/Smd/" + ShippedWords().first().name + ".pw wav\n"));
}

TEST(Manifest, NamesTheFilesTheGamesOpen)
{
    const auto plan = words::Plan(ShippedWords());
    QSet<QString> paths;
    for (const auto& o : plan)
        paths.insert(o.path);
    EXPECT_EQ(paths.size(), plan.size());
    const QString first = ShippedWords().first().name;
    for (const QString& p : {"Data/Bion/" + first + "_shs.xji", "Data/Bion/" + first + "_shb.xji",
                             QString("Data/Bion/_matr_shs.xji"), QString("Data/Bion/_matr_shb.xji"),
                             "Data/Klc/" + first + "_ss.xji", "Data/Klc/" + first + "_s.xji",
                             "Data/Klc/" + first + "_b.xji", QString("Data/Res/zz_s.png"),
                             QString("Data/Res/l_red_b.png"), QString("Data/Res/j_red_s.png"),
                             QString("Data/Res/oo_b.png"), QString("Data/Res/l_s.png"),
                             QString("Data/Res/dzz_b.png"), QString("Data/Res/sz_s.png")})
        EXPECT_TRUE(paths.contains(p)) << p.toStdString();
    EXPECT_FALSE(paths.contains("Data/Res/a_red_s.png"));
    // 5 pictures per word, 2 masks, 2 sizes of every tile.
    EXPECT_EQ(plan.size(), ShippedWords().size() * 5 + 2 + words::TilesFor(ShippedWords()).size() * 2);
}

TEST(Drawings, EveryWordHasAValidDrawing)
{
    for (const auto& word : ShippedWords()) {
        const QByteArray svg = ReadFile(SourceDir() + "/" + words::DrawingPath(word));
        const QImage big = words::BigPicture(svg, words::kBigSmall);
        // A drawing that rendered nothing would leave the picture white.
        const int painted = CountPixels(big, [](QRgb p) { return p != qRgb(255, 255, 255); });
        EXPECT_GT(painted, big.width() * big.height() / 40) << word.name.toStdString();
    }
}

TEST(FrameMask, IsPureAndSurvivesJpeg)
{
    for (QSize size : {words::kBigSmall, words::kBigLarge}) {
        const QImage mask = words::FrameMask(size);
        ASSERT_EQ(mask.size(), size);
        EXPECT_EQ(mask.pixel(0, 0), qRgb(0, 0, 0));
        EXPECT_EQ(mask.pixel(size.width() - 1, size.height() - 1), qRgb(0, 0, 0));
        EXPECT_EQ(mask.pixel(size.width() / 2, size.height() / 2), qRgb(255, 255, 255));
        // The corners are rounded off: the first white block of a straight edge is black there.
        EXPECT_EQ(mask.pixel(9, 9), qRgb(0, 0, 0));
        EXPECT_EQ(mask.pixel(9, size.height() / 2), qRgb(255, 255, 255));
        const QImage decoded = JpegRoundTrip(mask);
        ASSERT_EQ(decoded.size(), size);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                ASSERT_EQ(decoded.pixel(x, y), mask.pixel(x, y)) << x << "," << y;
    }
}

TEST(BigPicture, StaysWhiteOutsideTheMaskEvenAfterJpeg)
{
    for (QSize size : {words::kBigSmall, words::kBigLarge}) {
        const QImage mask = words::FrameMask(size);
        for (const QByteArray& svg : {kFullDrawing, kSmallDrawing}) {
            const QImage decoded = JpegRoundTrip(words::BigPicture(svg, size));
            ASSERT_EQ(decoded.size(), size);
            int outside = 0;
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < size.width(); ++x)
                    if (mask.pixel(x, y) == qRgb(0, 0, 0)) {
                        ++outside;
                        ASSERT_EQ(decoded.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
                    }
            EXPECT_GT(outside, 0);
        }
    }
}

TEST(BigPicture, KeepsTheDrawingInProportionAndCentred)
{
    const QImage big = words::BigPicture(kFullDrawing, words::kBigLarge);
    // A square drawing in a wide picture: painted in the middle, white at the sides.
    const int midY = big.height() / 2;
    EXPECT_TRUE(IsReddish(big.pixel(big.width() / 2, midY)));
    EXPECT_EQ(big.pixel(words::kBigLarge.width() / 2 - big.height() / 2 - 2, midY),
              qRgb(255, 255, 255));
    int left = 0, right = 0;
    for (int x = 0; x < big.width() / 2; ++x) {
        left += big.pixel(x, midY) != qRgb(255, 255, 255);
        right += big.pixel(big.width() - 1 - x, midY) != qRgb(255, 255, 255);
    }
    EXPECT_NEAR(left, right, 2);
}

TEST(Thumbnail, FillsItsSquareWithACardAndTheObject)
{
    const QByteArray svg = kSmallDrawing;
    for (int side : words::kThumbSides) {
        const QImage thumb = words::Thumbnail(svg, side);
        ASSERT_EQ(thumb.size(), QSize(side, side));
        // The card is not pure white, so the picture sits on a maze cell as a card, not a hole.
        EXPECT_NE(thumb.pixel(1, 1), qRgb(255, 255, 255));
        // The yellow object fills a good part of it, however little of its view it paints.
        const int yellow = CountPixels(thumb, [](QRgb p) {
            return qRed(p) > 220 && qGreen(p) > 150 && qBlue(p) < 120;
        });
        EXPECT_GT(yellow, side * side / 3) << side;
        EXPECT_GT(qGreen(thumb.pixel(side / 2, side / 2)), 150) << "centred";
        EXPECT_LT(qBlue(thumb.pixel(side / 2, side / 2)), 120) << "centred";
    }
}

TEST(ScaleStrokes, MultipliesOnlyStrokeWidths)
{
    const QByteArray in = "<path stroke-width=\"4\" width=\"4\"/><g stroke-width=\"2.5\">";
    const QByteArray out = words::ScaleStrokes(in, 2);
    EXPECT_TRUE(out.contains("stroke-width=\"8.000\""));
    EXPECT_TRUE(out.contains("stroke-width=\"5.000\""));
    EXPECT_TRUE(out.contains(" width=\"4\""));
}

TEST(RenderFitted, RejectsABrokenDrawing)
{
    EXPECT_THROW(words::RenderFitted("<svg", QSize(10, 10), QRectF(0, 0, 10, 10)), std::runtime_error);
}

TEST(TileImage, ShowsThePlainLetterInBlackAndThePractisedOneInRed)
{
    for (int side : {words::kTileSmall, words::kTileLarge}) {
        const QImage plain = words::TileImage(QStringLiteral("l"), side, false);
        const QImage red = words::TileImage(QStringLiteral("l"), side, true);
        ASSERT_EQ(plain.size(), QSize(side, side));
        ASSERT_EQ(red.size(), QSize(side, side));
        EXPECT_EQ(CountPixels(plain, IsReddish), 0);
        EXPECT_GT(CountPixels(red, IsReddish), side / 2);
        // The red tile's letter is not black: only the tile's outline is dark there.
        EXPECT_LT(CountPixels(red, IsDark), CountPixels(plain, IsDark));
    }
}

TEST(TileImage, DrawsTheLetterAsked)
{
    const QImage l = words::TileImage(QStringLiteral("l"), words::kTileLarge, false);
    const QImage m = words::TileImage(QStringLiteral("m"), words::kTileLarge, false);
    const QImage z = words::TileImage(QStringLiteral("ż"), words::kTileLarge, false);
    const QImage zPlain = words::TileImage(QStringLiteral("z"), words::kTileLarge, false);
    EXPECT_LT(CountPixels(l, IsDark), CountPixels(m, IsDark));
    EXPECT_NE(z, zPlain);  // the dot of ż is there
    // A piece of several letters is one tile holding them all, still inside the tile.
    const QImage two = words::TileImage(QStringLiteral("dż"), words::kTileSmall, false);
    const QImage one = words::TileImage(QStringLiteral("ż"), words::kTileSmall, false);
    EXPECT_GT(CountPixels(two, IsDark), CountPixels(one, IsDark));
    EXPECT_EQ(two.pixel(two.width() / 2, 1), one.pixel(one.width() / 2, 1));
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
