// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the word pictures (big ones with their mask, small ones for tiles and maze cells) and the
// letter tiles of the picture store, from words.txt, the picture set and our own drawings in svg/.
#include "assetkit.h"
#include "wordart.h"

#include <QFile>
#include <QImage>
#include <cstdio>
#include <stdexcept>

namespace {

// Reads back a written picture the way the games will see it and insists that every pixel the
// mask leaves outside is still pure white: JPEG must not have smeared colour there.
void CheckWhiteOutside(const kit::Generator& gen, const QString& picture, const QImage& mask)
{
    const QImage decoded = QImage(gen.Target(picture)).convertToFormat(QImage::Format_RGB32);
    if (decoded.size() != mask.size())
        throw std::runtime_error("cannot read back " + picture.toStdString());
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            if (qGray(mask.pixel(x, y)) < 128 && decoded.pixel(x, y) != qRgb(255, 255, 255))
                throw std::runtime_error(picture.toStdString() + " is not white outside its mask");
}

void CheckPureMask(const kit::Generator& gen, const QString& path)
{
    const QImage decoded = QImage(gen.Target(path)).convertToFormat(QImage::Format_RGB32);
    if (decoded.isNull())
        throw std::runtime_error("cannot read back " + path.toStdString());
    for (int y = 0; y < decoded.height(); ++y)
        for (int x = 0; x < decoded.width(); ++x) {
            const QRgb p = decoded.pixel(x, y);
            if (p != qRgb(0, 0, 0) && p != qRgb(255, 255, 255))
                throw std::runtime_error(path.toStdString() + " is not pure black and white");
        }
}

// The manifest is made from words::Plan: a file written here but missing there (or the other way
// round) would make the manifest lie, so the run fails instead.
void CheckAgainstPlan(const QStringList& written, const QList<words::Word>& list)
{
    QStringList planned;
    for (const words::Output& o : words::Plan(list))
        planned.append(o.path);
    if (written != planned)
        throw std::runtime_error("the files written differ from the planned manifest");
}

void Make(kit::Generator& gen)
{
    const QList<words::Word> list = words::ParseWordList(QString::fromUtf8(gen.ReadSource("words.txt")));
    QStringList written;

    const struct {
        QSize size;
        QString maskPath;
        QString suffix;
    } bigKinds[2] = {{words::kBigSmall, "Data/Bion/_matr_shs.xji", "_shs"},
                     {words::kBigLarge, "Data/Bion/_matr_shb.xji", "_shb"}};
    for (const auto& kind : bigKinds) {
        gen.WriteJpeg(kind.maskPath, words::FrameMask(kind.size), words::kJpegQuality);
        CheckPureMask(gen, kind.maskPath);
        written.append(kind.maskPath);
    }

    static const char* const thumbSuffixes[3] = {"_ss", "_s", "_b"};
    for (const words::Word& word : list) {
        const QByteArray svg = gen.ReadSource(words::DrawingPath(word));
        for (const auto& kind : bigKinds) {
            const QString path = "Data/Bion/" + word.name + kind.suffix + ".xji";
            gen.WriteJpeg(path, words::BigPicture(svg, kind.size), words::kJpegQuality);
            CheckWhiteOutside(gen, path, words::FrameMask(kind.size));
            written.append(path);
        }
        for (int i = 0; i < 3; ++i) {
            const QString path = "Data/Klc/" + word.name + thumbSuffixes[i] + ".xji";
            gen.WriteJpeg(path, words::Thumbnail(svg, words::kThumbSides[i]), words::kJpegQuality);
            written.append(path);
        }
    }

    for (const words::Tile& tile : words::TilesFor(list)) {
        const struct {
            const char* suffix;
            int side;
        } sizes[2] = {{"_s", words::kTileSmall}, {"_b", words::kTileLarge}};
        for (const auto& size : sizes) {
            const QString name = tile.storeName + size.suffix;
            gen.WriteStore(name, words::TileImage(tile.letter, size.side, tile.red));
            written.append("Data/Res/" + name + ".png");
        }
    }
    CheckAgainstPlan(written, list);
}

// Writes the manifests of the words and of their spoken sounds for the word list of the assets
// folder `assets`: run after the list changed (cmake --build build --target word_manifests).
int WriteManifests(const QString& assets)
{
    try {
        auto read = [](const QString& path) {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                throw std::runtime_error("cannot read " + path.toStdString());
            return QString::fromUtf8(file.readAll());
        };
        auto write = [](const QString& path, const QString& text) {
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text.toUtf8()) < 0)
                throw std::runtime_error("cannot write " + path.toStdString());
        };
        const QList<words::Word> list = words::ParseWordList(read(assets + "/groups/words/words.txt"));
        write(assets + "/groups/words/manifest.txt", words::ManifestText(list));
        const QString speech = assets + "/groups/speech/manifest.txt";
        write(speech, words::SpeechManifestWith(read(speech), list));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && QByteArray(argv[1]) == "--manifests")
        return WriteManifests(QString::fromLocal8Bit(argv[2]));
    return kit::Main(argc, argv, Make);
}
