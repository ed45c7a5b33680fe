// A temporary program folder for a test: an empty Data folder, or one that reaches the generated
// assets of the build, and helpers to put files into it.
#pragma once

#include <QByteArray>
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
