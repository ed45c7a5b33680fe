// SPDX-License-Identifier: GPL-3.0-or-later
// The objects the whole program shares (see shared.h).
#include "shared.h"

#include "results/Koniecgry.h"
#include "results/_cstatrec.h"
#include "words/_cslowa.h"
#include "words/_cslowaroznicowe.h"

std::unique_ptr<CSlowa> Slowa;
std::unique_ptr<CSlowaRoznicowe> SlowaRoznicowe;
std::unique_ptr<CStatRec> StatRec;
std::unique_ptr<TfmKoniecGry> FormKoniecGry;
