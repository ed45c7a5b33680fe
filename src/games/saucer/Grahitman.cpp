// SPDX-License-Identifier: GPL-3.0-or-later
// One word of the flying-saucer game (see Grahitman.h).
#include "Grahitman.h"

#include "platform/picturestore.h"
#include "platform/raster.h"
#include "platform/services.h"
#include "shell/_specfunc.h"

#include <algorithm>

namespace {
const QString kPractised = QStringLiteral("_");
const QChar kSeparator = QLatin1Char(',');
const QString kCycleFirst = QStringLiteral("l");
const QString kCycleSecond = QStringLiteral("r");
const QString kCycleThird = QStringLiteral("j");
// The help's answer text when the carried letter fits an empty box.
const QString kFitsMark = QStringLiteral("!");
}  // namespace

const QString GraHitman::kEmpty = QStringLiteral("@");

QString NextInCycle(const QString& letter)
{
    if (letter == kCycleFirst)
        return kCycleSecond;
    if (letter == kCycleSecond)
        return kCycleThird;
    return kCycleFirst;
}

GraHitman::GraHitman(const QString& workingText, QImage& scene, const QImage& back, const QImage& saucer, bool small,
                     int designWidth, RandomSource& random)
    : layout_(HitmanLayout::For(small)), small_(small), scene_(&scene), back_(&back)
{
    Parse(workingText);
    if (hiddenCount_ > 0) {
        LayOut(LetterCount(), designWidth);
        for (int i = 0; i < LetterCount(); ++i) {
            if (letters_[i] == kEmpty)
                emptyBoxX_.push_back(boxX_[size_t(i)]);
            else
                StampLetter(i);
            boxes_.emplace_back().Create(boxX_[size_t(i)], layout_.boxY, small_, *scene_);
        }
        const int r = random.Below(kRandomStartSteps + 1);
        const int x = r * (RightLimit() - layout_.restingX) / kRandomStartSteps + layout_.restingX;
        saucer_.CreateFromPicture(x, layout_.saucerY, saucer, *scene_, *back_);
        NextLetter();
        NewCarriedBlock();
        active_ = true;
        finished_ = false;
    } else {
        finished_ = true;
        active_ = false;
        // The last letter of a completed text is the empty one its final comma made.
        const int shown = std::max(LetterCount() - 1, 0);
        LayOut(shown, designWidth);
        for (int i = 0; i < shown; ++i) {
            StampLetter(i);
            CKratka frame;
            frame.Create(boxX_[size_t(i)], layout_.boxY, small_, *scene_);
        }
        saucer_.CreateFromPicture(layout_.restingX, layout_.saucerY, saucer, *scene_, *back_);
    }
}

void GraHitman::Parse(const QString& workingText)
{
    QStringList pieces = (workingText + kSeparator).split(kSeparator);
    pieces.removeLast();  // what follows the last comma is no letter
    for (const QString& piece : pieces) {
        if (piece.startsWith(kPractised)) {
            missing_.append(SoundFileName(piece.mid(kPractised.size())));
            letters_.append(kEmpty);
        } else {
            letters_.append(SoundFileName(piece));
        }
    }
    int next = 0;
    for (const QString& letter : letters_)
        expected_.append(letter == kEmpty ? missing_[next++] : letter);
    hiddenCount_ = lettersToOffer_ = int(missing_.size());
}

void GraHitman::LayOut(int letters, int designWidth)
{
    HitmanLayout row = layout_;
    row.width = designWidth;
    firstBoxX_ = HitmanFirstBoxX(row, letters);
    leftLimit_ = firstBoxX_ - layout_.leftMargin;
    boxX_.clear();
    for (int i = 0; i < LetterCount(); ++i)
        boxX_.push_back(firstBoxX_ + i * layout_.pitch);
}

void GraHitman::StampLetter(int i)
{
    CPlatforma stamp;
    stamp.CreateFromLibrary(boxX_[size_t(i)], layout_.boxY, letters_[i], small_, *scene_, *back_);
}

void GraHitman::NewCarriedBlock()
{
    carried_ = CPlatforma();
    carried_.CreateFromLibrary(saucer_.Left() + layout_.carriedOffset, layout_.carriedY, carriedLetter_, small_,
                               *scene_, *back_);
}

int GraHitman::RightLimit() const
{
    return boxX_.empty() ? firstBoxX_ : boxX_.back() + layout_.rightMargin;
}

bool GraHitman::FindBoxUnder(int left)
{
    const int g = layout_.matchHalfWidth;
    auto above = [&](int boxX) { return boxX - g < left && left < boxX + g / 4; };
    for (int i = 0; i < int(boxX_.size()); ++i)
        if (above(boxX_[size_t(i)]))
            boxUnder_ = i;
    for (int x : emptyBoxX_) {
        if (above(x)) {
            targetX_ = x;
            return true;
        }
    }
    return false;
}

bool GraHitman::CycleLetter()
{
    // Wherever an empty box is above the saucer the press launches the letter the child chose.
    if (FindBoxUnder(saucer_.Left()))
        return false;
    carriedLetter_ = NextInCycle(carriedLetter_);
    NewCarriedBlock();
    return true;
}

bool GraHitman::CheckLaunch()
{
    if (boxUnder_ < 0 || boxUnder_ >= LetterCount() || carriedLetter_ != expected_[boxUnder_])
        return false;
    busy_ = true;
    letters_[boxUnder_] = carriedLetter_;
    // The block's picture stays in the box: that is how the filled letter shows.
    NextLetter();
    NewCarriedBlock();
    busy_ = false;
    std::replace(emptyBoxX_.begin(), emptyBoxX_.end(), targetX_, kFilledBox);
    return true;
}

bool GraHitman::NextLetter()
{
    if (lettersToOffer_ > 0) {
        carriedLetter_ = NextInCycle(carriedLetter_);
        --lettersToOffer_;
        return true;
    }
    carriedLetter_.clear();
    return false;
}

void GraHitman::SetCarried(const QString& letter)
{
    carriedLetter_ = letter;
    NewCarriedBlock();
}

int GraHitman::FindHintBox() const
{
    for (int i = 0; i < LetterCount(); ++i)
        if (expected_[i] == carriedLetter_ && letters_[i] == kEmpty)
            return i;
    return 0;
}

GraHitman::Hint GraHitman::HintLetter()
{
    QString lastEmpty;
    for (int i = 0; i < LetterCount(); ++i) {
        if (letters_[i] != kEmpty)
            continue;
        if (expected_[i] == carriedLetter_)
            return {kHintFits, kFitsMark};
        lastEmpty = expected_[i];
    }
    carriedLetter_ = lastEmpty;
    return {kHintReplaced, lastEmpty};
}

QString GraHitman::CompletedText() const
{
    QString text;
    for (const QString& letter : letters_)
        text += letter + kSeparator;
    return text;
}

void GraHitman::RedrawBoxes()
{
    for (CKratka& box : boxes_)
        box.DrawRed();
}

void GraHitman::HighlightBox(int i)
{
    if (i >= 0 && i < int(boxes_.size()))
        boxes_[size_t(i)].DrawYellow();
}

void GraHitman::UnhighlightBox(int i)
{
    if (i >= 0 && i < int(boxes_.size()))
        boxes_[size_t(i)].DrawRed();
}

QRect GraHitman::BoxArea(int i) const
{
    return i >= 0 && i < int(boxes_.size()) ? boxes_[size_t(i)].Area() : QRect();
}
