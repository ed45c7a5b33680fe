// SPDX-License-Identifier: GPL-3.0-or-later
// The voice recorder: its states, the one-minute limit, the recording files it leaves behind, and
// what it does without a microphone or loudspeaker. The sound hardware is a double fed by the test.
#include "platform/wavefile.h"
#include "recorder/_cnagrywanie.h"
#include "support/fakeaudioport.h"
#include "support/fakes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

constexpr qint64 kMinuteMs = 60000;

// Known, distinct 16-bit samples: a ramp starting at `first`.
QByteArray Samples(qint64 ms, int first = 0)
{
    QByteArray pcm(wave::BytesForMs(ms), Qt::Uninitialized);
    for (qsizetype i = 0; i < pcm.size() / 2; ++i)
        qToLittleEndian<qint16>(qint16(first + i), pcm.data() + 2 * i);
    return pcm;
}

QByteArray Bytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class Recorder : public ::testing::Test {
protected:
    Recorder()
    {
        auto owned = std::make_unique<FakePort>();
        port = owned.get();
        recorder = std::make_unique<CNagrywanie>([this] { ++recordEnds; }, [this] { ++playEnds; },
                                                 std::make_unique<WaveDevice>(std::move(owned)));
    }
    QString Path(const QString& name = "Nagranie1") const { return dir.filePath(name); }
    void RecordInto(const QString& path, const QByteArray& pcm)
    {
        ASSERT_TRUE(recorder->OpenFile(path));
        ASSERT_TRUE(recorder->Record(kMinuteMs));
        port->Feed(pcm);
        recorder->Stop();
    }

    TestServices services;
    QTemporaryDir dir;
    FakePort* port = nullptr;
    int recordEnds = 0, playEnds = 0;
    std::unique_ptr<CNagrywanie> recorder;
};

TEST_F(Recorder, ANewFileStartsAsTheEmpty46ByteRecording)
{
    const QByteArray expected = QByteArray::fromHex("52494646" "26000000" "57415645" "666d7420" "12000000"
                                                    "0100" "0100" "22560000" "44ac0000" "0200" "1000" "0000"
                                                    "64617461" "00000000");
    ASSERT_EQ(expected.size(), 46);
    EXPECT_EQ(wave::Header(0), expected);
    EXPECT_TRUE(recorder->OpenFile(Path()));
    EXPECT_EQ(Bytes(Path()), expected);
    EXPECT_TRUE(recorder->IsOpen());
    EXPECT_EQ(recorder->Device().FileName(), Path());
    EXPECT_EQ(recorder->Device().LengthMs(), 0);
}

// A recording left damaged by a crash or a full disk opens: it does not play, and recording replaces it.
TEST_F(Recorder, ADamagedFileDoesNotPlayButIsRecordedOver)
{
    EXPECT_FALSE(recorder->OpenFile(dir.filePath("missing-folder/Nagranie1")));
    EXPECT_FALSE(QDir(dir.filePath("missing-folder")).exists());
    EXPECT_FALSE(recorder->OpenFile(QString()));
    for (const QByteArray& damaged : {QByteArray(), wave::Header(0).left(20), QByteArray(300, 'x')}) {
        QFile junk(Path());
        ASSERT_TRUE(junk.open(QIODevice::WriteOnly | QIODevice::Truncate));
        junk.write(damaged);
        junk.close();
        ASSERT_TRUE(recorder->OpenFile(Path()));
        EXPECT_FALSE(recorder->Play());
        EXPECT_EQ(recorder->Device().LastFailure(), WaveDevice::Failure::NoSound);
        EXPECT_FALSE(port->playing);
        EXPECT_EQ(Bytes(Path()), damaged);
        RecordInto(Path(), Samples(300, damaged.size()));
        WaveInfo info;
        ASSERT_TRUE(ReadWaveFile(Path(), info));
        EXPECT_EQ(info.samples, Samples(300, damaged.size()));
    }
}

