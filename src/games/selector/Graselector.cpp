// SPDX-License-Identifier: GPL-3.0-or-later
// The picture-and-say game's engine (see Graselector.h).
#include "Graselector.h"

#include "platform/imagefiles.h"
#include "platform/picturestore.h"
#include "platform/raster.h"
#include "platform/services.h"
#include "results/_cstatrec.h"
#include "shell/Cdisplay.h"
#include "shell/_specfunc.h"
#include "words/_cslowa.h"

#include <QFile>
#include <QPainter>

namespace {
const CDisplay& Screen() { return brimbola::Display; }

const QString kFrameFolder = QStringLiteral("Data/Intf/Sel/");
const QString kMaskSmall = QStringLiteral("Data/Bion/_matr_shs.xji");
const QString kMaskBig = QStringLiteral("Data/Bion/_matr_shb.xji");
const QString kRedTile = QStringLiteral("_red");
constexpr QChar kComma = u',';
constexpr QChar kPractised = u'_';
}  // namespace

std::vector<SplitPiece> SplitPieces(const QString& split)
{
    std::vector<SplitPiece> pieces;
    qsizetype p = 0;
    while (p < split.size()) {
        qsizetype end = split.indexOf(kComma, p);
        if (end < 0)
            end = split.size();
        const QString piece = split.mid(p, end - p);
        if (!piece.isEmpty()) {
            if (piece.front() == kPractised)
                pieces.push_back({piece.mid(1), true});
            else
                pieces.push_back({piece, false});
        }
        p = end + 1;
    }
    return pieces;
}

CPrzGloska::CPrzGloska(CSelectorHost& host, const QString& letter, bool red) : letter(letter)
{
    OtworzBMP(SoundFileName(letter) + (red ? kRedTile : QString()) + SizeSuffix(), picture);
    hitArea = host.NewTileArea(*this);
    hitArea->SetRect(Rect());
    hitArea->SetVisible(true);
}

void CPrzGloska::SetPosition(int newX, int newY)
{
    SetDrawnPosition(newX, newY);
    SyncHitArea();
}

void CPrzGloska::SetDrawnPosition(int newX, int newY)
{
    x = qint16(newX);
    y = qint16(newY);
}

void CPrzGloska::SyncHitArea()
{
    hitArea->SetRect(Rect());
}

void CPrzGloska::SwapFace(CPrzGloska& other)
{
    std::swap(letter, other.letter);
    std::swap(picture, other.picture);
    // A picture of another size changes what the mouse can reach.
    SyncHitArea();
    other.SyncHitArea();
}

void CPusGloska::SetOccupant(CPrzGloska* tile)
{
    occupant = tile;
    letter = tile ? tile->Letter() : QString();
}

const SelectorLayout& GraSelector::Layout()
{
    return Screen().IsSmall() ? kSelectorSmall : kSelectorBig;
}

int GraSelector::CellSize()
{
    // Fixed by the layout, whether or not the picture mask could be read.
    return Layout().cell;
}

int GraSelector::StripLineY()
{
    return Layout().stripLineY;
}

int GraSelector::SlotStartOffset()
{
    return Layout().slotStartOffset;
}

QPoint GraSelector::PilePosition()
{
    return Layout().pile;
}

QPoint GraSelector::PicturePosition()
{
    return Layout().picture;
}

GraSelector::GraSelector(CSelectorHost& host, CZestawSlow& words, CStatRec& stats)
    : last_(words.DrawnCount() - 1), host_(host), words_(words), stats_(stats)
{
    const QPoint pile = PilePosition();
    pileX_ = pile.x();
    pileY_ = pile.y();
    const QString maskFile = Screen().IsSmall() ? kMaskSmall : kMaskBig;
    if (QFile::exists(maskFile)) {
        try {
            mask_ = DecodeJpegFile(maskFile);
        } catch (const std::exception&) {
            mask_ = QImage();  // a damaged mask draws nothing; the game still plays
        }
    }
    frame_.Create();
    frame_.Load(kFrameFolder);
}

