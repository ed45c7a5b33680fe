// SPDX-License-Identifier: GPL-3.0-or-later
// The labyrinth's window (see Labirynt.h).
#include "Labirynt.h"

#include "gfx/_cprzycisk.h"
#include "platform/messageboxes.h"
#include "platform/raster.h"
#include "results/_cstatrec.h"
#include "settings/_custgry.h"
#include "shell/Cdisplay.h"
#include "shell/_cblad.h"
#include "shell/_specfunc.h"
#include "words/_cslowa.h"
#include "words/_cslowaroznicowe.h"

#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

namespace {
constexpr qint16 kResourceMissing = 1;
constexpr int kStopNudgeX = 4;  // the stop button sits a little right of help
const QString kBackgroundSmall = QStringLiteral("Data/Intf/Lab/mT_Lab_s.xji");
const QString kBackgroundBig = QStringLiteral("Data/Intf/Lab/mT_Lab_b.xji");
const QString kBadMaze = QStringLiteral("Błędny plik labiryntu");
const QString kBadMazeCaption = QStringLiteral("Błąd");

// Where and how the task line stands, by layout.
struct LabelPlace {
    int left, top, width, pointSize;
    bool bold;
};
constexpr LabelPlace kLabelSmall{60, 14, 480, 10, false};
constexpr LabelPlace kLabelBig{52, 18, 680, 12, true};
}  // namespace

TfmLabirynt::TfmLabirynt(const GameContext& context) : CGameWindow(context, *GameOfTab(kTab))
{
    const CDisplay& display = context.display;
    const int w = display.DesignWidth, h = display.DesignHeight;
    help_ = new CPrzyciskC(this, "pomoc", &board_, &Canvas(), w - w / 10, h / 7, [this] { A_Pomoc(); });
    stop_ = new CPrzyciskC(this, "stop", &board_, &Canvas(), w - w / 10 + kStopNudgeX, h / 7 + h / 8,
                           [this] { A_StopPressed(); });

    label_ = new QLabel(this);
    label_->setAlignment(Qt::AlignCenter);
    label_->setAttribute(Qt::WA_TransparentForMouseEvents);
    label_->setAutoFillBackground(false);
    label_->setStyleSheet(QStringLiteral("background: transparent;"));
    const LabelPlace& place = display.IsSmall() ? kLabelSmall : kLabelBig;
    QFont font(QStringLiteral("Arial Black"), place.pointSize);
    font.setBold(place.bold);
    label_->setFont(font);
    label_->setGeometry(place.left, place.top, place.width, label_->fontMetrics().height() + 4);

    zoom_.Create(&Canvas());
    // The zoom keeps the program busy while the child looks: it must reach the screen at once.
    zoom_.SetShowNow([this](const QRect& rect) { ShowNow(rect); });

    if (!QFile::exists(lab::kIndexFile))
        throw CBlad(kResourceMissing);
}

TfmLabirynt::~TfmLabirynt() = default;

void TfmLabirynt::MakeScene()
{
    background_ = LoadBackground(kBackgroundSmall, kBackgroundBig);
    board_ = NewScene();
    clean_ = NewScene();
}

void TfmLabirynt::DropScene()
{
    background_ = board_ = clean_ = QImage();
}

bool TfmLabirynt::Animating() const
{
    return game_ && (game_->Figure().IsBusy() || game_->Figure().IsCelebrating());
}

void TfmLabirynt::SetDescription(qint16 gloski)
{
    label_->setText(TaskLine(gloski));
}

void TfmLabirynt::BeginRound()
{
    const GameContext& context = Context();
    // A handler of the old round may still be on its way out of a wait.
    if (game_)
        RetireLater(std::shared_ptr<GraLabirynt>(std::move(game_)));
    CLabHost& host = *this;
    game_ = std::make_unique<GraLabirynt>(host, context.display, context.words, context.differentialWords,
                                          context.stats, Settings());
    raster::Copy(clean_, QPoint(0, 0), background_);
    raster::Copy(board_, QPoint(0, 0), background_);
    game_->SetCanvases(&board_, &clean_);
    if (game_->Start()) {
        game_->DrawBoard();
        game_->DrawFrame(board_);
        game_->DrawSlots();
    }
    raster::Copy(clean_, QPoint(0, 0), board_);
    game_->ShowWords();
    help_->ShowButton();
    stop_->Draw();
    SetDescription(Settings().Gloski);

    raster::Copy(Canvas(), QPoint(0, 0), board_);
    game_->Figure().SetCanvases(&Canvas(), &clean_);
    game_->Figure().Draw();
    FlushAll();
    if (!game_->Board()->HasCells())
        CurrentMessageBoxes().Show(this, kBadMazeCaption, kBadMaze, MessageIcon::Error);
}

bool TfmLabirynt::RoundCompleted() const
{
    return game_ && game_->IsDone();
}

void TfmLabirynt::keyPressEvent(QKeyEvent* event)
{
    // A key pressed while the figure glides or spins is dropped, Esc too: the round must outlive
    // the animation.
    if (Animating())
        return;
    if (IsEscape(event)) {
        CGameWindow::keyPressEvent(event);
        return;
    }
    if (!game_ || !RoundLive())
        return;
    GraLabirynt::Move move;
    switch (event->key()) {
    case Qt::Key_Left: move = game_->MoveLeft(); break;
    case Qt::Key_Up: move = game_->MoveUp(); break;
    case Qt::Key_Right: move = game_->MoveRight(); break;
    case Qt::Key_Down: move = game_->MoveDown(); break;
    default: move = GraLabirynt::Move::None; break;
    }
    if (move == GraLabirynt::Move::RoundEnded)
        return;
    game_->CheckDone();
}

void TfmLabirynt::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::RightButton || Animating() || !game_ || !game_->Board())
        return;
    if (const ObrazekSlowo* word = game_->Board()->WordAt(event->position().toPoint()))
        ZoomWord(word->WordName());
}

void TfmLabirynt::ZoomWord(const QString& name)
{
    const CDisplay& display = Context().display;
    zoom_.ShowWord(name, display.DesignWidth / 2, display.DesignHeight / 2);
}

void TfmLabirynt::A_Pomoc()
{
    if (Animating() || !game_ || !RoundLive())
        return;
    const KostkaLab* cell = game_->HintCell();
    if (!cell)
        return;
    const ObrazekSlowo* word = cell->WordPicture();
    const QRect rect = word->Rect();
    for (int i = 0; i < kHintRings; ++i)
        DrawOutline(Canvas(), rect.adjusted(i, i, -i, -i), kHintColour);
    // The word is said at once, so the outline must be on screen before it.
    ShowNow(rect);
    PlayWordSound(word->WordName());
    Context().stats.AddHint();
}

void TfmLabirynt::A_StopPressed()
{
    if (Animating())
        return;
    A_Stop();
}

bool TfmLabirynt::Pause(int ms)
{
    return WaitInRound(ms);
}

void TfmLabirynt::ShowCanvas(const QRect& rect)
{
    Flush(rect);
}

void TfmLabirynt::BoardChanged(const QRect& rect)
{
    if (rect.isEmpty())
        return;
    raster::Copy(Canvas(), rect.topLeft(), board_, rect);
    QRect shown = rect;
    if (game_ && !game_->Figure().IsBusy() && game_->Figure().Rect().intersects(rect)) {
        game_->Figure().PaintOn(Canvas());
        shown |= game_->Figure().Rect();
    }
    Flush(shown);
}
