// SPDX-License-Identifier: GPL-3.0-or-later
// The name-keyed store of interface pictures (button states and masks, check buttons, captions,
// letter tiles): one PNG per name in a folder, names in their exact case.
#pragma once

#include <QHash>
#include <QImage>
#include <QString>
#include <QStringList>

class PictureStore {
public:
    explicit PictureStore(QString folder);

    // The picture under `name`, decoded once and then shared; an empty picture when the store
    // holds no such name or the file cannot be decoded.
    QImage Find(const QString& name);

    const QString& Folder() const { return folder_; }

    // The names the program draws with that the store's folder lacks (none for a whole install).
    QStringList MissingNames() const;

private:
    QString folder_;
    QHash<QString, QImage> cache_;
};

// The store every window uses: "Data/Res" of the working directory (the program folder while the
// program runs). Tests may point it elsewhere.
PictureStore& SharedPictureStore();
void ResetSharedPictureStore(const QString& folder = QStringLiteral("Data/Res"));

// Fills `bitmap` with the named picture; true when the store holds it. A missing name leaves an
// empty (0 x 0) picture, which draws nothing.
bool OtworzBMP(const QString& name, QImage& bitmap);
