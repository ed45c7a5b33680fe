// SPDX-License-Identifier: GPL-3.0-or-later
// The word catalogue and the differential words: which words a game's settings select, and the
// random draw of one game's words without repetition.
#include "settings/_custgry.h"
#include "support/fakeservices.h"
#include "support/manifest.h"
#include "words/_cslowa.h"
#include "words/_cslowaroznicowe.h"

#include <gtest/gtest.h>
#include <set>

namespace {
constexpr quint16 kPending = 0x0800;

CUstGry Settings(int gloski, int pozycja)
{
    CUstGry settings(QStringLiteral("Test"));
    settings.Gloski = static_cast<qint16>(gloski);
    settings.Pozycja = static_cast<qint16>(pozycja);
    return settings;
}

QStringList CandidateNames(const CZestawSlow& words)
{
    QStringList names;
    for (int i = 0; i < words.CandidateCount(); ++i)
        names << words.Candidate(i).Name;
    return names;
}

QStringList DrawnNames(const CZestawSlow& words)
{
    QStringList names;
    for (int i = 0; i < words.DrawnCount(); ++i)
        names << words.Drawn(i).Name;
    return names;
}

// The letters of a split as one word, with the Polish letters spelled as in file names.
QString SpelledFromSplit(const QString& split)
{
    QString word = split;
    word.remove(QLatin1Char('_')).remove(QLatin1Char(','));
    static const QString polish = QStringLiteral("ąćęłńóśźż"), plain = QStringLiteral("acelnoszz");
    for (QChar& c : word)
        if (polish.contains(c))
            c = plain[polish.indexOf(c)];
    return word;
}

// A small catalogue of known words, so that the rules of selection and drawing are tried on words
// whose flags the test knows, whatever the shipped list holds.
std::vector<SPaczka> KnownCatalogue()
{
    const quint16 lStart = glos::L | glos::Naglos, saucerStart = glos::Saucer | glos::Naglos;
    return {MakeWord("las", "_l,a,s,", lStart),
            MakeWord("latarka", "_l,a,t,a,_r,k,a,", saucerStart),
            MakeWord("lejek", "_l,e,_j,e,k,", saucerStart),
            MakeWord("lezak", "_l,e,\u017C,a,k,", lStart),
            MakeWord("lodowka", "_l,o,d,\u00F3,w,k,a,", lStart),
            MakeWord("lokomotywa", "_l,o,k,o,m,o,t,y,w,a,", lStart),
            MakeWord("lornetka", "_l,o,_r,n,e,t,k,a,", saucerStart),
            MakeWord("luneta", "_l,u,n,e,t,a,", lStart),
            MakeWord("plaster", "p,_l,a,s,t,e,_r,", saucerStart)};
}

std::vector<SPaczka> KnownDifferentialWords()
{
    return {MakeWord("autobus", "a,u,t,o,b,u,_s,", 0), MakeWord("basen", "b,a,_s,e,n,", 0)};
}

class Words : public ::testing::Test {
protected:
    TestServices services;
    CSlowa words{KnownCatalogue()};
};
}  // namespace

TEST(ShippedCatalogue, EachWordIsSpelledByItsSplitAndHasItsSoundFile)
{
    TestServices services;
    const CSlowa words;
    const Manifest manifest = Manifest::Load();
    ASSERT_FALSE(words.Catalogue().empty());
    bool polishLetter = false;
    for (const SPaczka& word : words.Catalogue()) {
        SCOPED_TRACE(word.Name.toStdString());
        EXPECT_TRUE(word.Name.startsWith(SpelledFromSplit(word.Split)));
        EXPECT_TRUE(word.Split.endsWith(QLatin1Char(',')));
        EXPECT_FALSE(word.Split.contains(QStringLiteral(",,")));
        EXPECT_TRUE(word.Split.contains(QLatin1Char('_'))) << "every practice word practises a sound";
        EXPECT_EQ(word.SoundPath, "Data/Smd/" + word.Name + ".pw");
        EXPECT_TRUE(manifest.Find(word.SoundPath).has_value());
        EXPECT_TRUE(word.SmallPicture.isNull());
        EXPECT_TRUE(word.BigPicture.isNull());
        // Polish letters are kept as single letters, not as bytes of some code page.
        polishLetter = polishLetter || word.Split.contains(QStringLiteral("\u017C"));
    }
    EXPECT_TRUE(polishLetter);
    EXPECT_EQ(words.CandidateCount(), 0);
    EXPECT_EQ(words.DrawnCount(), 0);
}

