// SPDX-License-Identifier: GPL-3.0-or-later
// Every word and phrase the games say (see spokenitems.h).
#include "spokenitems.h"

#include "voice/phraselist.h"
#include "voice/shippedphrases.h"
#include "words/shippedwordlist.h"
#include "words/wordlist.h"

namespace {
const QString kWordFolder = QStringLiteral("Data/Smd/");
const QString kPhraseFolder = QStringLiteral("Data/Intf/Smd/");
const QString kSoundExtension = QStringLiteral(".pw");

void AddPhrases(std::vector<SpokenItem>& items, SpokenGroup group, const QString& list)
{
    for (const phraselist::Entry& entry : phraselist::Parse(list))
        items.push_back({group, entry.text, kPhraseFolder + entry.name + kSoundExtension});
}
}  // namespace

std::vector<SpokenItem> SpokenItemsFrom(const QString& wordList, const QString& praise, const QString& tryAgain)
{
    std::vector<SpokenItem> items;
    // Practice and differential words alike: the games say both.
    for (const wordlist::Entry& entry : wordlist::Parse(wordList))
        items.push_back({SpokenGroup::Words, entry.spoken, kWordFolder + entry.name + kSoundExtension});
    AddPhrases(items, SpokenGroup::Praise, praise);
    AddPhrases(items, SpokenGroup::TryAgain, tryAgain);
    return items;
}

std::vector<SpokenItem> ShippedSpokenItems()
{
    return SpokenItemsFrom(QString::fromUtf8(kShippedWordList), QString::fromUtf8(kShippedPraise),
                           QString::fromUtf8(kShippedTryAgain));
}

QString GroupCaption(SpokenGroup group)
{
    switch (group) {
    case SpokenGroup::Words:
        return QStringLiteral("Słowa");
    case SpokenGroup::Praise:
        return QStringLiteral("Pochwały");
    case SpokenGroup::TryAgain:
        return QStringLiteral("Spróbuj jeszcze raz");
    }
    return {};
}
