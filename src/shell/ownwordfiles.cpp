// SPDX-License-Identifier: GPL-3.0-or-later
// Where the own words keep their files (see ownwordfiles.h): only the names the pictures need, until
// the whole of it lands.
#include "shell/ownwordfiles.h"

namespace ownfiles {

const QStringList& PictureSuffixes()
{
    static const QStringList suffixes = {"_shs", "_shb", "_ss", "_s", "_b"};
    return suffixes;
}

QString WordFolder(const QString& userFolder, const QString& id)
{
    return userFolder + QLatin1Char('/') + QLatin1String(kFolder) + QLatin1Char('/') + id;
}

QString PictureFile(const QString& userFolder, const QString& id, const QString& suffix)
{
    return WordFolder(userFolder, id) + QLatin1Char('/') + id + suffix + QStringLiteral(".xji");
}

}  // namespace ownfiles
