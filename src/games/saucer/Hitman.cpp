// SPDX-License-Identifier: GPL-3.0-or-later
// The flying-saucer game's window (see Hitman.h).
#include "Hitman.h"

#include "_cekran.h"
#include "gfx/_cprzycisk.h"
#include "platform/imagefiles.h"
#include "platform/keystate.h"
#include "platform/raster.h"
#include "platform/services.h"
#include "platform/timeservice.h"
#include "results/_cstatrec.h"
#include "settings/_custgry.h"
#include "shell/Cdisplay.h"
#include "shell/_cblad.h"
#include "shell/_specfunc.h"
#include "words/_cslowa.h"

namespace {
constexpr int kResourcesMissing = 1;
constexpr int kButtonRowLift = 50;     // the side buttons sit this far above the rows they start
constexpr int kStopNudgeX = 4;         // the stop button sits a little right of the others
const QPoint kLaunchButtonSmall(79, 184), kLaunchButtonBig(103, 236);
const QPoint kPictureSmall(246, 74), kPictureBig(312, 90);
const QString kBackgroundSmall = QStringLiteral("Data/Intf/Hm/mT_Hm_s.xji");
const QString kBackgroundBig = QStringLiteral("Data/Intf/Hm/mT_Hm_b.xji");
const QString kSaucerSmall = QStringLiteral("Data/Intf/Hm/plat_s.xji");
const QString kSaucerBig = QStringLiteral("Data/Intf/Hm/plat_b.xji");
const QString kWordSoundFolder = QStringLiteral("Data/Smd/");
const QString kWordSoundExtension = QStringLiteral(".pw");
const QChar kPractised = QLatin1Char('_');
const QChar kSeparator = QLatin1Char(',');

QImage ReadPicture(const QString& path)
{
    try {
        return DecodeJpegFile(path).convertToFormat(QImage::Format_RGB32);
    } catch (const ImageError&) {
        throw CBlad(kResourcesMissing);
    }
}
}  // namespace

TfmHitman::TfmHitman(const GameContext& context) : CGameWindow(context, *GameOfTab(kTab))
{
    const bool small = IsSmall();
    areaWidth_ = context.display.DesignWidth;
    areaHeight_ = context.display.DesignHeight;
    riseSteps_ = small ? kRiseStepsSmall : kRiseStepsBig;
    letterOffset_ = small ? kLetterOffsetSmall : kLetterOffsetBig;
    const int w = areaWidth_, h = areaHeight_;
    const int x = w - w / 10, top = h / 7 - kButtonRowLift;
    help_ = new CPrzyciskC(this, "pomoc", &scene_, &Canvas(), x, top, [this] { A_Pomoc(); });
    stop_ = new CPrzyciskC(this, "stop", &scene_, &Canvas(), x + kStopNudgeX, top + h / 8, [this] { A_ZakonczGre(); });
    next_ = new CPrzyciskC(this, "nast", &scene_, &Canvas(), x, top + (2 * h) / 8, [this] { A_Nastepny(); });
    prev_ = new CPrzyciskC(this, "pop", &scene_, &Canvas(), x, top + (3 * h) / 8, [this] { A_Poprzedni(); });
    const QPoint at = small ? kLaunchButtonSmall : kLaunchButtonBig;
    // The launch button is drawn over the scene on the window, never into the scene.
    launch_ = new CPrzyciskP(this, small ? "htm_butt_s" : "htm_butt_b", &Canvas(), &scene_, at.x(), at.y(),
                             [this] { A_NacisnijPrzycisk(); });
    timer_ = &RoundTimer([this] { HitmanTimerTimer(); });
    timer_->SetInterval(kTickMs);
}

TfmHitman::~TfmHitman() = default;

