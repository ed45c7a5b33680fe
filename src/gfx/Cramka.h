// SPDX-License-Identifier: GPL-3.0-or-later
// The stretchable frame the games put around a row or column of items: a soft-edged start piece,
// a middle piece repeated once per item, and a soft-edged end piece.
#pragma once

#include "gfx/Ctransbitmap.h"

#include <QImage>
#include <QString>

class CRamka {
public:
    // Empties the pieces and sets every number back to 0.
    void Create();
    // Reads the five piece files of the current display size from `directory` ("Data/Intf/Sel/").
    // On any failure nothing changes and false is returned.
    bool Load(const QString& directory);
    void SetCentre(int x, int y);
    // Kept for the owner; Draw paints on the canvas it is given.
    void SetCanvases(QImage* canvas, QImage* backCanvas);

    // The frame lies along x (LayoutHorizontal) or along y (LayoutVertical) around `n` middle pieces.
    void LayoutHorizontal(int n);
    void LayoutVertical(int n);
    // A frame as wide as its middle piece is drawn down the canvas, otherwise across it.
    void Draw(QImage& canvas);

    int CentreX() const { return centreX_; }
    int CentreY() const { return centreY_; }
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const { return count_; }
    const CTransBitmap& StartPiece() const { return startPiece_; }
    const CTransBitmap& EndPiece() const { return endPiece_; }
    const QImage& MiddlePiece() const { return middlePiece_; }
    QImage* Canvas() const { return canvas_; }
    QImage* BackCanvas() const { return backCanvas_; }

private:
    int centreX_ = 0, centreY_ = 0;
    int left_ = 0, top_ = 0, height_ = 0, width_ = 0;
    int count_ = 0;
    CTransBitmap startPiece_;
    CTransBitmap endPiece_;
    QImage middlePiece_;
    QImage* canvas_ = nullptr;
    QImage* backCanvas_ = nullptr;
};
