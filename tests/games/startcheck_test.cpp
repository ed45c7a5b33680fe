// SPDX-License-Identifier: GPL-3.0-or-later
// The menu's start check against the word catalogue the program is built with: every word game
// starts at every level for each sound group alone with all positions, and for one position it
// starts exactly when the catalogue holds enough words of that group there; the adult's own words
// and switched-off words count as they should.
#include "games/gametable.h"
#include "settings/_custgry.h"
#include "support/fakeservices.h"
#include "shell/ownwordfiles.h"
#include "words/_cslowa.h"
#include "words/ownwords.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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

namespace {

void Touch(const QString& path)
{
    QDir().mkpath(path.left(path.lastIndexOf('/')));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("x");
}

// An own word with every file in place (their content does not matter to the catalogue).
void MakeComplete(const QString& userFolder, const QString& id, bool recorded = true)
{
    for (const QString& suffix : ownfiles::PictureSuffixes())
        Touch(ownfiles::PictureFile(userFolder, id, suffix));
    if (recorded)
        Touch(ownfiles::RecordingFile(userFolder, id));
}

}  // namespace

TEST(StartCheck, GamesDrawOwnWordsThatAreOnAndCompleteAndNeverSwitchedOffOnes)
{
    QTemporaryDir user;
    OwnWordList list;
    list.words = {{"own_00000001", "k,l,e,_j,", true},    // complete: plays
                  {"own_00000002", "_j,e,ż,", true},      // no recording: waits silently
                  {"own_00000003", "_j,a,m,a,", false},   // switched off
                  {"own_00000004", "_j,o,g,a,", true}};   // recorded, picture missing: reported
    MakeComplete(user.path(), "own_00000001");
    MakeComplete(user.path(), "own_00000002", false);
    MakeComplete(user.path(), "own_00000003");
    Touch(ownfiles::RecordingFile(user.path(), "own_00000004"));
    // Every built-in word with J at the end switched off but four.
    const std::vector<SPaczka> shipped = ShippedWords(WordKind::Practice);
    int kept = 0;
    for (const SPaczka& word : shipped)
        if ((word.Flags & glos::J) && (word.Flags & glos::Wyglos) && kept++ >= 4)
            list.switchedOff << word.Name;

    QStringList problems;
    CSlowa words(PlayableWords(list, user.path(), &problems));
    EXPECT_EQ(words.Catalogue().size(), shipped.size() - list.switchedOff.size() + 1);
    ASSERT_EQ(problems.size(), 1) << problems.join('\n').toStdString();
    EXPECT_TRUE(problems[0].contains(QString::fromUtf8("„joga”")));

    CUstGry settings(QStringLiteral("Klocki"));
    settings.Gloski = glos::J;
    settings.Pozycja = glos::Wyglos;
    settings.Poziom = 1;
    words.SelectBySettings(settings);
    EXPECT_EQ(words.CandidateCount(), 5);
    bool ownDrawn = false;
    for (int i = 0; i < words.CandidateCount(); ++i)
        ownDrawn = ownDrawn || words.Candidate(i).Name == "own_00000001";
    EXPECT_TRUE(ownDrawn);
    const GameInfo* wordGame = nullptr;
    for (const GameInfo& game : GameTable())
        if (game.drawsWords && !game.groupOfLRJ) {
            EXPECT_TRUE(EnoughWordsToStart(game, settings, words)) << game.caption;
            wordGame = &game;
        }
    ASSERT_NE(wordGame, nullptr);
    // One more switched off and level 1 no longer starts.
    list.switchedOff << words.Candidate(0).Name;
    CSlowa fewer(PlayableWords(list, user.path()));
    EXPECT_FALSE(EnoughWordsToStart(*wordGame, settings, fewer));
}

