// SPDX-License-Identifier: GPL-3.0-or-later
// The pieces of the labyrinth's board and its flying figure: a word picture lying on a tile or in
// the collection column, a cell of the 8 x 6 maze, and the figure the child steers, which glides
// from cell to cell repainting only the strip it uncovers.
#pragma once

#include "gfx/Graphicobject.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <memory>

class Labirynt;

// A 1-pixel outline of `rect` (right and bottom edges inside it), clipped to the canvas: the red
// frame of a distractor, the yellow hint and slot outlines.
void DrawOutline(QImage& canvas, const QRect& rect, QRgb colour);

// What the board and the figure ask of the window that shows them.
class CLabHost {
public:
    virtual ~CLabHost() = default;
    // Waits while the window goes on handling events; false when the round ended meanwhile, and then
    // nothing of the round may be touched any more.
    virtual bool Pause(int ms) = 0;
    // The window canvas changed in `rect` (the figure moved): put it on screen.
    virtual void ShowCanvas(const QRect& rect) = 0;
    // The board picture changed in `rect`: bring it onto the window canvas and the screen.
    virtual void BoardChanged(const QRect& rect) = 0;
};

// A word's small picture. It lies on the board picture over its tile, or in a slot of the
// collection column once collected; the window's clean copy never holds it, so taking it off puts
// the bare tile back.
class ObrazekSlowo : public GraphicObject {
public:
    // Takes the word's decoded picture.
    ObrazekSlowo(const QString& name, const QImage& picture, QImage* boardCanvas, QImage* cleanCanvas);

    const QString& WordName() const { return wordName_; }
    bool InPanel() const { return inPanel_; }
    bool IsShown() const { return shown_; }
    QRect Rect() const { return QRect(X(), Y(), image_.width(), image_.height()); }
    const QImage& Image() const { return image_; }

    // Paints the picture (with any red frame) on the board picture.
    void Show();
    // Takes the picture off the board: the clean copy comes back under it.
    void TakeOff();
    // Moves the picture into slot `index` of a column of `total` slots at the right edge of a
    // `width` x `height` window and shows it there.
    void PutInPanel(int total, int index, int width, int height);
    // Frames the picture in red for good: three 1-pixel outlines, four in the big layout.
    void FrameRed(bool small);

private:
    QImage image_;  // the picture as shown, with its frame
    QString wordName_;
    bool inPanel_ = false;
    bool shown_ = false;
};

// One tile of the maze, with the word picture lying on it, if any.
class KostkaLab : public GraphicObject {
public:
    // Loads the tile picture from `tilePath`; a path to a folder (an empty code) loads nothing.
    // Throws ImageError when a tile picture cannot be read.
    KostkaLab(int column, int row, qint32 code, const QString& tilePath, QImage* boardCanvas, QImage* cleanCanvas);

    // The file of a word's small picture on the tiles.
    static QString WordPicturePath(const QString& name, bool small);
    // Puts the word with its decoded small picture on the tile.
    void PutWord(const QString& name, const QImage& picture);
    // Places the tile, and its word picture centred on it.
    void SetPosition(int x, int y);
    // Paints the tile on the board picture (the word picture is shown separately).
    void DrawTile();

    ObrazekSlowo* WordPicture() const { return word_.get(); }
    int Column() const { return column_; }
    int Row() const { return row_; }
    qint32 Code() const { return code_; }
    void SetCode(qint32 code) { code_ = code; }
    bool Marked() const { return marked_; }
    void SetMarked() { marked_ = true; }

private:
    std::unique_ptr<ObrazekSlowo> word_;
    bool marked_ = false;
    int column_, row_;
    qint32 code_;
};

// The flying figure.
class Ufo {
public:
    static constexpr int kStepPixels = 3;     // per frame of a glide
    static constexpr int kStepFrameMs = 16;
    static constexpr int kSpinFrames = 17;
    static constexpr int kSpinFrameMs = 80;
    static constexpr int kInitialStep = 100;
    static constexpr int kOffBoard = -100;

    // Loads the four sprites of the layout; throws CBlad 1 when one cannot be read.
    Ufo(CLabHost& host, bool small);

    void SetBoard(const Labirynt* board) { board_ = board; }
    void SetCanvases(QImage* target, QImage* restore);
    void SetStep(int stepX, int stepY);

    bool IsBusy() const { return busy_; }
    bool IsCelebrating() const { return celebrating_; }
    int Column() const { return column_; }
    int Row() const { return row_; }
    int X() const { return x_; }
    int Y() const { return y_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    QRect Rect() const { return QRect(x_, y_, width_, height_); }
    bool FacingLeft() const { return left_; }
    bool FacingRight() const { return right_; }
    bool FacingUp() const { return up_; }
    bool FacingDown() const { return down_; }

    // Centres the figure in the cell whose top-left corner is (x, y).
    void PlaceAt(int column, int row, int x, int y);
    // Each true argument in turn becomes the only facing, so the last true one wins.
    void Face(bool up, bool down, bool left, bool right);
    // Paints the sprite of the facing on the target canvas.
    void Draw();
    // Paints the sprite of the facing on `canvas`; nothing before any facing was set.
    void PaintOn(QImage& canvas);

    bool CanGoRight() const;
    bool CanGoLeft() const;
    bool CanGoDown() const;
    bool CanGoUp() const;

    // One animated step to the neighbouring cell; nothing while a step runs. False when the round
    // ended during the glide: the figure must not be touched any more.
    bool StepUp();
    bool StepDown();
    bool StepLeft();
    bool StepRight();
    // One frame of a glide toward (targetX, targetY), at most 3 pixels: the uncovered strip comes
    // back from the clean picture and the sprite is drawn at its new place. Returns the rectangle
    // of the target canvas that changed.
    QRect GlideFrame(int targetX, int targetY);
    // The winning spin; false when the round ended during it.
    bool Celebrate();

private:
    bool Glide(int dx, int dy);
    const QImage* Chosen();

    CLabHost& host_;
    const Labirynt* board_ = nullptr;
    int stepX_ = kInitialStep, stepY_ = kInitialStep;
    bool left_ = false, right_ = false, up_ = false, down_ = false;
    bool busy_ = false;
    bool celebrating_ = false;
    int x_ = kOffBoard, y_ = kOffBoard;
    int width_ = 0, height_ = 0;
    int column_ = -1, row_ = -1;
    QImage spriteUp_, spriteLeft_, spriteRight_, spriteDown_;
    const QImage* current_ = nullptr;
    QImage* target_ = nullptr;
    QImage* restore_ = nullptr;
};
