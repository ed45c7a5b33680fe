// SPDX-License-Identifier: GPL-3.0-or-later
// A temporary program folder for a test: an empty Data folder, or one that reaches the generated
// assets of the build, and helpers to put files into it.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

class ProgramFolder {
public:
    enum class Assets { None, Generated };
    explicit ProgramFolder(Assets assets = Assets::None);

    QString Path() const { return dir_.path(); }
    QString File(const QString& relative) const { return dir_.filePath(relative); }
    void Write(const QString& relative, const QByteArray& bytes) const;
    void WriteJpeg(const QString& relative, const QImage& picture) const;
    void WritePng(const QString& relative, const QImage& picture) const;
    // Removes a file of the folder (only the test's copy, never a generated asset).
    void Remove(const QString& relative) const;
    // Makes the folder's own copy of `relativeFolder`, so that changes stay in this folder.
    void Detach(const QString& relativeFolder) const;

    // Where the build generated the assets.
    static QString GeneratedData();

private:
    QTemporaryDir dir_;
};

// Runs a test inside a program folder, as the program runs in its own; puts the old one back.
class InFolder {
public:
    explicit InFolder(const QString& path) : old_(QDir::currentPath()) { QDir::setCurrent(path); }
    ~InFolder() { QDir::setCurrent(old_); }
    InFolder(const InFolder&) = delete;
    InFolder& operator=(const InFolder&) = delete;

private:
    QString old_;
};
