// SPDX-License-Identifier: GPL-3.0-or-later
// The therapist's own words and the built-in words switched off: the list file "Slowa/slowa.txt"
// of the user folder, read line by line (a damaged line is reported and skipped) and written whole
// or not at all; the groups and positions an own word is offered for, by the rule of the built-in
// list; and the catalogue the games draw from.
#pragma once

#include "words/_cslowa.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

struct OwnWord {
    QString id;      // "own_1a2b3c4d": names its folder and files, never changes (ownwordfiles.h)
    QString split;   // as in the built-in list, lower case: "_r,o,w,e,_r,"
    bool on = true;  // a word switched off is never drawn
};

struct OwnWordList {
    std::vector<OwnWord> words;       // in the order the adult added them
    QStringList switchedOff;          // names of built-in words switched off ("lezak")
    QStringList unreadLines;          // lines of the file that could not be read, written back as
                                      // they were so that writing the list never loses them

    const OwnWord* Find(const QString& id) const;
    OwnWord* Find(const QString& id);
    bool IsSwitchedOff(const QString& name) const { return switchedOff.contains(name); }
};

// The list as the bytes of its file say. Lines it cannot read are kept aside (unreadLines), each
// reported in `problems` in Polish naming its line and, where it can, the word.
OwnWordList ParseOwnWords(const QByteArray& bytes, QStringList* problems = nullptr);
QByteArray OwnWordsBytes(const OwnWordList& list);

enum class OwnListState { Missing, Read, Damaged };
// Reads "Slowa/slowa.txt" of `userFolder`: a missing file is an empty list; a file with lines that
// cannot be read is Damaged (what could be read is in `list`, the rest in `problems`).
OwnListState ReadOwnWords(const QString& userFolder, OwnWordList& list, QStringList* problems = nullptr);
// Writes the whole list at once (its folder made as needed): a crash leaves the old list or the new.
bool WriteOwnWords(const QString& userFolder, const OwnWordList& list);

// A fresh id, random, not used by any word of `list`.
QString NewOwnWordId(const OwnWordList& list);

// The elements a spelling is proposed to split into: every letter alone, but ch, cz, sz, rz, dz, dż
// and dź as one element, as the built-in list writes them ("Rzeka" -> "rz,e,k,a,"). Upper case is
// made lower case; spaces and signs are left out (a letter Polish lacks stays: OfferFor names it).
QString ProposeSplit(const QString& spelling);

// What an own word with `split` (marks included) is offered for.
struct OwnWordOffer {
    quint16 flags = 0;      // the glos:: groups and positions, and Saucer where it qualifies
    QStringList problems;   // in Polish, for the adult; the word cannot be saved while any is there
};
// The groups and positions follow from the marks by the rule of the built-in list (soundmarks.h):
// the offer is the largest set of groups x positions such that every group has a marked sound in
// every position, so that a menu choice never draws a word for a pair it lacks. Problems: no marked
// sound, a marked sound that is not l, r or j (with why: "rz" is not R, "ł" is not L), an unknown
// element, more letters than the picture-and-say game shows. A word longer than the saucer's boxes
// is simply not offered to the saucer.
OwnWordOffer OfferFor(const QString& split);

// The words the games draw from: the built-in practice words that are not switched off, then the
// own words that are on and complete (their pictures and recording in `userFolder`). An own word
// that is on and recorded but lacks a picture, or that the marking rule no longer offers, is left
// out and named in `problems` (Polish).
std::vector<SPaczka> PlayableWords(const OwnWordList& list, const QString& userFolder,
                                   QStringList* problems = nullptr);
