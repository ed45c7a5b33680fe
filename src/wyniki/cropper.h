// SPDX-License-Identifier: GPL-3.0-or-later
// The crop of an own word's photo: the photo shown whole and scaled, with a square frame the adult
// drags into place and makes larger or smaller with the mouse wheel, the slider or the keys.
#pragma once

#include <QImage>
#include <QRectF>
#include <QWidget>

class CropCanvas;
class QSlider;

class Cropper : public QWidget {
    Q_OBJECT
public:
    explicit Cropper(QWidget* parent = nullptr);

    // A new photo with the crop offered first (ownpicture::DefaultCrop).
    void SetPhoto(const QImage& photo);
    const QImage& Photo() const { return photo_; }
    // The square in the photo's pixels.
    QRectF Crop() const { return crop_; }
    // Kept inside the photo and within the allowed sizes (ownpicture::ClampCrop).
    void SetCrop(const QRectF& crop);
    // Zooms around the frame's centre: a factor above 1 shows less of the photo.
    void Zoom(double factor);

signals:
    void CropChanged(const QRectF& crop);

private:
    friend class CropCanvas;
    void SyncSlider();
    void FromSlider(int value);

    QImage photo_;
    QRectF crop_;
    CropCanvas* canvas_;
    QSlider* slider_;
    bool syncing_ = false;
};
