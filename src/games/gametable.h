// SPDX-License-Identifier: GPL-3.0-or-later
// The table of games: one row per game of the main menu with its tab, its settings record, how many
// words a level asks for, the code its records carry in the statistics file, which settings rows the
// menu keeps fixed for it, and how its window is made. Start-up, the menu's rows, its start check and
// its opening of a game all read this table; a new game is a folder plus a row here.
#pragma once

#include <QtGlobal>
#include <array>
#include <functional>
#include <memory>
#include <vector>

class CGameWindow;
class CSlowa;
class CSlowaRoznicowe;
class CStatRec;
class CUstGry;
class TfmKoniecGry;
struct CDisplay;

// What a game window plays with; everything outlives the window.
struct GameContext {
    CSlowa& words;
    CSlowaRoznicowe& differentialWords;
    CStatRec& stats;
    TfmKoniecGry* summary = nullptr;  // none: leaving a round goes straight back to the menu
    const CDisplay& display;
};

struct GameInfo {
    // The three settings rows of the menu, in order.
    enum Row { Amount, Sounds, Positions };

    int tab = 0;                     // menu tab, 1 to 5
    const char* caption = "";        // the window's title
    CUstGry* settings = nullptr;
    int wordsPerLevel = 5;           // the start check asks for Poziom times this many words
    bool drawsWords = true;          // false: fixed content, the menu checks no words
    qint32 statisticsCode = 1;       // the game code of its records in the statistics file (1: any game
                                     // but the labyrinth)
    std::array<bool, 3> fixedRows{}; // rows the menu shows greyed and unchangeable for this game
    // When not 0, the menu shows the L, R and J buttons checked exactly when this bit is set (the
    // saucer practises L together with R or J as one group).
    qint16 groupOfLRJ = 0;
    // Makes the game's window; empty while the game cannot be played yet.
    std::function<std::unique_ptr<CGameWindow>(const GameContext&)> makeWindow;
};

// The menu's start check: selects the candidates of `settings` on `words` and tells whether they
// are enough for the game (Poziom times its words per level). A game without words always starts.
bool EnoughWordsToStart(const GameInfo& game, const CUstGry& settings, CSlowa& words);

// Every game, in tab order.
const std::vector<GameInfo>& GameTable();
// The row of menu tab `tab`, or null (the recordings tab, or no tab).
const GameInfo* GameOfTab(int tab);
