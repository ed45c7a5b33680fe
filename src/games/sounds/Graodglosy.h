// SPDX-License-Identifier: GPL-3.0-or-later
// The sounds game's rules: the hidden objects of one game, the judging of a picked pair of a sound
// button and an object on every tick of the game's timer, and the hint that shows the missing half
// of a pair for a while. The window owns the buttons, plays the sounds and runs the timer.
#pragma once

#include "_cobiektodglosy.h"

#include <QPoint>
#include <QString>
#include <array>
#include <memory>
#include <vector>

class CStatRec;

// The hint's progress; it outlives the games of a window (the window keeps it).
struct CPodpowiedz {
    bool HintRequested = false;  // the help button asked for one
    bool HintShowing = false;    // one is on screen
    int HintElapsed = 0;         // milliseconds since it appeared
    bool HintDone = false;       // false while a hint runs, true after its end
};

// What the engine asks of its window.
class COdglosyHost : public CScena, public CObjectAreaMaker {
public:
    // The sound button of `name`: its normal look, its hover look; every selected button let go.
    virtual void RestoreButton(const QString& name) = 0;
    virtual void HighlightButton(const QString& name) = 0;
    virtual void DeselectAllButtons() = 0;
};

class GraOdglosy {
public:
    static constexpr int kTickMs = 200;          // the window's timer
    static constexpr int kHintShownMs = 1200;    // a hint ends on the first check past this
    static constexpr int kSlots = 9;

    // Where the objects hide (odglosylayout.h); every slot is filled.
    static const std::array<SoundsHidingPlace, kSlots>& Places() { return kHidingPlaces; }

    // Makes the objects of the layout over the scene as it is now. Throws CBlad 1 when a picture
    // of one of them cannot be read (nothing is left behind).
    GraOdglosy(COdglosyHost& host, CWyborOdglosy& selection, CPodpowiedz& hint, CStatRec& stats, bool small);
    ~GraOdglosy();
    GraOdglosy(const GraOdglosy&) = delete;
    GraOdglosy& operator=(const GraOdglosy&) = delete;

    // The first half of a tick. A pair of two picks is judged (the window then plays the sound,
    // with the picks still on screen, and calls EndPair); a hint asked for with exactly one pick
    // is shown and counted (the window plays `sound`).
    enum class Verdict { Nothing, RightPair, WrongPair, Hint };
    struct TickResult {
        Verdict verdict = Verdict::Nothing;
        QString sound;  // the wave file to play: the right pair's or the hint's; empty otherwise
    };
    TickResult Judge();
    // After the sound of a judged pair: everything let go, and the answer counted.
    void EndPair(Verdict verdict);
    // The second half of a tick: a showing hint ages by one tick and ends past kHintShownMs.
    void AgeHint();

    // Something is picked, or a hint is asked for or showing: the tick has work.
    bool NeedsTick() const;

    // The help button: a hint is asked for only while something is picked; it waits until exactly
    // one thing is.
    void RequestHint();
    // Run after a click has changed the picks: a half let go during a hint takes the hint with it.
    void ObjectClicked();
    void ButtonClicked();

    // Everything let go: the picks, the objects hidden, the buttons back to normal; a hint that
    // shows a button ends with it.
    void ResetPair();
    // The game ends or a new one starts: nothing left on screen of a hint.
    void EndHint();

    void ConcealAll();
    void ClearSelections();
    void ShowSelectedByName(const QString& name);
    void ConcealByName(const QString& name);

    CObiektOdglosy* Object(const QString& name) const;
    const std::array<std::unique_ptr<CObiektOdglosy>, kSlots>& Slots() const { return slots_; }

private:
    COdglosyHost& host_;
    CWyborOdglosy& selection_;
    CPodpowiedz& hint_;
    CStatRec& stats_;
    std::array<std::unique_ptr<CObiektOdglosy>, kSlots> slots_;
    // The button a running hint lit, if it lit one.
    QString litButton_;
};
