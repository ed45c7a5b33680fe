// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the pictures of the drawn words from the program folder: missing files, broken files and
// the generated pictures.
#include "settings/_custgry.h"
#include "platform/imagefiles.h"
#include "support/fakeservices.h"
#include "support/manifest.h"
#include "support/programfolder.h"
#include "words/_cslowa.h"
#include "words/_cslowaroznicowe.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

QImage Plain(int width, int height, QColor colour)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

class WordPictures : public ::testing::Test {
protected:
    void SetUp() override
    {
        CUstGry settings(QStringLiteral("Test"));
        settings.Gloski = glos::L;
        settings.Pozycja = glos::Naglos;
        words.SelectBySettings(settings);
        ASSERT_TRUE(words.DrawWords(words.CandidateCount()));
    }
    TestServices services;
    ProgramFolder folder;
    InFolder inFolder{folder.Path()};
    CSlowa words;
};
}  // namespace

TEST_F(WordPictures, AMissingPictureIsFalseButTheOthersStillLoad)
{
    // The first drawn word lacks its pictures, so every word after it must still be tried.
    const QString missing = words.Drawn(0).Name;
    for (int i = 1; i < words.DrawnCount(); ++i) {
        const QString name = words.Drawn(i).Name;
        folder.WriteJpeg("Data/Bion/" + name + "_shs.xji", Plain(30 + i, 20, Qt::red));
        folder.WriteJpeg("Data/Bion/" + name + "_shb.xji", Plain(60 + i, 40, Qt::blue));
    }
    EXPECT_FALSE(words.LoadSmallPictures());
    EXPECT_TRUE(words.Drawn(0).SmallPicture.isNull());
    for (int i = 1; i < words.DrawnCount(); ++i) {
        const SPaczka& word = words.Drawn(i);
        SCOPED_TRACE(word.Name.toStdString());
        EXPECT_TRUE(word.BigPicture.isNull());
        ASSERT_EQ(word.SmallPicture.size(), QSize(30 + i, 20));
        EXPECT_GT(qRed(word.SmallPicture.pixel(5, 5)), 200);
    }
    EXPECT_FALSE(words.LoadBigPictures());
    EXPECT_TRUE(words.Drawn(0).BigPicture.isNull());
    for (int i = 1; i < words.DrawnCount(); ++i) {
        const SPaczka& word = words.Drawn(i);
        SCOPED_TRACE(word.Name.toStdString());
        ASSERT_EQ(word.BigPicture.size(), QSize(60 + i, 40));
        EXPECT_GT(qBlue(word.BigPicture.pixel(5, 5)), 200);
        EXPECT_EQ(word.SmallPicture.size(), QSize(30 + i, 20));  // the small ones stay
    }

    folder.WriteJpeg("Data/Bion/" + missing + "_shs.xji", Plain(10, 10, Qt::green));
    EXPECT_TRUE(words.LoadSmallPictures());
    EXPECT_EQ(words.Drawn(0).SmallPicture.size(), QSize(10, 10));
}

TEST_F(WordPictures, WithoutAPictureFolderEveryPictureIsEmpty)
{
    EXPECT_FALSE(words.LoadSmallPictures());
    EXPECT_FALSE(words.LoadBigPictures());
    for (int i = 0; i < words.DrawnCount(); ++i) {
        EXPECT_TRUE(words.Drawn(i).SmallPicture.isNull());
        EXPECT_TRUE(words.Drawn(i).BigPicture.isNull());
    }
}

TEST_F(WordPictures, ABrokenPictureIsAnError)
{
    for (int i = 0; i < words.DrawnCount(); ++i)
        folder.WriteJpeg("Data/Bion/" + words.Drawn(i).Name + "_shb.xji", Plain(16, 16, Qt::yellow));
    folder.Write("Data/Bion/luneta_shb.xji", "this is no picture at all");
    EXPECT_THROW(words.LoadBigPictures(), ImageError);
    folder.Write("Data/Bion/luneta_shs.xji", QByteArray());
    EXPECT_THROW(words.LoadSmallPictures(), ImageError);
}

TEST_F(WordPictures, PicturesAreTakenFromTheWorkingFolderOnly)
{
    // The file is looked for relative to where the program runs, not in some fixed place.
    ProgramFolder elsewhere;
    for (int i = 0; i < words.DrawnCount(); ++i)
        elsewhere.WriteJpeg("Data/Bion/" + words.Drawn(i).Name + "_shs.xji", Plain(8, 8, Qt::red));
    EXPECT_FALSE(words.LoadSmallPictures());
    InFolder there(elsewhere.Path());
    EXPECT_TRUE(words.LoadSmallPictures());
}

TEST_F(WordPictures, ANewDrawDropsThePicturesOfTheLastOne)
{
    for (int i = 0; i < words.DrawnCount(); ++i)
        folder.WriteJpeg("Data/Bion/" + words.Drawn(i).Name + "_shs.xji", Plain(12, 12, Qt::red));
    ASSERT_TRUE(words.LoadSmallPictures());
    ASSERT_TRUE(words.DrawWords(3));
    for (int i = 0; i < words.DrawnCount(); ++i)
        EXPECT_TRUE(words.Drawn(i).SmallPicture.isNull()) << i;
    ASSERT_TRUE(words.LoadSmallPictures());
    EXPECT_FALSE(words.DrawWords(words.CandidateCount() + 1));
    EXPECT_EQ(words.DrawnCount(), 0);
}

TEST(GeneratedWordPictures, EveryWordLoadsItsPicturesInTheirSizes)
{
    TestServices services;
    ProgramFolder folder(ProgramFolder::Assets::Generated);
    InFolder inFolder(folder.Path());
    const Manifest manifest = Manifest::Load();

    CSlowa catalogue;
    CUstGry every(QStringLiteral("Test"));
    every.Gloski = -1;
    every.Pozycja = -1;
    catalogue.SelectBySettings(every);
    CSlowaRoznicowe differential;
    for (CZestawSlow* words : std::initializer_list<CZestawSlow*>{&catalogue, &differential}) {
        ASSERT_TRUE(words->DrawWords(words->CandidateCount()));
        ASSERT_TRUE(words->LoadSmallPictures());
        ASSERT_TRUE(words->LoadBigPictures());
        for (int i = 0; i < words->DrawnCount(); ++i) {
            const SPaczka& word = words->Drawn(i);
            SCOPED_TRACE(word.Name.toStdString());
            const auto small = manifest.Find("Data/Bion/" + word.Name + "_shs.xji");
            const auto big = manifest.Find("Data/Bion/" + word.Name + "_shb.xji");
            ASSERT_TRUE(small && big);
            EXPECT_EQ(word.SmallPicture.size(), QSize(small->width, small->height));
            EXPECT_EQ(word.BigPicture.size(), QSize(big->width, big->height));
        }
    }
}
