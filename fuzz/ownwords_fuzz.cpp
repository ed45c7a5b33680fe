// SPDX-License-Identifier: GPL-3.0-or-later
// The list of own words Slowa/slowa.txt as the games and the results viewer read it: reading never
// changes the file, every word read has a well-formed id and split, nothing read is lost when the
// list is written back, and a list written back reads as the same list.
#include "fuzzsupport.h"

#include "shell/ownwordfiles.h"
#include "words/ownwords.h"
#include "words/soundmarks.h"

#include <QSet>

FUZZ_TARGET(ownwords)
{
    const ScratchFolder folder;
    const QByteArray bytes = FuzzBytes(data, size);
    const QString path = folder.Put(QString::fromLatin1(ownfiles::kListFile), bytes);
    OwnWordList list;
    QStringList problems;
    const OwnListState state = ReadOwnWords(folder.Path(), list, &problems);
    FUZZ_CHECK(ReadAll(path) == bytes);
    FUZZ_CHECK((state == OwnListState::Damaged) == !problems.isEmpty());
    QSet<QString> ids;
    for (const OwnWord& word : list.words) {
        FUZZ_CHECK(ownfiles::IsOwnWordId(word.id));
        FUZZ_CHECK(!ids.contains(word.id));
        ids.insert(word.id);
        FUZZ_CHECK(!soundmarks::Elements(word.split).isEmpty());
        // The offer of any split read is computed without harm; a word whose marks fit no group
        // simply has none.
        const OwnWordOffer offer = OfferFor(word.split);
        FUZZ_CHECK(offer.problems.isEmpty() || offer.flags == 0);
        // Its files are always inside its own folder.
        FUZZ_CHECK(WordFile("Data/Smd/" + word.id + ".pw").endsWith("Slowa/" + word.id + "/" + word.id + ".pw"));
    }
    const OwnWordList again = ParseOwnWords(OwnWordsBytes(list));
    FUZZ_CHECK(OwnWordsBytes(again) == OwnWordsBytes(list));
    FUZZ_CHECK(again.words.size() == list.words.size());
    return 0;
}
