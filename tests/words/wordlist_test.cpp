// SPDX-License-Identifier: GPL-3.0-or-later
// The word list reader the program and the asset generators share: what a line holds, and the
// mistakes in the list it refuses to read.
#include "settings/_custgry.h"
#include "words/wordlist.h"

#include <gtest/gtest.h>

TEST(WordList, ReadsNameSplitFlagsAndTheSpokenRestOfTheLine)
{
    const auto list = wordlist::Parse(QStringLiteral("# a comment\n\n"
                                                     "lezak   _l,e,ż,a,k,  Naglos|L  own  leżak \n"
                                                     "  plaster p,_l,a,s,t,e,_r, Wyglos|Srodglos|Saucer|R 1f9f4 ten plaster\n"
                                                     "basen b,a,_s,e,n, contrast own basen"));
    ASSERT_EQ(list.size(), 3);
    EXPECT_EQ(list[0].name, "lezak");
    EXPECT_EQ(list[0].split, QStringLiteral("_l,e,\u017C,a,k,"));
    EXPECT_EQ(list[0].flags, glos::Naglos | glos::L);
    EXPECT_EQ(list[0].spoken, QStringLiteral("le\u017Cak"));
    EXPECT_FALSE(list[0].contrast);
    EXPECT_EQ(list[1].flags, glos::Wyglos | glos::Srodglos | glos::Saucer | glos::R);
    EXPECT_EQ(list[1].spoken, "ten plaster");
    EXPECT_EQ(list[0].picture, wordlist::kOwnPicture);
    EXPECT_EQ(list[1].picture, "1f9f4");
    EXPECT_TRUE(list[2].contrast);
    EXPECT_EQ(list[2].flags, 0);
}

TEST(WordList, RefusesAMistakeNamingItsLine)
{
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"las _l,a,s, Naglos|L\n", "line 1: expected a name"},
        {"las\n", "line 1: expected a name"},
        {"# ok\nLas _l,a,s, Naglos|L own las\n", "line 2: a file name must be plain"},
        {"le\u017Cak _l,e,\u017C,a,k, Naglos|L own le\u017Cak\n", "line 1: a file name must be plain"},
        {"las _l,a,s, Naglos|L own las\nlas _l,a,s, Naglos|L own las\n", "line 2: the word las is listed twice"},
        {"las ,_,, Naglos|L own las\n", "line 1: the split has no letters"},
        {"las _l,a,s, Naglos|Lx own las\n", "line 1: unknown flag \"Lx\""},
        {"las _l,a,s, Naglos||L own las\n", "line 1: unknown flag \"\""},
        {"las _l,a,s, L own las\n", "line 1: a practice word needs a sound group and a position"},
        {"las _l,a,s, Naglos own las\n", "line 1: a practice word needs a sound group and a position"},
        {"las _l,a,s, Naglos|L 1F6B2 las\n", "line 1: the picture must be"},
        {"las _l,a,s, Naglos|L 1f6b2- las\n", "line 1: the picture must be"},
        {"# nothing\n\n", "the word list is empty"},
    };
    for (const auto& c : cases) {
        try {
            wordlist::Parse(QString::fromUtf8(c.text));
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const std::runtime_error& error) {
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
        }
    }
}
