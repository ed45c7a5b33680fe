// SPDX-License-Identifier: GPL-3.0-or-later
// The check of the word list: every word is written and marked by the program's rules, its flags
// agree with its marks, its picture is there and every game that can draw it can lay it out.
// The build refuses a list that fails it, naming the line.
#pragma once

#include "words/wordlist.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace wordcheck {

// The most elements a word may have where a game draws its letters, from the games' layouts.
struct Limits {
    int pictureAndSay;  // every practice word: its slots
    int saucer;         // the saucer's words: their boxes and the saucer's travel under them
};
Limits GameLimits();

// The glos:: names of the groups and positions in `flags` ("TRDR|Naglos").
QString FlagNames(quint16 flags);

// The faults of one word of the list, one text each (empty when it is sound). The picture is not
// looked at here.
QStringList Problems(const wordlist::Entry& entry, const Limits& limits = GameLimits());

// The faults of a whole list, each as "line N (name): fault"; a list that cannot be read gives
// its reader's message. `pictureExists` tells whether a word's picture is there.
QStringList CheckList(const QString& text, const std::function<bool(const wordlist::Entry&)>& pictureExists,
                      const Limits& limits = GameLimits());

// A Markdown table of how many practice words each group holds in each position and in all
// three, with the saucer's words and the differential words below it (for docs/words.md).
QString CountTable(const QList<wordlist::Entry>& entries);

}  // namespace wordcheck
