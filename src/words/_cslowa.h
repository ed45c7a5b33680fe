// SPDX-License-Identifier: GPL-3.0-or-later
// The practice words the games share: the word record, the random draw of one game's words without
// repetition, and the word catalogue that picks its candidates by a game's settings.
#pragma once

#include <QImage>
#include <QString>
#include <vector>

class CUstGry;

// One word with its letter split, sound-group and position flags, sound file and pictures.
struct SPaczka {
    // In a drawn word this bit means "not yet dealt with by the child"; in the catalogue the same bit
    // is the flying saucer's sound group.
    static constexpr quint16 kPending = 0x0800;

    QString Name;          // ASCII spelling, the base of the word's file names ("lezak")
    quint16 Flags = 0;     // the bits of glos:: in _custgry.h
    QImage SmallPicture;   // empty until loaded
    QImage BigPicture;     // empty until loaded
    QString SoundPath;     // "Data/Smd/" + Name + ".pw", relative to the program folder
    QString Split;         // letters each followed by ","; "_" marks a practised sound: "_l,a,s,"

    bool IsPending() const { return (Flags & kPending) != 0; }
};

// A word made from its name, split and flags, with its sound path and no pictures.
SPaczka MakeWord(const QString& name, const QString& split, quint16 flags);

// The words of the word list built into the program: the practice words (the catalogue) or the
// differential words, in the list's order.
enum class WordKind { Practice, Differential };
std::vector<SPaczka> ShippedWords(WordKind kind);

// Candidates and the words drawn from them for one game. Shared by the word catalogue and the
// differential words so that both draw in the same way.
class CZestawSlow {
public:
    int CandidateCount() const { return static_cast<int>(candidates_.size()); }
    // Throws std::out_of_range outside 0..CandidateCount()-1.
    const SPaczka& Candidate(int i) const;

    // Draws n different candidates at random, in drawing order, each with the pending mark set; the
    // previous draw and its pictures are dropped first. False, with nothing drawn, when there are
    // fewer than n candidates or n is negative.
    bool DrawWords(int n);
    int DrawnCount() const { return static_cast<int>(drawn_.size()); }
    // Throws std::out_of_range outside 0..DrawnCount()-1.
    const SPaczka& Drawn(int i) const;
    // The child has dealt with drawn word i. Throws std::out_of_range like Drawn.
    void ClearPending(int i);
    // Drawn word i waits for the child again. Throws std::out_of_range like Drawn.
    void SetPending(int i);
    // True when no drawn word still waits for the child (also when nothing is drawn).
    bool AllDealtWith() const;

    // Loads the small ("_shs.xji") or big ("_shb.xji") picture of every drawn word from Data/Bion of
    // the working folder. A missing file leaves that word's picture empty and makes the result
    // false; the other words still load. A file that cannot be decoded throws ImageError.
    bool LoadSmallPictures();
    bool LoadBigPictures();

protected:
    void SetCandidates(std::vector<SPaczka> candidates);
    void ClearDrawn();

private:
    bool LoadPictures(const QString& suffix, QImage SPaczka::*picture);

    std::vector<SPaczka> candidates_;
    std::vector<SPaczka> drawn_;
};

// The catalogue of practice words of this edition, and the candidates a game's settings select.
class CSlowa : public CZestawSlow {
public:
    CSlowa();
    // Another catalogue, for trying the program's rules on more words than this edition has.
    explicit CSlowa(std::vector<SPaczka> catalogue) : catalogue_(std::move(catalogue)) {}

    const std::vector<SPaczka>& Catalogue() const { return catalogue_; }
    // Candidates become the catalogue words that share at least one sound-group bit (Gloski) and
    // one position bit (Pozycja) with the settings, in catalogue order; the drawn list is emptied.
    void SelectBySettings(const CUstGry& settings);

private:
    std::vector<SPaczka> catalogue_;
};
