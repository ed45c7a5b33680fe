// SPDX-License-Identifier: GPL-3.0-or-later
// The sounds game's window (see Odglosy.h).
#include "Odglosy.h"

#include "gfx/_cprzycisk.h"
#include "platform/hitarea.h"
#include "platform/raster.h"
#include "platform/timeservice.h"
#include "shell/_specfunc.h"

#include <QCoreApplication>
#include <QMouseEvent>

namespace {

const QString kBackgroundSmall = QStringLiteral("Data/Intf/Odgl/mT_Odg_s.xji");
const QString kBackgroundBig = QStringLiteral("Data/Intf/Odgl/mT_Odg_b.xji");

Qt::MouseButton ButtonOf(HitEvent kind, QEvent* event)
{
    // Only presses and double-clicks carry the button that was pressed.
    if ((kind != HitEvent::Press && kind != HitEvent::DoubleClick) || !event)
        return Qt::NoButton;
    return static_cast<QMouseEvent*>(event)->button();
}

QString LabelOf(const QString& name)
{
    for (const SoundThing& thing : SoundThings())
        if (name == QLatin1String(thing.name))
            return QString::fromLatin1(thing.label);
    return {};
}

int IndexOfButton(const QString& name)
{
    const auto& places = TfmOdglosy::ButtonPlaces();
    for (size_t i = 0; i < places.size(); ++i)
        if (name == QLatin1String(places[i].name))
            return int(i);
    return -1;
}

}  // namespace

// A hidden object's mouse area: a control of the window over the object, gone with the object.
class TfmOdglosy::HiddenObjectArea : public CObjectArea {
public:
    HiddenObjectArea(TfmOdglosy& window, CObiektOdglosy& object) : area_(std::make_unique<HitArea>(&window))
    {
        area_->setGeometry(object.Rect());
        area_->filter = [&window, &object, area = area_.get()](HitEvent kind, QEvent* event) {
            return window.ObjectEvent(object, *area, kind, event);
        };
        area_->onClick = [&window] { window.A_KliknietoObiekt(); };
        area_->show();
    }

    HitArea* Widget() const { return area_.get(); }

private:
    std::unique_ptr<HitArea> area_;
};

const std::array<TfmOdglosy::ButtonPlace, 9>& TfmOdglosy::ButtonPlaces()
{
    static const std::array<ButtonPlace, 9> places{{
        {"balon", QPoint(130, 424), 20, QPoint(160, 554), 30, true},
        {"swinia", QPoint(280, 424), 12, QPoint(358, 554), 26, true},
        {"kon", QPoint(430, 424), 28, QPoint(558, 554), 38, true},
        {"traktor", QPoint(580, 424), 30, QPoint(751, 554), 40, true},
        {"ptakczarny", QPoint(80, 490), 30, QPoint(100, 648), 40, true},
        {"ptakbialy", QPoint(220, 490), 10, QPoint(280, 648), 20, true},
        {"traba", QPoint(360, 490), 12, QPoint(460, 648), 22, true},
        {"pies", QPoint(500, 490), 20, QPoint(640, 648), 30, true},
        {"auto", QPoint(640, 490), 20, QPoint(820, 648), 30, true},
    }};
    return places;
}

