// SPDX-License-Identifier: GPL-3.0-or-later
// The program's data and user folders (see programfolders.h).
#include "programfolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
// Where an installed copy's data lie, seen from its executable's folder (set by the build from the
// install folders, so that every prefix works: /usr, /usr/local, a test's temporary one).
#ifndef BRIMBOLA_INSTALLED_DATA
#define BRIMBOLA_INSTALLED_DATA "../share/brimbola"
#endif
constexpr char kInstalledData[] = BRIMBOLA_INSTALLED_DATA;
constexpr char kUserFolderName[] = "brimbola";
constexpr char kSettings[] = "Data/data.ini";

QString userFolder;
QString sharedFolder;
}  // namespace

ProgramFolders LocateProgramFolders(const QString& executableFolder)
{
    const QString installed = QDir::cleanPath(executableFolder + "/" + QString::fromUtf8(kInstalledData));
    // A copy with neither is taken as portable, so its missing pictures are reported as before.
    const bool portable =
        QFileInfo(executableFolder + "/Data").isDir() || !QFileInfo(installed + "/Data").isDir();
    if (!portable)
        return {installed, PerUserFolder()};
    const bool writable = QFileInfo(executableFolder).isWritable();
    return {executableFolder, writable ? executableFolder : PerUserFolder()};
}

QString PerUserFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/" +
           QString::fromLatin1(kUserFolderName);
}

void PrepareUserFolder(const ProgramFolders& folders)
{
    if (QDir::cleanPath(folders.user) == QDir::cleanPath(folders.data))
        return;
    const QString settings = folders.user + "/" + QString::fromLatin1(kSettings);
    if (!QDir().mkpath(QFileInfo(settings).path()) || QFileInfo::exists(settings))
        return;
    const QString shipped = folders.data + "/" + QString::fromLatin1(kSettings);
    // The shipped file is read-only in an installed copy; the user's copy must take the menu's changes.
    if (QFile::copy(shipped, settings))
        QFile::setPermissions(settings, QFile::permissions(settings) | QFile::ReadOwner | QFile::WriteOwner);
}

QString UserFile(const QString& relative)
{
    return userFolder.isEmpty() ? relative : userFolder + "/" + relative;
}

QString SharedUserFile(const QString& relative)
{
    return sharedFolder.isEmpty() ? relative : sharedFolder + "/" + relative;
}

void SetUserFolder(const QString& folder)
{
    userFolder = folder;
    sharedFolder = folder;
}

void SetChildFolder(const QString& folder)
{
    userFolder = folder;
}
