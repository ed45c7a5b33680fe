// SPDX-License-Identifier: GPL-3.0-or-later
// The tile-pairs game's engine (see Grataipei.h).
#include "Grataipei.h"
#include "shell/ownwordfiles.h"

#include "platform/imagefiles.h"
#include "platform/services.h"
#include "shell/_cblad.h"
#include "words/_cslowa.h"

#include <algorithm>

namespace {
constexpr int kResourcesMissing = 1;
constexpr int kPairsPerLevel = 5;
constexpr int kLevels = 3;
// A cell whose top is not free, in the hint's table.
const QString kNotFree = QStringLiteral("@");
const QString kPictureFolder = QStringLiteral("Data/Klc/");
const QString kTileFolder = QStringLiteral("Data/Intf/Tpi/");

QImage LoadPicture(const QString& path)
{
    try {
        return DecodeJpegFile(path);
    } catch (const ImageError&) {
        throw CBlad(kResourcesMissing);
    }
}

int RandomCell(RandomSource& random)
{
    const int column = random.Below(kTaiPeiColumns);
    const int row = random.Below(kTaiPeiRows);
    return GraTaiPei::Cell(column, row);
}
}  // namespace

int PairsOfLevel(int poziom)
{
    return poziom >= 1 && poziom <= kLevels ? poziom * kPairsPerLevel : 0;
}

TaiPeiDeal DealBoard(const CZestawSlow& words, int poziom, RandomSource& random)
{
    TaiPeiDeal deal;
    const int pairs = std::min(PairsOfLevel(poziom), words.DrawnCount());
    for (int i = 0; i < pairs; ++i) {
        const QString& name = words.Drawn(i).Name;
        const int first = RandomCell(random);
        deal[size_t(first)].push_back(name);
        int second = RandomCell(random);
        while (second == first)
            second = RandomCell(random);
        deal[size_t(second)].push_back(name);
    }
    return deal;
}

GraTaiPei::GraTaiPei(CTaiPeiHost& host, QImage& scene, const TaiPeiDeal& deal, bool small, RandomSource& random,
                     int& mixCounter)
    : host_(host), scene_(scene), random_(random), mixCounter_(mixCounter), size_(TileSize(small)),
      origin_(Origin(small)), suffix_(small ? QStringLiteral("_s") : QStringLiteral("_b")), names_(deal)
{
    background_ = LoadPicture(kTileFolder + (small ? "klcBck_s.xji" : "KlcBck_b.xji"));
    mask_ = LoadPicture(kTileFolder + (small ? "matr_s.xji" : "matr_b.xji"));
    BuildTiles();
    StoreTops();
    ComputeFree();
}

GraTaiPei::~GraTaiPei() = default;

const QImage& GraTaiPei::Picture(const QString& name)
{
    auto found = pictures_.find(name);
    if (found == pictures_.end())
        found = pictures_.insert(name, LoadPicture(WordFile(kPictureFolder + name + ".xji")));
    return *found;
}

void GraTaiPei::BuildTiles()
{
    for (auto& stack : tiles_)
        stack.clear();
    // In drawing order, so that the mouse areas of nearer tiles lie above those of farther ones.
    for (int row = 0; row < kTaiPeiRows; ++row)
        for (int column = 0; column < kTaiPeiColumns; ++column) {
            const int cell = Cell(column, row);
            const auto& names = names_[size_t(cell)];
            for (int layer = 0; layer < int(names.size()); ++layer) {
                const QString name = names[size_t(layer)] + suffix_;
                const QRect rect(origin_.x() + column * size_, origin_.y() + row * size_ - kLayerLift * layer, size_,
                                 size_);
                auto tile = std::make_unique<CKostka>(name, column, row, layer, rect, Picture(name), background_, mask_);
                tile->SetArea(host_.NewTileArea(*tile));
                tiles_[size_t(cell)].push_back(std::move(tile));
            }
        }
}

CKostka* GraTaiPei::TopTile(int cell) const
{
    const auto& stack = tiles_[size_t(cell)];
    return stack.empty() ? nullptr : stack.back().get();
}

void GraTaiPei::HideTiles()
{
    for (const auto& stack : tiles_)
        for (const auto& tile : stack)
            if (CKostkaArea* area = tile->Area())
                area->Hide();
}

