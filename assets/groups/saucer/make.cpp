// SPDX-License-Identifier: GPL-3.0-or-later
// Generator of the flying-saucer game's pictures: the sky and the saucer.
#include "assetkit.h"
#include "saucer.h"

int main(int argc, char** argv)
{
    return kit::Main(argc, argv, saucer::Make);
}
