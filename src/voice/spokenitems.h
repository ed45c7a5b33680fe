// SPDX-License-Identifier: GPL-3.0-or-later
// Every word and phrase the games say, under the headings the "Głos" view shows: the words of the word
// list by their Polish spelling under their sound group, then the praise and the "try again" phrases
// by their text. Built from the same lists the sound generator speaks.
#pragma once

#include <QString>
#include <vector>

struct SpokenItem {
    QString section;   // the heading it is listed under: "L", "TR/DR", "Pochwały"
    QString groups;    // a practice word's sound groups, "L, R"; empty for the rest
    QString text;      // as it is said: "leżak", "Świetnie!"
    QString dataPath;  // the synthetic sound, relative to the program folder: "Data/Smd/lezak.pw"
};

// The items of this edition, section by section: the sound groups in the order of the menu (a word of
// several groups under the first of them), the words of the flying saucer's group that belong to no
// other, the differential words, the praise, the "try again" phrases. Words in Polish alphabetical
// order within their section, phrases in their list's order.
std::vector<SpokenItem> ShippedSpokenItems();

// The same from the texts of the lists (the word list, praise.txt, tryagain.txt). Throws
// std::runtime_error when a list is malformed.
std::vector<SpokenItem> SpokenItemsFrom(const QString& wordList, const QString& praise, const QString& tryAgain);

// Whether what the adult typed in the search box is found in `text`: case does not matter, and a letter
// typed without its Polish mark also finds the marked one ("zolw" and "ŻÓŁW" find "żółw"; "ż" does not
// find "zamek"). An empty search finds everything.
bool MatchesSearch(const QString& text, const QString& typed);
