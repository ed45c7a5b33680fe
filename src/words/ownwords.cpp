// SPDX-License-Identifier: GPL-3.0-or-later
// The own words' list file, their offer by the marking rule and the catalogue of the games
// (see ownwords.h).
#include "words/ownwords.h"

#include "platform/safefile.h"
#include "settings/_custgry.h"
#include "shell/ownwordfiles.h"
#include "words/soundmarks.h"
#include "words/wordcheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>

namespace {

const QChar kTab = QLatin1Char('\t');
const QString kWordKey = QStringLiteral("slowo");
const QString kOffKey = QStringLiteral("wylaczone");
const QString kOn = QStringLiteral("tak");
const QString kOff = QStringLiteral("nie");
// A list far longer than any therapist writes is not read into memory whole.
constexpr qint64 kMaxListBytes = 4 * 1024 * 1024;

const QByteArray kHeader =
    "# Własne słowa programu Brimbola i słowa programu wyłączone z gier. Plik tekstowy UTF-8,\n"
    "# jeden wpis w wierszu, pola rozdzielone tabulatorem:\n"
    "#   slowo<TAB>identyfikator<TAB>podział<TAB>tak|nie   (tak: słowo jest losowane w grach)\n"
    "#   wylaczone<TAB>nazwa słowa programu\n"
    "# Obrazki i nagranie słowa są w folderze Slowa/<identyfikator>.\n";


QString SpellingOf(const QString& split)
{
    return soundmarks::Spelling(soundmarks::Elements(split));
}

// A split as the list keeps it: known lower-case elements, each with its comma.
bool IsWellFormedSplit(const QString& split)
{
    if (split.isEmpty() || !split.endsWith(QLatin1Char(',')))
        return false;
    QStringList pieces = split.split(QLatin1Char(','));
    pieces.removeLast();
    for (const QString& piece : pieces) {
        const QString text = piece.startsWith(QLatin1Char('_')) ? piece.mid(1) : piece;
        if (!soundmarks::KnownElements().contains(text))
            return false;
    }
    return true;
}

}  // namespace

const OwnWord* OwnWordList::Find(const QString& id) const
{
    for (const OwnWord& word : words)
        if (word.id == id)
            return &word;
    return nullptr;
}

OwnWord* OwnWordList::Find(const QString& id)
{
    return const_cast<OwnWord*>(static_cast<const OwnWordList*>(this)->Find(id));
}

