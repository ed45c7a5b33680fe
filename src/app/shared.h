// SPDX-License-Identifier: GPL-3.0-or-later
// The objects the whole program shares, made once at start-up and destroyed at its end: the word
// stores, the statistics and the end-of-game summary every game shows. The windows get them handed
// over; only start-up and tests reach them here.
#pragma once

#include <memory>

class CSlowa;
class CSlowaRoznicowe;
class CStatRec;
class TfmKoniecGry;

extern std::unique_ptr<CSlowa> Slowa;
extern std::unique_ptr<CSlowaRoznicowe> SlowaRoznicowe;
extern std::unique_ptr<CStatRec> StatRec;
extern std::unique_ptr<TfmKoniecGry> FormKoniecGry;
