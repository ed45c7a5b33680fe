// SPDX-License-Identifier: GPL-3.0-or-later
// Shared services: the sound paths, the feedback pause, the duration text and the letter names.
#include "shell/_specfunc.h"
#include "support/fakes.h"
#include "support/programfolder.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(SharedServices, DurationText)
{
    EXPECT_EQ(DurationText(0), "0 min 0 s");
    EXPECT_EQ(DurationText(125), "2 min 5 s");
    EXPECT_EQ(DurationText(3600), "60 min 0 s");
    EXPECT_EQ(DurationText(59), "0 min 59 s");
}

TEST(SharedServices, SoundFileNames)
{
    EXPECT_EQ(SoundFileName(QStringLiteral("dź")), "dzzz");
    EXPECT_EQ(SoundFileName(QStringLiteral("dż")), "dzz");
    EXPECT_EQ(SoundFileName(QStringLiteral("ż")), "zz");
    EXPECT_EQ(SoundFileName(QStringLiteral("ź")), "zzz");
    EXPECT_EQ(SoundFileName(QStringLiteral("ó")), "oo");
    EXPECT_EQ(SoundFileName(QStringLiteral("ł")), "ll");
    EXPECT_EQ(SoundFileName(QStringLiteral("ą")), "aa");
    EXPECT_EQ(SoundFileName("dz"), "dz");
    EXPECT_EQ(SoundFileName(QStringLiteral("Ż")), QStringLiteral("Ż"));
    EXPECT_EQ(SoundFileName(QStringLiteral("żó")), QStringLiteral("żó"));  // whole text only
}

TEST(SharedServices, WordAndFileSoundsPlayOnlyExistingFiles)
{
    TestServices services;
    ProgramFolder folder;
    folder.Write("Data/Smd/las.pw", "RIFF");
    InFolder in(folder.Path());
    EXPECT_TRUE(PlayWordSound("las"));
    EXPECT_FALSE(PlayWordSound("lodowka"));
    EXPECT_FALSE(PlaySoundFile("Data/Smd.O/ps.pw"));
    EXPECT_EQ(services.sound.played, QStringList{"Data/Smd/las.pw"});
    EXPECT_TRUE(services.time.waits.empty());
}

TEST(SharedServices, RandomFeedbackSoundsAndTheirPause)
{
    TestServices services;
    ProgramFolder folder;
    for (int n = 0; n < 8; ++n)
        folder.Write(QString("Data/Intf/Smd/g0%1.pw").arg(n), "RIFF");
    for (int n = 0; n < 5; ++n)
        folder.Write(QString("Data/Intf/Smd/b0%1.pw").arg(n), "RIFF");
    InFolder in(folder.Path());
    QSet<QString> praise, again, praiseShort;
    for (int i = 0; i < 200; ++i) {
        ASSERT_TRUE(PlayRandomSound(0));
        praise.insert(services.sound.played.last());
        ASSERT_TRUE(PlayRandomSound(1));
        again.insert(services.sound.played.last());
        ASSERT_TRUE(PlayRandomSound(3));
        praiseShort.insert(services.sound.played.last());
    }
    EXPECT_EQ(praise.size(), 8);
    EXPECT_TRUE(praise.contains("Data/Intf/Smd/g07.pw"));
    EXPECT_EQ(again.size(), 5);
    EXPECT_TRUE(again.contains("Data/Intf/Smd/b04.pw"));
    EXPECT_EQ(praiseShort.size(), 5);
    EXPECT_FALSE(praiseShort.contains("Data/Intf/Smd/g05.pw"));
    EXPECT_EQ(services.time.waits.size(), 600u);
    EXPECT_EQ(services.time.waits.front(), 500);

    // Another kind names "00.pw" of the program folder; without it nothing plays and nothing waits.
    const size_t played = services.sound.played.size();
    EXPECT_FALSE(PlayRandomSound(2));
    EXPECT_EQ(services.sound.played.size(), played);
    EXPECT_EQ(services.time.waits.size(), 600u);
    folder.Write("00.pw", "RIFF");
    EXPECT_TRUE(PlayRandomSound(2));
    EXPECT_EQ(services.sound.played.last(), "00.pw");
    EXPECT_EQ(RandomSoundPath(1, 3), "Data/Intf/Smd/b03.pw");
}