OwnWordList ParseOwnWords(const QByteArray& bytes, QStringList* problems)
{
    static const QRegularExpression builtInName(QStringLiteral("^[a-z]+$"));
    OwnWordList list;
    const QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    QString text;
    auto report = [&](int line, const QString& what) {
        list.unreadLines << text;
        if (problems)
            *problems << QStringLiteral("wiersz %1: %2").arg(line).arg(what);
    };
    QSet<QString> ids;
    for (int i = 0; i < lines.size(); ++i) {
        const int line = i + 1;
        text = lines[i];
        while (text.endsWith(QLatin1Char('\r')))
            text.chop(1);
        if (text.trimmed().isEmpty() || text.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = text.split(kTab);
        if (fields[0] == kWordKey && fields.size() == 4) {
            OwnWord word{fields[1], fields[2], fields[3] == kOn};
            const QString spelling = IsWellFormedSplit(word.split) ? SpellingOf(word.split) : QString();
            if (!ownfiles::IsOwnWordId(word.id))
                report(line, QStringLiteral("identyfikator „%1” jest niepoprawny").arg(word.id));
            else if (ids.contains(word.id))
                report(line, QStringLiteral("identyfikator %1 powtarza się").arg(word.id));
            else if (spelling.isEmpty())
                report(line, QStringLiteral("podział słowa %1 jest uszkodzony").arg(word.id));
            else if (fields[3] != kOn && fields[3] != kOff)
                report(line, QStringLiteral("słowo „%1”: zamiast „tak” lub „nie” jest „%2”").arg(spelling, fields[3]));
            else {
                ids.insert(word.id);
                list.words.push_back(word);
            }
        } else if (fields[0] == kOffKey && fields.size() == 2 && builtInName.match(fields[1]).hasMatch()) {
            if (!list.switchedOff.contains(fields[1]))
                list.switchedOff << fields[1];
        } else {
            report(line, QStringLiteral("nie można go odczytać"));
        }
    }
    return list;
}

QByteArray OwnWordsBytes(const OwnWordList& list)
{
    QByteArray bytes = kHeader;
    for (const OwnWord& word : list.words)
        bytes += (QStringList{kWordKey, word.id, word.split, word.on ? kOn : kOff}.join(kTab) + QLatin1Char('\n'))
                     .toUtf8();
    for (const QString& name : list.switchedOff)
        bytes += (kOffKey + kTab + name + QLatin1Char('\n')).toUtf8();
    for (const QString& line : list.unreadLines)
        bytes += (line + QLatin1Char('\n')).toUtf8();
    return bytes;
}

OwnListState ReadOwnWords(const QString& userFolder, OwnWordList& list, QStringList* problems)
{
    list = OwnWordList{};
    QFile file(userFolder + QLatin1Char('/') + QLatin1String(ownfiles::kListFile));
    if (!file.exists())
        return OwnListState::Missing;
    if (!file.open(QIODevice::ReadOnly)) {
        if (problems)
            *problems << QStringLiteral("nie można odczytać pliku %1").arg(QDir::toNativeSeparators(file.fileName()));
        return OwnListState::Damaged;
    }
    if (file.size() > kMaxListBytes) {
        if (problems)
            *problems << QStringLiteral("plik %1 jest za duży, by był listą słów").arg(QDir::toNativeSeparators(file.fileName()));
        return OwnListState::Damaged;
    }
    QStringList found;
    list = ParseOwnWords(file.readAll(), &found);
    if (problems)
        *problems << found;
    return found.isEmpty() ? OwnListState::Read : OwnListState::Damaged;
}

bool WriteOwnWords(const QString& userFolder, const OwnWordList& list)
{
    const QString path = userFolder + QLatin1Char('/') + QLatin1String(ownfiles::kListFile);
    return QDir().mkpath(QFileInfo(path).path()) && ReplaceFileContent(path, OwnWordsBytes(list));
}

QString NewOwnWordId(const OwnWordList& list)
{
    for (;;) {
        const QString id = QStringLiteral("own_%1").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        if (!list.Find(id))
            return id;
    }
}

QString ProposeSplit(const QString& spelling)
{
    static const QStringList digraphs = {"ch", "cz", "sz", "rz", "dz", "dż", "dź"};
    const QString word = spelling.toLower();
    QString letters;
    for (const QChar c : word)
        if (c.isLetter())
            letters += c;
    QString split;
    for (int i = 0; i < letters.size(); ++i) {
        const QString pair = letters.mid(i, 2);
        if (pair.size() == 2 && digraphs.contains(pair)) {
            split += pair + QLatin1Char(',');
            ++i;
        } else {
            split += letters[i] + QLatin1Char(',');
        }
    }
    return split;
}

OwnWordOffer OfferFor(const QString& split)
{
    OwnWordOffer offer;
    const QList<soundmarks::Element> elements = soundmarks::Elements(split);
    if (elements.isEmpty()) {
        offer.problems << QStringLiteral("Wpisz słowo.");
        return offer;
    }
    for (const soundmarks::Element& element : elements)
        if (!soundmarks::KnownElements().contains(element.text))
            offer.problems << QStringLiteral("„%1” nie jest polską literą ani dwuznakiem.").arg(element.text);
    const wordcheck::Limits limits = wordcheck::GameLimits();
    if (elements.size() > limits.pictureAndSay)
        offer.problems << QStringLiteral("Słowo ma %1 głosek, a gry pokazują najwyżej %2.")
                              .arg(elements.size())
                              .arg(limits.pictureAndSay);
    const QList<soundmarks::Mark> marks = soundmarks::Marks(elements);
    if (marks.isEmpty())
        offer.problems << QStringLiteral("Zaznacz głoskę, którą dziecko ćwiczy: kliknij l, r lub j.");
    for (const soundmarks::Mark& mark : marks) {
        if (mark.group != 0)
            continue;
        const QString& text = elements[mark.index].text;
        if (text == QStringLiteral("rz"))
            offer.problems << QStringLiteral("„rz” to nie głoska R (brzmi jak ż): zaznaczyć można tylko l, r i j.");
        else if (text == QStringLiteral("ł"))
            offer.problems << QStringLiteral("„ł” to nie głoska L: zaznaczyć można tylko l, r i j.");
        else
            offer.problems << QStringLiteral("Zaznaczyć można tylko l, r i j, a nie „%1”.").arg(text);
    }
    if (!offer.problems.isEmpty())
        return offer;

    // The largest block of groups x positions that the marks fill: every pair the menu may ask for
    // then has its sound in the word. Ties keep the first found (the earlier position).
    int best = 0;
    using soundmarks::kPositions;
    for (int subset = 1; subset < (1 << std::size(kPositions)); ++subset) {
        quint16 positions = 0;
        for (size_t p = 0; p < std::size(kPositions); ++p)
            if (subset & (1 << p))
                positions |= kPositions[p];
        quint16 groups = 0;
        for (quint16 group : soundmarks::kPracticeGroups) {
            bool everywhere = true;
            for (quint16 position : kPositions)
                if ((positions & position) && !soundmarks::HasMark(marks, group, position))
                    everywhere = false;
            if (everywhere)
                groups |= group;
        }
        const int score = qPopulationCount(groups) * qPopulationCount(positions);
        if (score > best) {
            best = score;
            offer.flags = groups | positions;
        }
    }
    // The saucer launches the marked l, r and j: a word holding l with r or j, if its boxes fit.
    if (soundmarks::HoldsSaucerLetters(elements, marks) && elements.size() <= limits.saucer)
        offer.flags |= glos::Saucer;
    return offer;
}

std::vector<SPaczka> PlayableWords(const OwnWordList& list, const QString& userFolder, QStringList* problems)
{
    std::vector<SPaczka> words;
    for (SPaczka& word : ShippedWords(WordKind::Practice))
        if (!list.IsSwitchedOff(word.Name))
            words.push_back(std::move(word));
    for (const OwnWord& own : list.words) {
        if (!own.on || !ownfiles::HasRecording(userFolder, own.id))
            continue;  // the adult sees why in the words view; nothing to tell the child's program
        const QString spelling = SpellingOf(own.split);
        const OwnWordOffer offer = OfferFor(own.split);
        if (!offer.problems.isEmpty()) {
            if (problems)
                *problems << QStringLiteral("słowo „%1”: %2").arg(spelling, offer.problems.join(QLatin1Char(' ')));
            continue;
        }
        if (!ownfiles::HasAllPictures(userFolder, own.id)) {
            if (problems)
                *problems << QStringLiteral("słowo „%1”: brak obrazka w folderze %2")
                                 .arg(spelling, QDir::toNativeSeparators(ownfiles::WordFolder(userFolder, own.id)));
            continue;
        }
        words.push_back(MakeWord(own.id, own.split, offer.flags));
    }
    return words;
}
