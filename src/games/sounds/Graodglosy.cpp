// SPDX-License-Identifier: GPL-3.0-or-later
// The sounds game's rules (see Graodglosy.h).
#include "Graodglosy.h"

#include "results/_cstatrec.h"

namespace {

// The engine's slot order.
constexpr std::array<const char*, GraOdglosy::kSlots> kSlotNames{
    "pies", "auto", "ptakczarny", "ptakbialy", "balon", "swinia", "kon", "traba", "traktor"};

int SlotOf(const QString& name)
{
    for (int i = 0; i < GraOdglosy::kSlots; ++i)
        if (name == QLatin1String(kSlotNames[size_t(i)]))
            return i;
    return -1;
}

}  // namespace

GraOdglosy::GraOdglosy(COdglosyHost& host, CWyborOdglosy& selection, CPodpowiedz& hint, CStatRec& stats, bool small)
    : host_(host), selection_(selection), hint_(hint), stats_(stats)
{
    for (const SoundsHidingPlace& place : Places()) {
        const QString name = QString::fromLatin1(place.name);
        const QPoint at = (small ? place.small : place.big).topLeft();
        slots_[size_t(SlotOf(name))] = std::make_unique<CObiektOdglosy>(name, at.x(), at.y(), small, host_, host_);
    }
}

GraOdglosy::~GraOdglosy() = default;

CObiektOdglosy* GraOdglosy::Object(const QString& name) const
{
    const int slot = SlotOf(name);
    return slot < 0 ? nullptr : slots_[size_t(slot)].get();
}

GraOdglosy::TickResult GraOdglosy::Judge()
{
    CWyborOdglosy& s = selection_;
    if (s.SelectionCount == 2)
        return s.ButtonName == s.ObjectName ? TickResult{Verdict::RightPair, SoundPath(s.ObjectName)}
                                            : TickResult{Verdict::WrongPair, {}};
    if (s.SelectionCount != 1 || !hint_.HintRequested)
        return {};
    QString name;
    if (s.SelectedButton) {
        // The object that goes with the picked sound shows itself, marked.
        name = s.ButtonName;
        ShowSelectedByName(name);
        litButton_.clear();
    } else if (s.SelectedObject) {
        // The button that goes with the picked object lights up.
        name = s.ObjectName;
        host_.HighlightButton(name);
        litButton_ = name;
    } else {
        return {};
    }
    hint_.HintRequested = false;
    hint_.HintShowing = true;
    hint_.HintElapsed = 0;
    hint_.HintDone = false;
    stats_.AddHint();
    return {Verdict::Hint, SoundPath(name)};
}

void GraOdglosy::EndPair(Verdict verdict)
{
    ResetPair();
    if (verdict == Verdict::RightPair)
        stats_.AddCorrect();
    else if (verdict == Verdict::WrongPair)
        stats_.AddWrong();
}

void GraOdglosy::AgeHint()
{
    if (!hint_.HintShowing)
        return;
    hint_.HintElapsed += kTickMs;
    if (hint_.HintElapsed <= kHintShownMs)
        return;
    hint_.HintElapsed = 0;
    // With nothing picked the hint stays and is looked at again after as long once more.
    if (selection_.SelectedObject) {
        host_.RestoreButton(selection_.ObjectName);
        litButton_.clear();
        hint_.HintShowing = false;
        hint_.HintDone = true;
    }
    if (selection_.SelectedButton) {
        ConcealByName(selection_.ButtonName);
        hint_.HintShowing = false;
        hint_.HintDone = true;
    }
}

bool GraOdglosy::NeedsTick() const
{
    return selection_.SelectionCount > 0 || selection_.SelectedObject || selection_.SelectedButton ||
           hint_.HintRequested || hint_.HintShowing;
}

void GraOdglosy::RequestHint()
{
    if (selection_.SelectedObject || selection_.SelectedButton)
        hint_.HintRequested = true;
}

void GraOdglosy::ObjectClicked()
{
    if (!selection_.SelectedObject && !hint_.HintDone)
        host_.RestoreButton(selection_.ObjectName);
}

void GraOdglosy::ButtonClicked()
{
    if (!selection_.SelectedButton && !hint_.HintDone)
        ConcealByName(selection_.ButtonName);
}

void GraOdglosy::ResetPair()
{
    selection_.Clear();
    ConcealAll();
    ClearSelections();
    host_.DeselectAllButtons();
    // A judged pair takes a running hint with it: a button it lit would otherwise stay lit.
    if (hint_.HintShowing) {
        if (!litButton_.isEmpty())
            host_.RestoreButton(litButton_);
        litButton_.clear();
        hint_.HintShowing = false;
        hint_.HintElapsed = 0;
        hint_.HintDone = true;
    }
}

void GraOdglosy::EndHint()
{
    if (!litButton_.isEmpty())
        host_.RestoreButton(litButton_);
    litButton_.clear();
    hint_ = CPodpowiedz{};
}

void GraOdglosy::ConcealAll()
{
    for (const auto& object : slots_)
        if (object)
            object->Conceal();
}

void GraOdglosy::ClearSelections()
{
    for (const auto& object : slots_)
        if (object)
            object->SetSelected(false);
}

void GraOdglosy::ShowSelectedByName(const QString& name)
{
    if (CObiektOdglosy* object = Object(name))
        object->ShowPicture(true);
}

void GraOdglosy::ConcealByName(const QString& name)
{
    if (CObiektOdglosy* object = Object(name))
        object->Conceal();
}
