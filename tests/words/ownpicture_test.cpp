// SPDX-License-Identifier: GPL-3.0-or-later
// The picture of an own word: a photo read with its limits, made into every form the games show as
// the built-in pictures look, written all or none; files that are no safe picture are refused.
#include "platform/imagefiles.h"
#include "shell/ownwordfiles.h"
#include "support/programfolder.h"
#include "words/ownpicture.h"
#include "words/wordframe.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QThreadPool>
#include <functional>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QString kId = QStringLiteral("own_0badf00d");
const QSize kSizes[] = {words::kBigSmall, words::kBigLarge, QSize(58, 58), QSize(76, 76), QSize(98, 98)};

QByteArray Encoded(const QImage& picture, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, format, 95);
    return bytes;
}

void Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

QByteArray Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A landscape photo: saturated stripes (the hardest case for JPEG beside the mask's white) and a
// green disc in the middle; the left half of an ARGB one is transparent.
QImage Photo(QImage::Format format = QImage::Format_RGB32)
{
    QImage photo(1200, 800, format);
    photo.fill(Qt::transparent);
    QPainter painter(&photo);
    for (int x = format == QImage::Format_RGB32 ? 0 : 600; x < 1200; x += 40)
        painter.fillRect(x, 0, 20, 800, x % 80 ? Qt::red : Qt::blue);
    painter.setBrush(Qt::green);
    painter.drawEllipse(QPointF(600, 400), 150, 150);
    return photo;
}

bool Near(QRgb a, QRgb b, int tolerance)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

// `bytes` with the big-endian `value` of `count` bytes at `at`.
QByteArray Patched(QByteArray bytes, qsizetype at, quint32 value, int count)
{
    for (int i = 0; i < count; ++i)
        bytes[at + i] = char(value >> (8 * (count - 1 - i)));
    return bytes;
}

// A PNG whose header claims `side` pixels a side, its checksum right so that only the size lies.
QByteArray PngClaiming(quint32 side)
{
    QByteArray png = Patched(Patched(Encoded(QImage(8, 8, QImage::Format_RGB32), "PNG"), 16, side, 4), 20, side, 4);
    quint32 crc = 0xFFFFFFFF;
    for (char c : png.mid(12, 17)) {
        crc ^= quint8(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    return Patched(png, 29, ~crc, 4);
}

// Runs `save` as an unprivileged user when the test runs as root (who writes anywhere): 1 when it
// saved, 0 when it refused, -1 when it could not be run or died.
int SavedAsUser(const std::function<bool()>& save)
{
    if (geteuid() != 0)
        return save() ? 1 : 0;
    // Picture conversions run on the thread pool, whose threads a forked child would wait for in
    // vain: the child starts its own.
    QThreadPool::globalInstance()->waitForDone();
    const pid_t child = fork();
    if (child == 0)
        _exit(setgid(65534) != 0 || setuid(65534) != 0 ? 2 : save() ? 1 : 0);
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) < 2 ? WEXITSTATUS(status) : -1;
}

}  // namespace

TEST(OwnPicture, APhotoBecomesEveryFormAsTheBuiltInPicturesLook)
{
    QTemporaryDir user;
    const QString data = ProgramFolder::GeneratedData();
    const QImage masks[2] = {DecodeJpegFile(data + "/Bion/_matr_shs.xji"), DecodeJpegFile(data + "/Bion/_matr_shb.xji")};
    const QImage builtInCard = DecodeJpegFile(data + "/Klc/agrafka_b.xji");
    Write(user.filePath("photo.jpg"), Encoded(Photo(), "JPG"));
    Write(user.filePath("photo.png"), Encoded(Photo(QImage::Format_ARGB32), "PNG"));
    for (const QString name : {"photo.jpg", "photo.png"}) {
        SCOPED_TRACE(name.toStdString());
        QString problem;
        const QImage photo = ownpicture::LoadPhoto(user.filePath(name), &problem);
        ASSERT_EQ(photo.size(), QSize(1200, 800)) << problem.toStdString();
        EXPECT_EQ(photo.format(), QImage::Format_RGB32);
        EXPECT_TRUE(name.endsWith("jpg") || photo.pixel(10, 10) == qRgb(255, 255, 255));  // transparent on white
        const ownpicture::Forms forms = ownpicture::MakeForms(photo, ownpicture::DefaultCrop(photo.size()));
        ASSERT_TRUE(ownpicture::SaveForms(user.path(), kId, forms, &problem)) << problem.toStdString();
        for (int i = 0; i < 5; ++i) {
            const QImage saved = DecodeJpegFile(ownfiles::PictureFile(user.path(), kId, ownfiles::PictureSuffixes()[i]));
            ASSERT_EQ(saved.size(), kSizes[i]);
            EXPECT_TRUE(Near(saved.pixel(saved.width() / 2, saved.height() / 2), qRgb(0, 255, 0), 40)) << i;
            int colouredOutside = 0;
            for (int y = 0; i < 2 && y < saved.height(); ++y)
                for (int x = 0; x < saved.width(); ++x)
                    colouredOutside += qGray(masks[i].pixel(x, y)) < 128 && saved.pixel(x, y) != qRgb(255, 255, 255);
            EXPECT_EQ(colouredOutside, 0) << i;
        }
        // The tile's card is the built-in words' card.
        EXPECT_TRUE(Near(DecodeJpegFile(ownfiles::PictureFile(user.path(), kId, "_b")).pixel(1, 1),
                         builtInCard.pixel(1, 1), 8));
    }
    // A phone's photo stored on its side, with an Exif note to turn it clockwise, comes upright.
    const QByteArray turn("\xFF\xE1\x00\x22"
                          "Exif\0\0MM\0\x2A\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0\x06\0\0\0\0\0\0",
                          36);
    Write(user.filePath("turned.jpg"), Encoded(Photo(), "JPG").insert(2, turn));
    const QImage turned = ownpicture::LoadPhoto(user.filePath("turned.jpg"), nullptr);
    EXPECT_EQ(turned.size(), QSize(800, 1200));
    EXPECT_EQ(turned.format(), QImage::Format_RGB32);
}

TEST(OwnPicture, FilesThatAreNoSafePictureAreRefused)
{
    QTemporaryDir folder;
    const QByteArray jpeg = Encoded(Photo(), "JPG");
    const QByteArray png = Encoded(Photo(), "PNG");
    const QByteArray smallJpeg = Encoded(QImage(8, 8, QImage::Format_RGB32), "JPG");
    const qsizetype frame = smallJpeg.indexOf(QByteArray("\xFF\xC0", 2));
    const struct {
        const char* name;
        QByteArray bytes;
        const char* problem;
    } cases[] = {
        {"text.jpg", "Lista zakupów: mleko, chleb.\n", "Ten plik nie jest obrazkiem JPEG ani PNG."},
        {"cut.jpg", jpeg.left(jpeg.size() / 2), "Obrazek jest uszkodzony."},
        {"cut-png-named.jpg", png.left(png.size() / 2), "Obrazek jest uszkodzony."},
        {"huge.png", PngClaiming(100000), "Obrazek jest za duży: najwyżej 4096 × 4096 pikseli."},
        {"huge.jpg", Patched(Patched(smallJpeg, frame + 5, 5000, 2), frame + 7, 5000, 2),
         "Obrazek jest za duży: najwyżej 4096 × 4096 pikseli."},
    };
    for (const auto& c : cases) {
        Write(folder.filePath(c.name), c.bytes);
        QString problem;
        EXPECT_TRUE(ownpicture::LoadPhoto(folder.filePath(c.name), &problem).isNull()) << c.name;
        EXPECT_EQ(problem, QString::fromUtf8(c.problem)) << c.name;
    }
    // Past the byte limit (a sparse file: no disk is filled), refused before it is read.
    QFile big(folder.filePath("big.jpg"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.write(jpeg) && big.resize(ownpicture::kMaxFileBytes + 1));
    big.close();
    QString problem;
    EXPECT_TRUE(ownpicture::LoadPhoto(big.fileName(), &problem).isNull());
    EXPECT_EQ(problem, QString::fromUtf8("Plik jest za duży: najwyżej 30 MB."));
}

TEST(OwnPicture, AFolderThatCannotBeWrittenKeepsTheOldPictures)
{
    QTemporaryDir user;
    QString problem;
    ASSERT_TRUE(ownpicture::SaveForms(user.path(), kId, ownpicture::MakeForms(Photo(), {0, 0, 400, 400}), &problem));
    QList<QByteArray> before;
    for (const QString& suffix : ownfiles::PictureSuffixes())
        before.append(Read(ownfiles::PictureFile(user.path(), kId, suffix)));

    const QString folder = ownfiles::WordFolder(user.path(), kId);
    const auto open = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
    QFile::setPermissions(user.path(), open | QFile::WriteOwner);
    QFile::setPermissions(folder, open);
    const ownpicture::Forms other = ownpicture::MakeForms(Photo(), {800, 400, 400, 400});
    EXPECT_EQ(SavedAsUser([&] { return ownpicture::SaveForms(user.path(), kId, other, &problem); }), 0);
    QFile::setPermissions(folder, open | QFile::WriteOwner);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Read(ownfiles::PictureFile(user.path(), kId, ownfiles::PictureSuffixes()[i])), before[i]);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 5);
}

TEST(OwnPicture, ABuiltInPictureIsCopiedWhole)
{
    QTemporaryDir user;
    const QString data = QFileInfo(ProgramFolder::GeneratedData()).path();
    QString problem;
    ASSERT_TRUE(ownpicture::CopyBuiltInPicture(data, "agrafka", user.path(), kId, &problem)) << problem.toStdString();
    EXPECT_EQ(Read(ownfiles::PictureFile(user.path(), kId, "_shb")), Read(data + "/Data/Bion/agrafka_shb.xji"));
    EXPECT_EQ(Read(ownfiles::PictureFile(user.path(), kId, "_ss")), Read(data + "/Data/Klc/agrafka_ss.xji"));

    const QString other = QStringLiteral("own_00000001");
    EXPECT_FALSE(ownpicture::CopyBuiltInPicture(data, "niematakiego", user.path(), other, &problem));
    EXPECT_FALSE(ownpicture::CopyBuiltInPicture(data, "../Bion/agrafka", user.path(), other, &problem));
    EXPECT_FALSE(QFileInfo::exists(ownfiles::WordFolder(user.path(), other) + "/" + other + "_shs.xji"));
}
