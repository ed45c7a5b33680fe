// SPDX-License-Identifier: GPL-3.0-or-later
// Every word and phrase the games say (see spokenitems.h).
#include "spokenitems.h"

#include "settings/groupnames.h"
#include "voice/phraselist.h"
#include "voice/shippedphrases.h"
#include "words/shippedwordlist.h"
#include "words/wordlist.h"

#include <QCollator>
#include <QLocale>
#include <QStringList>
#include <algorithm>

namespace {
const QString kWordFolder = QStringLiteral("Data/Smd/");
const QString kPhraseFolder = QStringLiteral("Data/Intf/Smd/");
const QString kSoundExtension = QStringLiteral(".pw");

constexpr int kContrastSection = int(std::size(glos::kGroupNames));
const QString kContrastCaption = QStringLiteral("Słowa do rozróżniania");

void AddPhrases(std::vector<SpokenItem>& items, const QString& section, const QString& list)
{
    for (const phraselist::Entry& entry : phraselist::Parse(list))
        items.push_back({section, {}, entry.text, kPhraseFolder + entry.name + kSoundExtension});
}

// The letter without its Polish mark ("ż" -> "z", "ł" -> "l"), lower case.
QChar Bare(QChar letter)
{
    const QChar lower = letter.toLower();
    if (lower == u'ł')
        return u'l';
    return QString(lower).normalized(QString::NormalizationForm_D).at(0);
}
}  // namespace

std::vector<SpokenItem> SpokenItemsFrom(const QString& wordList, const QString& praise, const QString& tryAgain)
{
    struct Word {
        int section;
        SpokenItem item;
    };
    std::vector<Word> words;
    // Practice and differential words alike: the games say both.
    for (const wordlist::Entry& entry : wordlist::Parse(wordList)) {
        Word word{kContrastSection, {kContrastCaption, {}, entry.spoken, kWordFolder + entry.name + kSoundExtension}};
        QStringList groups;
        for (int g = int(std::size(glos::kGroupNames)) - 1; g >= 0; --g)
            if (entry.flags & glos::kGroupNames[g].bit) {
                word.section = g;
                groups.prepend(QString::fromUtf8(glos::kGroupNames[g].name));
            }
        if (!entry.contrast) {
            word.item.section = groups.first();
            word.item.groups = groups.join(QStringLiteral(", "));
        }
        words.push_back(word);
    }
    QCollator polish{QLocale(QLocale::Polish, QLocale::Poland)};
    std::stable_sort(words.begin(), words.end(), [&](const Word& a, const Word& b) {
        return a.section != b.section ? a.section < b.section : polish.compare(a.item.text, b.item.text) < 0;
    });
    std::vector<SpokenItem> items;
    for (Word& word : words)
        items.push_back(std::move(word.item));
    AddPhrases(items, QStringLiteral("Pochwały"), praise);
    AddPhrases(items, QStringLiteral("Spróbuj jeszcze raz"), tryAgain);
    return items;
}

std::vector<SpokenItem> ShippedSpokenItems()
{
    return SpokenItemsFrom(QString::fromUtf8(kShippedWordList), QString::fromUtf8(kShippedPraise),
                           QString::fromUtf8(kShippedTryAgain));
}

bool MatchesSearch(const QString& text, const QString& typed)
{
    const QString wanted = typed.trimmed();
    const auto same = [](QChar typedLetter, QChar letter) {
        const QChar lower = typedLetter.toLower();
        return lower == letter.toLower() || lower == Bare(letter);
    };
    for (qsizetype at = 0; at + wanted.size() <= text.size(); ++at) {
        qsizetype i = 0;
        while (i < wanted.size() && same(wanted[i], text[at + i]))
            ++i;
        if (i == wanted.size())
            return true;
    }
    return false;
}