TEST_F(Words, SettingsSelectTheWordsSharingAGroupAndAPosition)
{
    const QStringList lWords{"las", "lezak", "lodowka", "lokomotywa", "luneta"};
    const QStringList saucerWords{"latarka", "lejek", "lornetka", "plaster"};
    const QStringList all{"las", "latarka", "lejek", "lezak", "lodowka", "lokomotywa", "lornetka", "luneta", "plaster"};
    struct Case {
        int gloski, pozycja;
        QStringList expected;
    };
    const std::vector<Case> cases{
        {glos::L, glos::Naglos, lWords},
        {glos::Saucer, glos::Naglos, saucerWords},
        {glos::L | glos::Saucer, glos::Naglos, all},
        {glos::L | glos::PRBR, glos::Naglos | glos::Wyglos, lWords},  // "Gloski" 65
        {-1, -1, all},
        {glos::L, 0, {}},
        {0, glos::Naglos, {}},
        {glos::L, glos::Srodglos | glos::Wyglos, {}},  // no word of this edition is practised there
        {glos::R | glos::J, glos::Naglos, {}},         // the R and J words belong to the saucer group
        // A position bit among the groups (or the reverse) selects nothing by itself.
        {glos::Naglos, glos::Naglos, {}},
        {glos::L, glos::L, {}},
    };
    for (const Case& c : cases) {
        words.SelectBySettings(Settings(c.gloski, c.pozycja));
        EXPECT_EQ(CandidateNames(words), c.expected) << c.gloski << " " << c.pozycja;
        EXPECT_EQ(words.CandidateCount(), c.expected.size());
    }
}

TEST_F(Words, CandidatesAreWholeCopiesOfTheCatalogue)
{
    words.SelectBySettings(Settings(glos::Saucer, glos::Naglos));
    ASSERT_EQ(words.CandidateCount(), 4);
    const SPaczka& lejek = words.Candidate(1);
    EXPECT_EQ(lejek.Name, "lejek");
    EXPECT_EQ(lejek.Split, "_l,e,_j,e,k,");
    EXPECT_EQ(lejek.SoundPath, "Data/Smd/lejek.pw");
    EXPECT_EQ(lejek.Flags, glos::Naglos | glos::Saucer);
    EXPECT_THROW(words.Candidate(4), std::out_of_range);
    EXPECT_THROW(words.Candidate(-1), std::out_of_range);
}

TEST_F(Words, DrawingAsManyAsThereAreCandidatesDrawsEachOnceWithItsPendingMark)
{
    for (const auto& [gloski, pozycja] : std::vector<std::pair<int, int>>{
             {glos::L, glos::Naglos}, {glos::Saucer, glos::Naglos}, {-1, -1}}) {
        words.SelectBySettings(Settings(gloski, pozycja));
        const int count = words.CandidateCount();
        ASSERT_TRUE(words.DrawWords(count));
        ASSERT_EQ(words.DrawnCount(), count);
        QStringList drawn = DrawnNames(words), candidates = CandidateNames(words);
        drawn.sort();
        candidates.sort();
        EXPECT_EQ(drawn, candidates);
        for (int i = 0; i < count; ++i) {
            const SPaczka& word = words.Drawn(i);
            EXPECT_TRUE(word.IsPending()) << word.Name.toStdString();
            EXPECT_TRUE(word.Flags & glos::Naglos);
            EXPECT_FALSE(word.Split.isEmpty());
        }
        EXPECT_FALSE(words.AllDealtWith());
    }
}

TEST_F(Words, ADrawNeverRepeatsAWordAndFollowsTheClock)
{
    words.SelectBySettings(Settings(-1, -1));
    std::set<QString> firstWords;
    std::set<QStringList> draws;
    for (int second = 0; second < 40; ++second) {
        ASSERT_TRUE(words.DrawWords(5));
        const QStringList drawn = DrawnNames(words);
        EXPECT_EQ(std::set<QString>(drawn.begin(), drawn.end()).size(), 5u) << drawn.join(' ').toStdString();
        for (const QString& name : drawn)
            EXPECT_TRUE(CandidateNames(words).contains(name));
        firstWords.insert(drawn.first());
        draws.insert(drawn);
        services.time.Advance(1000);
    }
    EXPECT_GE(firstWords.size(), 5u) << "the first word should vary from game to game";
    EXPECT_GE(draws.size(), 30u);
}