TEST_F(Recorder, AFinishedRecordingIsAWholeWaveFileWithItsSizesRight)
{
    const QByteArray pcm = Samples(1234);
    ASSERT_TRUE(recorder->OpenFile(Path()));
    ASSERT_TRUE(recorder->Record(kMinuteMs));
    EXPECT_EQ(port->format_, wave::RecordingFormat());
    // Pieces that split a sample in two still make whole samples in the file.
    port->Feed(pcm.left(3));
    port->Feed(pcm.mid(3, 1001));
    port->heldBack = pcm.mid(1004);
    recorder->Stop();
    const QByteArray file = Bytes(Path());
    ASSERT_EQ(file.size(), wave::kHeaderSize + pcm.size());
    EXPECT_EQ(file.left(wave::kHeaderSize), wave::Header(quint32(pcm.size())));
    EXPECT_EQ(qFromLittleEndian<quint32>(file.constData() + wave::kRiffSizeOffset), quint32(file.size() - 8));
    WaveInfo info;
    ASSERT_TRUE(ReadWaveFile(Path(), info));
    EXPECT_EQ(info.formatTag, 1);
    EXPECT_EQ(info.channels, 1);
    EXPECT_EQ(info.sampleRate, 22050);
    EXPECT_EQ(info.bitsPerSample, 16);
    EXPECT_EQ(info.samples, pcm);
    EXPECT_EQ(recordEnds, 0);
}

TEST_F(Recorder, SamplesReachTheFileAsTheyComeSoACrashKeepsTheRecording)
{
    ASSERT_TRUE(recorder->OpenFile(Path()));
    ASSERT_TRUE(recorder->Record(kMinuteMs));
    for (int i = 0; i < 25; ++i)
        port->Feed(Samples(100, i * 2205));
    // The file as a crash would leave it now: every sample is there, the header is at most a second behind.
    const QString crashed = Path("Nagranie2");
    ASSERT_TRUE(QFile::copy(Path(), crashed));
    EXPECT_EQ(Bytes(crashed).size(), wave::kHeaderSize + wave::BytesForMs(2500));
    WaveInfo info;
    ASSERT_TRUE(ReadWaveFile(crashed, info));
    EXPECT_GE(info.DurationMs(), 1500);
    WaveDevice reader(std::make_unique<FakePort>());
    ASSERT_TRUE(reader.Open(crashed));
    EXPECT_EQ(reader.LengthMs(), 2500);
}

TEST_F(Recorder, TheMinuteEndsTheRecordingOnTheClockOnceSavedAndTheOwnerMayCloseInItsHandler)
{
    recorder = std::make_unique<CNagrywanie>(
        [this] { ++recordEnds, recorder->Stop(), recorder->Close(); }, nullptr,
        std::make_unique<WaveDevice>([this] { auto p = std::make_unique<FakePort>(); port = p.get(); return p; }()));
    ASSERT_TRUE(recorder->OpenFile(Path()));
    ASSERT_TRUE(recorder->Record(kMinuteMs));
    port->Feed(Samples(1000));
    services.time.Advance(kMinuteMs - 1);
    EXPECT_TRUE(recorder->Recording());
    EXPECT_EQ(recordEnds, 0);
    services.time.Advance(1);
    EXPECT_EQ(recordEnds, 1);
    EXPECT_FALSE(recorder->Recording());
    EXPECT_FALSE(recorder->IsOpen());
    EXPECT_FALSE(port->capturing);
    services.time.Advance(5 * kMinuteMs);
    EXPECT_EQ(recordEnds, 1);
    WaveInfo info;
    ASSERT_TRUE(ReadWaveFile(Path(), info));
    EXPECT_EQ(info.samples, Samples(1000));
}

