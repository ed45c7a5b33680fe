// SPDX-License-Identifier: GPL-3.0-or-later
// The labyrinth's board and rules (see Gralabirynt.h).
#include "Gralabirynt.h"

#include "platform/imagefiles.h"
#include "platform/raster.h"
#include "platform/services.h"
#include "platform/timeservice.h"
#include "results/_cstatrec.h"
#include "settings/_custgry.h"
#include "shell/Cdisplay.h"
#include "shell/_cblad.h"
#include "words/_cslowa.h"

#include <QHash>
#include <QTime>
#include <algorithm>

namespace {
constexpr qint16 kResourceMissing = 1;
constexpr int kSlotTop = 2;    // from the slot's computed top to its outermost outline's top, less 3
constexpr int kRingOffset = 3;
}  // namespace

QString TaskLine(qint16 gloski)
{
    QString groups;
    if (gloski & glos::L)
        groups += QStringLiteral("L ");
    if (gloski & glos::R)
        groups += QStringLiteral("R ");
    if (gloski & glos::J)
        groups += QStringLiteral("J ");
    if (gloski & glos::LI)
        groups += QStringLiteral("LI ");
    if (!(gloski & glos::R) && (gloski & (glos::TRDR | glos::KRGR | glos::PRBR | glos::INNE)))
        groups += QStringLiteral("R ");
    // Every blank but a last one becomes a comma and two blanks.
    QString line;
    for (qsizetype i = 0; i < groups.size(); ++i) {
        if (groups[i] == u' ' && i + 1 < groups.size())
            line += QStringLiteral(", ");
        line += groups[i];
    }
    return QStringLiteral("Znajdź obrazki z głoską: ") + line;
}

int ClockIndex(int count, const QTime& localTime)
{
    if (count <= 0)
        return 0;
    const int hhmmss = localTime.hour() * 10000 + localTime.minute() * 100 + localTime.second();
    return hhmmss % count;
}

// ---- Labirynt -------------------------------------------------------------------------------

Labirynt::Labirynt(int number, bool small) : number_(number), small_(small) {}

void Labirynt::SetCanvases(QImage* boardCanvas, QImage* cleanCanvas)
{
    board_ = boardCanvas;
    clean_ = cleanCanvas;
}

bool Labirynt::Load()
{
    lab::MazeFile file;
    if (!lab::ReadMazeFile(lab::MazeFileName(number_), file))
        return false;
    const QString folder = lab::kFolder + (small_ ? QStringLiteral("sm/") : QStringLiteral("bg/"));
    try {
        for (int column = 0; column < lab::kColumns; ++column)
            for (int row = 0; row < lab::kRows; ++row) {
                const qint32 code = file.codes[column][row];
                cells_[column][row] = std::make_unique<KostkaLab>(column, row, code, folder + lab::TilePictureFile(code),
                                                                  board_, clean_);
            }
    } catch (const ImageError&) {
        // A tile that cannot be shown makes the whole maze unusable: no half board.
        for (auto& column : cells_)
            for (auto& cell : column)
                cell.reset();
        return false;
    }
    description_ = file.description;
    return true;
}

void Labirynt::PlaceWords(CZestawSlow& words, CZestawSlow& differential, int level, int& goodCount, int& wrongCount)
{
    goodCount = wrongCount = 0;
    for (const auto& column : cells_)
        for (const auto& cell : column) {
            if (!cell)
                continue;
            if (cell->Code() & lab::GoodPicture)
                ++goodCount;
            else if (cell->Code() & lab::WrongPicture)
                ++wrongCount;
        }
    const int cap = level * GraLabirynt::kWordsPerLevel;
    // A source with fewer words than asked for gives what it has; they repeat on the tiles.
    words.DrawWords(std::min({goodCount, cap, words.CandidateCount()}));
    differential.DrawWords(std::min({wrongCount, cap, differential.CandidateCount()}));
    // A word lying on several tiles is decoded once.
    QHash<QString, QImage> pictures;
    auto put = [&](KostkaLab& cell, const QString& name) {
        auto found = pictures.find(name);
        if (found == pictures.end())
            found = pictures.insert(name, DecodeJpegFile(KostkaLab::WordPicturePath(name, small_)));
        cell.PutWord(name, *found);
    };
    int g = 0, d = 0;
    for (const auto& column : cells_)
        for (const auto& cell : column) {
            if (!cell)
                continue;
            if ((cell->Code() & lab::GoodPicture) && words.DrawnCount() > 0) {
                put(*cell, words.Drawn(g).Name);
                g = (g + 1) % words.DrawnCount();
            }
            if ((cell->Code() & lab::WrongPicture) && differential.DrawnCount() > 0) {
                put(*cell, differential.Drawn(d).Name);
                d = (d + 1) % differential.DrawnCount();
            }
        }
}

void Labirynt::LayOut()
{
    const int pitch = Pitch();
    for (const auto& column : cells_)
        for (const auto& cell : column)
            if (cell)
                cell->SetPosition(kLeft + pitch * cell->Column(), kTop + pitch * cell->Row());
}

