// SPDX-License-Identifier: GPL-3.0-or-later
// The labyrinth's differential words: words whose marked sound (S) contrasts with the practised
// groups, so the child must tell the sounds apart. All of them are always candidates.
#pragma once

#include "words/_cslowa.h"

class CSlowaRoznicowe : public CZestawSlow {
public:
    CSlowaRoznicowe();
    // Other words, for trying the draw on a list of known size.
    explicit CSlowaRoznicowe(std::vector<SPaczka> words) { SetCandidates(std::move(words)); }
};