TEST_F(Words, DrawsWithinOneSecondAreTheSameWhateverWasDrawnBefore)
{
    // Seeded from the clock, not from whatever the generator did before.
    words.SelectBySettings(Settings(-1, -1));
    ASSERT_TRUE(words.DrawWords(6));
    const QStringList first = DrawnNames(words);
    for (int i = 0; i < 17; ++i)
        services.random.Below(1000);
    services.time.Advance(999);
    CSlowa other{KnownCatalogue()};
    other.SelectBySettings(Settings(-1, -1));
    ASSERT_TRUE(other.DrawWords(6));
    EXPECT_EQ(DrawnNames(other), first);
}

TEST_F(Words, TooFewCandidatesDrawNothing)
{
    words.SelectBySettings(Settings(glos::L, glos::Naglos));
    ASSERT_TRUE(words.DrawWords(3));
    EXPECT_FALSE(words.DrawWords(6));
    EXPECT_EQ(words.DrawnCount(), 0);  // the earlier draw is gone too
    EXPECT_THROW(words.Drawn(0), std::out_of_range);
    EXPECT_FALSE(words.DrawWords(-1));
    EXPECT_EQ(words.DrawnCount(), 0);
    EXPECT_TRUE(words.DrawWords(0));
    EXPECT_EQ(words.DrawnCount(), 0);
    EXPECT_TRUE(words.AllDealtWith());

    words.SelectBySettings(Settings(0, glos::Naglos));
    EXPECT_FALSE(words.DrawWords(1));
    EXPECT_TRUE(words.DrawWords(0));
}

TEST_F(Words, IndexesOutsideTheDrawAreRangeErrors)
{
    words.SelectBySettings(Settings(glos::L, glos::Naglos));
    ASSERT_TRUE(words.DrawWords(4));
    EXPECT_NO_THROW(words.Drawn(3));
    EXPECT_THROW(words.Drawn(4), std::out_of_range);
    EXPECT_THROW(words.Drawn(-1), std::out_of_range);
    EXPECT_THROW(words.ClearPending(4), std::out_of_range);
    EXPECT_THROW(words.ClearPending(-1), std::out_of_range);
}

TEST_F(Words, SelectingAgainReplacesTheCandidatesAndDropsTheDraw)
{
    words.SelectBySettings(Settings(glos::L, glos::Naglos));
    ASSERT_TRUE(words.DrawWords(5));
    words.SelectBySettings(Settings(glos::Saucer, glos::Naglos));
    EXPECT_EQ(words.CandidateCount(), 4);
    EXPECT_EQ(words.DrawnCount(), 0);
    words.SelectBySettings(Settings(glos::Saucer, glos::Naglos));
    EXPECT_EQ(words.CandidateCount(), 4);
}

TEST_F(Words, PendingMarksAreClearedOneWordAtATime)
{
    words.SelectBySettings(Settings(glos::Saucer | glos::L, glos::Naglos));
    ASSERT_TRUE(words.DrawWords(4));
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(words.AllDealtWith());
        const quint16 before = words.Drawn(i).Flags;
        words.ClearPending(i);
        EXPECT_EQ(words.Drawn(i).Flags, before & ~kPending);
        EXPECT_TRUE(words.Drawn(i).Flags & glos::Naglos);
        for (int j = i + 1; j < 4; ++j)
            EXPECT_TRUE(words.Drawn(j).IsPending()) << i << " " << j;
    }
    EXPECT_TRUE(words.AllDealtWith());
    // A word opened again waits for the child until it is dealt with once more.
    words.SetPending(2);
    EXPECT_TRUE(words.Drawn(2).IsPending());
    EXPECT_FALSE(words.Drawn(1).IsPending());
    EXPECT_FALSE(words.AllDealtWith());
    EXPECT_THROW(words.SetPending(4), std::out_of_range);
    words.ClearPending(2);
    EXPECT_TRUE(words.AllDealtWith());
}

