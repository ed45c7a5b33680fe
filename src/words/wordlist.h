// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the one word list of this edition (assets/groups/words/words.txt): the program builds its
// word catalogue from it and the generators make each word's pictures and spoken sound from it.
// Header only, so that the generators can use it without the program's libraries.
#pragma once

#include "settings/_custgry.h"

#include <QList>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>
#include <stdexcept>

namespace wordlist {

// The flags column of a differential word: it is never chosen by a game's settings.
inline const QString kContrast = QStringLiteral("contrast");

// The picture column of a word drawn by us (svg/NAME.svg beside the list) rather than taken from
// the picture set; any other value names the set's file, its code points in hex joined by "-".
inline const QString kOwnPicture = QStringLiteral("own");

struct Entry {
    QString name;          // plain lower-case ASCII, the base of the word's file names ("lezak")
    QString split;         // letters each followed by ","; "_" marks a practised sound
    quint16 flags = 0;     // the glos:: bits; none for a differential word
    bool contrast = false; // a differential word of the maze rather than a practice word
    QString picture;       // where its picture comes from: a picture set's file ("1f6b2") or kOwnPicture
    QString spoken;        // the word as it is said ("leżak"); may hold spaces
    int line = 0;          // where it stands in the list, counted from 1
};

namespace detail {

[[noreturn]] inline void Fail(int line, const QString& what)
{
    throw std::runtime_error(QStringLiteral("word list line %1: %2").arg(line).arg(what).toStdString());
}

// "Naglos|L" as glos:: bits; a name that is not a flag fails.
inline quint16 ParseFlags(const QString& text, int line)
{
    static const struct {
        const char* name;
        qint16 bit;
    } kFlags[] = {{"L", glos::L},           {"R", glos::R},           {"J", glos::J},
                  {"LI", glos::LI},         {"TRDR", glos::TRDR},     {"KRGR", glos::KRGR},
                  {"PRBR", glos::PRBR},     {"INNE", glos::INNE},     {"Saucer", glos::Saucer},
                  {"Naglos", glos::Naglos}, {"Srodglos", glos::Srodglos}, {"Wyglos", glos::Wyglos}};
    quint16 flags = 0;
    for (const QString& name : text.split(QLatin1Char('|'))) {
        bool known = false;
        for (const auto& flag : kFlags)
            if (name == QLatin1String(flag.name)) {
                flags |= static_cast<quint16>(flag.bit);
                known = true;
            }
        if (!known)
            Fail(line, QStringLiteral("unknown flag \"%1\"").arg(name));
    }
    return flags;
}

// True when some piece of the split names a letter (not only "," and a lone "_").
inline bool HasLetters(const QString& split)
{
    for (const QString& piece : split.split(QLatin1Char(',')))
        if (!piece.isEmpty() && piece != QStringLiteral("_"))
            return true;
    return false;
}

}  // namespace detail

// Lines "NAME SPLIT FLAGS PICTURE SPOKEN", blank lines and "#" comments skipped; FLAGS is glos:: names
// joined by "|", or "contrast". Throws std::runtime_error naming the line when a line is malformed,
// a practice word selects no group or no position, a name repeats, or the list is empty.
inline QList<Entry> Parse(const QString& text)
{
    static const QRegularExpression kLine(
        QStringLiteral("^(\\S+)\\s+(\\S+)\\s+(\\S+)\\s+(\\S+)\\s+(\\S.*)$"));
    static const QRegularExpression kPicture(QStringLiteral("^[0-9a-f]+(-[0-9a-f]+)*$"));
    static const QRegularExpression kName(QStringLiteral("^[a-z]+$"));
    constexpr quint16 kPositions = quint16(glos::Naglos | glos::Srodglos | glos::Wyglos);
    QList<Entry> entries;
    QSet<QString> seen;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const int line = i + 1;
        const QString trimmed = lines[i].trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
            continue;
        const auto match = kLine.match(trimmed);
        if (!match.hasMatch())
            detail::Fail(line, QStringLiteral("expected a name, a split, flags, a picture and the spoken word"));
        Entry entry;
        entry.line = line;
        entry.name = match.captured(1);
        entry.split = match.captured(2);
        entry.picture = match.captured(4);
        entry.spoken = match.captured(5);
        if (!kName.match(entry.name).hasMatch())
            detail::Fail(line, QStringLiteral("a file name must be plain lower-case ASCII letters"));
        if (entry.picture != kOwnPicture && !kPicture.match(entry.picture).hasMatch())
            detail::Fail(line, QStringLiteral("the picture must be \"own\" or a picture set's file name"));
        if (seen.contains(entry.name))
            detail::Fail(line, QStringLiteral("the word %1 is listed twice").arg(entry.name));
        if (!detail::HasLetters(entry.split))
            detail::Fail(line, QStringLiteral("the split has no letters"));
        if (match.captured(3) == kContrast) {
            entry.contrast = true;
        } else {
            entry.flags = detail::ParseFlags(match.captured(3), line);
            // A word without a group or a position could never be drawn.
            if ((entry.flags & kPositions) == 0 || (entry.flags & ~kPositions) == 0)
                detail::Fail(line, QStringLiteral("a practice word needs a sound group and a position"));
        }
        seen.insert(entry.name);
        entries.append(entry);
    }
    if (entries.isEmpty())
        throw std::runtime_error("the word list is empty");
    return entries;
}

}  // namespace wordlist
