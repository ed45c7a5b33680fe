// SPDX-License-Identifier: GPL-3.0-or-later
// The menu's start check against the word catalogue the program is built with: every word game
// starts at every level for each sound group alone with all positions, and for one position it
// starts exactly when the catalogue holds enough words of that group there.
#include "games/gametable.h"
#include "settings/_custgry.h"
#include "support/fakeservices.h"
#include "words/_cslowa.h"

#include <gtest/gtest.h>

TEST(StartCheck, EverySingleGroupStartsEveryWordGameAtEveryLevel)
{
    TestServices services;
    CSlowa words;
    constexpr qint16 kGroups[] = {glos::L, glos::R, glos::J, glos::LI, glos::TRDR, glos::PRBR, glos::KRGR, glos::INNE};
    constexpr qint16 kPositions[] = {glos::Naglos, glos::Srodglos, glos::Wyglos};
    for (const GameInfo& game : GameTable()) {
        if (!game.drawsWords)
            continue;
        // The saucer offers its one group; the other games every group on its own.
        std::vector<qint16> groups(std::begin(kGroups), std::end(kGroups));
        if (game.groupOfLRJ != 0)
            groups = {game.groupOfLRJ};
        for (qint16 group : groups)
            for (qint16 level = 1; level <= 3; ++level) {
                SCOPED_TRACE(testing::Message() << game.caption << " group " << group << " level " << level);
                CUstGry settings(QStringLiteral("Test"));
                settings.Gloski = group;
                settings.Poziom = level;
                settings.Pozycja = glos::Naglos | glos::Srodglos | glos::Wyglos;
                EXPECT_TRUE(EnoughWordsToStart(game, settings, words));
                EXPECT_TRUE(words.DrawWords(level * game.wordsPerLevel));
                for (qint16 position : kPositions) {
                    settings.Pozycja = position;
                    int held = 0;
                    for (const SPaczka& word : words.Catalogue())
                        held += (word.Flags & group) && (word.Flags & position);
                    EXPECT_EQ(EnoughWordsToStart(game, settings, words), held >= level * game.wordsPerLevel)
                        << "position " << position << ", " << held << " words";
                }
            }
    }
}
