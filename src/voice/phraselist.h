// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the lists of spoken phrases (assets/groups/speech/praise.txt and tryagain.txt): the sound
// generator speaks each line into Data/Intf/Smd/NAME.pw and the program shows the same texts.
// Header only, like the word list.
#pragma once

#include <QList>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>
#include <stdexcept>

namespace phraselist {

struct Entry {
    QString name;  // the file's base name in Data/Intf/Smd ("g00")
    QString text;  // the phrase as it is said ("Świetnie!")
};

// Lines "NAME|TEXT", blank lines and "#" comments skipped. Throws std::runtime_error naming the line
// when a line has no "|", a name is not plain lower-case ASCII letters and digits, a text is empty,
// or a name repeats.
inline QList<Entry> Parse(const QString& text)
{
    static const QRegularExpression kName(QStringLiteral("^[a-z0-9]+$"));
    QList<Entry> entries;
    QSet<QString> seen;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype bar = line.indexOf(QLatin1Char('|'));
        Entry entry{line.left(bar), line.mid(bar + 1).trimmed()};
        const auto fail = [i](const char* what) {
            throw std::runtime_error(QStringLiteral("phrase list line %1: %2").arg(i + 1).arg(QLatin1String(what)).toStdString());
        };
        if (bar < 0 || entry.text.isEmpty())
            fail("expected NAME|TEXT");
        if (!kName.match(entry.name).hasMatch())
            fail("a file name must be plain lower-case ASCII letters and digits");
        if (seen.contains(entry.name))
            fail("a name is listed twice");
        seen.insert(entry.name);
        entries.append(entry);
    }
    return entries;
}

}  // namespace phraselist
