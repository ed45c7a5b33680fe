// SPDX-License-Identifier: GPL-3.0-or-later
// The flying-saucer game's window: a word as a row of letter boxes under its picture, the saucer
// gliding to and fro below it with a letter, launched up into an empty box by the space bar or the
// launch button; buttons for help, the next and previous words and stop.
#pragma once

#include "games/gamewindow.h"
#include "games/saucer/Grahitman.h"

#include <QImage>
#include <QStringList>
#include <memory>
#include <vector>

class CEkran;
class CPrzyciskC;
class CPrzyciskP;
class CTimer;

class TfmHitman : public CGameWindow {
    Q_OBJECT
public:
    static constexpr int kTab = 4;
    static constexpr int kTickMs = 20;
    static constexpr int kHintShowMs = 1500;    // a help highlight shows this long
    static constexpr int kKeyTicksPerLetter = 4; // a held space bar changes the letter on every fifth tick
    static constexpr int kSpeedPerLevel = 2;    // pixels per tick for each level of Poziom
    static constexpr int kRiseStep = 2;         // pixels per step of a launched letter
    static constexpr int kRiseStepsSmall = 42, kRiseStepsBig = 52;
    static constexpr int kLetterOffsetSmall = 18, kLetterOffsetBig = 28;
    // A launch is shown in frames: each frame is this long, and a sideways glide covers this many
    // one-pixel steps in one.
    static constexpr int kFrameMs = 10;
    static constexpr int kGlideStepsPerFrame = 3;

    // Reads the background, the saucer and the picture frame's mask; throws CBlad 1 when one of
    // them cannot be read.
    explicit TfmHitman(const GameContext& context);
    ~TfmHitman() override;

    // The window's actions.
    void A_Nastepny();
    void A_Poprzedni();
    void A_Pomoc();
    void A_ZakonczGre();
    void A_RozsypKlocki();
    void A_NacisnijPrzycisk();
    // One tick of the 20 ms timer: completion, help highlight, space bar, motion.
    void HitmanTimerTimer();

    // What tests and the benchmark look at.
    GraHitman* Board() const { return board_.get(); }
    CEkran* Screen() const { return screen_.get(); }
    const QImage& Scene() const { return scene_; }
    CTimer& HitmanTimer() const { return *timer_; }
    CPrzyciskC* HelpButton() const { return help_; }
    CPrzyciskC* StopButton() const { return stop_; }
    CPrzyciskC* NextButton() const { return next_; }
    CPrzyciskC* PrevButton() const { return prev_; }
    CPrzyciskP* LaunchButton() const { return launch_; }
    int WordIndex() const { return wordIndex_; }
    int WordCount() const { return int(names_.size()); }
    int Filled() const { return filled_; }
    int HintMs() const { return hintMs_; }
    const QString& Working(int i) const { return working_.at(i); }
    bool MovingRight() const { return movingRight_; }

protected:
    void BeginRound() override;
    void EndRoundObjects() override;
    // The saucer game is always recorded as completed.
    bool RoundCompleted() const override { return true; }
    void MakeScene() override;
    void DropScene() override;

private:
    void ShowButtons(bool hideHelp);
    void NewBoard();
    // The word's board and picture leave; they are destroyed once nothing can be using them.
    void RetireBoard();
    const QImage& WordPicture(int i);
    void HideHelp();
    // The last letter landed: the word is counted, praised and said; it takes no more letters.
    void FinishWord();
    void EndHighlight();
    // Moves the saucer and its letter by dx and shows them.
    void MoveSaucer(int dx);
    // Where the saucer and the carried letter overlap, the letter is drawn over the saucer.
    void DrawPair();
    QRect PairArea();
    // Launches the carried letter at the board's target box; false when the round ended meanwhile
    // (nothing of the round may then be touched).
    bool Launch();
    bool Glide(CPlatforma& piece, int x);
    bool Rise(int dy);
    // Copies the rectangle of the scene to the window; `now` paints it at once, before a sound.
    void ShowScene(const QRect& rect, bool now = false);
    void ShowWholeScene();

    QImage background_;
    QImage saucerPicture_;
    QImage mask_;
    QImage scene_;
    int areaWidth_ = 0, areaHeight_ = 0;
    int riseSteps_ = kRiseStepsSmall;
    int letterOffset_ = kLetterOffsetSmall;
    CPrzyciskC* help_ = nullptr;
    CPrzyciskC* stop_ = nullptr;
    CPrzyciskC* next_ = nullptr;
    CPrzyciskC* prev_ = nullptr;
    CPrzyciskP* launch_ = nullptr;
    CTimer* timer_ = nullptr;

    // The round's words: catalogue names, splits without their final comma, and what each shows
    // now (its split, or its completed text once done); pictures read when first shown.
    QStringList names_, splits_, working_;
    std::vector<QImage> pictures_;
    std::vector<bool> pictureRead_;
    int wordIndex_ = 0;
    std::unique_ptr<GraHitman> board_;
    std::unique_ptr<CEkran> screen_;
    int filled_ = 0;
    int hintMs_ = 0;
    int hintBox_ = -1;     // the box shown yellow, -1 for none
    bool launching_ = false;
    // The box the held space bar last launched into, until the saucer leaves it or the key is let go.
    static constexpr int kNoBox = -1;
    int spaceLaunchX_ = kNoBox;
    // Kept across rounds, as the saucer keeps flying its way.
    int keyTicks_ = 0;
    bool movingRight_ = false;
};
