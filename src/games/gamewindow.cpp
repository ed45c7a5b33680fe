// SPDX-License-Identifier: GPL-3.0-or-later
// The base of every game window (see gamewindow.h).
#include "gamewindow.h"

#include "platform/imagefiles.h"
#include "platform/raster.h"
#include "platform/services.h"
#include "platform/timeservice.h"
#include "results/Koniecgry.h"
#include "results/_cstatrec.h"
#include "shell/Cdisplay.h"
#include "shell/_cblad.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QShowEvent>
#include <QTimer>

namespace {
constexpr int kResourcesMissing = 1;
constexpr char16_t kEscapeCharacter = 27;
}  // namespace

struct CGameWindow::TimerEntry {
    std::unique_ptr<CTimer> timer;
    quint64 startedIn = 0;
};

CGameWindow::CGameWindow(const GameContext& context, const GameInfo& game, QWidget* parent)
    : CModalWindow(parent), context_(context), game_(game)
{
    setWindowTitle(QString::fromUtf8(game.caption));
    const CDisplay& display = context_.display;
    designSize_ = QSize(display.DesignWidth, display.DesignHeight);
    setGeometry(QRect(QPoint(display.OffsetX, display.OffsetY), designSize_));
}

CGameWindow::~CGameWindow()
{
    QCoreApplication::instance()->removeEventFilter(this);
    // Before the window's own children go: retired rounds may own some of them.
    retired_.clear();
}

void CGameWindow::RetireLater(std::shared_ptr<void> roundObjects)
{
    if (!roundObjects)
        return;
    retired_.push_back(std::move(roundObjects));
    if (waitDepth_ == 0)
        ScheduleDropRetired();
}

void CGameWindow::ScheduleDropRetired()
{
    // A handler whose wait saw its round end returns at once; the event loop then runs this.
    QTimer::singleShot(0, this, [this] {
        if (waitDepth_ == 0)
            retired_.clear();
    });
}

void CGameWindow::LeaveWait()
{
    if (--waitDepth_ == 0 && !retired_.empty())
        ScheduleDropRetired();
}

bool CGameWindow::IsEscape(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Escape ||
           (!event->text().isEmpty() && event->text().at(0).unicode() == kEscapeCharacter);
}

bool CGameWindow::IsSmall() const
{
    return context_.display.IsSmall();
}

QImage CGameWindow::LoadBackground(const QString& smallPath, const QString& bigPath) const
{
    try {
        return DecodeJpegFile(IsSmall() ? smallPath : bigPath).convertToFormat(QImage::Format_RGB32);
    } catch (const ImageError&) {
        throw CBlad(kResourcesMissing);
    }
}

QImage CGameWindow::NewScene(const QImage& background) const
{
    QImage scene(designSize_, QImage::Format_RGB32);
    if (scene.isNull())
        throw CBlad(kResourcesMissing);
    scene.fill(Qt::black);
    raster::Copy(scene, QPoint(0, 0), background);
    return scene;
}

CTimer& CGameWindow::RoundTimer(std::function<void()> onTimeout, bool singleShot)
{
    auto entry = std::make_unique<TimerEntry>();
    TimerEntry* self = entry.get();
    entry->timer = std::make_unique<CTimer>(
        [this, self, onTimeout = std::move(onTimeout)] {
            if (IsRound(self->startedIn))
                onTimeout();
            else
                self->timer->Stop();
        },
        singleShot);
    timers_.push_back(std::move(entry));
    return *self->timer;
}

void CGameWindow::StopRoundTimers()
{
    for (auto& entry : timers_)
        entry->timer->Stop();
}

bool CGameWindow::WaitInRound(int ms)
{
    const quint64 round = round_;
    ++waitDepth_;
    Time().WaitProcessingEvents(ms);
    LeaveWait();
    return IsRound(round);
}

bool CGameWindow::ProcessPendingInRound()
{
    const quint64 round = round_;
    ++waitDepth_;
    QCoreApplication::processEvents();
    LeaveWait();
    return IsRound(round);
}

void CGameWindow::Touch()
{
    context_.stats.Touch();
}

void CGameWindow::A_NowaGra()
{
    StopRoundTimers();
    ++round_;
    live_ = true;
    // Timers started from here on belong to the new round.
    for (auto& entry : timers_)
        entry->startedIn = round_;
    context_.stats.BeginGame(game_.statisticsCode, *game_.settings);
    BeginRound();
}

void CGameWindow::EndRound()
{
    const bool completed = RoundCompleted();
    live_ = false;
    StopRoundTimers();
    EndRoundObjects();
    context_.stats.EndGame();
    context_.stats.Save(completed ? 1 : 0);
}

void CGameWindow::A_Stop()
{
    if (!live_)
        return;
    EndRound();
    inSummary_ = true;
    const int answer = context_.summary ? context_.summary->ShowSummary() : TfmKoniecGry::kResultStop;
    inSummary_ = false;
    if (answer == TfmKoniecGry::kResultStart)
        A_NowaGra();
    else
        EndModal(TfmKoniecGry::kResultStop);
}

void CGameWindow::A_Close()
{
    if (inSummary_)
        return;
    if (live_)
        EndRound();
    EndModal(TfmKoniecGry::kResultStop);
}

void CGameWindow::showEvent(QShowEvent* event)
{
    CModalWindow::showEvent(event);
    if (event->spontaneous())
        return;
    if (Canvas().isNull())
        ResetCanvas(designSize_);
    MakeScene();
    QCoreApplication::instance()->installEventFilter(this);
    A_NowaGra();
}

void CGameWindow::hideEvent(QHideEvent* event)
{
    if (!event->spontaneous()) {
        QCoreApplication::instance()->removeEventFilter(this);
        Canvas() = QImage();
        DropScene();
    }
    CModalWindow::hideEvent(event);
}

void CGameWindow::keyPressEvent(QKeyEvent* event)
{
    if (IsEscape(event))
        A_Stop();
}

void CGameWindow::closeEvent(QCloseEvent* event)
{
    if (inSummary_) {
        event->ignore();
        return;
    }
    A_Close();
    CModalWindow::closeEvent(event);
}

bool CGameWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Whatever the child does with the mouse or the keys on this window or its controls.
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        if (watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == this && live_)
            Touch();
        break;
    default:
        break;
    }
    return false;
}
