// SPDX-License-Identifier: GPL-3.0-or-later
// The picture-and-say game's window (see Selector.h).
#include "Selector.h"

#include "gfx/_cprzycisk.h"
#include "platform/raster.h"
#include "platform/services.h"
#include "platform/timeservice.h"
#include "settings/_custgry.h"
#include "shell/Cdisplay.h"
#include "shell/_specfunc.h"
#include "words/_cslowa.h"
#include "_chamowanie.h"

#include <QMouseEvent>
#include <QPaintEvent>

namespace {
constexpr int kStopNudgeX = 4;   // the stop button sits a little right of the others
const QString kBackgroundSmall = QStringLiteral("Data/Intf/Sel/mT_Sel_s.xji");
const QString kBackgroundBig = QStringLiteral("Data/Intf/Sel/mT_Sel_b.xji");

int Rounded(float value)
{
    return int(value + 0.5f);
}
}  // namespace

CTileWidget::CTileWidget(TfmSelector& owner, CPrzGloska& tile) : HitArea(&owner), owner_(owner), tile_(tile)
{
    setCursor(Qt::PointingHandCursor);
    filter = [this](HitEvent kind, QEvent* event) { return Handle(kind, event); };
}

bool CTileWidget::Handle(HitEvent kind, QEvent* event)
{
    // Only press, move and release carry a mouse event; enter and leave carry other kinds.
    auto* mouse = kind == HitEvent::Press || kind == HitEvent::Move || kind == HitEvent::Release
                      ? static_cast<QMouseEvent*>(event)
                      : nullptr;
    switch (kind) {
    case HitEvent::Press:
        owner_.Grab(tile_, mouse->button(), mouse->position().toPoint());
        return true;
    case HitEvent::Move:
        owner_.MoveTile(tile_, mouse->buttons(), mouse->modifiers(), mouse->globalPosition());
        return true;
    case HitEvent::Release:
        owner_.Drop(tile_, mouse->button());
        return true;
    case HitEvent::DoubleClick:
        owner_.SwapFromPile(tile_);
        return true;
    default:
        return false;
    }
}

TfmSelector::TfmSelector(const GameContext& context) : CGameWindow(context, *GameOfTab(kTab))
{
    const CDisplay& display = context.display;
    designWidth_ = display.DesignWidth;
    designHeight_ = display.DesignHeight;
    const int w = designWidth_, h = designHeight_;
    const int x = w - w / 10, y = h / 7, step = h / 8;
    help_ = new CPrzyciskC(this, "pomoc", &scene_, &Canvas(), x, y, [this] { A_Pomoc(); });
    stop_ = new CPrzyciskC(this, "stop", &scene_, &Canvas(), x + kStopNudgeX, y + step, [this] { A_Stop(); });
    next_ = new CPrzyciskC(this, "nast", &scene_, &Canvas(), x, y + (2 * h) / 8, [this] { A_Nastepny(); });
    prev_ = new CPrzyciskC(this, "pop", &scene_, &Canvas(), x, y + (3 * h) / 8, [this] { A_Poprzedni(); });
    stopTimer_ = &RoundTimer([this] { A_Stop(); }, true);
    stopTimer_->SetInterval(kStopAfterMs);
}

void TfmSelector::MakeScene()
{
    background_ = LoadBackground(kBackgroundSmall, kBackgroundBig);
    // The scene shares the base's pixels until a round draws on it; the drag snapshot is made then.
    base_ = NewScene(background_);
    scene_ = base_;
}

void TfmSelector::DropScene()
{
    background_ = base_ = scene_ = snapshot_ = QImage();
}

TfmSelector::~TfmSelector()
{
    // The tiles' controls go with the engine, before the window's children are taken down.
    engine_.reset();
}

CTileWidget* TfmSelector::TileWidget(const CPrzGloska& tile)
{
    return dynamic_cast<CTileWidget*>(&tile.HitArea());
}

std::unique_ptr<CTileArea> TfmSelector::NewTileArea(CPrzGloska& tile)
{
    return std::make_unique<CTileWidget>(*this, tile);
}

void TfmSelector::ShowScene()
{
    CopySceneToWindow();
    ShowNow(rect());
}

void TfmSelector::HideHelpButton()
{
    help_->HideButton();
    // What lay under the button comes back on the scene and on screen.
    const QRect area = help_->geometry();
    raster::Copy(scene_, area.topLeft(), base_, area);
    raster::Copy(Canvas(), area.topLeft(), scene_, area);
    Flush(area);
}