void TfmHitman::MakeScene()
{
    const bool small = IsSmall();
    background_ = LoadBackground(kBackgroundSmall, kBackgroundBig);
    saucerPicture_ = ReadPicture(small ? kSaucerSmall : kSaucerBig);
    mask_ = ReadPicture(CEkran::MaskPath(small));
    scene_ = NewScene(background_);
}

void TfmHitman::DropScene()
{
    background_ = saucerPicture_ = mask_ = scene_ = QImage();
}

void TfmHitman::BeginRound()
{
    launching_ = false;
    spaceLaunchX_ = kNoBox;
    filled_ = 0;
    hintMs_ = 0;
    hintBox_ = -1;
    wordIndex_ = 0;
    RetireBoard();
    names_.clear();
    splits_.clear();
    CSlowa& words = Context().words;
    if (words.DrawWords(Settings().Poziom * Game().wordsPerLevel)) {
        for (int i = 0; i < words.DrawnCount(); ++i) {
            const SPaczka& word = words.Drawn(i);
            names_.append(word.Name);
            QString split = word.Split;
            if (split.endsWith(kSeparator))
                split.chop(1);
            splits_.append(split);
        }
    }
    working_ = splits_;
    pictures_.assign(names_.size(), QImage());
    pictureRead_.assign(names_.size(), false);

    ShowButtons(false);
    if (!names_.isEmpty()) {
        NewBoard();
        timer_->Start();
    }
    ShowWholeScene();
}

void TfmHitman::EndRoundObjects()
{
    RetireBoard();
    ShowWholeScene();
    filled_ = 0;
    wordIndex_ = 0;
    launching_ = false;
    help_->ShowButton();
}

const QImage& TfmHitman::WordPicture(int i)
{
    if (!pictureRead_[size_t(i)]) {
        pictureRead_[size_t(i)] = true;
        // A word whose picture is missing or broken is still played, without its picture.
        try {
            pictures_[size_t(i)] = DecodeJpegFile(CEkran::PicturePath(names_[i], IsSmall()))
                                       .convertToFormat(QImage::Format_RGB32);
        } catch (const ImageError&) {
            pictures_[size_t(i)] = QImage();
        }
    }
    return pictures_[size_t(i)];
}

void TfmHitman::ShowButtons(bool hideHelp)
{
    raster::Copy(scene_, QPoint(0, 0), background_);
    const int last = WordCount() - 1;
    if (wordIndex_ >= last)
        next_->HideButton();
    else
        next_->ShowButton();
    if (wordIndex_ > 0)
        prev_->ShowButton();
    else
        prev_->HideButton();
    stop_->ShowButton();
    if (hideHelp)
        help_->HideButton();
    else
        help_->ShowButton();
}

void TfmHitman::RetireBoard()
{
    // A click on the word's picture or a launch may still be running for them.
    if (screen_)
        screen_->Widget()->hide();
    RetireLater(std::shared_ptr<CEkran>(std::move(screen_)));
    RetireLater(std::shared_ptr<GraHitman>(std::move(board_)));
}

void TfmHitman::NewBoard()
{
    RetireBoard();
    const bool small = IsSmall();
    board_ = std::make_unique<GraHitman>(working_[wordIndex_], scene_, background_, saucerPicture_, small, areaWidth_,
                                         Random());
    const QPoint at = small ? kPictureSmall : kPictureBig;
    screen_ = std::make_unique<CEkran>(scene_, names_[wordIndex_], at.x(), at.y(), [this] { A_RozsypKlocki(); },
                                       this, mask_, WordPicture(wordIndex_));
    hintMs_ = 0;
    hintBox_ = -1;
    spaceLaunchX_ = kNoBox;
}

void TfmHitman::ShowScene(const QRect& rect, bool now)
{
    const QRect area = rect.intersected(scene_.rect());
    if (area.isEmpty())
        return;
    raster::Copy(Canvas(), area.topLeft(), scene_, area);
    if (area.intersects(launch_->geometry()))
        launch_->Paint();
    if (now)
        ShowNow(area);
    else
        Flush(area);
}

