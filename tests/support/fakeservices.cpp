// SPDX-License-Identifier: GPL-3.0-or-later
// Test doubles of time and sound (see fakeservices.h).
#include "fakeservices.h"

#include <QCoreApplication>

class FakeTimer final : public TimerBackend {
public:
    FakeTimer(FakeTime& time, std::function<void()> onTimeout) : time_(time), onTimeout_(std::move(onTimeout))
    {
        time_.timers_.insert(this);
    }
    ~FakeTimer() override { time_.timers_.erase(this); }
    void Start(int intervalMs, bool singleShot) override
    {
        interval_ = std::max(1, intervalMs);
        singleShot_ = singleShot;
        due_ = time_.now_ + interval_;
        active_ = true;
    }
    void Stop() override { active_ = false; }
    bool IsActive() const override { return active_; }

    FakeTime& time_;
    std::function<void()> onTimeout_;
    int interval_ = 1;
    bool singleShot_ = false;
    bool active_ = false;
    qint64 due_ = 0;
};

void FakeTime::Wait(int ms)
{
    waits.push_back(ms);
    now_ += std::max(0, ms);
}

void FakeTime::WaitProcessingEvents(int ms)
{
    eventWaits.push_back(ms);
    Advance(std::max(0, ms));
}

std::unique_ptr<TimerBackend> FakeTime::NewTimer(std::function<void()> onTimeout)
{
    return std::make_unique<FakeTimer>(*this, std::move(onTimeout));
}

void FakeTime::Advance(qint64 ms)
{
    const qint64 target = now_ + ms;
    for (;;) {
        FakeTimer* next = nullptr;
        for (FakeTimer* t : timers_)
            if (t->active_ && t->due_ <= target && (!next || t->due_ < next->due_))
                next = t;
        if (!next)
            break;
        now_ = std::max(now_, next->due_);
        if (next->singleShot_)
            next->active_ = false;
        else
            next->due_ += next->interval_;
        auto callback = next->onTimeout_;  // the timer may be destroyed by its own callback
        callback();
        QCoreApplication::processEvents();
    }
    now_ = std::max(now_, target);
    QCoreApplication::processEvents();
}