TEST_F(Recorder, AnInputFasterThanTheClockStillStopsAtTheMinute)
{
    ASSERT_TRUE(recorder->OpenFile(Path()));
    ASSERT_TRUE(recorder->Record(kMinuteMs));
    port->Feed(Samples(kMinuteMs + 700));
    EXPECT_EQ(recordEnds, 1);
    EXPECT_FALSE(recorder->Recording());
    EXPECT_FALSE(port->capturing);
    services.time.Advance(kMinuteMs);
    EXPECT_EQ(recordEnds, 1);
    WaveInfo info;
    ASSERT_TRUE(ReadWaveFile(Path(), info));
    EXPECT_EQ(info.samples, Samples(kMinuteMs));
}

TEST_F(Recorder, ALostInputEndsTheRecordingWithWhatCameSaved)
{
    ASSERT_TRUE(recorder->OpenFile(Path()));
    ASSERT_TRUE(recorder->Record(kMinuteMs));
    port->Feed(Samples(300));
    port->LoseInput();
    EXPECT_EQ(recordEnds, 1);
    EXPECT_FALSE(recorder->Recording());
    WaveInfo info;
    ASSERT_TRUE(ReadWaveFile(Path(), info));
    EXPECT_EQ(info.samples, Samples(300));
}

// The old recording stays whole until the new one holds sound: without a microphone, while no sound
// has come yet, and when the recording is stopped before any came. Then the new one takes its place.
TEST_F(Recorder, RecordingAgainReplacesTheOldSoundOnlyOnceTheNewOneHoldsSound)
{
    RecordInto(Path(), Samples(1000));
    const QByteArray first = Bytes(Path());
    const QString fresh = WaveDevice::NewRecordingPath(Path());
    port->hasInput = false;
    ASSERT_TRUE(recorder->OpenFile(Path()));
    EXPECT_FALSE(recorder->Record(kMinuteMs));
    EXPECT_EQ(recorder->Device().LastFailure(), WaveDevice::Failure::NoInput);
    EXPECT_FALSE(recorder->Recording());
    EXPECT_EQ(Bytes(Path()), first);
    port->hasInput = true;
    ASSERT_TRUE(recorder->Record(kMinuteMs));
    EXPECT_EQ(Bytes(Path()), first);
    EXPECT_TRUE(QFile::exists(fresh));
    recorder->Stop();
    EXPECT_EQ(Bytes(Path()), first);
    EXPECT_FALSE(QFile::exists(fresh));

    ASSERT_TRUE(recorder->Record(kMinuteMs));
    port->Feed(Samples(200, 7));
    EXPECT_FALSE(QFile::exists(fresh));
    EXPECT_EQ(Bytes(Path()), wave::Header(quint32(wave::BytesForMs(200))) + Samples(200, 7));
    port->Feed(Samples(100, 9));
    recorder->Stop();
    WaveInfo info;
    ASSERT_TRUE(ReadWaveFile(Path(), info));
    EXPECT_EQ(info.samples, Samples(200, 7) + Samples(100, 9));
    EXPECT_EQ(Bytes(Path()).size(), wave::kHeaderSize + wave::BytesForMs(300));
}

TEST_F(Recorder, AFileThatCannotBeWrittenIsNotRecordedInto)
{
    ASSERT_TRUE(recorder->OpenFile(Path()));
    ASSERT_TRUE(QFile::remove(Path()));
    ASSERT_TRUE(QDir(dir.path()).mkdir("Nagranie1"));
    EXPECT_TRUE(recorder->Record(kMinuteMs));
    port->Feed(Samples(100));
    EXPECT_FALSE(recorder->Recording());
    EXPECT_FALSE(port->capturing);
    EXPECT_EQ(recordEnds, 1);
    EXPECT_EQ(recorder->Device().LastFailure(), WaveDevice::Failure::CannotWrite);
    EXPECT_TRUE(QDir(dir.filePath("Nagranie1")).exists());
    EXPECT_FALSE(QFile::exists(WaveDevice::NewRecordingPath(Path())));
    // A full disk: the new file cannot take even its header.
    ASSERT_TRUE(QDir(dir.path()).rmdir("Nagranie1"));
    RecordInto(Path(), Samples(100));
    const QByteArray old = Bytes(Path());
    ASSERT_TRUE(QFile::link("/dev/full", WaveDevice::NewRecordingPath(Path())));
    EXPECT_FALSE(recorder->Record(kMinuteMs));
    EXPECT_EQ(recorder->Device().LastFailure(), WaveDevice::Failure::CannotWrite);
    EXPECT_FALSE(port->capturing);
    EXPECT_EQ(Bytes(Path()), old);
}