void TfmHitman::ShowWholeScene()
{
    raster::Copy(Canvas(), QPoint(0, 0), scene_);
    launch_->Paint();
    FlushAll();
}

void TfmHitman::HideHelp()
{
    help_->HideButton();
    const QRect area = help_->geometry();
    raster::Copy(scene_, area.topLeft(), background_, area);
    ShowScene(area);
}

void TfmHitman::EndHighlight()
{
    if (hintBox_ >= 0) {
        board_->UnhighlightBox(hintBox_);
        ShowScene(board_->BoxArea(hintBox_));
    }
    hintBox_ = -1;
    hintMs_ = 0;
}

QRect TfmHitman::PairArea()
{
    return board_->Saucer().Bounds() | board_->Carried().Bounds();
}

void TfmHitman::DrawPair()
{
    CPlatforma& saucer = board_->Saucer();
    CPlatforma& carried = board_->Carried();
    if (!saucer.Bounds().intersects(carried.Bounds()))
        return;
    saucer.Move(0, 0);
    carried.Move(0, 0);
}

void TfmHitman::MoveSaucer(int dx)
{
    const QRect before = PairArea();
    board_->Saucer().Move(dx, 0);
    board_->Carried().Move(dx, 0);
    // Each move put the background back under the other's old place: draw both again, the letter
    // on top.
    board_->Saucer().Move(0, 0);
    board_->Carried().Move(0, 0);
    ShowScene(before | PairArea());
}

void TfmHitman::HitmanTimerTimer()
{
    if (!board_ || !board_->IsActive() || launching_)
        return;

    if (filled_ == board_->HiddenCount() && !board_->IsFinished())
        FinishWord();

    if (hintMs_ > 0 && hintMs_ < kHintShowMs)
        hintMs_ += kTickMs;
    else if (hintMs_ != 0)
        EndHighlight();

    // A finished word takes no more letters: a held key would only put one on its saucer.
    const bool spaceDown = KeyState::IsSpaceDown();
    if (!spaceDown)
        spaceLaunchX_ = kNoBox;
    if (spaceDown && !board_->IsBusy() && !board_->IsFinished()) {
        if (keyTicks_ >= kKeyTicksPerLetter) {
            const QRect before = PairArea();
            if (board_->CycleLetter()) {
                DrawPair();
                ShowScene(before | PairArea());
            }
            keyTicks_ = 0;
        } else {
            ++keyTicks_;
        }
        // One launch per box passed: a letter that fell back is not sent up again and again while
        // the key stays down and the saucer is still under the same box.
        if (!board_->FindBoxUnder(board_->Saucer().Left())) {
            spaceLaunchX_ = kNoBox;
        } else if (board_->TargetX() != spaceLaunchX_) {
            spaceLaunchX_ = board_->TargetX();
            if (!Launch())
                return;
        }
    }

    const int speed = kSpeedPerLevel * Settings().Poziom;
    const int left = board_->Saucer().Left();
    int dx = 0;
    if (left < board_->RightLimit() && movingRight_)
        dx += speed;
    else
        movingRight_ = false;
    if (left > board_->LeftLimit() && !movingRight_)
        dx -= speed;
    else
        movingRight_ = true;
    if (dx != 0)
        MoveSaucer(dx);
}

void TfmHitman::FinishWord()
{
    timer_->Stop();
    working_[wordIndex_] = board_->CompletedText();
    board_->SetFinished();
    Context().stats.AddCorrect();
    HideHelp();
    PlayRandomSound(kPraiseSound);
    PlayWordSound(names_[wordIndex_]);
}

bool TfmHitman::Glide(CPlatforma& piece, int x)
{
    for (;;) {
        const QRect before = PairArea();
        const bool there = piece.GlideToward(x, kGlideStepsPerFrame);
        DrawPair();
        ShowScene(before | PairArea());
        if (there)
            return true;
        if (!WaitInRound(kFrameMs))
            return false;
    }
}

