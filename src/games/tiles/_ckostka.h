// SPDX-License-Identifier: GPL-3.0-or-later
// One tile of the tile-pairs game: the tile shape with a word's picture in its middle and a frame
// whose colour tells its state (normal, under the mouse, chosen, shown by the hint).
#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <memory>

// The invisible part of a tile that the mouse reaches on the game window.
class CKostkaArea {
public:
    virtual ~CKostkaArea() = default;
    // Deaf to the mouse from now on (its round has ended).
    virtual void Hide() {}
};

class CKostka {
public:
    static constexpr QRgb kWhite = 0xFFFFFFFF;   // normal
    static constexpr QRgb kYellow = 0xFFFFFF00;  // under the mouse
    static constexpr QRgb kGreen = 0xFF008000;   // chosen
    static constexpr QRgb kRed = 0xFFFF0000;     // shown by the hint
    static constexpr int kFrameRings = 4;        // one-pixel rings around the picture
    static constexpr int kPictureRaise = 2;      // the picture sits this much above the tile's centre
    static constexpr int kOpenFrameWidth = 4;    // the open frame's lines
    static constexpr int kOpenFrameInset = 2;    // their middle, from the picture's edge
    static constexpr int kClosed = -1;           // DrawFrame: no open bottom

    // `name` is the word's name with the layout's suffix ("las_s"); the pictures are shared, not
    // decoded per tile.
    CKostka(const QString& name, int column, int row, int layer, QRect rect, const QImage& picture,
            const QImage& background, const QImage& mask);

    const QString& Name() const { return name_; }
    int Column() const { return column_; }
    int Row() const { return row_; }
    int Layer() const { return layer_; }
    QRect Rect() const { return rect_; }
    bool IsFree() const { return free_; }
    void SetFree(bool free) { free_ = free; }
    bool IsSelected() const { return selected_; }
    void SetSelected(bool selected) { selected_ = selected; }
    void SetArea(std::unique_ptr<CKostkaArea> area) { area_ = std::move(area); }
    CKostkaArea* Area() const { return area_.get(); }

    // The point the picture is centred on, and the picture's rectangle.
    QPoint Centre() const;
    QRect PictureRect() const;

    // The tile through its mask, its picture and a white frame.
    void Draw(QImage& canvas) const;
    // The frame in `colour`: closed, or, when `openBottom` is not kClosed, three thick lines open at
    // the bottom whose sides end at y = `openBottom`. Returns the rectangle it drew in.
    QRect DrawFrame(QImage& canvas, QRgb colour, int openBottom = kClosed) const;

private:
    QString name_;
    QImage picture_, background_, mask_;
    std::unique_ptr<CKostkaArea> area_;
    QRect rect_;
    int column_, row_, layer_;
    bool free_ = false;
    bool selected_ = false;
};
