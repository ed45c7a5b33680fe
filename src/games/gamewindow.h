// SPDX-License-Identifier: GPL-3.0-or-later
// The base of every game window. Showing the window starts a round; Esc and the stop button end it;
// every input of the child keeps the game counted; ending a round counts it, saves its record and shows
// the summary, whose answer starts a new round or closes the window.
//
// Waits that keep handling events (pauses, glides) let the child stop the round, or even start the
// next one, while a handler of the old round is still running. A handler takes Round() before such a
// wait and checks IsRound() after it (WaitInRound does both); once a round has ended nothing of it is
// touched again, and the timers made with RoundTimer() are stopped and deaf to the old round. A new
// round hands the old round's objects to RetireLater() instead of destroying them under a running
// handler.
#pragma once

#include "games/gametable.h"
#include "platform/modalwindow.h"

#include <QImage>
#include <functional>
#include <memory>
#include <vector>

class CTimer;
class QKeyEvent;

class CGameWindow : public CModalWindow {
    Q_OBJECT
public:
    // Takes the row's caption and covers the design area. The window's canvas, like the game's
    // pictures, exists only while the window is shown. `game` and what `context` names outlive the
    // window.
    CGameWindow(const GameContext& context, const GameInfo& game, QWidget* parent = nullptr);
    ~CGameWindow() override;

    const GameInfo& Game() const { return game_; }
    const GameContext& Context() const { return context_; }
    CUstGry& Settings() const { return *game_.settings; }

    // The round now played; each new round has a higher number.
    quint64 Round() const { return round_; }
    bool IsRound(quint64 round) const { return live_ && round == round_; }
    bool RoundLive() const { return live_; }

    // A new round: counting starts, then the game builds the round (BeginRound).
    void A_NowaGra();
    // The child leaves the round (stop button, Esc) or the game ends it: once per round, it is
    // counted as completed when RoundCompleted() says so, saved, and the summary is shown. Nothing
    // of the round may be touched after this returns.
    void A_Stop();

    // The window is asked to close (the window manager's close, Alt+F4): a live round ends and is
    // saved as by Esc, and the window goes back to the menu without the summary, since the child
    // asked for the window to go. A round's summary already showing answers for itself.
    void A_Close();

    // Esc, as a key code or as the character 27.
    static bool IsEscape(const QKeyEvent* event);

protected:
    // The game's part of a round. BeginRound builds the round's objects (counting has started);
    // EndRoundObjects runs when the round ends, before it is saved (its timers are already stopped);
    // RoundCompleted tells what the record says.
    virtual void BeginRound() = 0;
    virtual void EndRoundObjects() {}
    virtual bool RoundCompleted() const = 0;

    // The pictures a game draws with (its background, its scenes) exist only while its window is
    // shown, so that the five game windows made at start-up decode nothing and hold little memory.
    // MakeScene runs on every showing before the first round (it throws CBlad 1 when a picture cannot
    // be read); DropScene when the window has been hidden, after its last round ended.
    virtual void MakeScene() = 0;
    virtual void DropScene() = 0;

    // A timer that lives as long as the window, is stopped whenever a round ends and never fires
    // into a round other than the one that started it.
    CTimer& RoundTimer(std::function<void()> onTimeout, bool singleShot = false);
    // Waits `ms` while events go on; false when the round ended (or another began) meanwhile.
    bool WaitInRound(int ms);
    // Handles what is pending now; false when that ended the round.
    bool ProcessPendingInRound();
    // The child did something: the game stays counted.
    void Touch();

    // Keeps the objects of an ended round (an engine with its tiles' mouse areas) until no handler
    // that may still be running for them is left: after the outermost wait has returned and the
    // event loop has run again.
    void RetireLater(std::shared_ptr<void> roundObjects);

    // A background picture of the game's folder, by layout; throws CBlad 1 when it cannot be read.
    QImage LoadBackground(const QString& smallPath, const QString& bigPath) const;
    // A canvas of the design area's size, black, with `background` (if any) drawn on it; throws CBlad 1
    // when there is no memory for it.
    QImage NewScene(const QImage& background = QImage()) const;
    bool IsSmall() const;
    QSize DesignSize() const { return designSize_; }

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void StopRoundTimers();
    void LeaveWait();
    void ScheduleDropRetired();
    // Ends the live round: counted, saved; nothing of it may be touched after this.
    void EndRound();

    GameContext context_;
    const GameInfo& game_;
    QSize designSize_;
    quint64 round_ = 0;
    bool live_ = false;
    bool inSummary_ = false;
    int waitDepth_ = 0;
    std::vector<std::shared_ptr<void>> retired_;
    struct TimerEntry;
    std::vector<std::unique_ptr<TimerEntry>> timers_;
};
