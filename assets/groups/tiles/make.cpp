// SPDX-License-Identifier: GPL-3.0-or-later
// Generator of the tile game's pictures: the play table and the tile with its mask.
#include "assetkit.h"
#include "tiles.h"

int main(int argc, char** argv)
{
    return kit::Main(argc, argv, tiles::Make);
}