void GraTaiPei::ComputeFree()
{
    for (int column = 0; column < kTaiPeiColumns; ++column)
        for (int row = 0; row < kTaiPeiRows; ++row) {
            const int cell = Cell(column, row);
            for (auto& tile : tiles_[size_t(cell)])
                tile->SetFree(false);
            CKostka* top = TopTile(cell);
            if (!top)
                continue;
            const int height = Height(cell);
            // An empty neighbour is simply a lower one.
            const bool edge = column == 0 || column == kTaiPeiColumns - 1;
            const bool openLeft = edge || Height(Cell(column - 1, row)) < height;
            const bool openRight = edge || Height(Cell(column + 1, row)) < height;
            top->SetFree(openLeft || openRight);
        }
    // Freedom changes only here, so the tick need not count the pairs again.
    freePairs_ = CountFreePairs();
}

void GraTaiPei::StoreTops()
{
    for (int cell = 0; cell < kTaiPeiCells; ++cell)
        tops_[size_t(cell)] = Height(cell) - 1;
}

void GraTaiPei::RemovePair()
{
    for (const TilePlace* place : {&first_, &second_}) {
        const int cell = Cell(place->column, place->row);
        if (place->column < 0 || Height(cell) != place->layer + 1)
            continue;  // only the top of a stack can go
        tiles_[size_t(cell)].pop_back();
        names_[size_t(cell)].pop_back();
    }
}

void GraTaiPei::DrawAll()
{
    for (int row = 0; row < kTaiPeiRows; ++row)
        for (int column = 0; column < kTaiPeiColumns; ++column)
            for (const auto& tile : tiles_[size_t(Cell(column, row))])
                tile->Draw(scene_);
}

int GraTaiPei::CountFreePairs() const
{
    // At most 35 free tops: comparing each with those after it needs no allocation.
    std::array<const QString*, kTaiPeiCells> names{};
    int n = 0;
    for (int cell = 0; cell < kTaiPeiCells; ++cell) {
        const CKostka* top = TopTile(cell);
        if (top && top->IsFree())
            names[size_t(n++)] = &top->Name();
    }
    int pairs = 0;
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            pairs += *names[size_t(i)] == *names[size_t(j)] ? 1 : 0;
    return pairs;
}

int GraTaiPei::CellsInUse() const
{
    int used = 0;
    for (const auto& stack : tiles_)
        used += stack.empty() ? 0 : 1;
    return used;
}

void GraTaiPei::Reshuffle()
{
    selState_ = kNothing;
    // Which tops move is decided before any of them moves; each moves once.
    std::vector<int> freeCells;
    for (int column = 0; column < kTaiPeiColumns; ++column)
        for (int row = 0; row < kTaiPeiRows; ++row) {
            const CKostka* top = TopTile(Cell(column, row));
            if (top && top->IsFree())
                freeCells.push_back(Cell(column, row));
        }
    for (const int from : freeCells) {
        mixCounter_ = mixCounter_ >= kMixLimit ? kMixRestart : mixCounter_ + 1;
        // A board of at most 15 pairs always has an empty cell; a fuller one must not hang here.
        const bool anyEmpty = std::any_of(names_.begin(), names_.end(), [](const auto& s) { return s.empty(); });
        if (!anyEmpty)
            break;
        int to;
        do {
            const int a = random_.Below(mixCounter_);
            const int b = random_.Below(mixCounter_);
            to = Cell(a % kTaiPeiColumns, b % kTaiPeiRows);
        } while (!names_[size_t(to)].empty());
        names_[size_t(to)].push_back(names_[size_t(from)].back());
        names_[size_t(from)].pop_back();
    }
    BuildTiles();
    StoreTops();
    ComputeFree();
}

std::optional<std::pair<int, int>> GraTaiPei::HintCells() const
{
    std::array<QString, kTaiPeiCells> table;
    for (int cell = 0; cell < kTaiPeiCells; ++cell) {
        const CKostka* top = TopTile(cell);
        table[size_t(cell)] = top && top->IsFree() ? top->Name() : kNotFree;
    }
    // Reading order: rows from the top, columns from the left.
    for (int r1 = 0; r1 < kTaiPeiRows; ++r1)
        for (int c1 = 0; c1 < kTaiPeiColumns; ++c1) {
            const QString& name = table[size_t(Cell(c1, r1))];
            if (name == kNotFree)
                continue;
            for (int r2 = 0; r2 < kTaiPeiRows; ++r2)
                for (int c2 = 0; c2 < kTaiPeiColumns; ++c2)
                    if ((c2 != c1 || r2 != r1) && table[size_t(Cell(c2, r2))] == name)
                        return std::make_pair(Cell(c1, r1), Cell(c2, r2));
        }
    return std::nullopt;
}

