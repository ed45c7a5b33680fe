// SPDX-License-Identifier: GPL-3.0-or-later
// Account of written files and its comparison with a group's manifest (see labyrinth_ledger.h).
#include "labyrinth_ledger.h"

#include <QRegularExpression>
#include <stdexcept>

namespace kit {

void Require(const QStringList& problems, const QString& what)
{
    if (!problems.isEmpty())
        throw std::runtime_error((what + ": " + problems.join("; ")).toStdString());
}

void Ledger::Note(const QString& path, const QString& kind, QSize size)
{
    if (written_.contains(path))
        throw std::runtime_error("written twice: " + path.toStdString());
    written_.insert(path, QString("%1 %2 %3").arg(kind).arg(size.width()).arg(size.height()));
}

void Ledger::Jpeg(const QString& path, const QImage& picture)
{
    Note(path, "jpeg", picture.size());
    generator_.WriteJpeg(path, picture, 93);
}

void Ledger::Bmp24(const QString& path, const QImage& picture)
{
    Note(path, "bmp", picture.size());
    generator_.WriteBmp24(path, picture);
}

void Ledger::BmpGrey(const QString& path, const QImage& grey)
{
    Note(path, "bmpgrey", grey.size());
    generator_.WriteBmpGrey(path, grey);
}

QStringList Ledger::CompareWith(const QByteArray& manifest) const
{
    QStringList problems;
    QMap<QString, QString> listed;
    const QStringList lines = QString::fromUtf8(manifest).split('\n');
    for (QString line : lines) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QStringList fields = line.split(QRegularExpression("\\s+"));
        if (fields.size() < 4) {
            problems << "manifest line without a size: " + line;
            continue;
        }
        if (listed.contains(fields[0]))
            problems << "listed twice: " + fields[0];
        listed.insert(fields[0], fields.mid(1, 3).join(' '));
    }
    for (auto it = written_.begin(); it != written_.end(); ++it) {
        if (!listed.contains(it.key()))
            problems << "written but not listed: " + it.key() + " " + it.value();
        else if (listed[it.key()] != it.value())
            problems << "listed as " + listed[it.key()] + " but written as " + it.value() + ": " + it.key();
    }
    for (auto it = listed.begin(); it != listed.end(); ++it)
        if (!written_.contains(it.key()))
            problems << "listed but not written: " + it.key();
    return problems;
}

}  // namespace kit
