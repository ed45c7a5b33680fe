// SPDX-License-Identifier: GPL-3.0-or-later
// The files the program writes survive a crash at any moment: a writer of data.ini, the recordings
// catalogue, the statistics file or a recording is killed (SIGKILL) at random moments, and each time
// the file must hold the old or the new content (settings, catalogue), its header and every record in
// its place (statistics: a record the kill cut counts for nothing and the next save cuts it away), or
// every sample the writer had written, playable (recording).
#include "platform/textcodec.h"
#include "platform/wavefile.h"
#include "recorder/_cnagdata.h"
#include "results/_cstatrec.h"
#include "shell/childlist.h"
#include "support/crashwriter.h"
#include "support/fakeservices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtEndian>
#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

// A few hundred kills in all keep the test well under a minute on a busy machine.
constexpr int kKills = 50;
// Enough writes finished between the kills for the check to mean something. A sanitizer build on a
// busy machine finishes fewer of them before each kill, so this asks for far fewer than one a kill.
constexpr int kEnoughWrites = kKills / 5;

QByteArray Bytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

class CrashSafe : public ::testing::Test {
protected:
    // Starts the writer, lets it write for a random moment once it is ready, kills it, and returns the
    // last number it told (how far it got for sure), or `known` when it told none; "done" gives -1.
    // `adaptive`: a writer that got nothing further is given longer lives (see below).
    qint64 RunAndKill(std::vector<std::string> args, int longestDelayUs, qint64 known, bool adaptive = true)
    {
        args.insert(args.begin(), BRIMBOLA_CRASHWRITER);
        std::vector<char*> argv;
        for (std::string& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        int out[2];
        EXPECT_EQ(::pipe(out), 0);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        posix_spawn_file_actions_addclose(&actions, out[1]);
        pid_t pid = 0;
        const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        ::close(out[1]);
        EXPECT_EQ(spawned, 0);
        std::string told;
        char buffer[4096];
        ssize_t n = 0;
        while (told.find("ready\n") == std::string::npos && (n = ::read(out[0], buffer, sizeof buffer)) > 0)
            told.append(buffer, size_t(n));
        ::usleep(useconds_t(std::uniform_int_distribution<int>(0, longestDelayUs * (adaptive ? slowness_ : 1))(random_)));
        ::kill(pid, SIGKILL);
        while ((n = ::read(out[0], buffer, sizeof buffer)) > 0)
            told.append(buffer, size_t(n));
        ::close(out[0]);
        int status = 0;
        ::waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status)) << "the writer ended by itself: " << told;
        // The last whole line.
        const size_t end = told.rfind('\n');
        const size_t start = told.rfind('\n', end - 1);
        const std::string last = told.substr(start == std::string::npos ? 0 : start + 1, end - start - 1);
        if (last == "done")
            return -1;
        const qint64 reached = last == "ready" ? known : std::stoll(last);
        // A writer that finished nothing new in its life is slow here (a sanitizer build beside other
        // tests): it gets longer lives until it does, so the kills still fall between its writes.
        if (reached <= known)
            slowness_ = std::min(slowness_ * 2, kMostSlowness);
        return reached;
    }

    QString File(const QString& name) const { return dir.filePath(name); }

    // In memory where there is such a disk: a writer not held up by a busy disk's flushes gets much
    // further in its short life, so the kills fall in every phase of its writes.
    QTemporaryDir dir{(QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm") : QDir::tempPath()) +
                      QStringLiteral("/brimbola-crash-XXXXXX")};
    std::mt19937 random_{20261208};
    static constexpr int kMostSlowness = 32;
    int slowness_ = 1;
};

TEST_F(CrashSafe, SettingsHoldTheOldOrTheNewContent)
{
    const QByteArray before = "[DaneProgramu]\r\nZakladka=2\r\n[Licznik]\r\nWartosc=";
    const QByteArray after = "\r\n[Selector]\r\nGloski=1\r\n";
    Write(File(crashwriter::kSettingsFile), before + "0" + after);
    qint64 value = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        const qint64 told = RunAndKill({"settings", dir.path().toStdString()}, 20000, value);
        const QByteArray file = Bytes(File(crashwriter::kSettingsFile));
        if (file == before + QByteArray::number(told + 1) + after)
            value = told + 1;
        else
            ASSERT_EQ(file, before + QByteArray::number(told) + after) << "kill " << kill;
        if (value < told)
            value = told;
    }
    EXPECT_GE(value, kEnoughWrites);
}

TEST_F(CrashSafe, TheRecordingsCatalogueHoldsTheOldOrTheNewContent)
{
    const QString folder = File("Nagrane");
    auto dateText = [](qint64 day) {
        return EncodeWindows1250("Data=" + crashwriter::kFirstDay.addDays(day).toString(CNagData::kDateFormat));
    };
    {
        TestServices services;
        services.time.SetUtcStart(crashwriter::DayStart(0));
        CNagData list(folder);
        ASSERT_TRUE(list.MarkRecorded(0));
    }
    const QByteArray first = Bytes(QDir(folder).filePath("record.xtr"));
    ASSERT_EQ(first.count(dateText(0)), 1);
    auto onDay = [&](qint64 day) { return QByteArray(first).replace(dateText(0), dateText(day)); };
    qint64 day = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        const qint64 told = RunAndKill({"catalogue", folder.toStdString()}, 20000, day);
        const QByteArray file = Bytes(QDir(folder).filePath("record.xtr"));
        if (file == onDay(told + 1))
            day = told + 1;
        else
            ASSERT_EQ(file, onDay(told)) << "kill " << kill;
        if (day < told)
            day = told;
    }
    EXPECT_GE(day, kEnoughWrites);
}

