// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics file and the counting of one game: the bytes of the header and of each record, the
// grades, the idle lapse on the fake clock, and files that vanish, are damaged or cannot grow.
#include "settings/_custgry.h"
#include "results/_cstatrec.h"
#include "shell/_cblad.h"
#include "support/fakeservices.h"
#include "support/programfolder.h"

#include <QDir>
#include <QFile>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

// Sunday 14 March 2027, two seconds and a quarter before midnight.
const QDateTime kCreation(QDate(2027, 3, 14), QTime(23, 59, 57, 765), Qt::UTC);

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int v : values)
        bytes.append(static_cast<char>(v));
    return bytes;
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Lets a test make the disk "full" past a given file size; writes beyond it fail instead of
// stopping the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }

private:
    rlimit saved_{};
};

class Statistics : public ::testing::Test {
protected:
    void SetUp() override
    {
        services.time.SetUtcStart(kCreation);
        settings.Poziom = 2;
        settings.Gloski = glos::L | glos::PRBR;              // 0x0041
        settings.Pozycja = glos::Naglos | glos::Wyglos;      // 0x5000
    }
    QString StatsFile() const { return folder.File("prgst4.stt"); }

    TestServices services;
    ProgramFolder folder;
    CUstGry settings{QStringLiteral("Labirynt")};
};

}  // namespace

TEST_F(Statistics, ANewFileHoldsTheIdAndItsCreationTimeInUtc)
{
    CStatRec stats(CStatRec::kProgramId, folder.Path());
    EXPECT_EQ(stats.FilePath(), StatsFile());
    EXPECT_EQ(ReadAll(StatsFile()), Bytes({4, 0, 0, 0,                   // id
                                           0xEB, 0x07, 3, 0, 0, 0, 14, 0,  // 2027, March, Sunday, 14th
                                           23, 0, 59, 0, 57, 0, 0xFD, 0x02}));  // 23:59:57.765

    // Another id names another file and writes its own id.
    CStatRec other(0x01020304, folder.Path());
    const QByteArray otherHeader = ReadAll(folder.File("prgst16909060.stt"));
    ASSERT_EQ(otherHeader.size(), CStatRec::kHeaderSize);
    EXPECT_EQ(otherHeader.left(4), Bytes({4, 3, 2, 1}));
}

TEST_F(Statistics, ASavedGameAppendsOneRecordFieldByField)
{
    CStatRec stats(CStatRec::kProgramId, folder.Path());
    services.time.Advance(2000);  // the game starts at 23:59:59.765
    stats.BeginGame(CStatRec::kGameLabyrinth, settings);
    for (int i = 0; i < 300; ++i)
        stats.AddCorrect();
    stats.AddWrong();
    stats.AddWrong();
    stats.AddHint();
    services.time.Advance(90999);  // one millisecond short of 91 s: cut to 90
    stats.EndGame();
    EXPECT_EQ(stats.Duration(), 90);
    EXPECT_EQ(stats.End(), stats.Start().addMSecs(90999));
    ASSERT_TRUE(stats.Save(1));

    const QByteArray file = ReadAll(StatsFile());
    ASSERT_EQ(file.size(), CStatRec::kHeaderSize + CStatRec::kRecordSize);
    EXPECT_EQ(file.mid(CStatRec::kHeaderSize),
              Bytes({5, 0, 0, 0,                                                      // game code
                     0xEB, 0x07, 3, 0, 0, 0, 14, 0, 23, 0, 59, 0, 59, 0, 0xFD, 0x02,  // start
                     2, 0,                                                            // level
                     0x41, 0,                                                         // sound groups
                     0x00, 0x50,                                                      // positions
                     90, 0, 0, 0,                                                     // seconds
                     1, 0,                                                            // completed
                     1, 0, 0, 0,                                                      // hints
                     0x2C, 0x01, 0, 0,                                                // correct: 300
                     2, 0, 0, 0}));                                                   // wrong

    // Saving does not end the counting: a stopped game saved again adds a second record.
    stats.BeginGame(CStatRec::kGameOther, settings);
    settings.Pozycja = -1;  // every bit
    stats.EndGame();
    ASSERT_TRUE(stats.Save(0));
    ASSERT_TRUE(stats.Save(7));
    const QByteArray more = ReadAll(StatsFile());
    ASSERT_EQ(more.size(), CStatRec::kHeaderSize + 3 * CStatRec::kRecordSize);
    const QByteArray second = more.mid(CStatRec::kHeaderSize + CStatRec::kRecordSize, CStatRec::kRecordSize);
    EXPECT_EQ(second.left(4), Bytes({1, 0, 0, 0}));
    EXPECT_EQ(second.mid(20, 6), Bytes({2, 0, 0x41, 0, 0xFF, 0xFF}));
    EXPECT_EQ(second.mid(26, 4), Bytes({0, 0, 0, 0}));
    EXPECT_EQ(second.mid(30, 2), Bytes({0, 0}));  // stopped early
    EXPECT_EQ(second.mid(32), QByteArray(12, '\0'));  // counters start afresh
    EXPECT_EQ(more.right(CStatRec::kRecordSize).mid(30, 2), Bytes({1, 0}));  // any "finished" is 1
}

