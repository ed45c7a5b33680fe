// SPDX-License-Identifier: GPL-3.0-or-later
// The word's picture of the saucer game (see _cekran.h).
#include "_cekran.h"
#include "shell/ownwordfiles.h"

#include "platform/raster.h"

namespace {
const QString kFolder = QStringLiteral("Data/Bion/");
const QString kSmallSuffix = QStringLiteral("_shs.xji");
const QString kBigSuffix = QStringLiteral("_shb.xji");
const QString kMaskName = QStringLiteral("_matr");
}  // namespace

QString CEkran::Transliterated(const QString& name)
{
    static const std::pair<QChar, QChar> kPlain[] = {
        {u'ż', u'z'}, {u'ź', u'z'}, {u'ó', u'o'}, {u'ł', u'l'}, {u'ć', u'c'},
        {u'ś', u's'}, {u'ń', u'n'}, {u'ę', u'e'}, {u'ą', u'a'},
    };
    QString plain = name;
    for (const auto& [polish, ascii] : kPlain)
        plain.replace(polish, ascii);
    return plain;
}

QString CEkran::PicturePath(const QString& name, bool small)
{
    return WordFile(kFolder + Transliterated(name) + (small ? kSmallSuffix : kBigSuffix));
}

QString CEkran::MaskPath(bool small)
{
    return kFolder + kMaskName + (small ? kSmallSuffix : kBigSuffix);
}

CEkran::CEkran(QImage& scene, const QString& name, int x, int y, std::function<void()> action, QWidget* window,
               const QImage& mask, const QImage& picture)
    : name_(name), size_(mask.size()), drawX_(x - kDrawShiftX), drawY_(y - kDrawShiftY)
{
    widget_ = std::make_unique<HitArea>(window);
    widget_->setGeometry(QRect(QPoint(x, y), size_));
    widget_->onClick = std::move(action);
    widget_->show();
    if (!picture.isNull())
        raster::DrawMasked(scene, QPoint(drawX_, drawY_), picture, mask);
}

CEkran::~CEkran() = default;

QRect CEkran::DrawnArea() const
{
    return QRect(QPoint(drawX_, drawY_), size_);
}