TfmOdglosy::TfmOdglosy(const GameContext& context) : CGameWindow(context, *GameOfTab(kTab))
{
    selection_.ClearFlags();
    const int w = DesignSize().width(), h = DesignSize().height();
    const int x = w - w / 10, y = (3 * h) / 7;
    help_ = new CPrzyciskC(this, "pomoc", &scene_, &Canvas(), x, y, [this] { A_Pomoc(); });
    stop_ = new CPrzyciskC(this, "stop", &scene_, &Canvas(), x + kStopNudgeX, y + h / 8, [this] { A_Stop(); });

    const bool small = IsSmall();
    for (size_t i = 0; i < buttons_.size(); ++i) {
        const ButtonPlace& place = ButtonPlaces()[i];
        const QPoint at = small ? place.small : place.big;
        const QString name = QString::fromLatin1(place.name);
        const QString label = LabelOf(name);
        buttons_[i] = std::make_unique<CPrzyciskOdglosy>(name, label, at.x(), at.y(),
                                                         small ? place.smallLabelOffset : place.bigLabelOffset,
                                                         place.active, small, Host());
        if (!place.active)
            continue;  // a greyed button takes no mouse at all
        CPrzyciskOdglosy& button = *buttons_[i];
        auto* area = new HitArea(this);
        area->setGeometry(button.Rect());
        area->filter = [this, &button, area](HitEvent kind, QEvent* event) {
            return ButtonEvent(button, *area, kind, event);
        };
        area->onClick = [this] { A_KliknietoPrzycisk(); };
        area->show();
        buttonAreas_[i] = area;
    }

    tick_ = &RoundTimer([this] { Tick(); });
    tick_->SetInterval(GraOdglosy::kTickMs);
}

TfmOdglosy::~TfmOdglosy()
{
    // The objects' mouse areas go with the engine, before the window's children are taken down.
    engine_.reset();
}

void TfmOdglosy::MakeScene()
{
    background_ = LoadBackground(kBackgroundSmall, kBackgroundBig);
    scene_ = NewScene(background_);
    help_->Draw();
    stop_->Draw();
    for (const auto& button : buttons_)
        button->Redraw();
}

void TfmOdglosy::DropScene()
{
    background_ = scene_ = QImage();
}

CPrzyciskOdglosy* TfmOdglosy::Button(const QString& name) const
{
    const int i = IndexOfButton(name);
    return i < 0 ? nullptr : buttons_[size_t(i)].get();
}

QWidget* TfmOdglosy::ButtonArea(const QString& name) const
{
    const int i = IndexOfButton(name);
    return i < 0 ? nullptr : buttonAreas_[size_t(i)];
}

QWidget* TfmOdglosy::ObjectArea(const QString& name) const
{
    const CObiektOdglosy* object = engine_ ? engine_->Object(name) : nullptr;
    const auto* area = object ? dynamic_cast<const HiddenObjectArea*>(object->Area()) : nullptr;
    return area ? area->Widget() : nullptr;
}

void TfmOdglosy::BeginRound()
{
    engine_.reset();
    selection_.ClearFlags();
    engine_ = std::make_unique<GraOdglosy>(Host(), selection_, hint_, Context().stats, IsSmall());
    // A hint of an earlier game has nothing to do with this one.
    engine_->EndHint();
    // Nor the look a button kept when the mouse left it after the last game had ended.
    for (const auto& button : buttons_)
        if (button->CurrentLook() != CPrzyciskOdglosy::Look::Normal)
            button->ShowNormal();
    // The window's canvas is new each time the window is shown.
    raster::Copy(Canvas(), QPoint(0, 0), scene_);
    FlushAll();
    tick_->Start(GraOdglosy::kTickMs);
}

void TfmOdglosy::EndRoundObjects()
{
    selection_.ClearFlags();
    if (!engine_)
        return;
    engine_->EndHint();
    engine_->ConcealAll();
    engine_->ClearSelections();
    DeselectAllButtons();
    // The next game makes its objects anew over the clean background.
    engine_.reset();
}

void TfmOdglosy::A_Pomoc()
{
    if (engine_)
        engine_->RequestHint();
    WakeTick();
}

void TfmOdglosy::A_KliknietoObiekt()
{
    if (engine_)
        engine_->ObjectClicked();
    WakeTick();
}

void TfmOdglosy::A_KliknietoPrzycisk()
{
    if (engine_)
        engine_->ButtonClicked();
    WakeTick();
}

void TfmOdglosy::WakeTick()
{
    // A tick already running keeps its beat.
    if (engine_ && RoundLive() && engine_->NeedsTick() && !tick_->IsActive())
        tick_->Start(GraOdglosy::kTickMs);
}