GraSelector::~GraSelector()
{
    slots_.clear();
    tiles_.clear();
}

void GraSelector::SetPicturePosition(int x, int y)
{
    pictureX_ = x;
    pictureY_ = y;
}

void GraSelector::SetCanvases(QImage* scene, QImage* snapshot)
{
    scene_ = scene;
    snapshot_ = snapshot;
}

void GraSelector::BuildWord()
{
    grabbed_ = nullptr;
    slots_.clear();
    tiles_.clear();
    caption_.clear();
    wordName_.clear();
    if (current_ < 0 || current_ >= words_.DrawnCount())
        return;
    const SPaczka& word = words_.Drawn(current_);
    wordName_ = word.Name;
    for (const SplitPiece& piece : SplitPieces(word.Split)) {
        tiles_.push_back(std::make_unique<CPrzGloska>(host_, piece.letter, piece.red));
        caption_ += piece.letter;
    }
    slots_.resize(tiles_.size());
}

bool GraSelector::NextWord()
{
    if (current_ >= last_)
        return false;
    ++current_;
    return true;
}

bool GraSelector::PrevWord()
{
    if (current_ <= 0)
        return false;
    --current_;
    return true;
}

bool GraSelector::IsSolved() const
{
    return current_ >= 0 && current_ < words_.DrawnCount() && !words_.Drawn(current_).IsPending();
}

bool GraSelector::AllSolved() const
{
    return words_.AllDealtWith();
}

bool GraSelector::HitPicture(int x, int y)
{
    const bool inside =
        pictureX_ < x && x < pictureX_ + mask_.width() && pictureY_ < y && y < pictureY_ + mask_.height();
    if (inside && current_ >= 0 && current_ < words_.DrawnCount())
        words_.SetPending(current_);
    return inside;
}

const QImage& GraSelector::CurrentPicture() const
{
    static const QImage kNone;
    if (current_ < 0 || current_ >= words_.DrawnCount())
        return kNone;
    const SPaczka& word = words_.Drawn(current_);
    return Screen().IsSmall() ? word.SmallPicture : word.BigPicture;
}

void GraSelector::DrawPicture()
{
    if (!scene_)
        return;
    const QPoint at(pictureX_, pictureY_);
    raster::Or(*scene_, at, mask_);
    raster::And(*scene_, at, CurrentPicture());
}

void GraSelector::LayoutSlot(int i)
{
    CPusGloska& slot = slots_[size_t(i)];
    slot.x = qint16(SelectorSlotX(Layout(), int(slots_.size()), i));
    slot.y = qint16(StripLineY() - CellSize() / 2);
}

void GraSelector::DrawSlotFrame(QImage& canvas, int i)
{
    const CPusGloska& slot = slots_[size_t(i)];
    const int c = CellSize();
    QPainter painter(&canvas);
    painter.setPen(QColor::fromRgb(slot.Occupant() ? kTakenSlot : kEmptySlot));
    painter.setBrush(Qt::NoBrush);
    for (int k = 1; k <= kSelectorFrameRings; ++k)
        painter.drawRect(slot.x - k, slot.y - k, c + 2 * k - 1, c + 2 * k - 1);
}

void GraSelector::DrawSlots(QImage& canvas)
{
    for (int i = 0; i < int(slots_.size()); ++i) {
        LayoutSlot(i);
        DrawSlotFrame(canvas, i);
    }
}

void GraSelector::DrawTiles()
{
    if (!scene_)
        return;
    for (const auto& tile : tiles_)
        if (tile.get() != grabbed_)
            raster::Copy(*scene_, QPoint(tile->X(), tile->Y()), tile->Picture());
}

void GraSelector::DrawFrameStrip(QImage& canvas)
{
    frame_.SetCentre(Layout().width / 2, StripLineY());
    frame_.LayoutHorizontal(int(slots_.size()));
    frame_.Draw(canvas);
}

void GraSelector::HideTiles()
{
    grabbed_ = nullptr;
    for (const auto& tile : tiles_)
        tile->HitArea().SetVisible(false);
}