void Labirynt::Draw()
{
    if (board_ && clean_)
        raster::Copy(*board_, QPoint(0, 0), *clean_, board_->rect());
    for (const auto& column : cells_)
        for (const auto& cell : column)
            if (cell)
                cell->DrawTile();
}

void Labirynt::ShowWords()
{
    for (const auto& column : cells_)
        for (const auto& cell : column)
            if (cell && cell->WordPicture())
                cell->WordPicture()->Show();
}

bool Labirynt::FindStart(int& column, int& row, int& x, int& y, qint32& code) const
{
    for (int c = 0; c < lab::kColumns; ++c)
        for (int r = lab::kRows - 1; r >= 0; --r) {
            const KostkaLab* cell = cells_[c][r].get();
            if (cell && (cell->Code() == lab::kStartRight || cell->Code() == lab::kStartUp)) {
                column = c;
                row = r;
                x = cell->X();
                y = cell->Y();
                code = cell->Code();
                return true;
            }
        }
    code = 0;
    return false;
}

qint32 Labirynt::CodeAt(int column, int row) const
{
    const KostkaLab* cell = Cell(column, row);
    return cell ? cell->Code() : 0;
}

bool Labirynt::IsExit(int column, int row) const
{
    const qint32 code = CodeAt(column, row);
    return code == lab::kExitLeft || code == lab::kExitDown;
}

KostkaLab* Labirynt::Cell(int column, int row) const
{
    return Inside(column, row) ? cells_[column][row].get() : nullptr;
}

QRect Labirynt::Collect(int column, int row, int total, int index, int width, int height)
{
    KostkaLab* cell = Cell(column, row);
    if (!cell)
        return {};
    cell->SetCode(cell->Code() & ~lab::GoodPicture);
    ObrazekSlowo* word = cell->WordPicture();
    if (!word)
        return {};
    const QRect from = word->Rect();
    word->TakeOff();
    word->PutInPanel(total, index, width, height);
    return from | word->Rect();
}

QRect Labirynt::MarkWrong(int column, int row)
{
    KostkaLab* cell = Cell(column, row);
    if (!cell)
        return {};
    cell->SetMarked();
    ObrazekSlowo* word = cell->WordPicture();
    if (!word)
        return {};
    word->FrameRed(small_);
    return word->Rect();
}

bool Labirynt::IsMarked(int column, int row) const
{
    const KostkaLab* cell = Cell(column, row);
    return cell && cell->Marked();
}

KostkaLab* Labirynt::FirstUncollected() const
{
    for (const auto& column : cells_)
        for (const auto& cell : column)
            if (cell && (cell->Code() & lab::GoodPicture) && cell->WordPicture() && !cell->WordPicture()->InPanel())
                return cell.get();
    return nullptr;
}

const ObrazekSlowo* Labirynt::WordAt(const QPoint& point) const
{
    for (const auto& column : cells_)
        for (const auto& cell : column)
            if (cell && cell->WordPicture() && cell->WordPicture()->IsShown() && cell->WordPicture()->Rect().contains(point))
                return cell->WordPicture();
    return nullptr;
}

// ---- GraLabirynt ----------------------------------------------------------------------------

GraLabirynt::GraLabirynt(CLabHost& host, const CDisplay& display, CSlowa& words, CZestawSlow& differential,
                         CStatRec& stats, const CUstGry& settings)
    : host_(host), display_(display), words_(words), differential_(differential), stats_(stats), settings_(settings),
      figure_(host, display.IsSmall())
{
    count_ = lab::ReadMazeCount();
    if (count_ < 1)
        throw CBlad(kResourceMissing);
    frame_.Create();
    // Without its pictures the column is only its yellow slots.
    frame_.Load(lab::kFolder);
}

void GraLabirynt::SetCanvases(QImage* boardCanvas, QImage* cleanCanvas)
{
    boardCanvas_ = boardCanvas;
    cleanCanvas_ = cleanCanvas;
}

bool GraLabirynt::Start()
{
    const int index = ClockIndex(count_, Time().UtcNow().toLocalTime().time());
    const bool small = display_.IsSmall();
    board_ = std::make_unique<Labirynt>(settings_.Poziom * 100 + index, small);
    board_->SetCanvases(boardCanvas_, cleanCanvas_);
    goodCount_ = wrongCount_ = collected_ = 0;
    if (!board_->Load())
        return false;
    try {
        board_->PlaceWords(words_, differential_, settings_.Poziom, goodCount_, wrongCount_);
    } catch (const ImageError&) {
        throw CBlad(kResourceMissing);
    }
    board_->LayOut();
    int column = -1, row = -1, x = 0, y = 0;
    qint32 code = 0;
    board_->FindStart(column, row, x, y, code);
    figure_.SetBoard(board_.get());
    // Every tile, an empty one too, is one pitch wide: the glide and the centring go by the pitch.
    figure_.SetStep(board_->Pitch(), board_->Pitch());
    // The small tiles' path is drawn one pixel up and left of the tile's centre.
    if (small)
        figure_.PlaceAt(column, row, x - 1, y - 1);
    else
        figure_.PlaceAt(column, row, x, y);
    figure_.Face(code == lab::kStartUp, false, false, code == lab::kStartRight);
    slotPicture_ = SlotPictureSize();
    return true;
}

