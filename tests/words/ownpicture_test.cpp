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
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A landscape photo: saturated stripes all over (the hardest case for JPEG next to the mask's
// white) and a green disc in the middle; the left half of the PNG is transparent.
QImage Photo(QImage::Format format = QImage::Format_RGB32)
{
    QImage photo(1200, 800, format);
    photo.fill(Qt::transparent);
    QPainter painter(&photo);
    for (int x = format == QImage::Format_RGB32 ? 0 : 600; x < 1200; x += 40)
        painter.fillRect(x, 0, 20, 800, x % 80 ? Qt::red : Qt::blue);
    painter.setBrush(Qt::green);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(600, 400), 150, 150);
    return photo;
}

bool Near(QRgb a, QRgb b, int tolerance = 40)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

// The JPEG with an Exif note that it is to be turned 90 degrees clockwise, as phones store photos.
QByteArray TurnedJpeg(const QImage& picture)
{
    const QByteArray exif("\xFF\xE1\x00\x22"
                          "Exif\0\0MM\0\x2A\0\0\0\x08"
                          "\0\x01\x01\x12\0\x03\0\0\0\x01\0\x06\0\0"
                          "\0\0\0\0",
                          36);
    return Encoded(picture, "JPG").insert(2, exif);
}

quint32 Crc32(const QByteArray& bytes)
{
    quint32 crc = 0xFFFFFFFF;
    for (char c : bytes) {
        crc ^= quint8(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    return ~crc;
}

// A PNG whose header claims `side` pixels a side, its checksum made right so only the size lies.
QByteArray PngClaiming(quint32 side)
{
    QByteArray png = Encoded(QImage(8, 8, QImage::Format_RGB32), "PNG");
    for (int at : {16, 20})
        for (int i = 0; i < 4; ++i)
            png[at + i] = char(side >> (24 - 8 * i));
    const quint32 crc = Crc32(png.mid(12, 17));
    for (int i = 0; i < 4; ++i)
        png[29 + i] = char(crc >> (24 - 8 * i));
    return png;
}

// A baseline JPEG whose frame header claims `side` pixels a side.
QByteArray JpegClaiming(quint16 side)
{
    QByteArray jpeg = Encoded(QImage(8, 8, QImage::Format_RGB32), "JPG");
    const qsizetype frame = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    for (int at : {5, 7}) {
        jpeg[frame + at] = char(side >> 8);
        jpeg[frame + at + 1] = char(side & 0xFF);
    }
    return jpeg;
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
    const QImage masks[2] = {DecodeJpegFile(ProgramFolder::GeneratedData() + "/Bion/_matr_shs.xji"),
                             DecodeJpegFile(ProgramFolder::GeneratedData() + "/Bion/_matr_shb.xji")};
    // A built-in small picture's card, to compare the own one's with.
    const QImage builtInCard = DecodeJpegFile(ProgramFolder::GeneratedData() + "/Klc/agrafka_b.xji");
    Write(user.filePath("photo.jpg"), Encoded(Photo(), "JPG"));
    Write(user.filePath("photo.png"), Encoded(Photo(QImage::Format_ARGB32), "PNG"));
    for (const QString name : {"photo.jpg", "photo.png"}) {
        SCOPED_TRACE(name.toStdString());
        QString problem;
        const QImage photo = ownpicture::LoadPhoto(user.filePath(name), &problem);
        ASSERT_EQ(photo.size(), QSize(1200, 800)) << problem.toStdString();
        EXPECT_EQ(photo.format(), QImage::Format_RGB32);
        if (name.endsWith("png")) {
            EXPECT_EQ(photo.pixel(10, 10), qRgb(255, 255, 255));  // transparent on white
        }
        const ownpicture::Forms forms = ownpicture::MakeForms(photo, ownpicture::DefaultCrop(photo.size()));
        ASSERT_TRUE(ownpicture::SaveForms(user.path(), kId, forms, &problem)) << problem.toStdString();
        for (int i = 0; i < 5; ++i) {
            const QString file = ownfiles::PictureFile(user.path(), kId, ownfiles::PictureSuffixes()[i]);
            SCOPED_TRACE(file.toStdString());
            const QImage saved = DecodeJpegFile(file);
            ASSERT_EQ(saved.size(), kSizes[i]);
            EXPECT_TRUE(Near(saved.pixel(saved.width() / 2, saved.height() / 2), qRgb(0, 255, 0)));
            if (i < 2) {
                ASSERT_EQ(masks[i].size(), saved.size());
                int coloured = 0;
                for (int y = 0; y < saved.height(); ++y)
                    for (int x = 0; x < saved.width(); ++x)
                        coloured += qGray(masks[i].pixel(x, y)) < 128 && saved.pixel(x, y) != qRgb(255, 255, 255);
                EXPECT_EQ(coloured, 0) << "pixels not white outside the mask";
            } else if (i == 4) {
                EXPECT_TRUE(Near(saved.pixel(1, 1), builtInCard.pixel(1, 1), 8));
            }
        }
    }
    // A phone's photo stored on its side comes upright.
    Write(user.filePath("turned.jpg"), TurnedJpeg(Photo()));
    const QImage turned = ownpicture::LoadPhoto(user.filePath("turned.jpg"), nullptr);
    EXPECT_EQ(turned.size(), QSize(800, 1200));
    EXPECT_EQ(turned.format(), QImage::Format_RGB32);
}

TEST(OwnPicture, FilesThatAreNoSafePictureAreRefused)
{
    QTemporaryDir folder;
    const QByteArray jpeg = Encoded(Photo(), "JPG");
    const QByteArray png = Encoded(Photo(), "PNG");
    const struct {
        const char* name;
        QByteArray bytes;
        const char* problem;
    } cases[] = {
        {"text.jpg", "Lista zakupów: mleko, chleb.\n", "nie jest obrazkiem JPEG ani PNG"},
        {"cut.jpg", jpeg.left(jpeg.size() / 2), "uszkodzony"},
        {"cut.png", png.left(png.size() / 2), "uszkodzony"},
        {"png-named.jpg", png.left(png.size() - 200), "uszkodzony"},
        {"huge.png", PngClaiming(100000), "najwyżej 4096 × 4096 pikseli"},
        {"huge.jpg", JpegClaiming(5000), "najwyżej 4096 × 4096 pikseli"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Write(folder.filePath(c.name), c.bytes);
        QString problem;
        EXPECT_TRUE(ownpicture::LoadPhoto(folder.filePath(c.name), &problem).isNull());
        EXPECT_TRUE(problem.contains(QString::fromUtf8(c.problem))) << problem.toStdString();
    }
    // Past the byte limit (a sparse file: no disk is filled), refused before it is read.
    QFile big(folder.filePath("big.jpg"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write(jpeg);
    ASSERT_TRUE(big.resize(ownpicture::kMaxFileBytes + 1));
    big.close();
    QString problem;
    EXPECT_TRUE(ownpicture::LoadPhoto(big.fileName(), &problem).isNull());
    EXPECT_EQ(problem, QString::fromUtf8("Plik jest za duży: najwyżej 30 MB."));
}

TEST(OwnPicture, SavingIsAllOrNone)
{
    QTemporaryDir user;
    const QImage photo = Photo();
    QString problem;
    ASSERT_TRUE(ownpicture::SaveForms(user.path(), kId, ownpicture::MakeForms(photo, {0, 0, 400, 400}), &problem));
    QList<QByteArray> before;
    for (const QString& suffix : ownfiles::PictureSuffixes())
        before.append(Read(ownfiles::PictureFile(user.path(), kId, suffix)));

    // Incomplete forms are refused before anything is written.
    ownpicture::Forms partial = ownpicture::MakeForms(photo, {800, 400, 400, 400});
    partial.pictures.pop_back();
    EXPECT_FALSE(ownpicture::SaveForms(user.path(), kId, partial, &problem));
    EXPECT_FALSE(problem.isEmpty());

    // A folder that cannot be written keeps the old pictures.
    const QString folder = ownfiles::WordFolder(user.path(), kId);
    const auto open = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
    QFile::setPermissions(user.path(), open | QFile::WriteOwner);
    QFile::setPermissions(user.path() + "/Slowa", open | QFile::WriteOwner);
    QFile::setPermissions(folder, open);
    const ownpicture::Forms other = ownpicture::MakeForms(photo, {800, 400, 400, 400});
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
    EXPECT_FALSE(QFileInfo::exists(ownfiles::PictureFile(user.path(), other, "_shs")));
}

TEST(OwnPicture, TheCropStaysASquareInsideThePhoto)
{
    const QSize photo(1200, 800);
    EXPECT_EQ(ownpicture::DefaultCrop(photo), QRectF(200, 0, 800, 800));
    EXPECT_EQ(ownpicture::ClampCrop({1100, 700, 300, 300}, photo), QRectF(900, 500, 300, 300));
    EXPECT_EQ(ownpicture::ClampCrop({-500, -500, 5000, 5000}, photo), QRectF(400, 0, 800, 800));
    EXPECT_EQ(ownpicture::ClampCrop({600, 400, 2, 2}, photo).size(), QSizeF(16, 16));
}
