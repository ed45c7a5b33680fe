// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps account of the files a generator writes, so that its manifest can be compared with them:
// a file written but not listed (or listed with another size) would escape the program's tests.
#pragma once

#include <QImage>
#include <QMap>
#include <QString>
#include <QStringList>

#include "assetkit.h"

namespace kit {

// Stops the generator with `what` and every problem found, when there is any.
void Require(const QStringList& problems, const QString& what);

class Ledger {
public:
    explicit Ledger(Generator& generator) : generator_(generator) {}

    void Jpeg(const QString& path, const QImage& picture);
    void Bmp24(const QString& path, const QImage& picture);
    void BmpGrey(const QString& path, const QImage& grey);

    // Differences between what was written and the manifest text (empty when they agree).
    QStringList CompareWith(const QByteArray& manifest) const;

private:
    void Note(const QString& path, const QString& kind, QSize size);

    Generator& generator_;
    QMap<QString, QString> written_;  // path -> "KIND W H"
};

}  // namespace kit