TEST_F(Words, DrawingLeavesTheSaucerGroupOfTheCandidatesAlone)
{
    // The pending mark and the saucer group share a bit: drawing and clearing marks must not
    // change which group a candidate belongs to.
    words.SelectBySettings(Settings(glos::Saucer, glos::Naglos));
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(words.DrawWords(4));
        for (int i = 0; i < 4; ++i)
            words.ClearPending(i);
        services.time.Advance(1000);
    }
    for (int i = 0; i < words.CandidateCount(); ++i)
        EXPECT_EQ(words.Candidate(i).Flags, glos::Naglos | glos::Saucer);
    EXPECT_EQ(words.Catalogue()[1].Flags, glos::Naglos | glos::Saucer);
    ASSERT_TRUE(words.DrawWords(4));
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(words.Drawn(i).IsPending());
}

TEST(DifferentialWords, AreAllShippedOnesOrTheGivenOnesInOrder)
{
    TestServices services;
    CSlowaRoznicowe words(KnownDifferentialWords());
    ASSERT_EQ(CandidateNames(words), QStringList({"autobus", "basen"}));
    EXPECT_EQ(words.Candidate(0).Split, "a,u,t,o,b,u,_s,");
    EXPECT_EQ(words.Candidate(1).Split, "b,a,_s,e,n,");
    const Manifest manifest = Manifest::Load();
    const CSlowaRoznicowe shipped;
    EXPECT_GE(shipped.CandidateCount(), 10);
    for (int i = 0; i < shipped.CandidateCount(); ++i) {
        EXPECT_EQ(shipped.Candidate(i).Flags, 0);
        EXPECT_TRUE(shipped.Candidate(i).Name.startsWith(SpelledFromSplit(shipped.Candidate(i).Split)));
        EXPECT_TRUE(manifest.Find(shipped.Candidate(i).SoundPath).has_value());
    }
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(words.Candidate(i).Flags, 0);
        EXPECT_EQ(SpelledFromSplit(words.Candidate(i).Split), words.Candidate(i).Name);
        EXPECT_EQ(words.Candidate(i).SoundPath, "Data/Smd/" + words.Candidate(i).Name + ".pw");
        EXPECT_TRUE(manifest.Find(words.Candidate(i).SoundPath).has_value());
    }
    EXPECT_EQ(words.DrawnCount(), 0);
}

TEST(DifferentialWords, DrawingTwoGivesBothInEitherOrderAndThreeGivesNothing)
{
    TestServices services;
    CSlowaRoznicowe words(KnownDifferentialWords());
    std::set<QStringList> orders;
    for (int second = 0; second < 20; ++second) {
        ASSERT_TRUE(words.DrawWords(2));
        const QStringList drawn = DrawnNames(words);
        EXPECT_TRUE(drawn == QStringList({"autobus", "basen"}) || drawn == QStringList({"basen", "autobus"}))
            << drawn.join(' ').toStdString();
        EXPECT_EQ(words.Drawn(0).Flags, kPending);
        EXPECT_EQ(words.Drawn(1).Flags, kPending);
        orders.insert(drawn);
        services.time.Advance(1000);
    }
    EXPECT_EQ(orders.size(), 2u);
    EXPECT_FALSE(words.DrawWords(3));
    EXPECT_EQ(words.DrawnCount(), 0);
    EXPECT_THROW(words.Drawn(0), std::out_of_range);
    EXPECT_EQ(words.CandidateCount(), 2);
}

TEST(DifferentialWords, MarksOnlyKeepOneDrawFromRepeating)
{
    TestServices services;
    CSlowaRoznicowe words(KnownDifferentialWords());
    bool repeated = false;
    std::set<QString> seen;
    QString previous;
    for (int second = 0; second < 20; ++second) {
        ASSERT_TRUE(words.DrawWords(1));
        ASSERT_EQ(words.DrawnCount(), 1);
        EXPECT_TRUE(words.Drawn(0).IsPending());
        repeated = repeated || words.Drawn(0).Name == previous;
        previous = words.Drawn(0).Name;
        seen.insert(previous);
        services.time.Advance(1000);
    }
    EXPECT_TRUE(repeated);
    EXPECT_EQ(seen.size(), 2u);
}
