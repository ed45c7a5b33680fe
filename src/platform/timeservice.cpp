// SPDX-License-Identifier: GPL-3.0-or-later
// The real clock, pauses and timers (see timeservice.h).
#include "timeservice.h"

#include "services.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

namespace {

QElapsedTimer& Monotonic()
{
    static QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer;
}

class QtTimerBackend final : public TimerBackend {
public:
    explicit QtTimerBackend(std::function<void()> onTimeout)
    {
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, [callback = std::move(onTimeout)] { callback(); });
    }
    void Start(int intervalMs, bool singleShot) override
    {
        timer_.setSingleShot(singleShot);
        timer_.start(intervalMs);
    }
    void Stop() override { timer_.stop(); }
    bool IsActive() const override { return timer_.isActive(); }

private:
    QTimer timer_;
};

}  // namespace

RealTimeService::RealTimeService() : start_(Monotonic().elapsed()) {}

qint64 RealTimeService::NowMs()
{
    return Monotonic().elapsed() - start_;
}

QDateTime RealTimeService::UtcNow()
{
    return QDateTime::currentDateTimeUtc();
}

void RealTimeService::Wait(int ms)
{
    if (ms > 0)
        QThread::msleep(static_cast<unsigned long>(ms));
}

void RealTimeService::WaitProcessingEvents(int ms)
{
    if (ms <= 0)
        return;
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

std::unique_ptr<TimerBackend> RealTimeService::NewTimer(std::function<void()> onTimeout)
{
    return std::make_unique<QtTimerBackend>(std::move(onTimeout));
}

CTimer::CTimer(std::function<void()> onTimeout, bool singleShot)
    : backend_(Time().NewTimer(std::move(onTimeout))), singleShot_(singleShot)
{
}

CTimer::~CTimer() = default;

void CTimer::Start()
{
    backend_->Start(interval_, singleShot_);
}

void CTimer::Start(int ms)
{
    interval_ = ms;
    Start();
}

void CTimer::Stop()
{
    backend_->Stop();
}

bool CTimer::IsActive() const
{
    return backend_->IsActive();
}
