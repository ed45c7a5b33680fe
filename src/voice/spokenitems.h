// SPDX-License-Identifier: GPL-3.0-or-later
// Every word and phrase the games say, in the groups the "Głos" view shows: the words of the word
// list by their Polish spelling, then the praise and the "try again" phrases by their text. Built
// from the same lists the sound generator speaks.
#pragma once

#include <QString>
#include <vector>

enum class SpokenGroup { Words, Praise, TryAgain };

struct SpokenItem {
    SpokenGroup group;
    QString text;      // as it is said: "leżak", "Świetnie!"
    QString dataPath;  // the synthetic sound, relative to the program folder: "Data/Smd/lezak.pw"
};

// The items of this edition, group by group, each group in its list's order.
std::vector<SpokenItem> ShippedSpokenItems();

// The same from the texts of the lists (the word list, praise.txt, tryagain.txt). Throws
// std::runtime_error when a list is malformed.
std::vector<SpokenItem> SpokenItemsFrom(const QString& wordList, const QString& praise, const QString& tryAgain);

// The group's caption in the view: "Słowa", "Pochwały", "Spróbuj jeszcze raz".
QString GroupCaption(SpokenGroup group);