TEST_F(Statistics, CountsAndTimeAreShownAsText)
{
    CStatRec stats(CStatRec::kProgramId, folder.Path());
    EXPECT_EQ(stats.TimeText(), "0 min 0 s");
    stats.BeginGame(CStatRec::kGameOther, settings);
    stats.AddHint();
    stats.AddHint();
    stats.AddWrong();
    for (int i = 0; i < 12; ++i)
        stats.AddCorrect();
    services.time.Advance(125000);
    stats.EndGame();
    EXPECT_EQ(stats.TimeText(), "2 min 5 s");
    EXPECT_EQ(stats.HintsText(), "2");
    EXPECT_EQ(stats.CorrectText(), "12");
    EXPECT_EQ(stats.WrongText(), "1");

    // A wall clock set back during a game gives no time played rather than a negative one.
    stats.BeginGame(CStatRec::kGameOther, settings);
    services.time.SetUtcStart(kCreation.addSecs(-3600));
    stats.EndGame();
    EXPECT_EQ(stats.Duration(), 0);
    EXPECT_EQ(stats.TimeText(), "0 min 0 s");
}

TEST_F(Statistics, GradesFallAtTheirBoundaries)
{
    struct Case {
        int correct, wrong, grade;
    };
    for (const Case& c : {Case{0, 0, 1}, Case{5, 2, 4}, Case{5, 3, 2}, Case{2, 5, 1}, Case{3, 5, 2}, Case{1, 0, 4},
                          Case{0, 1, 1}, Case{4, 10, 1}, Case{5, 10, 2}, Case{10, 6, 2}, Case{10, 5, 4},
                          Case{2000000000, 1200000000, 2}, Case{800000000, 2000000000, 1}}) {
        EXPECT_EQ(CStatRec::Grade(c.correct, c.wrong), c.grade) << c.correct << " correct, " << c.wrong << " wrong";
    }

    CStatRec stats(CStatRec::kProgramId, folder.Path());
    stats.BeginGame(CStatRec::kGameOther, settings);
    EXPECT_EQ(stats.Grade(), CStatRec::kGradePoor);
    for (int i = 0; i < 5; ++i)
        stats.AddCorrect();
    stats.AddWrong();
    stats.AddWrong();
    EXPECT_EQ(stats.Grade(), CStatRec::kGradeGood);
    stats.AddWrong();
    EXPECT_EQ(stats.Grade(), CStatRec::kGradeFair);
}

