// SPDX-License-Identifier: GPL-3.0-or-later
// Time as the program sees it: the clock, the fixed pauses inside handlers (after a sound, the glide
// frames, the splash hand-over) and periodic timers. Production uses the real clock and QTimer; tests
// put in a fake so that a 60 s timer or a 2 s pause costs nothing.
#pragma once

#include <QDateTime>
#include <functional>
#include <memory>

class TimerBackend {
public:
    virtual ~TimerBackend() = default;
    virtual void Start(int intervalMs, bool singleShot) = 0;
    virtual void Stop() = 0;
    virtual bool IsActive() const = 0;
};

class TimeService {
public:
    virtual ~TimeService() = default;
    virtual qint64 NowMs() = 0;            // monotonic milliseconds
    virtual QDateTime UtcNow() = 0;        // wall-clock time, UTC
    // Waits with the whole program frozen: no event, no timer, no repaint meanwhile.
    virtual void Wait(int ms) = 0;
    // Waits while events (input, repaints, timers) go on being handled.
    virtual void WaitProcessingEvents(int ms) = 0;
    virtual std::unique_ptr<TimerBackend> NewTimer(std::function<void()> onTimeout) = 0;
};

// The real clock, pauses and QTimer.
class RealTimeService final : public TimeService {
public:
    RealTimeService();
    qint64 NowMs() override;
    QDateTime UtcNow() override;
    void Wait(int ms) override;
    void WaitProcessingEvents(int ms) override;
    std::unique_ptr<TimerBackend> NewTimer(std::function<void()> onTimeout) override;

private:
    qint64 start_;
};

// A timer of a window or engine (periodic, or one-shot), running on the current time service.
class CTimer {
public:
    explicit CTimer(std::function<void()> onTimeout, bool singleShot = false);
    ~CTimer();
    CTimer(const CTimer&) = delete;
    CTimer& operator=(const CTimer&) = delete;

    void SetInterval(int ms) { interval_ = ms; }
    int Interval() const { return interval_; }
    void Start();                          // (re)starts with the current interval
    void Start(int ms);
    void Stop();
    bool IsActive() const;

private:
    std::unique_ptr<TimerBackend> backend_;
    int interval_ = 1000;
    bool singleShot_;
};
