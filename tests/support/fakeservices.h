// SPDX-License-Identifier: GPL-3.0-or-later
// Test doubles of the services that touch time and sound: a clock that moves only when a test says
// so, a sound player that records instead of playing. They need no widgets, so engine tests use them.
#pragma once

#include "platform/services.h"
#include "platform/timeservice.h"

#include <QStringList>
#include <functional>
#include <set>
#include <vector>

class FakeTimer;

class FakeTime final : public TimeService {
public:
    qint64 NowMs() override { return now_; }
    QDateTime UtcNow() override { return start_.addMSecs(now_); }
    void Wait(int ms) override;
    void WaitProcessingEvents(int ms) override;
    std::unique_ptr<TimerBackend> NewTimer(std::function<void()> onTimeout) override;

    // Moves the clock on, firing every timer that comes due on the way, in time order, and
    // letting the application handle its events after each.
    void Advance(qint64 ms);
    void SetUtcStart(const QDateTime& utc) { start_ = utc; }

    std::vector<int> waits;       // every blocking wait, in order
    std::vector<int> eventWaits;  // every event-processing wait, in order

private:
    friend class FakeTimer;
    qint64 now_ = 0;
    QDateTime start_ = QDateTime(QDate(2026, 12, 7), QTime(9, 30), Qt::UTC);
    std::set<FakeTimer*> timers_;
};

class RecordingSound final : public SoundPlayer {
public:
    void PlaySync(const QString& path) override
    {
        played.append(path);
        if (whilePlaying)
            whilePlaying(path);
    }
    QStringList played;
    // Runs as a sound plays: what a child does meanwhile (the events wait in the queue).
    std::function<void(const QString&)> whilePlaying;
};

// The doubles installed together for one test.
struct TestServices {
    FakeTime time;
    RecordingSound sound;
    RandomSource random{12345};
    ServicesScope scope{Services{&time, &sound, &random}};
};
