// SPDX-License-Identifier: GPL-3.0-or-later
// Every file of the generated Data folder against the manifest: it exists, decodes with the
// program's own decoders, has its size, masks are pure black and white, state pictures are white
// outside their mask, sounds are the wave format the program plays, and mazes are playable.
#include "mazes_check.h"
#include "platform/imagefiles.h"
#include "platform/wavefile.h"
#include "support/manifest.h"
#include "support/programfolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSet>
#include <gtest/gtest.h>

namespace {

QString AppFolder()
{
    return QFileInfo(ProgramFolder::GeneratedData()).absolutePath();
}

QString Full(const QString& relative)
{
    return AppFolder() + "/" + relative;
}

QImage Decode(const ManifestEntry& e)
{
    if (e.kind == "jpeg")
        return DecodeJpegFile(Full(e.path));
    if (e.kind == "bmp" || e.kind == "bmpgrey")
        return DecodeBmpFile(Full(e.path));
    QImage png;
    if (!png.load(Full(e.path), "PNG"))
        throw ImageError("cannot read PNG " + e.path.toStdString());
    return png.convertToFormat(QImage::Format_RGB32);
}

bool IsPicture(const ManifestEntry& e)
{
    return e.kind == "jpeg" || e.kind == "bmp" || e.kind == "bmpgrey" || e.kind == "png";
}

const Manifest& TheManifest()
{
    static const Manifest manifest = Manifest::Load();
    return manifest;
}

}  // namespace

TEST(Manifest, ListsEveryFileOnceAndNothingElseIsInData)
{
    QSet<QString> listed;
    for (const ManifestEntry& e : TheManifest().Entries()) {
        EXPECT_FALSE(listed.contains(e.path)) << e.path.toStdString() << " listed twice";
        listed.insert(e.path);
        EXPECT_TRUE(QFile::exists(Full(e.path))) << e.path.toStdString() << " (" << e.group.toStdString() << ")";
    }
    EXPECT_GT(listed.size(), 400);
    QDirIterator it(ProgramFolder::GeneratedData(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString relative = QDir(AppFolder()).relativeFilePath(it.next());
        EXPECT_TRUE(listed.contains(relative)) << relative.toStdString() << " is made but not listed";
    }
}

TEST(Manifest, PicturesDecodeWithTheProgramsDecodersAtTheirSizes)
{
    int checked = 0;
    for (const ManifestEntry& e : TheManifest().Entries()) {
        if (!IsPicture(e))
            continue;
        QImage picture;
        try {
            picture = Decode(e);
        } catch (const ImageError& error) {
            ADD_FAILURE() << error.what();
            continue;
        }
        ++checked;
        EXPECT_EQ(picture.width(), e.width) << e.path.toStdString();
        EXPECT_EQ(picture.height(), e.height) << e.path.toStdString();
        if (e.kind == "bmpgrey") {
            EXPECT_EQ(picture.format(), QImage::Format_Grayscale8) << e.path.toStdString();
        }
        if (e.kind == "bmp") {
            EXPECT_EQ(picture.format(), QImage::Format_RGB32) << e.path.toStdString();
        }
    }
    EXPECT_GT(checked, 300);
}

TEST(Manifest, MasksArePureAndStatePicturesWhiteOutsideThem)
{
    for (const ManifestEntry& e : TheManifest().Entries()) {
        if (!e.mask && e.whiteOutsideOf.isEmpty())
            continue;
        QImage picture;
        try {
            picture = Decode(e).convertToFormat(QImage::Format_RGB32);
        } catch (const ImageError& error) {
            ADD_FAILURE() << error.what();
            continue;
        }
        if (e.mask) {
            // A JPEG mask with curved edges can only come near pure black and white.
            const int t = e.maskTolerance;
            int impure = 0;
            for (int y = 0; y < picture.height(); ++y)
                for (int x = 0; x < picture.width(); ++x) {
                    const QRgb p = picture.pixel(x, y);
                    const int lo = std::max({qRed(p), qGreen(p), qBlue(p)});
                    const int hi = std::min({qRed(p), qGreen(p), qBlue(p)});
                    impure += lo > t && hi < 255 - t;
                }
            EXPECT_EQ(impure, 0) << e.path.toStdString() << " is not pure black and white";
        }
        if (!e.whiteOutsideOf.isEmpty()) {
            const auto maskEntry = TheManifest().Find(e.whiteOutsideOf);
            ASSERT_TRUE(maskEntry) << e.path.toStdString() << ": its mask is not listed";
            const QImage mask = Decode(*maskEntry).convertToFormat(QImage::Format_RGB32);
            ASSERT_EQ(mask.size(), picture.size()) << e.path.toStdString();
            int notWhite = 0;
            for (int y = 0; y < picture.height(); ++y)
                for (int x = 0; x < picture.width(); ++x)
                    if (qGray(mask.pixel(x, y)) < 128) {
                        const QRgb p = picture.pixel(x, y);
                        notWhite += std::min({qRed(p), qGreen(p), qBlue(p)}) < 255 - e.whiteTolerance;
                    }
            EXPECT_EQ(notWhite, 0) << e.path.toStdString() << " is not white outside its mask";
        }
    }
}

TEST(Manifest, SoundsArePcm22050MonoSixteenBitWithData)
{
    int sounds = 0;
    for (const ManifestEntry& e : TheManifest().Entries()) {
        if (e.kind != "wav")
            continue;
        ++sounds;
        WaveInfo wave;
        ASSERT_TRUE(ReadWaveFile(Full(e.path), wave)) << e.path.toStdString();
        EXPECT_EQ(wave.formatTag, 1) << e.path.toStdString();
        EXPECT_EQ(wave.sampleRate, 22050) << e.path.toStdString();
        EXPECT_EQ(wave.channels, 1) << e.path.toStdString();
        EXPECT_EQ(wave.bitsPerSample, 16) << e.path.toStdString();
        EXPECT_GT(wave.DurationMs(), 200) << e.path.toStdString();
        EXPECT_LT(wave.DurationMs(), 5000) << e.path.toStdString();
    }
    EXPECT_GE(sounds, 11 + 8 + 5 + 9);
}

TEST(Manifest, MazesArePlayable)
{
    int mazesChecked = 0;
    for (const ManifestEntry& e : TheManifest().Entries()) {
        if (e.kind != "maze")
            continue;
        QFile file(Full(e.path));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << e.path.toStdString();
        mazes::Maze maze;
        QString reason;
        ASSERT_TRUE(mazes::ReadMaze(file.readAll(), maze, &reason)) << e.path.toStdString() << ": "
                                                                    << reason.toStdString();
        const QStringList problems = mazes::CheckMaze(maze);
        EXPECT_TRUE(problems.isEmpty()) << e.path.toStdString() << ": " << problems.join("; ").toStdString();
        ++mazesChecked;
    }
    EXPECT_EQ(mazesChecked, 9);
    QFile index(Full("Data/Intf/Lab/labir.def"));
    ASSERT_TRUE(index.open(QIODevice::ReadOnly));
    int count = 0;
    ASSERT_TRUE(mazes::ReadIndex(index.readAll(), &count));
    EXPECT_EQ(count, 3);
}
