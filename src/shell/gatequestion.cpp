// SPDX-License-Identifier: GPL-3.0-or-later
// The question of the adult's gate (see gatequestion.h).
#include "gatequestion.h"

#include "platform/services.h"

#include <QStringList>

namespace {
const char* const kUnits[] = {"",     "jeden",  "dwa",   "trzy",   "cztery",
                              "pięć", "sześć", "siedem", "osiem", "dziewięć"};
const char* const kTeens[] = {"dziesięć",     "jedenaście",   "dwanaście",      "trzynaście",    "czternaście",
                              "piętnaście",   "szesnaście",   "siedemnaście",   "osiemnaście",   "dziewiętnaście"};
const char* const kTens[] = {"",           "",              "dwadzieścia",    "trzydzieści",    "czterdzieści",
                             "pięćdziesiąt", "sześćdziesiąt", "siedemdziesiąt", "osiemdziesiąt", "dziewięćdziesiąt"};
const char* const kHundreds[] = {"",         "sto",      "dwieście",  "trzysta",   "czterysta",
                                 "pięćset", "sześćset", "siedemset", "osiemset", "dziewięćset"};
}  // namespace

QString PolishNumberWords(int number)
{
    QStringList words;
    const int hundreds = number / 100 % 10, tens = number / 10 % 10, units = number % 10;
    if (hundreds > 0)
        words << QString::fromUtf8(kHundreds[hundreds]);
    if (tens == 1) {
        words << QString::fromUtf8(kTeens[units]);
    } else {
        if (tens > 1)
            words << QString::fromUtf8(kTens[tens]);
        if (units > 0)
            words << QString::fromUtf8(kUnits[units]);
    }
    return words.join(QLatin1Char(' '));
}

void GateQuestion::Next(RandomSource& random)
{
    // Never the same number twice in a row, so a wrong try always meets a new question.
    const int old = number_;
    do
        number_ = kSmallest + random.Below(kLargest - kSmallest + 1);
    while (number_ == old);
}

QString GateQuestion::Text() const
{
    return QStringLiteral("Wpisz liczbę: ") + PolishNumberWords(number_);
}

bool GateQuestion::Accepts(const QString& typed) const
{
    const QString digits = typed.trimmed();
    bool number = false;
    const int value = digits.toInt(&number);
    // Digits only: "+42" or "0x2a" are no answer a person types for the words.
    for (QChar c : digits)
        if (!c.isDigit())
            return false;
    return number && value == number_;
}