void TfmSelector::StopTheTimer()
{
    stopTimer_->Stop();
}

void TfmSelector::DrawBase()
{
    raster::Copy(base_, QPoint(0, 0), background_);
    if (engine_)
        engine_->DrawFrameStrip(base_);
}

void TfmSelector::ShowStepButtons()
{
    if (engine_->IsLast())
        next_->HideButton();
    else
        next_->ShowButton();
    if (engine_->IsFirst())
        prev_->HideButton();
    else
        prev_->ShowButton();
}

void TfmSelector::CopySceneToWindow()
{
    raster::Copy(Canvas(), QPoint(0, 0), scene_);
    FlushAll();
}

void TfmSelector::Redraw()
{
    if (!engine_)
        return;
    DrawBase();
    scene_ = base_;
    snapshot_ = scene_;
    engine_->SetCanvases(&scene_, &snapshot_);
    stop_->Draw();
    ShowStepButtons();
    if (engine_->IsSolved())
        help_->HideButton();
    else
        help_->ShowButton();
    engine_->DrawPicture();
    engine_->ResetTiles();
    CopySceneToWindow();
}

void TfmSelector::BeginRound()
{
    dragged_ = nullptr;
    // The old word's tile may still be handling the release that ended its round.
    if (engine_)
        engine_->HideTiles();
    RetireLater(std::move(engine_));
    CSlowa& words = Context().words;
    words.DrawWords(Settings().Poziom * Game().wordsPerLevel);
    CSelectorHost& host = *this;
    engine_ = std::make_unique<GraSelector>(host, words, Context().stats);
    const QPoint at = GraSelector::PicturePosition();
    engine_->SetPicturePosition(at.x(), at.y());
    // A missing picture only leaves its word without one.
    if (IsSmall())
        words.LoadSmallPictures();
    else
        words.LoadBigPictures();
    engine_->BuildWord();
    Redraw();
}

void TfmSelector::EndRoundObjects()
{
    dragged_ = nullptr;
}

bool TfmSelector::RoundCompleted() const
{
    return engine_ && engine_->AllSolved();
}

void TfmSelector::A_Nastepny()
{
    StopTheTimer();
    if (engine_ && engine_->NextWord())
        ShowCurrentWord();
}

void TfmSelector::A_Poprzedni()
{
    StopTheTimer();
    if (engine_ && engine_->PrevWord())
        ShowCurrentWord();
}

void TfmSelector::ShowCurrentWord()
{
    engine_->BuildWord();
    if (!engine_->IsSolved()) {
        Redraw();
        return;
    }
    DrawBase();
    scene_ = base_;
    stop_->Draw();
    ShowStepButtons();
    help_->HideButton();
    engine_->DrawPicture();
    engine_->ShowSolution();
    CopySceneToWindow();
}

void TfmSelector::A_Pomoc()
{
    StopTheTimer();
    if (!engine_)
        return;
    dragged_ = nullptr;
    DrawBase();
    scene_ = base_;
    engine_->BuildWord();
    help_->Draw();
    stop_->Draw();
    ShowStepButtons();
    // The solved word is shown and said, then the tiles go back on the pile.
    engine_->DrawPicture();
    engine_->ShowSolution();
    ShowScene();
    if (!PlayWordSound(engine_->WordName()))
        Time().Wait(kSilentHintMs);
    engine_->CountHint();
    engine_->ResetTiles();
    Redraw();
}

void TfmSelector::paintEvent(QPaintEvent* event)
{
    if (engine_)
        engine_->DrawTiles();
    for (const QRect& r : event->region())
        raster::Copy(Canvas(), r.topLeft(), scene_, r);
    CGameWindow::paintEvent(event);
}

void TfmSelector::mouseDoubleClickEvent(QMouseEvent* event)
{
    StopTheTimer();
    if (!engine_ || !engine_->IsSolved())
        return;
    const QPoint at = event->globalPosition().toPoint() - mapToGlobal(QPoint(0, 0));
    if (engine_->HitPicture(at.x(), at.y()))
        Redraw();
}

void TfmSelector::Grab(CPrzGloska& tile, Qt::MouseButton button, QPoint inTile)
{
    if (!engine_)
        return;
    if (button == Qt::RightButton)
        SwapFromPile(tile);
    if (button != Qt::LeftButton)
        return;
    const int slot = engine_->SlotOf(&tile);
    if (slot >= 0) {
        engine_->Slots()[size_t(slot)].SetOccupant(nullptr);
        engine_->DrawSlots(scene_);
        CopySceneToWindow();
    }
    engine_->MoveToTop(engine_->IndexOf(&tile));
    RebuildSnapshot(tile);
    dragged_ = &tile;
    grabPoint_ = mapToGlobal(QPoint(0, 0)) + inTile;
}