TEST_F(Statistics, AGameLeftIdleForTwoMinutesIsNotWritten)
{
    CStatRec stats(CStatRec::kProgramId, folder.Path());
    EXPECT_FALSE(stats.Active());
    EXPECT_FALSE(stats.Save(1));  // no game yet
    stats.BeginGame(CStatRec::kGameOther, settings);
    services.time.Advance(CStatRec::kIdleLapseMs - 1);
    EXPECT_TRUE(stats.Active());
    services.time.Advance(1);
    EXPECT_FALSE(stats.Active());
    stats.EndGame();
    EXPECT_EQ(stats.TimeText(), "2 min 0 s");  // still counted for the summary
    EXPECT_FALSE(stats.Save(1));
    EXPECT_EQ(QFileInfo(StatsFile()).size(), CStatRec::kHeaderSize);

    // Touching a lapsed game does not bring it back; a new game does.
    stats.Touch();
    EXPECT_FALSE(stats.Active());
    services.time.Advance(10 * CStatRec::kIdleLapseMs);
    stats.BeginGame(CStatRec::kGameOther, settings);
    EXPECT_TRUE(stats.Active());
    EXPECT_TRUE(stats.Save(1));
}

TEST_F(Statistics, EachActionOfTheChildKeepsALongGameCounted)
{
    CStatRec stats(CStatRec::kProgramId, folder.Path());
    stats.BeginGame(CStatRec::kGameOther, settings);
    services.time.Advance(100000);
    stats.Touch();
    services.time.Advance(100000);
    stats.AddCorrect();
    services.time.Advance(100000);
    stats.AddWrong();
    services.time.Advance(100000);
    stats.AddHint();
    services.time.Advance(CStatRec::kIdleLapseMs - 1);
    ASSERT_TRUE(stats.Active());
    stats.EndGame();
    EXPECT_EQ(stats.Duration(), 519);
    EXPECT_TRUE(stats.Save(1));
    EXPECT_EQ(QFileInfo(StatsFile()).size(), CStatRec::kHeaderSize + CStatRec::kRecordSize);
    services.time.Advance(1);
    EXPECT_FALSE(stats.Active());
}

TEST_F(Statistics, AnExistingFileKeepsItsHeaderAndRecords)
{
    const QByteArray earlier = Bytes({4, 0, 0, 0, 0xE6, 0x07, 1, 0, 4, 0, 2, 0, 8, 0, 0, 0, 0, 0, 0, 0}) +
                               QByteArray(CStatRec::kRecordSize, '\x11');
    folder.Write("prgst4.stt", earlier);
    CStatRec stats(CStatRec::kProgramId, folder.Path());
    EXPECT_EQ(ReadAll(StatsFile()), earlier);
    stats.BeginGame(CStatRec::kGameOther, settings);
    ASSERT_TRUE(stats.Save(1));
    const QByteArray now = ReadAll(StatsFile());
    ASSERT_EQ(now.size(), earlier.size() + CStatRec::kRecordSize);
    EXPECT_EQ(now.left(earlier.size()), earlier);
}

// A power cut during an earlier save may leave part of a record at the end: it counts for nothing and
// the next record takes its place, so every record stays at header + n x 44 bytes.
TEST_F(Statistics, ARecordCutShortAtTheEndIsReplacedByTheNextOne)
{
    const QByteArray whole = Bytes({4, 0, 0, 0, 0xE6, 0x07, 1, 0, 4, 0, 2, 0, 8, 0, 0, 0, 0, 0, 0, 0}) +
                             QByteArray(CStatRec::kRecordSize, '\x11');
    for (int cut : {1, CStatRec::kRecordSize / 2, CStatRec::kRecordSize - 1}) {
        SCOPED_TRACE(cut);
        folder.Write("prgst4.stt", whole + QByteArray(cut, '\x22'));
        EXPECT_EQ(CStatRec::WholeRecords(whole.size() + cut), 1);
        CStatRec stats(CStatRec::kProgramId, folder.Path());
        stats.BeginGame(CStatRec::kGameOther, settings);
        ASSERT_TRUE(stats.Save(1));
        const QByteArray now = ReadAll(StatsFile());
        ASSERT_EQ(now.size(), whole.size() + CStatRec::kRecordSize);
        EXPECT_EQ(now.left(whole.size()), whole);
        EXPECT_EQ(now.mid(whole.size(), 4), Bytes({1, 0, 0, 0}));
    }
}