bool GraTaiPei::ShowHint()
{
    const auto cells = HintCells();
    if (!cells)
        return false;
    Highlight(*TopTile(cells->first), CKostka::kRed);
    Highlight(*TopTile(cells->second), CKostka::kRed);
    return true;
}

int GraTaiPei::OpenBottom(const CKostka& tile) const
{
    if (tile.Row() == kTaiPeiRows - 1)
        return CKostka::kClosed;
    const int cell = Cell(tile.Column(), tile.Row());
    const int below = cell + 1;
    if (tops_[size_t(below)] <= tile.Layer())
        return CKostka::kClosed;
    const QRect picture = tile.PictureRect();
    const int pictureBottom = tile.Centre().y() + picture.height() / 2;
    return pictureBottom + kLayerLift * (tops_[size_t(cell)] - tops_[size_t(below)]) + kOpenFrameMargin;
}

void GraTaiPei::Highlight(CKostka& tile, QRgb colour)
{
    host_.ShowSceneRect(tile.DrawFrame(scene_, colour, OpenBottom(tile)));
}

bool GraTaiPei::NeedsTick() const
{
    return selState_ == kPairChosen || FreePairCount() == 0 || CellsInUse() == 0;
}

void GraTaiPei::Enter(CKostka& tile)
{
    hovered_ = TilePlace{tile.Column(), tile.Row(), tile.Layer(), tile.Name()};
    if (!tile.IsFree())
        return;
    const bool firstChosen = selState_ == kOneChosen && first_.SamePlace(tile);
    Highlight(tile, firstChosen ? CKostka::kGreen : CKostka::kYellow);
}

void GraTaiPei::Leave(CKostka& tile)
{
    if (hovered_.SamePlace(tile))
        hovered_ = TilePlace{};
    if (!tile.IsFree())
        return;
    const bool firstChosen = selState_ == kOneChosen && first_.SamePlace(tile);
    Highlight(tile, firstChosen ? CKostka::kGreen : CKostka::kWhite);
}

void GraTaiPei::FrameHovered()
{
    if (hovered_.column < 0)
        return;
    CKostka* top = TopTile(Cell(hovered_.column, hovered_.row));
    if (top && hovered_.SamePlace(*top))
        Enter(*top);
}

void GraTaiPei::Press(CKostka& tile)
{
    if (!tile.IsFree())
        return;
    const TilePlace place{tile.Column(), tile.Row(), tile.Layer(), tile.Name()};
    if (tile.IsSelected()) {
        // The chosen tile again: the choice is dropped.
        Highlight(tile, CKostka::kYellow);
        selState_ = kNothing;
        tile.SetSelected(false);
    } else if (selState_ == kNothing) {
        selState_ = kOneChosen;
        Highlight(tile, CKostka::kGreen);
        tile.SetSelected(true);
        first_ = place;
    } else if (selState_ == kOneChosen) {
        selState_ = kPairChosen;
        Highlight(tile, CKostka::kGreen);
        second_ = place;
    }
    // A pair waiting to be judged takes no third tile.
}

GraTaiPei::TickResult GraTaiPei::Tick()
{
    TickResult result;
    // A board dealt without tiles (a level that deals none) has nothing to play: it ends at once.
    if (CellsInUse() == 0) {
        result.boardEmpty = true;
        return result;
    }
    if (selState_ == kPairChosen) {
        if (first_.name == second_.name && !first_.SamePlace(second_)) {
            RemovePair();
            selState_ = kNothing;
            ComputeFree();
            StoreTops();
            result.judgement = Judgement::Right;
            if (CellsInUse() == 0) {
                result.boardEmpty = true;
                return result;
            }
        } else if (first_.name != second_.name) {
            selState_ = kOneChosen;
            result.judgement = Judgement::Wrong;
        }
    }
    if (FreePairCount() == 0) {
        Reshuffle();
        result.reshuffled = true;
    }
    return result;
}
