// SPDX-License-Identifier: GPL-3.0-or-later
// The tile-pairs game's window (see Taipei.h).
#include "Taipei.h"

#include "gfx/_cprzycisk.h"
#include "platform/raster.h"
#include "platform/services.h"
#include "platform/timeservice.h"
#include "results/_cstatrec.h"
#include "settings/_custgry.h"
#include "shell/Cdisplay.h"
#include "shell/_specfunc.h"
#include "words/_cslowa.h"

#include <QMouseEvent>

namespace {
constexpr int kStopNudgeX = 4;   // the stop button sits a little right of the help button
const QString kBackgroundSmall = QStringLiteral("Data/Intf/Tpi/mT_Tpi_s.xji");
const QString kBackgroundBig = QStringLiteral("Data/Intf/Tpi/mT_Tpi_b.xji");

// The word of a tile name: "las_s" gives "las"; a name without "_" is the word itself.
QString WordOf(const QString& tileName)
{
    const qsizetype cut = tileName.lastIndexOf('_');
    return cut < 0 ? tileName : tileName.left(cut);
}
}  // namespace

CKostkaWidget::CKostkaWidget(TfmTaiPei& owner, CKostka& tile) : HitArea(&owner), owner_(owner), tile_(tile)
{
    setGeometry(tile.Rect());
    filter = [this](HitEvent kind, QEvent* event) { return Handle(kind, event); };
    show();
}

bool CKostkaWidget::Handle(HitEvent kind, QEvent* event)
{
    GraTaiPei* engine = owner_.Engine();
    // A hidden area belongs to a round that has ended.
    if (!engine || isHidden())
        return false;
    switch (kind) {
    case HitEvent::Enter:
        // A window in the background does not light its tiles up.
        if (!owner_.isActiveWindow())
            return true;
        engine->Enter(tile_);
        return false;
    case HitEvent::Leave:
        engine->Leave(tile_);
        return false;
    case HitEvent::DoubleClick:
        return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    case HitEvent::Press: {
        const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
        if (button == Qt::RightButton)
            owner_.ShowZoom(tile_);
        else if (button == Qt::LeftButton) {
            engine->Press(tile_);
            owner_.WakeTick();
        }
        return false;
    }
    default:
        return false;
    }
}

TfmTaiPei::TfmTaiPei(const GameContext& context) : CGameWindow(context, *GameOfTab(kTab))
{
    const int w = context.display.DesignWidth, h = context.display.DesignHeight;
    const int x = w - w / 10, y = h / 7;
    board_ = QRect(0, 0, x, h);
    // The buttons draw into the background, which every redraw of the board starts from.
    help_ = new CPrzyciskC(this, "pomoc", &background_, &Canvas(), x, y, [this] { A_Pomoc(); });
    stop_ = new CPrzyciskC(this, "stop", &background_, &Canvas(), x + kStopNudgeX, y + h / 8, [this] { A_Stop(); });
    zoom_.Create(&Canvas());
    // The zoom keeps the program busy while the child looks: it must reach the screen at once.
    zoom_.SetShowNow([this](const QRect& rect) { ShowNow(rect); });
    tick_ = &RoundTimer([this] { Tick(); });
    tick_->SetInterval(kTickMs);
}

TfmTaiPei::~TfmTaiPei()
{
    // The tiles' controls go with the engine, before the window's children are taken down.
    engine_.reset();
}

void TfmTaiPei::MakeScene()
{
    background_ = LoadBackground(kBackgroundSmall, kBackgroundBig);
    scene_ = NewScene(background_);
}

void TfmTaiPei::DropScene()
{
    background_ = scene_ = QImage();
}

CKostkaWidget* TfmTaiPei::Widget(const CKostka& tile)
{
    return dynamic_cast<CKostkaWidget*>(tile.Area());
}

std::unique_ptr<CKostkaArea> TfmTaiPei::NewTileArea(CKostka& tile)
{
    return std::make_unique<CKostkaWidget>(*this, tile);
}

void TfmTaiPei::ShowSceneRect(const QRect& rect)
{
    const QRect inside = rect & scene_.rect();
    raster::Copy(Canvas(), inside.topLeft(), scene_, inside);
    Flush(inside);
}

void TfmTaiPei::BeginRound()
{
    // The summary that starts this round may run under a handler of the old one: its tiles go
    // quiet now and go away once that handler has returned.
    if (engine_)
        engine_->HideTiles();
    RetireLater(std::shared_ptr<GraTaiPei>(std::move(engine_)));
    help_->Draw();
    stop_->Draw();
    CZestawSlow& words = Context().words;
    const int level = Settings().Poziom;
    words.DrawWords(level * Game().wordsPerLevel);
    const TaiPeiDeal deal = DealBoard(words, level, Random());
    CTaiPeiHost& host = *this;
    engine_ = std::make_unique<GraTaiPei>(host, scene_, deal, IsSmall(), Random(), mixCounter_);
    raster::Copy(scene_, QPoint(0, 0), background_);
    engine_->DrawAll();
    raster::Copy(Canvas(), QPoint(0, 0), scene_);
    FlushAll();
    tick_->Start();
}

void TfmTaiPei::EndRoundObjects()
{
    // The board stays behind the summary as it was left, without frames of a choice.
    if (!engine_)
        return;
    RedrawBoard();
}

void TfmTaiPei::RedrawBoard()
{
    raster::Copy(scene_, board_.topLeft(), background_, board_);
    engine_->DrawAll();
    ShowSceneRect(board_);
}

void TfmTaiPei::WakeTick()
{
    // A tick already running keeps its beat, so a pair is judged as it always was.
    if (engine_ && RoundLive() && engine_->NeedsTick() && !tick_->IsActive())
        tick_->Start();
}

void TfmTaiPei::Tick()
{
    if (!engine_)
        return;
    const GraTaiPei::TickResult result = engine_->Tick();
    // An untouched board costs nothing: the next press wakes the tick.
    if (!result.boardEmpty && !engine_->NeedsTick())
        tick_->Stop();
    if (result.Idle() && !result.boardEmpty)
        return;
    if (result.judgement == GraTaiPei::Judgement::Right)
        Context().stats.AddCorrect();
    if (result.boardEmpty) {
        A_Stop();
        return;  // the round is over; a new one may already be running
    }
    if (result.judgement == GraTaiPei::Judgement::Wrong) {
        PlayRandomSound(kTryAgainSound);
        Context().stats.AddWrong();
    }
    if (result.judgement == GraTaiPei::Judgement::Right || result.reshuffled) {
        RedrawBoard();
        if (isActiveWindow())
            engine_->FrameHovered();
    }
}

void TfmTaiPei::A_Pomoc()
{
    if (!engine_ || !RoundLive())
        return;
    Context().stats.AddHint();
    engine_->ShowHint();
}

void TfmTaiPei::ShowZoom(const CKostka& tile)
{
    const QSize size = DesignSize();
    zoom_.ShowWord(WordOf(tile.Name()), size.width() / 2, size.height() / 2);
}
