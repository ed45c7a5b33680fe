// SPDX-License-Identifier: GPL-3.0-or-later
// The adult's own words: the split proposed from a spelling, the groups and positions that follow
// from the marks (checked against the word list's own check), and the list file with damaged lines.
#include "settings/_custgry.h"
#include "shell/ownwordfiles.h"
#include "words/ownwords.h"
#include "words/soundmarks.h"
#include "words/wordcheck.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(OwnWords, SplitIsProposedWithThePolishDigraphsAsOneSound)
{
    const struct {
        const char* spelling;
        const char* split;
    } cases[] = {{"Rzeka", "rz,e,k,a,"},           {"szczotka", "sz,cz,o,t,k,a,"},
                 {"chleb", "ch,l,e,b,"},           {"dżem", "dż,e,m,"},
                 {"Dźwig!", "dź,w,i,g,"},          {"krowa", "k,r,o,w,a,"},
                 {"pan Lolek", "p,a,n,l,o,l,e,k,"}, {"", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(ProposeSplit(QString::fromUtf8(c.spelling)), QString::fromUtf8(c.split)) << c.spelling;
}

TEST(OwnWords, MarksGiveTheLargestBlockOfGroupsAndPositions)
{
    constexpr quint16 N = glos::Naglos, S = glos::Srodglos, W = glos::Wyglos;
    const struct {
        const char* split;
        quint16 flags;
    } cases[] = {
        {"_r,o,w,e,_r,", quint16(glos::R | N | W)},
        // L at the start and R in the middle share no position: the first block is kept, and
        // the word holds l with r, so the saucer takes it.
        {"_l,a,t,a,_r,k,a,", quint16(glos::L | N | glos::Saucer)},
        {"k,_r,o,w,a,", quint16(glos::KRGR | N)},
        {"b,u,t,_l,a,", quint16(glos::INNE | S)},
        {"_l,i,s,", quint16(glos::LI | N)},
        {"k,l,e,_j,", quint16(glos::J | W)},
        // Too long for the saucer's boxes: offered everywhere else.
        {"_l,o,k,o,m,o,t,y,w,a,_r,k,a,", quint16(glos::L | N)},
    };
    for (const auto& c : cases) {
        const OwnWordOffer offer = OfferFor(QString::fromUtf8(c.split));
        EXPECT_TRUE(offer.problems.isEmpty()) << c.split << offer.problems.join(' ').toStdString();
        EXPECT_EQ(offer.flags, c.flags) << c.split << " " << wordcheck::FlagNames(offer.flags).toStdString();
    }
    // What no group can take is refused with why.
    for (const char* refused : {"m,o,rz,e,", "m,o,_rz,e,", "_ł,a,w,k,a,", "_s,o,k,", "k,o,t,q,_r,",
                                "d,z,i,e,_w,i,ę,c,i,o,r,n,a,ś,c,i,e,"})
        EXPECT_FALSE(OfferFor(QString::fromUtf8(refused)).problems.isEmpty()) << refused;
    EXPECT_TRUE(OfferFor("m,o,_rz,e,").problems.join(' ').contains(QString::fromUtf8("„rz” to nie głoska R")));
}

TEST(OwnWords, EveryBuiltInWordsMarksGiveAnOfferTheWordListCheckAccepts)
{
    // One rule serves the build's check of the list and the adult's own words: whatever the marks
    // of a listed word offer, the check passes it.
    for (const SPaczka& word : ShippedWords(WordKind::Practice)) {
        const OwnWordOffer offer = OfferFor(word.Split);
        wordlist::Entry entry;
        entry.name = word.Name;
        entry.split = word.Split;
        entry.flags = offer.flags;
        entry.picture = QStringLiteral("own");
        entry.spoken = soundmarks::Spelling(soundmarks::Elements(word.Split));
        EXPECT_TRUE(offer.problems.isEmpty()) << word.Name.toStdString();
        EXPECT_TRUE((offer.flags & ~glos::Saucer) & ~(glos::Naglos | glos::Srodglos | glos::Wyglos))
            << word.Name.toStdString();
        EXPECT_EQ(wordcheck::Problems(entry), QStringList()) << word.Name.toStdString();
    }
}

TEST(OwnWords, ListFileKeepsWhatItCannotReadAndReportsItOnce)
{
    const QByteArray text = "# comment\r\n"
                            "slowo\town_0000000a\t_r,o,w,e,_r,\ttak\r\n"
                            "slowo\town_0000000a\t_l,a,s,\ttak\n"      // the id again
                            "slowo\tzupa\t_l,a,s,\ttak\n"             // not an id
                            "slowo\town_0000000b\t_l,a,s\ttak\n"      // a cut split
                            "slowo\town_0000000c\tk,_r,o,w,a,\tnie\n"
                            "wylaczone\tlezak\n"
                            "cos innego\n";
    QStringList problems;
    const OwnWordList list = ParseOwnWords(text, &problems);
    ASSERT_EQ(list.words.size(), 2u);
    EXPECT_TRUE(list.words[0].on);
    EXPECT_FALSE(list.words[1].on);
    EXPECT_EQ(list.switchedOff, QStringList{"lezak"});
    EXPECT_EQ(problems.size(), 4) << problems.join('\n').toStdString();
    EXPECT_TRUE(problems[0].startsWith("wiersz 3:"));
    EXPECT_EQ(list.unreadLines.size(), 4);

    // Written and read again: the same words, and the unread lines still there, not lost.
    const OwnWordList again = ParseOwnWords(OwnWordsBytes(list));
    ASSERT_EQ(again.words.size(), 2u);
    EXPECT_EQ(again.words[1].split, "k,_r,o,w,a,");
    EXPECT_EQ(again.switchedOff, list.switchedOff);
    EXPECT_EQ(again.unreadLines, list.unreadLines);

    QTemporaryDir dir;
    OwnWordList read;
    EXPECT_EQ(ReadOwnWords(dir.path(), read), OwnListState::Missing);
    ASSERT_TRUE(WriteOwnWords(dir.path(), list));
    EXPECT_EQ(ReadOwnWords(dir.path(), read), OwnListState::Damaged);
    EXPECT_EQ(read.words.size(), 2u);
    const QString id = NewOwnWordId(list);
    EXPECT_TRUE(ownfiles::IsOwnWordId(id));
    EXPECT_FALSE(list.Find(id));
}

}  // namespace
