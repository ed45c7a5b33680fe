// SPDX-License-Identifier: GPL-3.0-or-later
// The sounds game's window ("Odgłosy"): a picture with nine things hidden in it, their nine sound
// buttons under it, help and stop. It turns the child's mouse into picks, runs the game's 200 ms
// tick and plays the sounds; the rules are GraOdglosy's.
#pragma once

#include "games/gamewindow.h"
#include "games/sounds/Cprzyciskodglosy.h"
#include "games/sounds/Graodglosy.h"
#include "platform/hitarea.h"

#include <QImage>
#include <array>
#include <memory>

class CPrzyciskC;
class CTimer;

class TfmOdglosy : public CGameWindow, private COdglosyHost {
    Q_OBJECT
public:
    static constexpr char kCaption[] = "Odgłosy";
    static constexpr int kTab = 1;
    static constexpr int kStopNudgeX = 4;       // the stop button sits a little right of help

    // One sound button of the window.
    struct ButtonPlace {
        const char* name;
        QPoint small;
        int smallLabelOffset;
        QPoint big;
        int bigLabelOffset;
        bool active;
    };
    static const std::array<ButtonPlace, 9>& ButtonPlaces();

    // Reads the background and the buttons' pictures from "Data/Intf/Odgl" of the working folder;
    // throws CBlad 1 when one cannot be read.
    explicit TfmOdglosy(const GameContext& context);
    ~TfmOdglosy() override;

    void A_Pomoc();
    void A_KliknietoObiekt();
    void A_KliknietoPrzycisk();
    // The timer's step: a picked pair judged, a hint asked for shown, a shown one aged. It runs only
    // while something is picked or a hint is asked for or showing.
    void Tick();

    GraOdglosy* Engine() const { return engine_.get(); }
    const CWyborOdglosy& Selection() const { return selection_; }
    const CPodpowiedz& Hint() const { return hint_; }
    const QImage& SceneCanvas() const { return scene_; }
    const QImage& BackgroundPicture() const { return background_; }
    CPrzyciskC* HelpButton() const { return help_; }
    CPrzyciskC* StopButton() const { return stop_; }
    CTimer& TickTimer() const { return *tick_; }
    // The sound button of `name` and its mouse area (none for a greyed one); null for other names.
    CPrzyciskOdglosy* Button(const QString& name) const;
    QWidget* ButtonArea(const QString& name) const;
    // The mouse area of the hidden object of `name` in this game, or null.
    QWidget* ObjectArea(const QString& name) const;

protected:
    void BeginRound() override;
    void EndRoundObjects() override;
    // This game has no end of its own: leaving it always counts as finished.
    bool RoundCompleted() const override { return true; }
    void MakeScene() override;
    void DropScene() override;

private:
    class HiddenObjectArea;

    // What the engine asks of the window.
    COdglosyHost& Host() { return *this; }
    QImage& Scene() override { return scene_; }
    void ShowRect(const QRect& rect) override;
    std::unique_ptr<CObjectArea> NewObjectArea(CObiektOdglosy& object) override;
    void RestoreButton(const QString& name) override;
    void HighlightButton(const QString& name) override;
    void DeselectAllButtons() override;

    // The part of the mouse handling objects and buttons share: true for what they never see.
    bool Swallowed(HitEvent kind, QEvent* event) const;
    bool ButtonEvent(CPrzyciskOdglosy& button, const HitArea& area, HitEvent kind, QEvent* event);
    bool ObjectEvent(CObiektOdglosy& object, const HitArea& area, HitEvent kind, QEvent* event);
    // Starts the tick when a click gave it something to do.
    void WakeTick();
    // Puts on screen now what was drawn, before a sound holds everything still.
    void ShowPendingNow();

    QImage background_;
    QImage scene_;
    CPrzyciskC* help_ = nullptr;
    CPrzyciskC* stop_ = nullptr;
    std::array<std::unique_ptr<CPrzyciskOdglosy>, 9> buttons_;
    std::array<HitArea*, 9> buttonAreas_{};
    CTimer* tick_ = nullptr;
    CWyborOdglosy selection_;
    CPodpowiedz hint_;
    std::unique_ptr<GraOdglosy> engine_;
};