TEST_F(CrashSafe, TheListOfChildrenHoldsTheOldOrTheNewListAndEveryChildsFilesStayWhole)
{
    ChildList list;
    list.children = {{kFirstChildId, QStringLiteral("Zosia"), QStringLiteral("las")},
                     {crashwriter::kRenamedChild, crashwriter::ChildName(0), QString()}};
    list.nextId = 2;
    ASSERT_TRUE(WriteChildList(dir.path(), list));
    ASSERT_TRUE(QDir().mkpath(File("Dzieci/1")));
    Write(File("prgst4.stt"), "Zosia's");
    Write(File("Dzieci/1/prgst4.stt"), "the other's");
    qint64 renamed = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        const qint64 told = RunAndKill({"children", dir.path().toStdString()}, 20000, renamed);
        ChildList read;
        ASSERT_EQ(ReadChildList(dir.path(), read), ChildListState::Read) << "kill " << kill;
        ASSERT_EQ(read.children.size(), 2u);
        EXPECT_EQ(read.children[0].name, "Zosia");
        const qint64 now = crashwriter::NumberOfChildName(read.children[1].name);
        ASSERT_TRUE(now == told || now == told + 1) << "kill " << kill << ": " << now << ", told " << told;
        renamed = now;
    }
    EXPECT_EQ(Bytes(File("prgst4.stt")), "Zosia's");
    EXPECT_EQ(Bytes(File("Dzieci/1/prgst4.stt")), "the other's");
    EXPECT_GE(renamed, kEnoughWrites);
}

TEST_F(CrashSafe, TheStatisticsFileHoldsItsHeaderAndRecordsInPlace)
{
    const QString path = File("prgst4.stt");
    QByteArray header;
    qint64 records = 0;
    int cutRecords = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        const qint64 told = RunAndKill({"statistics", dir.path().toStdString()}, 5000, records);
        const QByteArray file = Bytes(path);
        if (!QFile::exists(path)) {
            ASSERT_EQ(told, 0);
            continue;
        }
        ASSERT_GE(file.size(), CStatRec::kHeaderSize) << "kill " << kill;
        if (header.isEmpty())
            header = file.left(CStatRec::kHeaderSize);
        ASSERT_EQ(file.left(CStatRec::kHeaderSize), header);
        EXPECT_EQ(qFromLittleEndian<qint32>(header.constData()), CStatRec::kProgramId);
        // A kill can cut the record being written where its bytes cross a page of the file: that tail is
        // no record (it is not counted), and the next save cuts it away before its own record.
        const qint64 now = CStatRec::WholeRecords(file.size());
        const qint64 tail = file.size() - CStatRec::kHeaderSize - now * CStatRec::kRecordSize;
        if (tail > 0) {
            ++cutRecords;
            ASSERT_EQ(now, told) << "kill " << kill;
        }
        ASSERT_TRUE(now == told || now == told + 1) << "kill " << kill << ": " << now << " records, told " << told;
        constexpr int kGameCodeAt = 0, kCorrectAt = 36;
        for (qint64 n = 0; n < now; ++n) {
            const char* record = file.constData() + CStatRec::kHeaderSize + n * CStatRec::kRecordSize;
            ASSERT_EQ(qFromLittleEndian<qint32>(record + kGameCodeAt), CStatRec::kGameOther) << "record " << n;
            ASSERT_EQ(qFromLittleEndian<qint32>(record + kCorrectAt), crashwriter::CorrectOfRecord(n))
                << "record " << n;
        }
        records = now;
    }
    RecordProperty("cut_records", cutRecords);
    EXPECT_GE(records, kEnoughWrites);
}

TEST_F(CrashSafe, ARecordingKeepsEverySampleWrittenAndPlays)
{
    const QString path = File(crashwriter::kRecordingFile);
    const qint64 full = wave::BytesForMs(crashwriter::kRecordingMs);
    int cut = 0;
    // How long the writer may live: shorter after a run that finished its recording, longer after one
    // that did not, so that about half the kills fall inside a recording.
    double longestUs = 5000;
    for (int take = 0; take < kKills; ++take) {
        SCOPED_TRACE(take);
        const QByteArray old = Bytes(path);
        const qint64 told =
            RunAndKill({"recording", dir.path().toStdString(), std::to_string(take)}, int(longestUs), 0, false);
        longestUs = std::clamp(told < 0 ? longestUs * 0.7 : longestUs * 1.2, 200.0, 100000.0);
        const QByteArray file = Bytes(path);
        // Killed before its first sound reached the disk: the old recording is untouched.
        if (file == old || (old.isEmpty() && file == wave::Header(0))) {
            ASSERT_EQ(told, 0);
            continue;
        }
        const qint64 samples = file.size() - wave::kHeaderSize;
        ASSERT_GE(samples, told < 0 ? full : told);
        ASSERT_EQ(file.mid(wave::kHeaderSize), crashwriter::Samples(take, 0, samples));
        // The header may lag behind what the file holds by a second at most; what it claims is there.
        WaveInfo info;
        ASSERT_TRUE(ParseWave(file, info));
        EXPECT_EQ(info.sampleRate, wave::kSampleRate);
        EXPECT_LE(info.samples.size(), samples);
        EXPECT_GE(info.samples.size(), samples - wave::kBytesPerSecond);
        cut += told >= 0;
    }
    EXPECT_GT(cut, kKills / 4);
}

}  // namespace