TEST_F(Recorder, PlayingPlaysTheFileAndTellsTheOwnerOnceAtItsEnd)
{
    RecordInto(Path(), Samples(500));
    ASSERT_TRUE(recorder->OpenFile(Path()));
    EXPECT_EQ(recorder->Device().LengthMs(), 500);
    ASSERT_TRUE(recorder->Play());
    EXPECT_EQ(port->played, Samples(500));
    EXPECT_EQ(port->format_, wave::RecordingFormat());
    EXPECT_TRUE(recorder->Play());  // already playing: not started again
    port->FinishPlayback();
    EXPECT_EQ(playEnds, 1);
    EXPECT_FALSE(recorder->Playing());
    EXPECT_TRUE(recorder->IsOpen());
    port->FinishPlayback();
    EXPECT_EQ(playEnds, 1);
    // A stopped playback is not reported, even if the output's report comes late.
    ASSERT_TRUE(recorder->Play());
    recorder->Stop();
    port->FinishPlayback();
    EXPECT_EQ(playEnds, 1);
    EXPECT_EQ(recordEnds, 0);
}

TEST_F(Recorder, PlayWhileRecordingSavesTheRecordingThenPlaysItFromTheStart)
{
    ASSERT_TRUE(recorder->OpenFile(Path()));
    ASSERT_TRUE(recorder->Record(kMinuteMs));
    port->Feed(Samples(400));
    ASSERT_TRUE(recorder->Play());
    EXPECT_FALSE(recorder->Recording());
    EXPECT_TRUE(recorder->Playing());
    EXPECT_EQ(port->played, Samples(400));
    EXPECT_EQ(recordEnds, 0);
    services.time.Advance(kMinuteMs);
    EXPECT_EQ(recordEnds, 0);
}

TEST_F(Recorder, WithoutALoudspeakerNothingPlays)
{
    RecordInto(Path(), Samples(100));
    port->hasOutput = false;
    ASSERT_TRUE(recorder->OpenFile(Path()));
    EXPECT_FALSE(recorder->Play());
    EXPECT_FALSE(recorder->Playing());
}

