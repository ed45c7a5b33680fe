// SPDX-License-Identifier: GPL-3.0-or-later
// The labyrinth game proper: the board read from a maze file and filled with words, and the rules
// of a round (a maze chosen by the clock, moves, collecting, distractors, winning, hints), drawn on
// the window's board picture. Needs no widgets: the window turns keys into moves and shows results.
#pragma once

#include "games/labyrinth/Kostkalab.h"
#include "games/labyrinth/labfile.h"
#include "gfx/Cramka.h"

#include <QImage>
#include <QString>
#include <array>
#include <memory>

class CSlowa;
class QTime;
class CStatRec;
class CUstGry;
class CZestawSlow;
struct CDisplay;

// "Znajdź obrazki z głoską: " and the sound groups of a Gloski mask, as the task line shows them.
QString TaskLine(qint16 gloski);

// The maze of the round: index = the time of day read as the number hhmmss, modulo the count.
int ClockIndex(int count, const QTime& localTime);

// The 8 x 6 board of one round.
class Labirynt {
public:
    static constexpr int kPitchSmall = 78, kPitchBig = 100;
    static constexpr int kLeft = 65, kTop = 90;

    Labirynt(int number, bool small);
    void SetCanvases(QImage* boardCanvas, QImage* cleanCanvas);

    // Reads the maze file; false for a bad file (the board then has no cells).
    bool Load();
    // Puts words on the picture tiles: up to `level` x 5 different catalogue words on the tiles to
    // collect and differential words on the distractors, repeating in drawing order when there are
    // more tiles. Hands back the two tile counts. Throws ImageError for a missing word picture.
    void PlaceWords(CZestawSlow& words, CZestawSlow& differential, int level, int& goodCount, int& wrongCount);
    void LayOut();
    // The clean board copy, then every tile, on the board picture.
    void Draw();
    // Every word picture still lying on a tile, on the board picture.
    void ShowWords();

    bool FindStart(int& column, int& row, int& x, int& y, qint32& code) const;
    qint32 CodeAt(int column, int row) const;  // 0 outside the grid or for a missing cell
    bool IsExit(int column, int row) const;
    // From one tile to the next: the figure glides this far in one step.
    int Pitch() const { return small_ ? kPitchSmall : kPitchBig; }
    // Takes the cell's picture off the board into slot `index` of `total`; returns the two
    // rectangles of the board picture that changed (united).
    QRect Collect(int column, int row, int total, int index, int width, int height);
    // Frames the cell's word picture in red and remembers the bump; returns the changed rectangle.
    QRect MarkWrong(int column, int row);
    bool IsMarked(int column, int row) const;
    // The first cell, column by column, whose picture still waits to be collected.
    KostkaLab* FirstUncollected() const;
    KostkaLab* Cell(int column, int row) const;
    // The word picture shown at `point` (on a tile or in the column), or null.
    const ObrazekSlowo* WordAt(const QPoint& point) const;

    int Number() const { return number_; }
    const QByteArray& Description() const { return description_; }
    bool HasCells() const { return cells_[0][0] != nullptr; }

private:
    static bool Inside(int column, int row) { return column >= 0 && column < lab::kColumns && row >= 0 && row < lab::kRows; }

    int number_;
    bool small_;
    QByteArray description_;
    QImage* board_ = nullptr;
    QImage* clean_ = nullptr;
    std::array<std::array<std::unique_ptr<KostkaLab>, lab::kRows>, lab::kColumns> cells_;
};

class GraLabirynt {
public:
    static constexpr int kWordsPerLevel = 5;
    static constexpr int kSlotGap = 10;
    static constexpr int kSlotRings = 4;
    static constexpr int kSlotRight = 25;
    static constexpr int kFrameInsetSmall = 54, kFrameInsetBig = 60;
    static constexpr QRgb kYellow = 0xFFFFFF00;

    enum class Move {
        None,        // no opening that way, or the way leads off the grid
        Stepped,     // the figure moved on
        Collected,   // the figure moved on and took the picture there
        Bumped,      // a distractor blocks the way
        RoundEnded,  // the round ended during the glide: touch nothing more
    };

    // Creates the figure and reads the number of mazes per level. Throws CBlad 1 when a sprite is
    // missing or the count is below 1. Everything given must outlive the game.
    GraLabirynt(CLabHost& host, const CDisplay& display, CSlowa& words, CZestawSlow& differential,
                CStatRec& stats, const CUstGry& settings);

    void SetCanvases(QImage* boardCanvas, QImage* cleanCanvas);
    // A new maze of the level; false for a bad maze file (no board to play then). Throws CBlad 1
    // when a word picture is missing.
    bool Start();
    void DrawBoard();
    void DrawFrame(QImage& canvas);
    void DrawSlots();
    void ShowWords();

    Move MoveUp();
    Move MoveDown();
    Move MoveLeft();
    Move MoveRight();

    // On the exit with every picture collected.
    bool IsDone() const;
    // When won, the figure spins; true when won.
    bool CheckDone();
    KostkaLab* HintCell() const;

    Ufo& Figure() { return figure_; }
    const Ufo& Figure() const { return figure_; }
    Labirynt* Board() const { return board_.get(); }
    int MazeCount() const { return count_; }
    int GoodCount() const { return goodCount_; }
    int WrongCount() const { return wrongCount_; }
    int Collected() const { return collected_; }
    // The slot rectangle (outermost outline) of slot `index`, as DrawSlots draws it.
    QRect SlotRect(int index) const;

private:
    Move Try(int dx, int dy, bool open);
    QSize SlotPictureSize() const;

    CLabHost& host_;
    const CDisplay& display_;
    CSlowa& words_;
    CZestawSlow& differential_;
    CStatRec& stats_;
    const CUstGry& settings_;
    int count_ = 0;
    int goodCount_ = 0, wrongCount_ = 0, collected_ = 0;
    std::unique_ptr<Labirynt> board_;
    QImage* boardCanvas_ = nullptr;
    QImage* cleanCanvas_ = nullptr;
    CRamka frame_;
    Ufo figure_;
    QSize slotPicture_;
};
