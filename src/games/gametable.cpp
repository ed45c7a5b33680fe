// SPDX-License-Identifier: GPL-3.0-or-later
// The table of games (see gametable.h).
#include "gametable.h"

#include "games/labyrinth/Labirynt.h"
#include "games/saucer/Hitman.h"
#include "games/selector/Selector.h"
#include "games/sounds/Odglosy.h"
#include "games/tiles/Taipei.h"
#include "results/_cstatrec.h"
#include "settings/_custgry.h"
#include "words/_cslowa.h"

#include <algorithm>

namespace {

template <typename Window>
std::unique_ptr<CGameWindow> Make(const GameContext& context)
{
    return std::make_unique<Window>(context);
}

std::vector<GameInfo> BuildTable()
{
    constexpr bool kFixed = true, kFree = false;
    std::vector<GameInfo> table;
    {
        GameInfo sounds;
        sounds.tab = TfmOdglosy::kTab;
        sounds.caption = TfmOdglosy::kCaption;
        sounds.settings = &UstOdglosy;
        sounds.drawsWords = false;
        sounds.fixedRows = {kFixed, kFixed, kFixed};
        sounds.makeWindow = Make<TfmOdglosy>;
        table.push_back(sounds);
    }
    {
        GameInfo selector;
        selector.tab = TfmSelector::kTab;
        selector.caption = TfmSelector::kCaption;
        selector.settings = &UstSelector;
        selector.fixedRows = {kFree, kFree, kFree};
        selector.makeWindow = Make<TfmSelector>;
        table.push_back(selector);
    }
    {
        GameInfo tiles;
        tiles.tab = TfmTaiPei::kTab;
        tiles.caption = TfmTaiPei::kCaption;
        tiles.settings = &UstTaipei;
        tiles.fixedRows = {kFree, kFree, kFree};
        tiles.makeWindow = Make<TfmTaiPei>;
        table.push_back(tiles);
    }
    {
        GameInfo saucer;
        saucer.tab = TfmHitman::kTab;
        saucer.caption = "Latający Spodek";
        saucer.settings = &UstHitmen;
        saucer.wordsPerLevel = 4;
        saucer.fixedRows = {kFree, kFixed, kFixed};
        saucer.groupOfLRJ = glos::Saucer;
        saucer.makeWindow = Make<TfmHitman>;
        table.push_back(saucer);
    }
    {
        GameInfo labyrinth;
        labyrinth.tab = TfmLabirynt::kTab;
        labyrinth.caption = "Labirynt";
        labyrinth.settings = &UstLabirynt;
        labyrinth.statisticsCode = CStatRec::kGameLabyrinth;
        labyrinth.fixedRows = {kFree, kFree, kFree};
        labyrinth.makeWindow = Make<TfmLabirynt>;
        table.push_back(labyrinth);
    }
    return table;
}

}  // namespace

bool EnoughWordsToStart(const GameInfo& game, const CUstGry& settings, CSlowa& words)
{
    if (!game.drawsWords)
        return true;
    words.SelectBySettings(settings);
    // A level below 1 would open a game without words.
    return settings.Poziom >= 1 && words.CandidateCount() >= settings.Poziom * game.wordsPerLevel;
}

const std::vector<GameInfo>& GameTable()
{
    static const std::vector<GameInfo> table = BuildTable();
    return table;
}

const GameInfo* GameOfTab(int tab)
{
    const auto& table = GameTable();
    const auto row = std::find_if(table.begin(), table.end(), [tab](const GameInfo& game) { return game.tab == tab; });
    return row == table.end() ? nullptr : &*row;
}
