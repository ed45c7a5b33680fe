// SPDX-License-Identifier: GPL-3.0-or-later
// The settings of one game: how many tasks it gives and which sound groups and sound positions its
// words are drawn from. Five records, one per game, live for the whole run.
#pragma once

#include <QString>

class IniFile;

// Sound groups (Gloski) and positions (Pozycja); a word's flags use the same bits.
namespace glos {
constexpr qint16 L = 0x0001, R = 0x0002, J = 0x0004, LI = 0x0008, TRDR = 0x0010, KRGR = 0x0020,
                 PRBR = 0x0040, INNE = 0x0080, Saucer = 0x0800;
constexpr qint16 Naglos = 0x1000, Srodglos = 0x2000, Wyglos = 0x4000;
}  // namespace glos

class CUstGry {
public:
    explicit CUstGry(QString name);

    // Reads "Gloski", "Poziom", "Pozycja" of this record's section, each defaulting to its current
    // value; values are kept as they are, cut to 16 bits.
    bool Load(const IniFile& ini);
    // Back to the values of a fresh start.
    void Reset();

    bool IsPoziom(int level) const { return Poziom == level; }
    bool HasPozycja(int mask) const { return (Pozycja & mask) != 0; }
    bool HasGloski(int mask) const { return (Gloski & mask) != 0; }

    QString Name;
    qint16 Poziom = 1;   // 1 few, 2 medium, 3 many tasks
    qint16 Pozycja = 0;
    qint16 Gloski = 0;
};

extern CUstGry UstOdglosy;   // sounds game
extern CUstGry UstSelector;  // picture-and-say
extern CUstGry UstTaipei;    // tile pairs
extern CUstGry UstHitmen;    // flying saucer
extern CUstGry UstLabirynt;  // labyrinth
