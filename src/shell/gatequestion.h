// SPDX-License-Identifier: GPL-3.0-or-later
// The question of the adult's gate: a number written in Polish words that must be typed in digits
// ("Wpisz liczbę: czterdzieści dwa" -> 42). A young child who cannot read long words cannot answer
// it, and with hundreds of possible numbers cannot hit it by trying.
#pragma once

#include <QString>

class RandomSource;

class GateQuestion {
public:
    static constexpr int kSmallest = 101, kLargest = 999;

    // A new question from the program's random source.
    void Next(RandomSource& random);
    void Set(int number) { number_ = number; }
    int Number() const { return number_; }
    // "Wpisz liczbę: sto czterdzieści dwa"
    QString Text() const;
    // True when `typed` is the number in digits (spaces around it allowed).
    bool Accepts(const QString& typed) const;

private:
    int number_ = kSmallest;
};

// A number from 1 to 999 in Polish words ("dziewięćset dwanaście").
QString PolishNumberWords(int number);
