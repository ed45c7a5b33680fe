// SPDX-License-Identifier: GPL-3.0-or-later
// Writing files so that a crash or a full disk leaves either the old file or the new one, never a
// cut one: the bytes go to a temporary file beside it, every byte is checked to be on the disk, and
// only then does the file take its name.
#pragma once

#include <QByteArray>
#include <QString>

// Replaces the file's whole content (creating it when missing). False, with the old file unchanged,
// when the new content could not be written whole.
bool ReplaceFileContent(const QString& path, const QByteArray& bytes);

// Creates the file with `bytes` as its content, never over an existing one: false when a file of
// that name exists already or the content could not be written whole (nothing is left behind then).
bool CreateFileWhole(const QString& path, const QByteArray& bytes);

// Makes a rename or a new file in `path`'s folder last through a power cut.
void SyncFolderOf(const QString& path);
