// SPDX-License-Identifier: GPL-3.0-or-later
// The picture of an own word (see ownpicture.h): reading the picked photo with every limit checked
// before anything large is allocated, framing it as the built-in words' pictures are framed
// (wordframe.h), and writing its five files all or none.
#include "words/ownpicture.h"

#include "platform/imagefiles.h"
#include "platform/safefile.h"
#include "shell/ownwordfiles.h"
#include "words/wordframe.h"

#include <QBrush>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QRegularExpression>
#include <QTransform>
#include <algorithm>
#include <cmath>

namespace ownpicture {

namespace {

constexpr double kMinCropSide = 16;
// The reader's memory for one decoded PNG: a picture of kMaxSide a side with 16-bit channels.
constexpr int kPngMemoryMegabytes = 128;
// How round a photo's corners are, as a share of its side.
constexpr double kCornerShare = 0.12;

// The forms in the order of ownfiles::PictureSuffixes(): the two big pictures come first.
constexpr int kBigForms = 2;
const QSize kFormSizes[] = {words::kBigSmall, words::kBigLarge, QSize(words::kThumbSides[0], words::kThumbSides[0]),
                            QSize(words::kThumbSides[1], words::kThumbSides[1]),
                            QSize(words::kThumbSides[2], words::kThumbSides[2])};
constexpr int kFormCount = int(std::size(kFormSizes));

// Extensions of the files while they are being put in place.
const QString kNewSuffix = QStringLiteral(".nowy");
const QString kOldSuffix = QStringLiteral(".stary");

QImage Refuse(QString* problem, const QString& text)
{
    if (problem)
        *problem = text;
    return {};
}

bool Fail(QString* problem, const QString& text)
{
    if (problem)
        *problem = text;
    return false;
}

QString TooManyPixels()
{
    return QStringLiteral("Obrazek jest za duży: najwyżej %1 × %1 pikseli.").arg(kMaxSide);
}

QString Broken()
{
    return QStringLiteral("Obrazek jest uszkodzony.");
}

bool IsOversized(const QSize& size)
{
    return size.width() > kMaxSide || size.height() > kMaxSide;
}

// A phone's photo is often stored lying on its side, with a note of how to turn it.
QImage Upright(const QImage& image, QImageIOHandler::Transformations turn)
{
    if (turn == QImageIOHandler::TransformationNone)
        return image;
    QImage out = image.mirrored(turn & QImageIOHandler::TransformationMirror,
                                turn & QImageIOHandler::TransformationFlip);
    if (turn & QImageIOHandler::TransformationRotate90)
        out = out.transformed(QTransform().rotate(90));
    return out;
}

QImage LoadJpeg(const QByteArray& bytes, QString* problem)
{
    // The header alone, to tell a picture that is too large from a broken one and to learn how it
    // is turned; the pixels go through the program's own decoder and its limits.
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader header(&buffer, "jpeg");
    if (IsOversized(header.size()))
        return Refuse(problem, TooManyPixels());
    const QImageIOHandler::Transformations turn = header.transformation();
    try {
        return Upright(DecodeJpeg(bytes), turn);
    } catch (const ImageError&) {
        return Refuse(problem, Broken());
    }
}

QImage LoadPng(const QByteArray& bytes, QString* problem)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    // Qt's limit holds for every reader of the process: it is only ever lowered here.
    const int limit = QImageReader::allocationLimit();
    if (limit <= 0 || limit > kPngMemoryMegabytes)
        QImageReader::setAllocationLimit(kPngMemoryMegabytes);
    QImageReader reader(&buffer, "png");
    const QSize claimed = reader.size();
    if (IsOversized(claimed))
        return Refuse(problem, TooManyPixels());
    if (claimed.isEmpty())
        return Refuse(problem, Broken());
    const QImage image = reader.read();
    if (image.isNull() || image.size() != claimed)
        return Refuse(problem, Broken());
    // Transparent parts show white, as on the games' white pictures.
    QImage opaque(image.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    QPainter painter(&opaque);
    painter.drawImage(0, 0, image);
    return opaque;
}

// The crop as whole pixels of the photo.
QRect PixelCrop(const QRectF& crop, const QSize& photo)
{
    const QRectF kept = ClampCrop(crop, photo);
    const int side = std::clamp(int(std::lround(kept.width())), 1, std::min(photo.width(), photo.height()));
    const int left = std::clamp(int(std::lround(kept.left())), 0, photo.width() - side);
    const int top = std::clamp(int(std::lround(kept.top())), 0, photo.height() - side);
    return QRect(left, top, side, side);
}

// The photo's square as the largest square in `box`, on whole pixels, smooth-scaled, with softly
// rounded corners.
void DrawPhoto(QPainter& painter, const QImage& square, const QRectF& box)
{
    const int side = int(std::floor(std::min(box.width(), box.height())));
    const QPoint at(int(std::lround(box.center().x() - side / 2.0)), int(std::lround(box.center().y() - side / 2.0)));
    QBrush brush(square.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    brush.setTransform(QTransform::fromTranslate(at.x(), at.y()));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(brush);
    const double radius = side * kCornerShare;
    painter.drawRoundedRect(QRectF(at, QSizeF(side, side)), radius, radius);
    painter.restore();
}

QImage BigForm(const QImage& square, QSize size)
{
    QImage shape(size, QImage::Format_RGB32);
    shape.fill(Qt::white);
    QPainter painter(&shape);
    DrawPhoto(painter, square, words::BigPictureBox(size));
    painter.end();
    return words::WhiteOutside(shape, words::FrameMask(size));
}

QImage TileForm(const QImage& square, int side)
{
    QImage card = words::ThumbnailCard(side);
    QPainter painter(&card);
    DrawPhoto(painter, square, words::ThumbnailBox(side));
    painter.end();
    return card;
}

// A built-in word's name is part of the paths read from: nothing in it may lead elsewhere.
bool IsBuiltInName(const QString& name)
{
    static const QRegularExpression plain(QStringLiteral("^[a-z]+$"));
    return plain.match(name).hasMatch();
}

QString WriteProblem(const QString& folder)
{
    return QStringLiteral("Nie udało się zapisać obrazka słowa w folderze %1 (dysk pełny albo tylko do odczytu?).")
        .arg(QDir::toNativeSeparators(folder));
}

// Puts the five files of a word's picture in place, all or none: each is written beside its place
// and read back first, then the old files step aside, the new ones take their names, and only then
// are the old ones removed; at any failure everything is put back as it was.
bool PutFiles(const QString& userFolder, const QString& id, const std::vector<QByteArray>& files,
              QString* problem)
{
    if (!ownfiles::IsOwnWordId(id) || int(files.size()) != kFormCount)
        return Fail(problem, QStringLiteral("Nie udało się zapisać obrazka słowa."));
    const QString folder = ownfiles::WordFolder(userFolder, id);
    if (!QDir().mkpath(folder))
        return Fail(problem, WriteProblem(folder));

    QStringList targets;
    for (const QString& suffix : ownfiles::PictureSuffixes())
        targets.append(ownfiles::PictureFile(userFolder, id, suffix));
    auto removeAll = [&](const QString& extension) {
        for (const QString& target : targets)
            QFile::remove(target + extension);
    };

    // Leftovers of a run cut short are ours and of no use.
    removeAll(kNewSuffix);
    for (int i = 0; i < kFormCount; ++i) {
        const QString temporary = targets[i] + kNewSuffix;
        if (!CreateFileWhole(temporary, files[size_t(i)])) {
            removeAll(kNewSuffix);
            return Fail(problem, WriteProblem(folder));
        }
        bool readable = false;
        try {
            readable = DecodeJpegFile(temporary).size() == kFormSizes[i];
        } catch (const ImageError&) {
        }
        if (!readable) {
            removeAll(kNewSuffix);
            return Fail(problem, QStringLiteral("Zapisany obrazek słowa nie daje się odczytać; nic nie zmieniono."));
        }
    }

    // Old files step aside; a step that fails is undone.
    std::vector<bool> setAside(size_t(kFormCount), false);
    auto restore = [&] {
        for (int i = 0; i < kFormCount; ++i)
            if (setAside[size_t(i)]) {
                QFile::remove(targets[i]);
                QFile::rename(targets[i] + kOldSuffix, targets[i]);
            }
        removeAll(kNewSuffix);
    };
    for (int i = 0; i < kFormCount; ++i) {
        if (!QFileInfo::exists(targets[i]))
            continue;
        QFile::remove(targets[i] + kOldSuffix);
        if (!QFile::rename(targets[i], targets[i] + kOldSuffix)) {
            restore();
            return Fail(problem, WriteProblem(folder));
        }
        setAside[size_t(i)] = true;
    }
    for (int i = 0; i < kFormCount; ++i)
        if (!QFile::rename(targets[i] + kNewSuffix, targets[i])) {
            for (int j = 0; j < i; ++j)
                if (!setAside[size_t(j)])
                    QFile::remove(targets[j]);
            restore();
            return Fail(problem, WriteProblem(folder));
        }
    removeAll(kOldSuffix);
    SyncFolderOf(targets.first());
    return true;
}

}  // namespace

QImage LoadPhoto(const QString& path, QString* problem)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return Refuse(problem, QStringLiteral("Nie ma takiego pliku albo nie jest to zwykły plik."));
    const QString tooBig = QStringLiteral("Plik jest za duży: najwyżej %1 MB.").arg(kMaxFileBytes / (1024 * 1024));
    if (info.size() > kMaxFileBytes)
        return Refuse(problem, tooBig);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Refuse(problem, QStringLiteral("Nie można otworzyć tego pliku."));
    const QByteArray bytes = file.read(kMaxFileBytes + 1);
    if (bytes.size() > kMaxFileBytes)
        return Refuse(problem, tooBig);
    // The content decides, whatever the file's name says.
    if (bytes.startsWith(QByteArray("\xFF\xD8\xFF", 3)))
        return LoadJpeg(bytes, problem);
    if (bytes.startsWith(QByteArray("\x89PNG\r\n\x1A\n", 8)))
        return LoadPng(bytes, problem);
    return Refuse(problem, QStringLiteral("Ten plik nie jest obrazkiem JPEG ani PNG."));
}

QRectF DefaultCrop(const QSize& photo)
{
    if (photo.isEmpty())
        return {};
    const int side = std::min(photo.width(), photo.height());
    return QRectF((photo.width() - side) / 2.0, (photo.height() - side) / 2.0, side, side);
}

QRectF ClampCrop(const QRectF& crop, const QSize& photo)
{
    if (photo.isEmpty())
        return {};
    const double shorter = std::min(photo.width(), photo.height());
    double side = std::max(crop.width(), crop.height());
    if (!(side >= kMinCropSide))  // NaN too
        side = kMinCropSide;
    side = std::min(side, shorter);
    QPointF centre = crop.center();
    if (!std::isfinite(centre.x()) || !std::isfinite(centre.y()))
        centre = QPointF(photo.width() / 2.0, photo.height() / 2.0);
    const double left = std::clamp(centre.x() - side / 2, 0.0, photo.width() - side);
    const double top = std::clamp(centre.y() - side / 2, 0.0, photo.height() - side);
    return QRectF(left, top, side, side);
}

namespace {
QImage Square(const QImage& photo, const QRectF& crop)
{
    return photo.copy(PixelCrop(crop, photo.size())).convertToFormat(QImage::Format_RGB32);
}
}  // namespace

Forms MakeForms(const QImage& photo, const QRectF& crop)
{
    Forms forms;
    if (photo.isNull())
        return forms;
    const QImage square = Square(photo, crop);
    for (int i = 0; i < kFormCount; ++i)
        forms.pictures.push_back(i < kBigForms ? BigForm(square, kFormSizes[i])
                                               : TileForm(square, kFormSizes[i].width()));
    return forms;
}

QImage MakeBigPicture(const QImage& photo, const QRectF& crop)
{
    return photo.isNull() ? QImage() : BigForm(Square(photo, crop), words::kBigLarge);
}

bool SaveForms(const QString& userFolder, const QString& id, const Forms& forms, QString* problem)
{
    if (int(forms.pictures.size()) != kFormCount)
        return Fail(problem, QStringLiteral("Słowo nie ma jeszcze obrazka."));
    std::vector<QByteArray> files;
    for (int i = 0; i < kFormCount; ++i) {
        const QImage& picture = forms.pictures[size_t(i)];
        if (picture.size() != kFormSizes[i])
            return Fail(problem, QStringLiteral("Słowo nie ma jeszcze obrazka."));
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        // Written as the asset generator writes the built-in words' pictures.
        if (!picture.convertToFormat(QImage::Format_RGB888).save(&buffer, "JPG", words::kJpegQuality))
            return Fail(problem, QStringLiteral("Nie udało się zapisać obrazka słowa."));
        files.push_back(bytes);
    }
    return PutFiles(userFolder, id, files, problem);
}

bool CopyBuiltInPicture(const QString& dataFolder, const QString& name, const QString& userFolder,
                        const QString& id, QString* problem)
{
    if (!IsBuiltInName(name))
        return Fail(problem, QStringLiteral("Program nie ma takiego obrazka."));
    std::vector<QByteArray> files;
    const QStringList& suffixes = ownfiles::PictureSuffixes();
    for (int i = 0; i < kFormCount; ++i) {
        const QString path = dataFolder + (i < kBigForms ? QStringLiteral("/Data/Bion/") : QStringLiteral("/Data/Klc/")) +
                             name + suffixes[i] + QStringLiteral(".xji");
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return Fail(problem, QStringLiteral("Brakuje obrazka „%1” w folderze programu: %2.")
                                     .arg(name, QDir::toNativeSeparators(path)));
        files.push_back(file.read(kMaxFileBytes));
    }
    return PutFiles(userFolder, id, files, problem);
}

}  // namespace ownpicture
