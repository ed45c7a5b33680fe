// SPDX-License-Identifier: GPL-3.0-or-later
// The picture-and-say game's engine: the current word with its letter tiles and empty slots, the
// judging of a filled row, the hint, and the drawing of its parts onto the game window's surfaces.
// It knows the window only through CSelectorHost, so it needs no widgets.
#pragma once

#include "games/selector/selectorlayout.h"
#include "gfx/Cramka.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <memory>
#include <vector>

class CPrzGloska;
class CStatRec;
class CZestawSlow;

// The part of a tile the mouse reaches on the game window.
class CTileArea {
public:
    virtual ~CTileArea() = default;
    virtual void SetRect(const QRect& rect) = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual bool IsVisible() const = 0;
    // Above every other tile, so the tile drawn on top is the one the mouse takes.
    virtual void BringToFront() = 0;
};

// What the engine asks of its game window: a mouse area for each tile it makes.
class CSelectorHost {
public:
    virtual ~CSelectorHost() = default;
    virtual std::unique_ptr<CTileArea> NewTileArea(CPrzGloska& tile) = 0;
};

// One letter tile.
class CPrzGloska {
public:
    // Takes the picture named after the letter ("ll_red_b" for a red ł in the big layout). A picture
    // the store lacks gives an empty tile; nothing is reported.
    CPrzGloska(CSelectorHost& host, const QString& letter, bool red);

    const QString& Letter() const { return letter; }
    const QImage& Picture() const { return picture; }
    int X() const { return x; }
    int Y() const { return y; }
    QRect Rect() const { return QRect(x, y, picture.width(), picture.height()); }
    CTileArea& HitArea() const { return *hitArea; }

    // Moves the tile and its mouse area.
    void SetPosition(int newX, int newY);
    // Moves only the drawing, as a drag step does; the mouse area stays behind.
    void SetDrawnPosition(int newX, int newY);
    // Puts the mouse area where the tile is drawn.
    void SyncHitArea();
    // Swaps what two tiles show (letter and picture); places stay.
    void SwapFace(CPrzGloska& other);

private:
    QImage picture;
    std::unique_ptr<CTileArea> hitArea;
    QString letter;
    qint16 x = 0, y = 0;
};

// One empty place for a letter under the picture.
class CPusGloska {
public:
    void SetOccupant(CPrzGloska* tile);
    CPrzGloska* Occupant() const { return occupant; }
    const QString& Letter() const { return letter; }

    qint16 x = 0, y = 0;

private:
    CPrzGloska* occupant = nullptr;
    QString letter;
};

// One piece of a word's split: the letter of one tile, and whether it is a practised sound.
struct SplitPiece {
    QString letter;
    bool red = false;
};
// The pieces of a split text. Empty pieces are skipped; a last piece without its comma ends at the
// end of the text.
std::vector<SplitPiece> SplitPieces(const QString& split);

class GraSelector {
public:
    // Where a tile let go of lands: in the empty slot near it, resting above the taken slot near it,
    // or back on the pile when no slot is near.
    enum class Landing { Placed, RestsAbove, GoesBack };
    struct Drop {
        Landing landing = Landing::GoesBack;
        int slot = -1;
    };
    // The row judged: not full yet, full but wrong, right, right and the last word still to do.
    enum class Check { Incomplete, Wrong, Solved, AllSolved };

    static constexpr int kNearSlot = 25;            // a tile this close to a slot drops into it
    static constexpr int kRestAbove = 60;           // a tile dropped on a taken slot rests this far above it
    static constexpr QRgb kEmptySlot = 0xFFFF0000;  // red: still to fill
    static constexpr QRgb kTakenSlot = 0xFFFFFF00;  // yellow: holds a tile

    // Mode-dependent places and sizes (the small layout, any other).
    static const SelectorLayout& Layout();
    static int CellSize();
    static int StripLineY();
    static int SlotStartOffset();
    static QPoint PilePosition();
    static QPoint PicturePosition();

    // `words` and `stats` must outlive the engine. A missing mask or frame leaves them empty.
    GraSelector(CSelectorHost& host, CZestawSlow& words, CStatRec& stats);
    ~GraSelector();
    GraSelector(const GraSelector&) = delete;
    GraSelector& operator=(const GraSelector&) = delete;

    void SetPicturePosition(int x, int y);
    void SetCanvases(QImage* scene, QImage* snapshot);

    // Word building and state.
    void BuildWord();
    bool NextWord();
    bool PrevWord();
    bool IsLast() const { return current_ == last_; }
    bool IsFirst() const { return current_ == 0; }
    bool IsSolved() const;
    bool AllSolved() const;
    // True for a point strictly inside the picture; the word then waits for the child again.
    bool HitPicture(int x, int y);

    // Drawing onto the scene (or the given canvas).
    void DrawPicture();
    void DrawSlots(QImage& canvas);
    void DrawTiles();
    void DrawFrameStrip(QImage& canvas);
    void HideTiles();

    // Play.
    void ResetTiles();
    void ShowSolution();
    // Lands `tile` at its drawn place (see Landing); a placed tile takes its slot.
    Drop DropTile(CPrzGloska& tile);
    // Judges a full row and counts the answer; a solved word is no longer pending and its tiles take
    // no more presses.
    Check CheckWord();
    void CountHint();

    // Lays out slot i of the current row.
    void LayoutSlot(int i);
    // The first slot, in slot order, within kNearSlot of (x, y) on both axes, or -1.
    int SlotNear(int x, int y) const;
    // The slot holding `tile`, or -1.
    int SlotOf(const CPrzGloska* tile) const;
    // Draws the frame of slot i onto `canvas`: red when empty, yellow when taken.
    void DrawSlotFrame(QImage& canvas, int i);
    // Exchanges tile i with the last one, so it is drawn (and taken by the mouse) on top.
    void MoveToTop(int i);
    int IndexOf(const CPrzGloska* tile) const;
    // A right click or double click on the top of the pile shows another of the pile's letters there.
    void SwapFromPile(CPrzGloska& tile);

    const CRamka& Frame() const { return frame_; }
    const QImage& Mask() const { return mask_; }
    std::vector<std::unique_ptr<CPrzGloska>>& Tiles() { return tiles_; }
    std::vector<CPusGloska>& Slots() { return slots_; }
    const QImage* Scene() const { return scene_; }
    const QImage* Snapshot() const { return snapshot_; }
    const QImage& CurrentPicture() const;

    int Current() const { return current_; }
    int Last() const { return last_; }
    // The word as its tiles spell it, and its name (its sound and picture).
    const QString& Caption() const { return caption_; }
    const QString& WordName() const { return wordName_; }
    int PictureX() const { return pictureX_; }
    int PictureY() const { return pictureY_; }
    int PileX() const { return pileX_; }
    int PileY() const { return pileY_; }
    // Left out of DrawTiles while the snapshot of a drag is built.
    void SetGrabbed(CPrzGloska* tile) { grabbed_ = tile; }

private:
    int current_ = 0;
    QString caption_;
    QString wordName_;
    int last_ = -1;
    int pictureX_ = 0, pictureY_ = 0;
    int pileX_ = 0, pileY_ = 0;
    CPrzGloska* grabbed_ = nullptr;
    CSelectorHost& host_;
    CZestawSlow& words_;
    CStatRec& stats_;
    QImage mask_;
    CRamka frame_;
    std::vector<std::unique_ptr<CPrzGloska>> tiles_;
    std::vector<CPusGloska> slots_;
    QImage* scene_ = nullptr;
    QImage* snapshot_ = nullptr;
};
