// SPDX-License-Identifier: GPL-3.0-or-later
// The sound groups and positions as the menu and the adult's program name them, in the menu's order
// (the flying saucer's group last): one table for every list, heading and filter that shows them.
#pragma once

#include "settings/_custgry.h"

struct MaskName {
    quint16 bit;
    const char* name;  // UTF-8
};

namespace glos {
inline constexpr MaskName kGroupNames[] = {
    {quint16(L), "L"},         {quint16(R), "R"},       {quint16(J), "J"},
    {quint16(LI), "LI"},       {quint16(TRDR), "TR/DR"}, {quint16(PRBR), "PR/BR"},
    {quint16(KRGR), "KR/GR"},  {quint16(INNE), "inne"},  {quint16(Saucer), "L+R/J"},
};
inline constexpr MaskName kPositionNames[] = {
    {quint16(Naglos), "nagłos"}, {quint16(Srodglos), "śródgłos"}, {quint16(Wyglos), "wygłos"}};
}  // namespace glos