void GraSelector::ResetTiles()
{
    const int n = int(tiles_.size());
    for (int i = 0; i < n; ++i)
        std::swap(tiles_[size_t(i)], tiles_[size_t(Random().Below(n))]);
    for (const auto& tile : tiles_) {
        tile->SetPosition(pileX_, pileY_);
        tile->HitArea().BringToFront();
    }
    for (int i = 0; i < int(slots_.size()); ++i) {
        LayoutSlot(i);
        slots_[size_t(i)].SetOccupant(nullptr);
        if (scene_)
            DrawSlotFrame(*scene_, i);
        tiles_[size_t(i)]->HitArea().SetVisible(true);
    }
}

void GraSelector::ShowSolution()
{
    grabbed_ = nullptr;
    for (int i = 0; i < int(slots_.size()); ++i) {
        LayoutSlot(i);
        CPusGloska& slot = slots_[size_t(i)];
        CPrzGloska& tile = *tiles_[size_t(i)];
        slot.SetOccupant(&tile);
        if (scene_)
            DrawSlotFrame(*scene_, i);
        tile.SetPosition(slot.x, slot.y);
        tile.HitArea().SetVisible(false);
        if (scene_)
            raster::Copy(*scene_, QPoint(tile.X(), tile.Y()), tile.Picture());
    }
}

GraSelector::Drop GraSelector::DropTile(CPrzGloska& tile)
{
    const int near = SlotNear(tile.X(), tile.Y());
    if (near < 0)
        return {Landing::GoesBack, -1};
    CPusGloska& slot = slots_[size_t(near)];
    if (slot.Occupant())
        return {Landing::RestsAbove, near};
    slot.SetOccupant(&tile);
    return {Landing::Placed, near};
}

GraSelector::Check GraSelector::CheckWord()
{
    QString laid;
    for (const CPusGloska& slot : slots_) {
        if (!slot.Occupant())
            return Check::Incomplete;
        laid += slot.Letter();
    }
    // Letters are compared, not tiles, so equal letters may stand in each other's places.
    if (laid != caption_) {
        stats_.AddWrong();
        return Check::Wrong;
    }
    stats_.AddCorrect();
    if (current_ >= 0 && current_ < words_.DrawnCount())
        words_.ClearPending(current_);
    HideTiles();
    return AllSolved() ? Check::AllSolved : Check::Solved;
}

void GraSelector::CountHint()
{
    stats_.AddHint();
}

int GraSelector::SlotNear(int x, int y) const
{
    for (int i = 0; i < int(slots_.size()); ++i)
        if (std::abs(slots_[size_t(i)].x - x) <= kNearSlot && std::abs(slots_[size_t(i)].y - y) <= kNearSlot)
            return i;
    return -1;
}

int GraSelector::SlotOf(const CPrzGloska* tile) const
{
    for (int i = 0; i < int(slots_.size()); ++i)
        if (slots_[size_t(i)].Occupant() == tile)
            return i;
    return -1;
}

int GraSelector::IndexOf(const CPrzGloska* tile) const
{
    for (int i = 0; i < int(tiles_.size()); ++i)
        if (tiles_[size_t(i)].get() == tile)
            return i;
    return -1;
}

void GraSelector::MoveToTop(int i)
{
    if (i >= 0 && i < int(tiles_.size()))
        std::swap(tiles_[size_t(i)], tiles_.back());
}

void GraSelector::SwapFromPile(CPrzGloska& tile)
{
    if (tile.X() != pileX_ || tile.Y() != pileY_)
        return;
    const int n = int(tiles_.size());
    int b = Random().Below(n);
    if (n == 0)
        return;
    if (tiles_[size_t(b)].get() == &tile)
        b = (b + 1) % n;
    for (int probe = 0; probe <= n; ++probe, b = (b + 1) % n) {
        CPrzGloska& other = *tiles_[size_t(b)];
        if (other.X() == pileX_ && other.Y() == pileY_) {
            if (&other != &tile)
                tile.SwapFace(other);
            return;
        }
    }
}
