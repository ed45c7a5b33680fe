// SPDX-License-Identifier: GPL-3.0-or-later
// Where the own words keep their files (see ownwordfiles.h).
#include "shell/ownwordfiles.h"

#include "shell/programfolders.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace ownfiles {

namespace {
const QString kPrefix = QStringLiteral("own_");
constexpr int kIdLength = 12;  // "own_" and 8 hex digits
const QString kPictureExtension = QStringLiteral(".xji");
const QString kRecordingExtension = QStringLiteral(".pw");
}  // namespace

bool IsOwnWordId(const QString& name)
{
    static const QRegularExpression id(QStringLiteral("^own_[0-9a-f]{8}$"));
    return id.match(name).hasMatch();
}

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
    return WordFolder(userFolder, id) + QLatin1Char('/') + id + suffix + kPictureExtension;
}

QString RecordingFile(const QString& userFolder, const QString& id)
{
    return WordFolder(userFolder, id) + QLatin1Char('/') + id + kRecordingExtension;
}

bool HasAllPictures(const QString& userFolder, const QString& id)
{
    for (const QString& suffix : PictureSuffixes())
        if (!QFileInfo(PictureFile(userFolder, id, suffix)).isFile())
            return false;
    return true;
}

bool HasRecording(const QString& userFolder, const QString& id)
{
    return QFileInfo(RecordingFile(userFolder, id)).isFile();
}

}  // namespace ownfiles

QString WordFile(const QString& dataPath)
{
    // Only the three folders of word files, and only a file name the own words' rule gives.
    static const QRegularExpression wordFile(
        QStringLiteral("^Data/(Bion|Klc|Smd)/(own_[0-9a-f]{8})(_shs|_shb|_ss|_s|_b)?\\.(xji|pw)$"));
    const auto match = wordFile.match(dataPath);
    if (!match.hasMatch())
        return dataPath;
    const QString id = match.captured(2);
    const QString file = dataPath.mid(dataPath.lastIndexOf(QLatin1Char('/')) + 1);
    return SharedUserFile(QLatin1String(ownfiles::kFolder) + QLatin1Char('/') + id + QLatin1Char('/') + file);
}