TEST_F(Statistics, AFileThatVanishedOrWasEmptiedGetsItsHeaderBeforeTheRecord)
{
    CStatRec stats(CStatRec::kProgramId, folder.Path());
    services.time.Advance(3000);  // the new header is stamped with the time it is written
    ASSERT_TRUE(QFile::remove(StatsFile()));
    stats.BeginGame(CStatRec::kGameOther, settings);
    ASSERT_TRUE(stats.Save(1));
    QByteArray file = ReadAll(StatsFile());
    ASSERT_EQ(file.size(), CStatRec::kHeaderSize + CStatRec::kRecordSize);
    EXPECT_EQ(file.left(CStatRec::kHeaderSize),
              Bytes({4, 0, 0, 0, 0xEB, 0x07, 3, 0, 1, 0, 15, 0, 0, 0, 0, 0, 0, 0, 0xFD, 0x02}));  // Monday 00:00:00.765
    EXPECT_EQ(file.mid(CStatRec::kHeaderSize, 4), Bytes({1, 0, 0, 0}));

    // Emptied while the program ran.
    folder.Write("prgst4.stt", QByteArray());
    ASSERT_TRUE(stats.Save(1));
    file = ReadAll(StatsFile());
    ASSERT_EQ(file.size(), CStatRec::kHeaderSize + CStatRec::kRecordSize);
    EXPECT_EQ(file.left(4), Bytes({4, 0, 0, 0}));

    // Found empty at start.
    folder.Write("prgst5.stt", QByteArray());
    CStatRec five(5, folder.Path());
    EXPECT_EQ(ReadAll(folder.File("prgst5.stt")).size(), CStatRec::kHeaderSize);
}

TEST_F(Statistics, AFileThatCannotBeMadeOrUsedStopsTheStart)
{
    auto codeOf = [](const QString& programFolder) -> int {
        try {
            CStatRec stats(CStatRec::kProgramId, programFolder);
        } catch (const CBlad& error) {
            return error.Code;
        }
        return -1;
    };
    // The program folder is not there.
    EXPECT_EQ(codeOf(folder.File("gone")), 3);
    EXPECT_FALSE(QFileInfo::exists(folder.File("gone")));

    // A folder stands where the file should be.
    ASSERT_TRUE(QDir().mkpath(StatsFile()));
    EXPECT_EQ(codeOf(folder.Path()), 3);
    ASSERT_TRUE(QDir(StatsFile()).removeRecursively());

    // A file cut inside its header is left for the user to look at, not written to.
    const QByteArray cut = Bytes({4, 0, 0, 0, 0xEB, 0x07, 3});
    folder.Write("prgst4.stt", cut);
    EXPECT_EQ(codeOf(folder.Path()), 3);
    EXPECT_EQ(ReadAll(StatsFile()), cut);
    QFile::remove(StatsFile());

    // A disk with no room for the header leaves no half-written file behind.
    {
        FileSizeLimit full(CStatRec::kHeaderSize - 1);
        EXPECT_EQ(codeOf(folder.Path()), 3);
    }
    EXPECT_FALSE(QFileInfo::exists(StatsFile()));
    EXPECT_EQ(codeOf(folder.Path()), -1);
}

TEST_F(Statistics, ARecordThatDoesNotFitLeavesTheFileAsItWas)
{
    CStatRec stats(CStatRec::kProgramId, folder.Path());
    stats.BeginGame(CStatRec::kGameOther, settings);
    ASSERT_TRUE(stats.Save(1));
    const QByteArray before = ReadAll(StatsFile());
    {
        // Room for part of a record only.
        FileSizeLimit full(static_cast<rlim_t>(before.size() + CStatRec::kRecordSize / 2));
        EXPECT_FALSE(stats.Save(1));
    }
    EXPECT_EQ(ReadAll(StatsFile()), before);
    // With room again the game is still there to save, and the file stays whole.
    EXPECT_TRUE(stats.Save(1));
    EXPECT_EQ(ReadAll(StatsFile()).size(), before.size() + CStatRec::kRecordSize);

    // A file damaged inside its header while the program ran is not written to.
    const QByteArray cut = Bytes({4, 0, 0});
    folder.Write("prgst4.stt", cut);
    EXPECT_FALSE(stats.Save(1));
    EXPECT_EQ(ReadAll(StatsFile()), cut);
}