void TfmOdglosy::Tick()
{
    if (!engine_)
        return;
    const GraOdglosy::TickResult result = engine_->Judge();
    switch (result.verdict) {
    case GraOdglosy::Verdict::RightPair:
        ShowPendingNow();
        PlaySoundFile(result.sound);
        engine_->EndPair(result.verdict);
        break;
    case GraOdglosy::Verdict::WrongPair:
        ShowPendingNow();
        PlayRandomSound(kTryAgainSound);
        engine_->EndPair(result.verdict);
        break;
    case GraOdglosy::Verdict::Hint:
        ShowPendingNow();
        PlaySoundFile(result.sound);
        break;
    case GraOdglosy::Verdict::Nothing:
        break;
    }
    engine_->AgeHint();
    // Nothing picked and no hint: nothing can happen before the next click wakes the tick.
    if (!engine_->NeedsTick())
        tick_->Stop();
}

void TfmOdglosy::ShowRect(const QRect& rect)
{
    const QRect inside = rect.intersected(scene_.rect());
    raster::Copy(Canvas(), inside.topLeft(), scene_, inside);
    Flush(inside);
}

void TfmOdglosy::ShowPendingNow()
{
    // Only the repaints already asked for; no input is handled meanwhile.
    QCoreApplication::sendPostedEvents(this, QEvent::UpdateRequest);
}

std::unique_ptr<CObjectArea> TfmOdglosy::NewObjectArea(CObiektOdglosy& object)
{
    return std::make_unique<HiddenObjectArea>(*this, object);
}

void TfmOdglosy::RestoreButton(const QString& name)
{
    if (CPrzyciskOdglosy* button = Button(name))
        button->ShowNormal();
}

void TfmOdglosy::HighlightButton(const QString& name)
{
    if (CPrzyciskOdglosy* button = Button(name))
        button->ShowHover();
}

void TfmOdglosy::DeselectAllButtons()
{
    for (const auto& button : buttons_)
        button->Deselect();
}

bool TfmOdglosy::Swallowed(HitEvent kind, QEvent* event) const
{
    // The mouse passing over a window in the background changes nothing; the second press of a
    // double-click does nothing.
    return (kind == HitEvent::Enter && !isActiveWindow()) ||
           (kind == HitEvent::DoubleClick && ButtonOf(kind, event) == Qt::LeftButton);
}

bool TfmOdglosy::ButtonEvent(CPrzyciskOdglosy& button, const HitArea& area, HitEvent kind, QEvent* event)
{
    if (Swallowed(kind, event))
        return true;
    if (!area.isVisible() || !RoundLive())
        return false;
    switch (kind) {
    case HitEvent::Press:
        if (ButtonOf(kind, event) == Qt::LeftButton)
            button.LeftPress(selection_);
        else if (ButtonOf(kind, event) == Qt::RightButton)
            PlaySoundFile(SoundPath(button.Name()));
        WakeTick();
        break;
    case HitEvent::Enter:
        button.Enter();
        break;
    case HitEvent::Leave:
        button.Leave();
        break;
    default:
        break;
    }
    return false;
}

bool TfmOdglosy::ObjectEvent(CObiektOdglosy& object, const HitArea& area, HitEvent kind, QEvent* event)
{
    if (Swallowed(kind, event))
        return true;
    if (!area.isVisible())
        return false;
    switch (kind) {
    case HitEvent::Press:
        if (ButtonOf(kind, event) == Qt::LeftButton)
            object.LeftPress(selection_);
        else if (ButtonOf(kind, event) == Qt::RightButton)
            PlaySoundFile(SoundPath(object.Name()));
        WakeTick();
        break;
    case HitEvent::Enter:
        object.Enter();
        break;
    case HitEvent::Leave:
        object.Leave();
        break;
    default:
        break;
    }
    return false;
}
