// SPDX-License-Identifier: GPL-3.0-or-later
// The check of the word list (see wordcheck.h).
#include "words/wordcheck.h"

#include "games/saucer/saucerlayout.h"
#include "games/selector/selectorlayout.h"
#include "words/soundmarks.h"

#include <stdexcept>

namespace wordcheck {

namespace {

using soundmarks::HasMark;
using soundmarks::Mark;
using soundmarks::kPositions;
constexpr const auto& kGroups = soundmarks::kPracticeGroups;

// The ASCII base letters a word's file name is made of ("żółw" -> "zolw").
QString Ascii(const QString& word)
{
    static const QString polish = QStringLiteral("ąćęłńóśźż");
    static const QString plain = QStringLiteral("acelnoszz");
    QString out = word;
    for (QChar& c : out) {
        const qsizetype i = polish.indexOf(c);
        if (i >= 0)
            c = plain[i];
    }
    return out;
}

void CheckPracticeMarks(const wordlist::Entry& entry, const QList<soundmarks::Element>& elements,
                        const QList<Mark>& marks, QStringList& problems)
{
    for (const Mark& mark : marks)
        if (mark.group == 0)
            problems << QStringLiteral("\"%1\" is marked: a practice word marks only l, r and j (never ł, rz or an i)")
                            .arg(elements[mark.index].text);
    if (marks.isEmpty())
        problems << QStringLiteral("no sound is marked");
    const quint16 positions = entry.flags & (glos::Naglos | glos::Srodglos | glos::Wyglos);
    for (quint16 group : kGroups)
        for (quint16 position : kPositions)
            if ((entry.flags & group) && (positions & position) && !HasMark(marks, group, position))
                problems << QStringLiteral("flags %1 but no marked sound of %2 stands in %3 (the marks give %4)")
                                .arg(FlagNames(entry.flags), FlagNames(group), FlagNames(position),
                                     [&] {
                                         QStringList given;
                                         for (const Mark& m : marks)
                                             if (m.group)
                                                 given << FlagNames(quint16(m.group | m.position));
                                         return given.isEmpty() ? QStringLiteral("nothing") : given.join(", ");
                                     }());
    if (entry.flags & glos::Saucer) {
        if (!soundmarks::HoldsSaucerLetters(elements, marks))
            problems << QStringLiteral("a saucer word needs a marked l and a marked r or j");
        for (quint16 position : kPositions) {
            if (!(positions & position))
                continue;
            bool found = false;
            for (const Mark& mark : marks)
                found = found || (mark.group != 0 && mark.position == position);
            if (!found)
                problems << QStringLiteral("Saucer with %1 but no marked l, r or j stands there").arg(FlagNames(position));
        }
    }
}

}  // namespace

Limits GameLimits()
{
    return Limits{SelectorMaxLetters(), HitmanMaxLetters()};
}

QString FlagNames(quint16 flags)
{
    static const struct {
        quint16 bit;
        const char* name;
    } kNames[] = {{glos::L, "L"},           {glos::R, "R"},           {glos::J, "J"},
                  {glos::LI, "LI"},         {glos::TRDR, "TRDR"},     {glos::PRBR, "PRBR"},
                  {glos::KRGR, "KRGR"},     {glos::INNE, "INNE"},     {glos::Saucer, "Saucer"},
                  {glos::Naglos, "Naglos"}, {glos::Srodglos, "Srodglos"}, {glos::Wyglos, "Wyglos"}};
    QStringList names;
    for (const auto& n : kNames)
        if (flags & n.bit)
            names << QString::fromLatin1(n.name);
    return names.join(QLatin1Char('|'));
}

QStringList Problems(const wordlist::Entry& entry, const Limits& limits)
{
    QStringList problems = soundmarks::SplitProblems(entry.split);
    const QList<soundmarks::Element> elements = soundmarks::Elements(entry.split);
    const QString spelling = soundmarks::Spelling(elements);
    QString spoken = entry.spoken;
    spoken.remove(QLatin1Char(' '));
    if (spelling != spoken)
        problems << QStringLiteral("the split spells \"%1\" but the word is \"%2\"").arg(spelling, entry.spoken);
    if (!entry.name.startsWith(Ascii(spelling)))
        problems << QStringLiteral("the name should be \"%1\" (or that with a letter added)").arg(Ascii(spelling));
    const QList<Mark> marks = soundmarks::Marks(elements);
    if (entry.contrast) {
        bool anyS = false;
        for (const Mark& mark : marks) {
            if (elements[mark.index].text != QStringLiteral("s"))
                problems << QStringLiteral("\"%1\" is marked: a differential word marks only s").arg(elements[mark.index].text);
            anyS = true;
        }
        if (!anyS)
            problems << QStringLiteral("a differential word marks its s");
        return problems;
    }
    CheckPracticeMarks(entry, elements, marks, problems);
    if (elements.size() > limits.pictureAndSay)
        problems << QStringLiteral("%1 letters: the picture-and-say game lays out at most %2")
                        .arg(elements.size()).arg(limits.pictureAndSay);
    if ((entry.flags & glos::Saucer) && elements.size() > limits.saucer)
        problems << QStringLiteral("%1 letters: the saucer game lays out at most %2")
                        .arg(elements.size()).arg(limits.saucer);
    return problems;
}

QStringList CheckList(const QString& text, const std::function<bool(const wordlist::Entry&)>& pictureExists,
                      const Limits& limits)
{
    QList<wordlist::Entry> entries;
    try {
        entries = wordlist::Parse(text);
    } catch (const std::runtime_error& error) {
        return {QString::fromUtf8(error.what())};
    }
    QStringList problems;
    for (const wordlist::Entry& entry : entries) {
        QStringList found = Problems(entry, limits);
        if (!pictureExists(entry))
            found << (entry.picture == wordlist::kOwnPicture
                          ? QStringLiteral("its own drawing svg/%1.svg is missing").arg(entry.name)
                          : QStringLiteral("the picture %1.svg is not in the picture set's folder").arg(entry.picture));
        for (const QString& problem : found)
            problems << QStringLiteral("line %1 (%2): %3").arg(entry.line).arg(entry.name, problem);
    }
    return problems;
}

QString CountTable(const QList<wordlist::Entry>& entries)
{
    static const char* const kGroupNames[] = {"L", "R", "J", "LI", "TR/DR", "PR/BR", "KR/GR", "INNE"};
    QString table = QStringLiteral("| group | nagłos | śródgłos | wygłos | any position |\n|---|---|---|---|---|\n");
    auto row = [&](const QString& name, quint16 group) {
        table += QStringLiteral("| %1 |").arg(name);
        for (quint16 position : {quint16(glos::Naglos), quint16(glos::Srodglos), quint16(glos::Wyglos),
                                 quint16(glos::Naglos | glos::Srodglos | glos::Wyglos)}) {
            int count = 0;
            for (const wordlist::Entry& entry : entries)
                count += !entry.contrast && (entry.flags & group) && (entry.flags & position);
            table += QStringLiteral(" %1 |").arg(count);
        }
        table += QLatin1Char('\n');
    };
    for (size_t i = 0; i < std::size(kGroups); ++i)
        row(QString::fromUtf8(kGroupNames[i]), kGroups[i]);
    row(QStringLiteral("Saucer (L with R or J)"), glos::Saucer);
    int practice = 0, contrast = 0;
    for (const wordlist::Entry& entry : entries)
        (entry.contrast ? contrast : practice) += 1;
    table += QStringLiteral("\nPractice words: %1. Differential words (contrast sound S): %2.\n").arg(practice).arg(contrast);
    return table;
}

}  // namespace wordcheck
