// SPDX-License-Identifier: GPL-3.0-or-later
// A temporary program folder for a test (see programfolder.h).
#include "programfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

QString ProgramFolder::GeneratedData()
{
    return QStringLiteral(BRIMBOLA_GENERATED_DATA);
}

ProgramFolder::ProgramFolder(Assets assets)
{
    if (!dir_.isValid())
        throw std::runtime_error("no temporary folder");
    if (assets == Assets::Generated) {
        // Each top-level entry of the generated Data is linked, so a test can still add or remove
        // files at the first level without touching the build's own.
        QDir().mkpath(File("Data"));
        for (const QFileInfo& entry : QDir(GeneratedData()).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot))
            QFile::link(entry.absoluteFilePath(), File("Data/" + entry.fileName()));
    } else {
        QDir().mkpath(File("Data"));
    }
}

void ProgramFolder::Detach(const QString& relativeFolder) const
{
    // Each linked folder on the way becomes a real folder of links, so that changing a file in
    // it never reaches the build's own assets.
    QString walked;
    for (const QString& part : relativeFolder.split('/', Qt::SkipEmptyParts)) {
        walked = walked.isEmpty() ? part : walked + "/" + part;
        const QFileInfo info(File(walked));
        if (!info.isSymLink())
            continue;
        const QString target = info.symLinkTarget();
        QFile::remove(File(walked));
        QDir().mkpath(File(walked));
        for (const QFileInfo& entry : QDir(target).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot))
            QFile::link(entry.absoluteFilePath(), File(walked + "/" + entry.fileName()));
    }
}

void ProgramFolder::Write(const QString& relative, const QByteArray& bytes) const
{
    Detach(QFileInfo(relative).path());
    const QString path = File(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile::remove(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

void ProgramFolder::WriteJpeg(const QString& relative, const QImage& picture) const
{
    Detach(QFileInfo(relative).path());
    const QString path = File(relative);
    QFile::remove(path);
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!picture.save(path, "JPG", 95))
        throw std::runtime_error("cannot write " + path.toStdString());
}

void ProgramFolder::WritePng(const QString& relative, const QImage& picture) const
{
    Detach(QFileInfo(relative).path());
    const QString path = File(relative);
    QFile::remove(path);
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!picture.save(path, "PNG"))
        throw std::runtime_error("cannot write " + path.toStdString());
}

void ProgramFolder::Remove(const QString& relative) const
{
    Detach(QFileInfo(relative).path());
    QFile::remove(File(relative));
}
