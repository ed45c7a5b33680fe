// SPDX-License-Identifier: GPL-3.0-or-later
// Timers, pauses and the wave reader as the games use them, on the fake clock.
#include "platform/timeservice.h"
#include "platform/wavefile.h"
#include "support/fakes.h"

#include <QtEndian>
#include <gtest/gtest.h>

TEST(Timers, PeriodicAndSingleShotTimersFireOnTheFakeClock)
{
    TestServices services;
    int ticks = 0, shots = 0;
    CTimer periodic([&] { ++ticks; });
    CTimer once([&] { ++shots; }, true);
    periodic.Start(20);
    once.Start(60000);
    services.time.Advance(100);
    EXPECT_EQ(ticks, 5);
    EXPECT_EQ(shots, 0);
    services.time.Advance(59900);
    EXPECT_EQ(shots, 1);
    EXPECT_FALSE(once.IsActive());
    EXPECT_EQ(ticks, 3000);
    periodic.Stop();
    services.time.Advance(1000);
    EXPECT_EQ(ticks, 3000);
    EXPECT_EQ(services.time.NowMs(), 61000);
}

TEST(Timers, ATimerMayStopOrRestartItselfAndOthersInItsCallback)
{
    TestServices services;
    int a = 0, b = 0;
    std::unique_ptr<CTimer> second;
    CTimer first([&] {
        if (++a == 3)
            second.reset();  // destroyed from a callback
    });
    second = std::make_unique<CTimer>([&] { ++b; });
    first.Start(10);
    second->Start(16);
    services.time.Advance(100);
    EXPECT_EQ(a, 10);
    EXPECT_EQ(b, 1);  // fired at 16 ms, destroyed at 30 ms
}

TEST(Timers, BlockingWaitsMoveTheClockWithoutFiringTimers)
{
    TestServices services;
    int ticks = 0;
    CTimer timer([&] { ++ticks; });
    timer.Start(10);
    services.time.Wait(500);
    EXPECT_EQ(ticks, 0);
    EXPECT_EQ(services.time.NowMs(), 500);
    services.time.WaitProcessingEvents(16);
    EXPECT_GE(ticks, 1);
    EXPECT_EQ(services.time.waits, std::vector<int>{500});
}

namespace {
QByteArray Wave(int rate, int channels, int bits, QByteArray data, qint32 claimedData = -1)
{
    QByteArray f("RIFF....WAVEfmt ");
    auto u32 = [&f](quint32 v) { char b[4]; qToLittleEndian(v, b); f.append(b, 4); };
    auto u16 = [&f](quint16 v) { char b[2]; qToLittleEndian(v, b); f.append(b, 2); };
    u32(16);
    u16(1);
    u16(quint16(channels));
    u32(quint32(rate));
    u32(quint32(rate * channels * bits / 8));
    u16(quint16(channels * bits / 8));
    u16(quint16(bits));
    f.append("data");
    u32(quint32(claimedData < 0 ? data.size() : claimedData));
    f.append(data);
    return f;
}
}  // namespace

TEST(WaveFile, ReadsFormatAndDataAndCutsAClaimBeyondTheFile)
{
    WaveInfo info;
    ASSERT_TRUE(ParseWave(Wave(22050, 1, 16, QByteArray(44100, '\0')), info));
    EXPECT_EQ(info.sampleRate, 22050);
    EXPECT_EQ(info.channels, 1);
    EXPECT_EQ(info.bitsPerSample, 16);
    EXPECT_EQ(info.DurationMs(), 1000);
    ASSERT_TRUE(ParseWave(Wave(22050, 1, 16, QByteArray(100, '\1'), 1000000), info));
    EXPECT_EQ(info.samples.size(), 100);
    EXPECT_FALSE(ParseWave("RIFF....WAVEdata", info));
    EXPECT_FALSE(ParseWave(QByteArray("not a wave"), info));
    EXPECT_FALSE(ParseWave(Wave(22050, 1, 16, "x").left(30), info));
}
