// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of a word's marks on Polish words: the group and position of each marked sound, the
// form of a split, and the word list's check of flags against marks.
#include "settings/_custgry.h"
#include "words/soundmarks.h"
#include "words/wordcheck.h"

#include <gtest/gtest.h>

namespace {

QString Described(const QString& split)
{
    QStringList marks;
    for (const soundmarks::Mark& mark : soundmarks::Marks(soundmarks::Elements(split)))
        marks << (mark.group ? wordcheck::FlagNames(quint16(mark.group | mark.position)) : QStringLiteral("none"));
    return marks.join(QLatin1Char(' '));
}

wordlist::Entry Word(const QString& line)
{
    return wordlist::Parse(line).first();
}

}  // namespace

TEST(SoundMarks, GiveEachMarkedSoundItsGroupAndPosition)
{
    const struct {
        const char* split;
        const char* marks;  // group|position of each marked element, in order
    } cases[] = {
        {"t,_r,a,w,a,", "TRDR|Naglos"},
        {"w,i,a,t,_r,", "TRDR|Wyglos"},
        {"_r,o,w,e,_r,", "R|Naglos R|Wyglos"},
        {"_l,i,s,", "LI|Naglos"},
        {"w,a,_l,i,z,k,a,", "LI|Srodglos"},
        {"p,_l,a,s,t,e,_r,", "INNE|Naglos R|Wyglos"},
        {"k,_r,o,w,a,", "KRGR|Naglos"},
        {"g,_r,u,sz,k,a,", "KRGR|Naglos"},
        {"b,_r,a,m,a,", "PRBR|Naglos"},
        {"ch,_r,a,b,ą,sz,cz,", "INNE|Naglos"},
        {"w,_r,ó,b,e,l,", "INNE|Naglos"},
        {"s,t,_r,u,ś,", "TRDR|Srodglos"},  // the cluster tr starts at t, the second element
        {"_j,a,b,ł,k,o,", "J|Naglos"},
        {"k,o,_l,e,j,k,a,", "L|Srodglos"},
        {"m,o,t,y,_l,", "L|Wyglos"},
        {"_l,o,_r,n,e,t,k,a,", "L|Naglos R|Srodglos"},
        {"k,_l,i,n,i,k,a,", "LI|Srodglos"},  // l before i is LI whatever stands before it
        {"_ł,y,ż,k,a,", "none"},            // ł is not L
        {"a,u,t,o,b,u,_s,", "none"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Described(QString::fromUtf8(c.split)), QString::fromUtf8(c.marks)) << c.split;
}

TEST(SoundMarks, RefuseSplitsNotWrittenOneSoundAnElement)
{
    const struct {
        const char* split;
        bool sound;
    } cases[] = {
        {"ch,_r,a,b,ą,sz,cz,", true}, {"d,z,w,o,n,", true},  // d,z may be two sounds ("odzież")
        {"dz,w,o,n,", true},          {"c,h,m,u,r,a,", false}, {"k,o,c,z,e,k,", false},
        {"s,z,a,l,", false},          {"_r,z,e,k,a,", false},  {"_L,a,s,", false},
        {"l,a,s", false},             {"l,,a,s,", false},      {"_,l,a,s,", false},
        {"q,u,i,z,", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(soundmarks::SplitProblems(QString::fromUtf8(c.split)).isEmpty(), c.sound) << c.split;
}

TEST(WordCheck, FlagsMustAgreeWithTheMarks)
{
    const wordcheck::Limits limits{10, 9};
    const struct {
        const char* line;
        bool sound;
    } cases[] = {
        {"rower _r,o,w,e,_r, R|Naglos|Wyglos own rower", true},
        {"rower _r,o,w,e,_r, R|Srodglos own rower", false},
        {"traktor t,_r,a,k,t,o,r, TRDR|Naglos own traktor", true},
        {"traktor t,_r,a,k,t,o,_r, TRDR|R|Naglos own traktor", false},  // R stands at the end only
        {"lis _l,i,s, L|Naglos own lis", false},
        {"lyzka _ł,y,ż,k,a, L|Naglos own łyżka", false},
        {"plaster p,_l,a,s,t,e,_r, Saucer|Naglos|Wyglos own plaster", true},
        {"plaster p,_l,a,s,t,e,_r, Saucer|Srodglos own plaster", false},
        {"rak _r,a,k, Saucer|Naglos own rak", false},  // a saucer word needs a marked l too
        {"lejek _l,e,_j,e,k, Saucer|L|Naglos own lejek", true},
        {"lejek _l,e,_j,e,k, Saucer|J|Naglos own lejek", false},
        {"lejek _l,e,_j,e,k, L|Naglos own lejak", false},  // the split spells another word
        {"zaba _ż,a,b,a, L|Naglos own żaba", false},
        {"kot k,o,t, L|Naglos own kot", false},
        {"lokomotywa _l,o,k,o,m,o,t,y,w,a, L|Naglos own lokomotywa", true},
        {"lokomotywka _l,o,k,o,m,o,t,y,w,k,a, L|Naglos own lokomotywka", false},  // 11 letters
        {"lornetkaaa _l,o,_r,n,e,t,k,a,a,a, Saucer|Naglos own lornetkaaa", false},  // 10 for the saucer
        {"autobus a,u,t,o,b,u,_s, contrast own autobus", true},
        {"las _l,a,_s, contrast own las", false},
        {"basen b,a,s,e,n, contrast own basen", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(wordcheck::Problems(Word(QString::fromUtf8(c.line)), limits).isEmpty(), c.sound)
            << c.line << "\n"
            << wordcheck::Problems(Word(QString::fromUtf8(c.line)), limits).join('\n').toStdString();
}

TEST(WordCheck, NamesTheLineOfEveryFaultAndTheMissingPicture)
{
    const QString list = QStringLiteral("# words\nlas _l,a,s, L|Naglos own las\n\nlis _l,i,s, L|Naglos 1f98a lis\n");
    const QStringList problems = wordcheck::CheckList(list, [](const wordlist::Entry& e) { return e.name == "las"; });
    ASSERT_EQ(problems.size(), 2) << problems.join('\n').toStdString();
    EXPECT_TRUE(problems[0].startsWith("line 4 (lis):"));
    EXPECT_TRUE(problems[1].contains("1f98a"));
    EXPECT_EQ(wordcheck::CheckList(QStringLiteral("las _l,a,s, Nowhere own las\n"), [](auto&) { return true; }).size(), 1);
}
