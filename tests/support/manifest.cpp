// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the asset manifest (see manifest.h).
#include "manifest.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <stdexcept>

Manifest Manifest::Load(const QString& assetsFolder)
{
    Manifest manifest;
    const QDir groups(assetsFolder + "/groups");
    for (const QString& group : groups.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        QFile file(groups.filePath(group + "/manifest.txt"));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        int lineNumber = 0;
        for (const QByteArray& raw : file.readAll().split('\n')) {
            ++lineNumber;
            const QString line = QString::fromUtf8(raw).section('#', 0, 0).trimmed();
            if (line.isEmpty())
                continue;
            const QStringList words = line.split(QRegularExpression("\\s+"));
            ManifestEntry entry;
            entry.group = group;
            entry.line = lineNumber;
            entry.path = words.value(0);
            entry.kind = words.value(1);
            int next = 2;
            bool ok1 = false, ok2 = false;
            if (words.size() >= 4) {
                const int w = words[2].toInt(&ok1), h = words[3].toInt(&ok2);
                if (ok1 && ok2) {
                    entry.width = w;
                    entry.height = h;
                    next = 4;
                }
            }
            for (int i = next; i < words.size(); ++i) {
                static const QRegularExpression maskCheck("^mask(~(\\d+))?$");
                static const QRegularExpression whiteCheck("^white-outside(~(\\d+))?=(.+)$");
                if (const auto m = maskCheck.match(words[i]); m.hasMatch()) {
                    entry.mask = true;
                    entry.maskTolerance = m.captured(2).toInt();
                } else if (const auto w = whiteCheck.match(words[i]); w.hasMatch()) {
                    entry.whiteTolerance = w.captured(2).toInt();
                    entry.whiteOutsideOf = w.captured(3);
                } else
                    throw std::runtime_error(QString("%1/manifest.txt:%2: unknown check %3")
                                                 .arg(group).arg(lineNumber).arg(words[i]).toStdString());
            }
            static const QStringList kinds = {"jpeg", "bmp", "bmpgrey", "png", "wav", "maze", "text"};
            if (entry.path.isEmpty() || !kinds.contains(entry.kind))
                throw std::runtime_error(QString("%1/manifest.txt:%2: bad line").arg(group).arg(lineNumber).toStdString());
            manifest.entries_.push_back(entry);
        }
    }
    return manifest;
}

std::optional<ManifestEntry> Manifest::Find(const QString& path) const
{
    for (const ManifestEntry& e : entries_)
        if (e.path == path)
            return e;
    return std::nullopt;
}