bool TfmHitman::Rise(int dy)
{
    const QRect before = PairArea();
    board_->Carried().Move(0, dy);
    DrawPair();
    // The letter wiped the frames it passed through.
    board_->RedrawBoxes();
    ShowScene(before | PairArea());
    return WaitInRound(kFrameMs);
}

bool TfmHitman::Launch()
{
    Touch();
    EndHighlight();
    launching_ = true;
    // The glides below let events through; the saucer stands still meanwhile.
    timer_->Stop();
    if (!Glide(board_->Carried(), board_->TargetX()))
        return false;
    ++filled_;
    for (int i = 0; i < riseSteps_; ++i)
        if (!Rise(-kRiseStep))
            return false;
    if (!Glide(board_->Saucer(), board_->TargetX() - letterOffset_))
        return false;
    board_->SetBusy(true);
    if (board_->CheckLaunch()) {
        // The letter stays in its box; the saucer has the next one.
        const QRect before = PairArea();
        DrawPair();
        ShowScene(before | PairArea());
    } else {
        Context().stats.AddWrong();
        --filled_;
        for (int i = 0; i < riseSteps_; ++i)
            if (!Rise(kRiseStep))
                return false;
        board_->SetBusy(false);
    }
    launching_ = false;
    if (filled_ == board_->HiddenCount())
        FinishWord();
    else
        timer_->Start();
    return true;
}

void TfmHitman::A_NacisnijPrzycisk()
{
    if (launching_ || !board_ || !board_->IsActive() || board_->IsFinished())
        return;
    Touch();
    const QRect before = PairArea();
    if (board_->CycleLetter()) {
        DrawPair();
        ShowScene(before | PairArea());
    }
    if (board_->IsBusy())
        return;
    if (board_->FindBoxUnder(board_->Saucer().Left()))
        Launch();
}

void TfmHitman::A_Nastepny()
{
    if (launching_ || wordIndex_ + 1 >= WordCount())
        return;
    Touch();
    ++wordIndex_;
    filled_ = 0;
    ShowButtons(!working_[wordIndex_].contains(kPractised));
    NewBoard();
    timer_->Start();
    ShowWholeScene();
}

void TfmHitman::A_Poprzedni()
{
    if (launching_ || wordIndex_ <= 0 || WordCount() == 0)
        return;
    Touch();
    --wordIndex_;
    filled_ = 0;
    ShowButtons(!working_[wordIndex_].contains(kPractised));
    NewBoard();
    timer_->Start();
    ShowWholeScene();
}

void TfmHitman::A_RozsypKlocki()
{
    if (launching_ || !board_ || !board_->IsFinished())
        return;
    Touch();
    ShowButtons(false);
    working_[wordIndex_] = splits_[wordIndex_];
    NewBoard();
    filled_ = 0;
    timer_->Start();
    ShowWholeScene();
}

void TfmHitman::A_Pomoc()
{
    if (launching_ || !board_ || !board_->IsActive() || board_->IsFinished())
        return;
    Touch();
    Context().stats.AddHint();
    EndHighlight();
    board_->RedrawBoxes();
    const GraHitman::Hint hint = board_->HintLetter();
    if (hint.kind == GraHitman::kHintReplaced) {
        const QRect before = PairArea();
        board_->SetCarried(hint.letter);
        DrawPair();
        ShowScene(before | PairArea(), true);
    } else {
        hintBox_ = board_->FindHintBox();
        hintMs_ = 1;
        board_->HighlightBox(hintBox_);
        ShowScene(board_->BoxArea(hintBox_), true);
    }
    PlaySoundFile(kWordSoundFolder + names_[wordIndex_] + kWordSoundExtension);
}

void TfmHitman::A_ZakonczGre()
{
    A_Stop();
}
