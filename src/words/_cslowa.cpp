// SPDX-License-Identifier: GPL-3.0-or-later
// The practice words and their random draw (see _cslowa.h).
#include "words/_cslowa.h"
#include "shell/ownwordfiles.h"

#include "settings/_custgry.h"
#include "words/shippedwordlist.h"
#include "words/wordlist.h"
#include "platform/imagefiles.h"
#include "platform/services.h"
#include "platform/timeservice.h"

#include <QDateTime>
#include <QFileInfo>
#include <stdexcept>
#include <string>
#include <utility>

namespace {
const QString kSoundFolder = QStringLiteral("Data/Smd/");
const QString kSoundExtension = QStringLiteral(".pw");
const QString kPictureFolder = QStringLiteral("Data/Bion/");
const QString kSmallPictureSuffix = QStringLiteral("_shs.xji");
const QString kBigPictureSuffix = QStringLiteral("_shb.xji");

// Which bits of a word's flags each half of a game's settings speaks about: a stray bit in one
// half of a settings file must not select words through the other half.
constexpr quint16 kGroupBits = glos::L | glos::R | glos::J | glos::LI | glos::TRDR | glos::KRGR | glos::PRBR
                               | glos::INNE | glos::Saucer;
constexpr quint16 kPositionBits = glos::Naglos | glos::Srodglos | glos::Wyglos;

void CheckIndex(int i, int count, const char* what)
{
    if (i < 0 || i >= count)
        throw std::out_of_range(std::string(what) + " index " + std::to_string(i) + " outside 0.."
                                + std::to_string(count - 1));
}
}  // namespace

SPaczka MakeWord(const QString& name, const QString& split, quint16 flags)
{
    SPaczka word;
    word.Name = name;
    word.Flags = flags;
    word.SoundPath = kSoundFolder + name + kSoundExtension;
    word.Split = split;
    return word;
}

const SPaczka& CZestawSlow::Candidate(int i) const
{
    CheckIndex(i, CandidateCount(), "candidate");
    return candidates_[static_cast<size_t>(i)];
}

const SPaczka& CZestawSlow::Drawn(int i) const
{
    CheckIndex(i, DrawnCount(), "drawn word");
    return drawn_[static_cast<size_t>(i)];
}

void CZestawSlow::ClearPending(int i)
{
    CheckIndex(i, DrawnCount(), "drawn word");
    drawn_[static_cast<size_t>(i)].Flags &= static_cast<quint16>(~SPaczka::kPending);
}

void CZestawSlow::SetPending(int i)
{
    CheckIndex(i, DrawnCount(), "drawn word");
    drawn_[static_cast<size_t>(i)].Flags |= SPaczka::kPending;
}

bool CZestawSlow::AllDealtWith() const
{
    for (const SPaczka& word : drawn_)
        if (word.IsPending())
            return false;
    return true;
}

void CZestawSlow::SetCandidates(std::vector<SPaczka> candidates)
{
    candidates_ = std::move(candidates);
}

void CZestawSlow::ClearDrawn()
{
    drawn_.clear();  // the pictures go with the words
}

bool CZestawSlow::DrawWords(int n)
{
    ClearDrawn();
    const int count = CandidateCount();
    if (n < 0 || n > count)
        return false;
    // Every new game gets a different choice, also after a restart of the program.
    Random().Seed(static_cast<quint32>(Time().UtcNow().toSecsSinceEpoch()));
    // The marks live beside the candidates, so a candidate keeps its catalogue flags (the saucer
    // group shares the bit with the pending mark).
    std::vector<bool> taken(static_cast<size_t>(count), false);
    drawn_.reserve(static_cast<size_t>(n));
    for (int k = 0; k < n; ++k) {
        int pick = Random().Below(count);
        while (taken[static_cast<size_t>(pick)])
            pick = (pick + 1) % count;
        taken[static_cast<size_t>(pick)] = true;
        SPaczka word = candidates_[static_cast<size_t>(pick)];
        word.Flags |= SPaczka::kPending;
        drawn_.push_back(std::move(word));
    }
    return true;
}

bool CZestawSlow::LoadPictures(const QString& suffix, QImage SPaczka::*picture)
{
    bool all = true;
    for (SPaczka& word : drawn_) {
        word.*picture = QImage();
        const QString path = WordFile(kPictureFolder + word.Name + suffix);
        if (!QFileInfo(path).isFile()) {
            all = false;
            continue;
        }
        word.*picture = DecodeJpegFile(path);
    }
    return all;
}

bool CZestawSlow::LoadSmallPictures()
{
    return LoadPictures(kSmallPictureSuffix, &SPaczka::SmallPicture);
}

bool CZestawSlow::LoadBigPictures()
{
    return LoadPictures(kBigPictureSuffix, &SPaczka::BigPicture);
}

std::vector<SPaczka> ShippedWords(WordKind kind)
{
    // Read once: the list is built into the program and the word tests read it, so a mistake in
    // it never reaches a child; should it still fail, start-up reports the error.
    static const QList<wordlist::Entry> entries = wordlist::Parse(QString::fromUtf8(kShippedWordList));
    std::vector<SPaczka> words;
    for (const wordlist::Entry& entry : entries)
        if (entry.contrast == (kind == WordKind::Differential))
            words.push_back(MakeWord(entry.name, entry.split, entry.flags));
    return words;
}

CSlowa::CSlowa() : catalogue_(ShippedWords(WordKind::Practice)) {}

void CSlowa::SelectBySettings(const CUstGry& settings)
{
    const quint16 groups = static_cast<quint16>(settings.Gloski) & kGroupBits;
    const quint16 positions = static_cast<quint16>(settings.Pozycja) & kPositionBits;
    std::vector<SPaczka> candidates;
    for (const SPaczka& word : catalogue_)
        if ((word.Flags & positions) != 0 && (word.Flags & groups) != 0)
            candidates.push_back(word);
    SetCandidates(std::move(candidates));
    ClearDrawn();
}
