// SPDX-License-Identifier: GPL-3.0-or-later
// The word's picture above the saucer game's row of boxes, shown through the rounded frame mask, and
// the invisible control over it that replays a completed word when clicked.
#pragma once

#include "platform/hitarea.h"

#include <QImage>
#include <QString>
#include <functional>
#include <memory>

class CEkran {
public:
    // The picture is drawn this far left of and above the given position.
    static constexpr int kDrawShiftX = 5, kDrawShiftY = 15;

    // "Data/Bion/" + the word's name in plain letters + "_shs.xji" (small) or "_shb.xji" (big).
    static QString PicturePath(const QString& name, bool small);
    // The name with ż, ź, ó, ł, ć, ś, ń, ę and ą written as plain letters.
    static QString Transliterated(const QString& name);
    // "Data/Bion/_matr_shs.xji" or "_matr_shb.xji".
    static QString MaskPath(bool small);

    // Makes the click area at (x, y) on `window` with the mask's size and draws `picture` through
    // `mask` on `scene`. A null `picture` (a word without one) draws nothing.
    CEkran(QImage& scene, const QString& name, int x, int y, std::function<void()> action, QWidget* window,
           const QImage& mask, const QImage& picture);
    // Takes the click area away; the picture stays on the scene.
    ~CEkran();
    CEkran(const CEkran&) = delete;
    CEkran& operator=(const CEkran&) = delete;

    const QString& Name() const { return name_; }
    // Where the picture lies on the scene.
    QRect DrawnArea() const;
    HitArea* Widget() const { return widget_.get(); }

private:
    QString name_;
    std::unique_ptr<HitArea> widget_;
    QSize size_;
    int drawX_ = 0, drawY_ = 0;
};