void TfmSelector::RebuildSnapshot(CPrzGloska& tile)
{
    engine_->SetGrabbed(&tile);
    scene_ = base_;
    stop_->Draw();
    if (!help_->isHidden())
        help_->Draw();
    ShowStepButtons();
    engine_->DrawPicture();
    engine_->DrawSlots(scene_);
    engine_->DrawTiles();
    snapshot_ = scene_;
    engine_->SetCanvases(&scene_, &snapshot_);
    engine_->SetGrabbed(nullptr);
}

void TfmSelector::MoveTile(CPrzGloska& tile, Qt::MouseButtons buttons, Qt::KeyboardModifiers keys, QPointF global)
{
    // Exactly the left button: another button or a held Shift, Ctrl or Alt leaves the tile still.
    if (dragged_ != &tile || buttons != Qt::LeftButton || keys != Qt::NoModifier)
        return;
    const QPoint cursor = global.toPoint();
    DragTo(tile, cursor.x() - grabPoint_.x(), cursor.y() - grabPoint_.y());
}

void TfmSelector::DragTo(CPrzGloska& tile, int x, int y)
{
    const QRect old = tile.Rect();
    raster::Copy(scene_, old.topLeft(), snapshot_, old);
    tile.SetDrawnPosition(x, y);
    raster::Copy(scene_, QPoint(tile.X(), tile.Y()), tile.Picture());
    // The old place with its margin, and the new place: a quick hand moves the tile farther than the
    // margin in one step, and the tile must still be seen under the mouse.
    const QRect shown =
        old.adjusted(-kDragMargin, -kDragMargin, kDragMargin, kDragMargin).united(tile.Rect()).intersected(rect());
    raster::Copy(Canvas(), shown.topLeft(), scene_, shown);
    Flush(shown);
}

void TfmSelector::Drop(CPrzGloska& tile, Qt::MouseButton button)
{
    if (button != Qt::LeftButton || dragged_ != &tile || !engine_)
        return;
    dragged_ = nullptr;
    tile.SyncHitArea();
    const GraSelector::Drop drop = engine_->DropTile(tile);
    if (drop.landing == GraSelector::Landing::GoesBack) {
        GlideBack(tile);
        return;
    }
    const CPusGloska& slot = engine_->Slots()[size_t(drop.slot)];
    const int restAbove = drop.landing == GraSelector::Landing::RestsAbove ? GraSelector::kRestAbove : 0;
    DragTo(tile, slot.x, slot.y - restAbove);
    tile.SyncHitArea();
    engine_->DrawSlots(scene_);
    FlushAll();
    if (drop.landing == GraSelector::Landing::Placed)
        Judge();
}

void TfmSelector::Judge()
{
    switch (engine_->CheckWord()) {
    case GraSelector::Check::Incomplete:
        return;
    case GraSelector::Check::Wrong:
        PlayRandomSound(kTryAgainSound);
        return;
    case GraSelector::Check::Solved:
    case GraSelector::Check::AllSolved:
        break;
    }
    PlayRandomSound(kPraiseSound);
    Time().Wait(kPauseBeforeWordMs);
    PlayWordSound(engine_->WordName());
    HideHelpButton();
    // The child sees the solved word at once; a stop pressed meanwhile may already have ended the
    // round, and with it everything of this word.
    if (!ProcessPendingInRound())
        return;
    if (engine_->AllSolved())
        stopTimer_->Start();
}

void TfmSelector::GlideBack(CPrzGloska& tile)
{
    CHamowanie alongX, alongY;
    alongX.Start(float(tile.X()), float(engine_->PileX()), kGlideSteps);
    alongY.Start(float(tile.Y()), float(engine_->PileY()), kGlideSteps);
    for (int i = 0; i < kGlideSteps; ++i) {
        const int x = Rounded(alongX.Next()), y = Rounded(alongY.Next());
        DragTo(tile, x, y);
        ShowNow(rect());
        Time().Wait(kGlideStepMs);
    }
    tile.SetPosition(Rounded(alongX.Next()), Rounded(alongY.Next()));
    tile.HitArea().BringToFront();
    FlushAll();
}

void TfmSelector::SwapFromPile(CPrzGloska& tile)
{
    if (!engine_)
        return;
    engine_->SwapFromPile(tile);
    FlushAll();
}
