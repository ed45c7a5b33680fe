// SPDX-License-Identifier: GPL-3.0-or-later
// The picture of an own word: a photo or drawing the adult picked (JPEG or PNG), framed by a square
// crop, made into every form the games show, looking as the built-in words' pictures do (the big
// pictures on white inside the program's rounded mask and pure white outside it, the tiles on their
// soft card); or the forms of a built-in word's picture copied.
#pragma once

#include <QImage>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <vector>

namespace ownpicture {

// What the adult may pick: a file up to this size whose picture is at most this many pixels a side
// (the program's JPEG reader refuses larger ones).
inline constexpr qint64 kMaxFileBytes = 30 * 1024 * 1024;
inline constexpr int kMaxSide = 4096;

// Reads the picked file as an opaque picture. A file that is too big, is no JPEG or PNG, is broken
// or says it is larger than it is gives a null picture and `problem` (Polish, for the adult; it
// names the limit where one was passed). Nothing is kept of a refused file.
QImage LoadPhoto(const QString& path, QString* problem);

// The crop offered first: the largest square in the middle of the picture.
QRectF DefaultCrop(const QSize& photo);
// The square `crop` kept inside the picture, no smaller than 16 pixels a side and no larger than
// the picture's shorter side (moving and zooming call this).
QRectF ClampCrop(const QRectF& crop, const QSize& photo);

// The forms of one word's picture, in the order of ownfiles::PictureSuffixes(): "_shs", "_shb" (the
// big word pictures of the small and large mode), "_ss", "_s", "_b" (the tiles).
struct Forms {
    std::vector<QImage> pictures;
};
// The part of `photo` inside `crop` made into every form.
Forms MakeForms(const QImage& photo, const QRectF& crop);
// Only the big picture of the large mode ("_shb"), as the dialog's preview shows it while the crop
// moves: the same as MakeForms' second form, without making the other four.
QImage MakeBigPicture(const QImage& photo, const QRectF& crop);

// Writes every form as the word's files in its folder (ownwordfiles.h), all or none: when one cannot
// be written, the word's earlier pictures stay as they were and `problem` says why (Polish).
bool SaveForms(const QString& userFolder, const QString& id, const Forms& forms, QString* problem);

// Copies the five picture files of the built-in word `name` from `dataFolder`/Data as the own word's
// pictures, all or none like SaveForms.
bool CopyBuiltInPicture(const QString& dataFolder, const QString& name, const QString& userFolder,
                        const QString& id, QString* problem);

}  // namespace ownpicture
