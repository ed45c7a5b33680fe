// SPDX-License-Identifier: GPL-3.0-or-later
// One word of the flying-saucer game: the row of letter boxes with the practised sounds left empty,
// the saucer below it with the letter it offers, which box lies above the saucer, the judging of a
// launched letter, the letters the saucer offers next and the answers to the help button.
// The window moves the pieces and animates; the board keeps the state those steps consult.
#pragma once

#include "_kratka.h"
#include "_platforma.h"
#include "saucerlayout.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

class RandomSource;

class GraHitman {
public:
    // The help button's answer: the carried letter fits an empty box, or the saucer was given the
    // letter the last empty box needs.
    enum HintKind { kHintReplaced = 0, kHintFits = 1 };
    struct Hint {
        int kind = kHintReplaced;
        QString letter;
    };

    static constexpr int kFilledBox = -100000;     // no saucer position matches a filled box
    static constexpr int kRowCentreShift = kHitmanRowCentreShift;
    static constexpr int kRandomStartSteps = 40;   // the saucer starts at one of 41 places
    static const QString kEmpty;                   // the shown text of an empty box

    // `workingText`: the word's letters each followed by "," with "_" before a practised letter,
    // without the last comma (a completed word's text, which ends with one, thus gets an extra empty
    // letter that is never shown). Draws the row and the saucer on `scene`; moves restore from
    // `back`. `saucer` is the saucer's picture. Chance only places the saucer of a word to play.
    GraHitman(const QString& workingText, QImage& scene, const QImage& back, const QImage& saucer, bool small,
              int designWidth, RandomSource& random);
    GraHitman(const GraHitman&) = delete;
    GraHitman& operator=(const GraHitman&) = delete;

    // True when an empty box lies above the saucer's left edge `left`; its x becomes TargetX and
    // the box above becomes BoxUnder.
    bool FindBoxUnder(int left);
    // Away from the empty boxes the next letter of the cycle l, r, j; under one the press is a
    // launch and nothing changes. True when the letter changed.
    bool CycleLetter();
    // The letter has risen into the box at TargetX: true, and the box keeps it, when it is right.
    bool CheckLaunch();
    // The next letter the saucer offers, or "" (false) when every practised letter was offered.
    bool NextLetter();
    // The saucer carries `letter` (file-name form); the new block is drawn on the saucer.
    void SetCarried(const QString& letter);

    // Help: the first empty box that the carried letter fits (0 when none), and the answer of the
    // help button (which, when nothing fits, makes the letter of the last empty box the carried one).
    int FindHintBox() const;
    Hint HintLetter();
    // The letters now shown, each followed by ",".
    QString CompletedText() const;

    void RedrawBoxes();
    void HighlightBox(int i);
    void UnhighlightBox(int i);
    // What box i's frame covers on the scene (empty when the boxes are not kept).
    QRect BoxArea(int i) const;

    int RightLimit() const;
    int LeftLimit() const { return leftLimit_; }
    int FirstBoxX() const { return firstBoxX_; }
    int BoxX(int i) const { return boxX_.at(size_t(i)); }
    int BoxY() const { return layout_.boxY; }
    int TargetX() const { return targetX_; }
    int BoxUnder() const { return boxUnder_; }
    int LetterCount() const { return int(letters_.size()); }
    int HiddenCount() const { return hiddenCount_; }
    bool IsActive() const { return active_; }
    bool IsFinished() const { return finished_; }
    void SetFinished() { finished_ = true; }
    bool IsBusy() const { return busy_; }
    void SetBusy(bool busy) { busy_ = busy; }
    const QString& CarriedLetter() const { return carriedLetter_; }
    const QStringList& Letters() const { return letters_; }
    const QStringList& Expected() const { return expected_; }
    const QStringList& Missing() const { return missing_; }
    const HitmanLayout& Layout() const { return layout_; }

    CPlatforma& Saucer() { return saucer_; }
    CPlatforma& Carried() { return carried_; }

private:
    void Parse(const QString& workingText);
    void LayOut(int letters, int designWidth);
    void StampLetter(int i);
    // The carried letter's block at its place on the saucer.
    void NewCarriedBlock();

    HitmanLayout layout_;
    bool small_;
    QImage* scene_;
    const QImage* back_;
    CPlatforma saucer_;
    CPlatforma carried_;
    bool busy_ = false;
    int targetX_ = 0;
    int hiddenCount_ = 0;
    bool active_ = false;
    QString carriedLetter_;
    bool finished_ = false;
    std::vector<CKratka> boxes_;
    QStringList letters_;
    QStringList expected_;
    QStringList missing_;
    std::vector<int> boxX_;
    std::vector<int> emptyBoxX_;
    int firstBoxX_ = 0;
    int leftLimit_ = 0;
    int lettersToOffer_ = 0;
    int boxUnder_ = 0;
};

// The letter after `letter` in the saucer's cycle: "l" -> "r" -> "j" -> "l"; any other -> "l".
QString NextInCycle(const QString& letter);
