// Replacing a file's whole content so that a crash or a full disk leaves either the old file or the
// new one, never a cut one: write a temporary file beside it, check every byte reached the disk,
// then rename it over the old file.
#pragma once

#include <QByteArray>
#include <QString>

bool ReplaceFileContent(const QString& path, const QByteArray& bytes);
