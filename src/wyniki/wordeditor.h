// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog that adds or changes one own word: its spelling, its split into sounds with the
// practised ones marked by a click, the groups and positions that follow, its picture (a photo framed
// by a crop, or a built-in word's picture) and its recording in the adult's voice.
#pragma once

#include <QString>

class AudioPort;
class QWidget;
struct OwnWordList;

// Opens the dialog for the own word `id` of `list`, or for a new word when `id` is empty. On
// "Zapisz" the word's files and the list (written at once to `userFolder`) are updated and true is
// returned with `list` holding the change; on "Anuluj" nothing is changed. `dataFolder` holds Data/
// (the built-in pictures); `port` records and plays.
bool EditOwnWord(QWidget* parent, const QString& dataFolder, const QString& userFolder, OwnWordList& list,
                 const QString& id, AudioPort& port);
