// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the statistics file back: what the games write comes back field by field, and damaged or
// foreign files give a message and no records instead of nonsense.
#include "wyniki/statfile.h"
#include "settings/_custgry.h"
#include "support/fakeservices.h"
#include "support/programfolder.h"
#include "statbytes.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

const QDateTime kMonday(QDate(2027, 3, 1), QTime(16, 5, 7), Qt::UTC);

SystemTime Raw(quint16 year, quint16 month, quint16 day, quint16 hour, quint16 minute, quint16 second = 0)
{
    return {year, month, 0, day, hour, minute, second, 0};
}

}  // namespace

TEST(StatFileReader, ReadsBackWhatAGameSaves)
{
    TestServices services;
    services.time.SetUtcStart(kMonday);
    ProgramFolder folder;
    CUstGry settings(QStringLiteral("Labirynt"));
    settings.Poziom = 3;
    settings.Gloski = glos::KRGR | glos::INNE;
    settings.Pozycja = glos::Srodglos;
    {
        CStatRec stats(CStatRec::kProgramId, folder.Path());
        stats.BeginGame(CStatRec::kGameLabyrinth, settings);
        stats.AddCorrect();
        stats.AddCorrect();
        stats.AddWrong();
        stats.AddHint();
        services.time.Advance(60000);
        stats.Touch();  // the child is still playing: no idle lapse
        services.time.Advance(65500);
        stats.EndGame();
        ASSERT_TRUE(stats.Save(0));
    }
    const StatFile file = ReadStatFile(folder.File("prgst4.stt"));
    ASSERT_EQ(file.error, StatFileError::None);
    ASSERT_EQ(file.records.size(), 1u);
    const StatRecord& r = file.records[0];
    EXPECT_EQ(r.gameCode, CStatRec::kGameLabyrinth);
    EXPECT_EQ(r.startUtc, kMonday);
    EXPECT_EQ(r.level, 3);
    EXPECT_EQ(r.groups, glos::KRGR | glos::INNE);
    EXPECT_EQ(r.positions, glos::Srodglos);
    EXPECT_EQ(r.duration, 125);
    EXPECT_EQ(r.completed, 0);
    EXPECT_EQ(r.hints, 1);
    EXPECT_EQ(r.correct, 2);
    EXPECT_EQ(r.wrong, 1);
    EXPECT_EQ(file.partialBytes, 0);
}

TEST(StatFileReader, DamagedAndForeignFiles)
{
    using namespace statbytes;
    const QByteArray good = Record({.startUtc = kMonday, .groups = glos::L, .positions = glos::Naglos, .correct = 4});
    struct Case {
        const char* name;
        QByteArray bytes;
        StatFileError error;
        size_t records;
        int partialBytes;
        int impossibleDates;
        const char* messageHas;
    };
    const Case cases[] = {
        {"good file", Header() + good + good, StatFileError::None, 2, 0, 0, ""},
        {"header only", Header(), StatFileError::None, 0, 0, 0, ""},
        {"empty file", QByteArray(), StatFileError::TooShort, 0, 0, 0, "krótszy niż nagłówek"},
        {"cut header", Header().left(CStatRec::kHeaderSize - 1), StatFileError::TooShort, 0, 0, 0, "19 B z 20 B"},
        {"partial last record", Header() + good + good.left(17), StatFileError::None, 1, 17, 0, ""},
        {"wrong identifier", Header(5) + good, StatFileError::WrongId, 0, 0, 0, "identyfikator 5 zamiast 4"},
        {"impossible dates",
         Header() + good + Record({.raw = Raw(2027, 13, 1, 10, 0)}) + Record({.raw = Raw(2027, 2, 29, 10, 0)}) +
             Record({.raw = Raw(2027, 3, 1, 24, 0)}) + Record({.raw = Raw(2027, 3, 1, 10, 60)}) +
             Record({.raw = Raw(0, 0, 0, 0, 0)}) + Record({.raw = Raw(2028, 2, 29, 23, 59, 59)}),
         StatFileError::None, 7, 0, 5, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const StatFile file = ParseStatFile(c.bytes, QStringLiteral("prgst4.stt"));
        EXPECT_EQ(file.error, c.error);
        EXPECT_EQ(file.records.size(), c.records);
        EXPECT_EQ(file.partialBytes, c.partialBytes);
        EXPECT_EQ(file.impossibleDates, c.impossibleDates);
        EXPECT_TRUE(file.message.contains(QString::fromUtf8(c.messageHas))) << file.message.toStdString();
        EXPECT_EQ(file.message.isEmpty(), c.error == StatFileError::None);
    }
    // The good record of the partial file is whole; the leap day of 2028 is real, the stored fields kept.
    EXPECT_EQ(ParseStatFile(Header() + good + good.left(17), {}).records[0].correct, 4);
    const StatFile dates = ParseStatFile(cases[6].bytes, {});
    EXPECT_TRUE(dates.records[6].DateReal());
    EXPECT_FALSE(dates.records[1].DateReal());
    EXPECT_EQ(dates.records[1].start[1], 13);
}

TEST(StatFileReader, MissingFileOrAFolderInItsPlace)
{
    ProgramFolder folder;
    const StatFile missing = ReadStatFile(folder.File("prgst4.stt"));
    EXPECT_EQ(missing.error, StatFileError::Missing);
    EXPECT_TRUE(missing.message.contains(QStringLiteral("Nie ma pliku wyników")));
    ASSERT_TRUE(QDir(folder.Path()).mkdir(QStringLiteral("prgst4.stt")));
    EXPECT_EQ(ReadStatFile(folder.File("prgst4.stt")).error, StatFileError::Unreadable);
}
