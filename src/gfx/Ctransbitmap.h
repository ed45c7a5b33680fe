// SPDX-License-Identifier: GPL-3.0-or-later
// A colour picture drawn with soft edges over whatever a canvas already shows: an 8-bit grey mask
// (0 transparent, 255 opaque) and an overall opacity blend it into the background.
#pragma once

#include <QImage>

class CTransBitmap {
public:
    // Takes the decoded colour picture. A mask of another size is cut or padded to the new size.
    void SetImage(const QImage& jpeg);
    // Takes the mask: 8-bit pictures are used byte for byte, 24- and 32-bit ones give their blue
    // component, any other format goes through the grey conversion. A mask of another size than
    // the picture is cut to it or padded with transparent pixels at the right and bottom.
    void SetMask(const QImage& bitmap);

    // Blends the picture over the canvas rectangle at (x, y) and paints the blend there; parts
    // beyond the canvas are left out. The opacity is clamped to 0..255. Nothing happens without
    // both a picture and a mask. Note the order: x, opacity, y.
    void Draw(QImage& canvas, int x, int opacity, int y);

    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    bool IsEmpty() const { return image_.isNull(); }
    const QImage& Image() const { return image_; }     // Format_RGB32
    const QImage& Mask() const { return mask_; }       // Format_Grayscale8, the picture's size
    const QImage& Result() const { return result_; }   // the last blend, the picture's size

private:
    void FitMaskToImage();

    QImage result_;
    QImage image_;
    QImage mask_;
};
