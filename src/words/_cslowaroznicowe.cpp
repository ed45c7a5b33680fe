// SPDX-License-Identifier: GPL-3.0-or-later
// The labyrinth's differential words (see _cslowaroznicowe.h).
#include "words/_cslowaroznicowe.h"

CSlowaRoznicowe::CSlowaRoznicowe()
{
    SetCandidates(ShippedWords(WordKind::Differential));
}