// Each operation in each state: where the recorder ends up, and that no end is ever reported.
TEST_F(Recorder, EveryOperationInEveryState)
{
    enum State { Closed, Open, Recording, Playing };
    struct Op { const char* name; std::function<void(CNagrywanie&, const QString&)> run; State after[4]; };
    const std::vector<Op> ops = {
        {"OpenFile", [](CNagrywanie& r, const QString& other) { r.OpenFile(other); }, {Open, Open, Open, Open}},
        {"Record", [](CNagrywanie& r, const QString&) { r.Record(kMinuteMs); }, {Closed, Recording, Recording, Recording}},
        {"Play", [](CNagrywanie& r, const QString&) { r.Play(); }, {Closed, Playing, Playing, Playing}},
        {"Stop", [](CNagrywanie& r, const QString&) { r.Stop(); }, {Closed, Open, Open, Open}},
        {"Close", [](CNagrywanie& r, const QString&) { r.Close(); }, {Closed, Closed, Closed, Closed}},
        {"Suspend", [](CNagrywanie& r, const QString&) { r.Suspend(); }, {Closed, Closed, Closed, Closed}},
        {"Resume", [](CNagrywanie& r, const QString&) { r.Resume(); }, {Closed, Open, Recording, Playing}},
    };
    const QByteArray recording = wave::Header(quint32(Samples(100).size())) + Samples(100);
    for (const Op& op : ops)
        for (State start : {Closed, Open, Recording, Playing}) {
            SCOPED_TRACE(std::string(op.name) + " from state " + std::to_string(start));
            const std::string name = op.name;
            recorder->Close();
            recorder->Resume();
            for (const QString& path : {Path(), Path("Nagranie2")}) {
                QFile f(path);
                ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
                f.write(recording);
            }
            if (start != Closed) {
                ASSERT_TRUE(recorder->OpenFile(Path()));
            }
            if (start == Recording) {
                ASSERT_TRUE(recorder->Record(kMinuteMs));
                port->Feed(Samples(100));
            }
            if (start == Playing) {
                ASSERT_TRUE(recorder->Play());
            }
            op.run(*recorder, Path("Nagranie2"));
            const State after = op.after[start];
            EXPECT_EQ(recorder->IsOpen(), after != Closed);
            EXPECT_EQ(recorder->Recording(), after == Recording);
            EXPECT_EQ(recorder->Playing(), after == Playing);
            EXPECT_EQ(port->capturing, after == Recording);
            EXPECT_EQ(port->playing, after == Playing);
            EXPECT_EQ(recorder->IsBusy(), after == Recording || after == Playing || name == "Suspend");
            if (recorder->IsOpen()) {
                EXPECT_EQ(recorder->Device().FileName(), name == "OpenFile" ? Path("Nagranie2") : Path());
            }
            recorder->Stop();
            // A recording ended by any of these is whole in its file; one that got no sound leaves the old.
            WaveInfo info;
            ASSERT_TRUE(ReadWaveFile(Path(), info));
            EXPECT_EQ(info.samples, Samples(100));
        }
    EXPECT_EQ(recordEnds, 0);
    EXPECT_EQ(playEnds, 0);
}

TEST_F(Recorder, IsBusyUntilResumedAndWhileSuspendedForAGame)
{
    EXPECT_FALSE(recorder->Enabled());
    EXPECT_TRUE(recorder->IsBusy());
    recorder->Resume();
    EXPECT_FALSE(recorder->IsBusy());
    ASSERT_TRUE(recorder->OpenFile(Path()));
    ASSERT_TRUE(recorder->Record(kMinuteMs));
    port->Feed(Samples(100));
    recorder->Suspend();
    EXPECT_TRUE(recorder->IsBusy());
    EXPECT_FALSE(recorder->IsOpen());
    services.time.Advance(kMinuteMs);
    EXPECT_EQ(recordEnds, 0);
    WaveInfo info;
    ASSERT_TRUE(ReadWaveFile(Path(), info));
    EXPECT_EQ(info.samples, Samples(100));
    recorder->Resume();
    EXPECT_FALSE(recorder->IsBusy());
}

TEST_F(Recorder, ClosingTheProgramMidRecordingKeepsTheRecording)
{
    ASSERT_TRUE(recorder->OpenFile(Path()));
    ASSERT_TRUE(recorder->Record(kMinuteMs));
    port->Feed(Samples(700));
    recorder.reset();
    WaveInfo info;
    ASSERT_TRUE(ReadWaveFile(Path(), info));
    EXPECT_EQ(info.samples, Samples(700));
    EXPECT_EQ(recordEnds, 0);
}

// The desktop device with no sound server to reach: it refuses at once and leaves the file alone.
TEST(DesktopRecorder, WithoutASoundServerRecordAndPlayFailAtOnce)
{
    qputenv("PULSE_SERVER", "unix:/nonexistent/brimbola-test-no-server");
    TestServices services;
    QTemporaryDir dir;
    const QString path = dir.filePath("Nagranie1");
    CNagrywanie recorder(nullptr, nullptr);
    ASSERT_TRUE(recorder.OpenFile(path));
    EXPECT_FALSE(recorder.Record(kMinuteMs));
    EXPECT_FALSE(recorder.Play());
    EXPECT_FALSE(recorder.Recording());
    EXPECT_FALSE(recorder.Playing());
    EXPECT_EQ(Bytes(path), wave::Header(0));
}

}  // namespace