QSize GraLabirynt::SlotPictureSize() const
{
    // Every small word picture has one size: a picture on the board gives it, else the first
    // catalogue word's.
    for (int column = 0; column < lab::kColumns; ++column)
        for (int row = 0; row < lab::kRows; ++row)
            if (const KostkaLab* cell = board_->Cell(column, row); cell && cell->WordPicture())
                return cell->WordPicture()->Image().size();
    if (words_.Catalogue().empty())
        return {};
    try {
        return DecodeJpegFile(KostkaLab::WordPicturePath(words_.Catalogue().front().Name, display_.IsSmall())).size();
    } catch (const ImageError&) {
        return {};
    }
}

void GraLabirynt::DrawBoard()
{
    if (board_)
        board_->Draw();
}

void GraLabirynt::DrawFrame(QImage& canvas)
{
    const int w = display_.DesignWidth, h = display_.DesignHeight;
    frame_.SetCanvases(&canvas, &canvas);
    frame_.SetCentre(w - (display_.IsSmall() ? kFrameInsetSmall : kFrameInsetBig), (h / 3) * 2);
    frame_.LayoutVertical(goodCount_);
    frame_.Draw(canvas);
}

QRect GraLabirynt::SlotRect(int index) const
{
    const int w = slotPicture_.width(), h = slotPicture_.height();
    const int pitch = h + kSlotGap;
    const int top = (display_.DesignHeight / 3) * 2 + index * pitch - (goodCount_ / 2) * pitch -
                    ((goodCount_ % 2) * pitch) / 2 + kSlotTop;
    const int outer = kSlotRings - 1;
    return QRect(display_.DesignWidth - w - kSlotRight - outer, top + kRingOffset - outer, w + 2 * outer,
                 h + 2 * outer);
}

void GraLabirynt::DrawSlots()
{
    if (!boardCanvas_ || slotPicture_.isEmpty())
        return;
    for (int d = 0; d < goodCount_; ++d) {
        const QRect outer = SlotRect(d);
        for (int i = 0; i < kSlotRings; ++i) {
            const int inset = kSlotRings - 1 - i;
            DrawOutline(*boardCanvas_, outer.adjusted(inset, inset, -inset, -inset), kYellow);
        }
    }
}

void GraLabirynt::ShowWords()
{
    if (board_)
        board_->ShowWords();
}

GraLabirynt::Move GraLabirynt::MoveUp()
{
    return Try(0, -1, figure_.CanGoUp());
}

GraLabirynt::Move GraLabirynt::MoveDown()
{
    return Try(0, 1, figure_.CanGoDown());
}

GraLabirynt::Move GraLabirynt::MoveLeft()
{
    return Try(-1, 0, figure_.CanGoLeft());
}

GraLabirynt::Move GraLabirynt::MoveRight()
{
    return Try(1, 0, figure_.CanGoRight());
}

GraLabirynt::Move GraLabirynt::Try(int dx, int dy, bool open)
{
    if (!open || !board_ || figure_.IsBusy())
        return Move::None;
    const int column = figure_.Column() + dx, row = figure_.Row() + dy;
    // A maze that opens toward its edge must not walk the figure off the board.
    if (column < 0 || column >= lab::kColumns || row < 0 || row >= lab::kRows)
        return Move::None;
    const qint32 code = board_->CodeAt(column, row);
    if (!(code & lab::GoodPicture) && (code & lab::WrongPicture)) {
        if (!board_->IsMarked(column, row))
            stats_.AddWrong();
        host_.BoardChanged(board_->MarkWrong(column, row));
        return Move::Bumped;
    }
    bool stepped = false;
    if (dx > 0)
        stepped = figure_.StepRight();
    else if (dx < 0)
        stepped = figure_.StepLeft();
    else if (dy > 0)
        stepped = figure_.StepDown();
    else
        stepped = figure_.StepUp();
    if (!stepped)
        return Move::RoundEnded;
    if (!(code & lab::GoodPicture))
        return Move::Stepped;
    host_.BoardChanged(board_->Collect(figure_.Column(), figure_.Row(), goodCount_, collected_, display_.DesignWidth,
                                       display_.DesignHeight));
    stats_.AddCorrect();
    ++collected_;
    return Move::Collected;
}

bool GraLabirynt::IsDone() const
{
    return board_ && board_->IsExit(figure_.Column(), figure_.Row()) && collected_ == goodCount_;
}

bool GraLabirynt::CheckDone()
{
    if (!IsDone())
        return false;
    figure_.Celebrate();
    return true;
}

KostkaLab* GraLabirynt::HintCell() const
{
    return board_ ? board_->FirstUncollected() : nullptr;
}
