// SPDX-License-Identifier: GPL-3.0-or-later
// What a word's letter split says to a speech therapist: its elements (one per sound as written),
// and for each marked element the sound group and the position in the word it practises.
// Plain rules without files or windows; the word list's check and the own-words editor use them.
#pragma once

#include "settings/_custgry.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace soundmarks {

// One element of a split: a letter or a digraph ("sz"), marked when the child practises it.
struct Element {
    QString text;
    bool marked = false;
};

// A marked element with the group and position it practises (glos:: bits of _custgry.h).
struct Mark {
    int index = 0;
    quint16 group = 0;
    quint16 position = 0;
};

// The elements of a split "_l,a,s,", in order. Empty pieces are skipped; use SplitProblems to
// learn whether the split is well formed.
QList<Element> Elements(const QString& split);

// What is wrong with the form of a split, one text per fault (empty when well formed): pieces
// without their comma, empty or unknown elements (every Polish letter and the digraphs ch, cz,
// sz, rz, dz, dż, dź are known), and c,h / c,z / s,z / r,z written as two elements.
QStringList SplitProblems(const QString& split);

// The letters and digraphs an element may be, in alphabetical order: each has its letter tile.
// Inline, so that the generator of the tiles needs nothing else of the program.
inline const QStringList& KnownElements()
{
    static const QStringList known = {
        "a", "ą", "b", "c", "ch", "cz", "ć", "d", "dz", "dź", "dż", "e", "ę", "f", "g", "h", "i", "j", "k", "l",
        "ł", "m", "n", "ń", "o", "ó", "p", "r", "rz", "s", "sz", "ś", "t", "u", "w", "y", "z", "ź", "ż"};
    return known;
}

// The elements a word may mark: l, r and j in practice words, s in differential words. Each has a
// red letter tile besides its plain one.
inline const QStringList& MarkableElements()
{
    static const QStringList markable = {"l", "r", "j", "s"};
    return markable;
}

bool IsVowel(const QString& element);

// The group of the marked element at `index` by the program's rule: j is J; l before "i" is LI;
// r after t or d is TR/DR, after p or b PR/BR, after k or g KR/GR, after any other consonant
// INNE; l after a consonant is INNE; otherwise l is L and r is R. 0 for any other element.
quint16 GroupOf(const QList<Element>& elements, int index);

// Where the sound of the marked element at `index` of group `group` stands: a cluster (TR/DR,
// PR/BR, KR/GR, INNE) starts at the element before the mark, any other sound at the mark. A start
// at the first element is nagłos, else a mark on the last element is wygłos, else śródgłos.
quint16 PositionOf(const QList<Element>& elements, int index, quint16 group);

// Every marked element with its group and position, in order (group 0 for a marked element that
// is not l, r or j).
QList<Mark> Marks(const QList<Element>& elements);

// The practice groups and the positions, in the menu's order.
inline constexpr quint16 kPracticeGroups[] = {quint16(glos::L),    quint16(glos::R),    quint16(glos::J),
                                              quint16(glos::LI),   quint16(glos::TRDR), quint16(glos::PRBR),
                                              quint16(glos::KRGR), quint16(glos::INNE)};
inline constexpr quint16 kPositions[] = {quint16(glos::Naglos), quint16(glos::Srodglos), quint16(glos::Wyglos)};

// True when some mark practises `group` at `position`.
bool HasMark(const QList<Mark>& marks, quint16 group, quint16 position);

// True when the marks hold an l together with an r or a j: the letters the flying saucer launches.
bool HoldsSaucerLetters(const QList<Element>& elements, const QList<Mark>& marks);

// The letters of the elements joined, without marks: the word as the child spells it.
QString Spelling(const QList<Element>& elements);

}  // namespace soundmarks
