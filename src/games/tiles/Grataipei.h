// SPDX-License-Identifier: GPL-3.0-or-later
// The tile-pairs game's engine: the deal of a board of stacked picture tiles, which tiles are free,
// the child's choice of two tiles, the judging and removal of a pair, the reshuffle of a board
// without a free pair, and the hint. It draws on the window's scene and knows the window only
// through CTaiPeiHost, so it needs no widgets.
#pragma once

#include "games/tiles/_ckostka.h"

#include <QImage>
#include <QMap>
#include <QPoint>
#include <QString>
#include <array>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class CZestawSlow;
class RandomSource;

// The board's cells, column by column: cell = column * kRows + row.
constexpr int kTaiPeiColumns = 7;
constexpr int kTaiPeiRows = 5;
constexpr int kTaiPeiCells = kTaiPeiColumns * kTaiPeiRows;

// Word names stacked on every cell, bottom first.
using TaiPeiDeal = std::array<std::vector<QString>, kTaiPeiCells>;

// How many words (each dealt twice) a level deals: 5, 10 or 15; none for any other level.
int PairsOfLevel(int poziom);
// Deals the first PairsOfLevel(poziom) drawn words (fewer when fewer are drawn): each on a random
// cell, and again on another random cell. Stacks may grow to any height.
TaiPeiDeal DealBoard(const CZestawSlow& words, int poziom, RandomSource& random);

// A chosen tile: its place on the board and its name.
struct TilePlace {
    int column = -1, row = -1, layer = -1;
    QString name;
    bool SamePlace(const CKostka& tile) const
    {
        return column == tile.Column() && row == tile.Row() && layer == tile.Layer();
    }
    bool SamePlace(const TilePlace& other) const
    {
        return column == other.column && row == other.row && layer == other.layer;
    }
};

// What the engine asks of its window.
class CTaiPeiHost {
public:
    virtual ~CTaiPeiHost() = default;
    // The mouse area of a new tile, over its rectangle; areas made later lie above earlier ones.
    virtual std::unique_ptr<CKostkaArea> NewTileArea(CKostka& tile) = 0;
    // A rectangle of the scene changed outside a full redraw (a frame): show it.
    virtual void ShowSceneRect(const QRect& rect) = 0;
};

class GraTaiPei {
public:
    static constexpr int kSmallTile = 94, kBigTile = 120;
    static constexpr QPoint kSmallOrigin{55, 50}, kBigOrigin{70, 50};
    static constexpr int kLayerLift = 15;       // each layer lifts a tile this many pixels
    static constexpr int kOpenFrameMargin = 10; // the open frame's sides reach this far below the cover's step
    static constexpr int kMixStart = 10;        // the reshuffle counter at program start
    static constexpr int kMixLimit = 1000;      // ... which on reaching this starts again from
    static constexpr int kMixRestart = 100;

    // Selection states.
    static constexpr int kNothing = 0, kOneChosen = 1, kPairChosen = 2;

    enum class Judgement { None, Right, Wrong };
    // What one tick of the game did; the window plays, counts and redraws by it.
    struct TickResult {
        Judgement judgement = Judgement::None;
        bool boardEmpty = false;   // the right pair was the last: the game is over
        bool reshuffled = false;   // no free pair was left, so the free tiles were moved
        bool Idle() const { return judgement == Judgement::None && !reshuffled; }
    };

    static int Cell(int column, int row) { return column * kTaiPeiRows + row; }
    static int TileSize(bool small) { return small ? kSmallTile : kBigTile; }
    static QPoint Origin(bool small) { return small ? kSmallOrigin : kBigOrigin; }

    // Builds every tile of `deal` (pictures "Data/Klc/<name>_s.xji" or "_b.xji" of the working
    // folder, decoded once each) and works out which are free. `scene` is drawn on by DrawAll and
    // the frames; `mixCounter` is the program's reshuffle counter. Throws CBlad 1 when a picture
    // cannot be loaded.
    GraTaiPei(CTaiPeiHost& host, QImage& scene, const TaiPeiDeal& deal, bool small, RandomSource& random,
              int& mixCounter);
    ~GraTaiPei();
    GraTaiPei(const GraTaiPei&) = delete;
    GraTaiPei& operator=(const GraTaiPei&) = delete;

    // Judges a chosen pair and reshuffles a board without a free pair. A right pair is removed;
    // a wrong one keeps the first tile chosen.
    TickResult Tick();

    // The tick has work: a chosen pair to judge, no free pair left, or no tile at all. Otherwise
    // nothing changes before the next press.
    bool NeedsTick() const;

    // The mouse on a tile (a tile that is not free ignores it, but the engine remembers it).
    void Enter(CKostka& tile);
    void Leave(CKostka& tile);
    void Press(CKostka& tile);
    // After the board was drawn again: the tile under the mouse, if it has just become free, shows
    // its frame (its mouse entered while it was still covered).
    void FrameHovered();

    // Every tile's mouse area stops listening; the tiles stay as they are drawn.
    void HideTiles();

    void ComputeFree();
    void StoreTops();
    // Removes the two chosen tiles from the tops of their stacks.
    void RemovePair();
    // Every tile, rows from the top, layers from the bottom, so nearer tiles cover farther ones.
    void DrawAll();
    // Pairs of equal names among the free tiles (as of the last ComputeFree).
    int FreePairCount() const { return freePairs_; }
    int CellsInUse() const;
    // Moves every free top tile to a random empty cell and builds the tiles again.
    void Reshuffle();
    // The first free pair in reading order, as two cells.
    std::optional<std::pair<int, int>> HintCells() const;
    // Frames the hint's pair red; false when there is no free pair.
    bool ShowHint();

    int SelState() const { return selState_; }
    const TilePlace& First() const { return first_; }
    const TilePlace& Second() const { return second_; }
    int Height(int cell) const { return int(tiles_[size_t(cell)].size()); }
    const std::vector<QString>& Names(int cell) const { return names_[size_t(cell)]; }
    CKostka& Tile(int cell, int layer) const { return *tiles_[size_t(cell)][size_t(layer)]; }
    CKostka* TopTile(int cell) const;
    int Top(int cell) const { return tops_[size_t(cell)]; }
    int MixCounter() const { return mixCounter_; }
    int TileSize() const { return size_; }

    // Where the frame of a hovered or chosen tile ends: kClosed, or the bottom of its open sides
    // when the stack below it covers its lower edge.
    int OpenBottom(const CKostka& tile) const;
    void Highlight(CKostka& tile, QRgb colour);

private:
    void BuildTiles();
    int CountFreePairs() const;
    const QImage& Picture(const QString& name);

    CTaiPeiHost& host_;
    QImage& scene_;
    RandomSource& random_;
    int& mixCounter_;
    int size_;
    QPoint origin_;
    QString suffix_;
    QImage background_, mask_;
    QMap<QString, QImage> pictures_;
    std::array<std::vector<std::unique_ptr<CKostka>>, kTaiPeiCells> tiles_;
    TaiPeiDeal names_;
    std::array<int, kTaiPeiCells> tops_{};
    int freePairs_ = 0;
    int selState_ = kNothing;
    TilePlace first_, second_;
    TilePlace hovered_;  // the tile the mouse last entered and has not left
};
