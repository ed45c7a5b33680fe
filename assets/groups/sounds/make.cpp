// SPDX-License-Identifier: GPL-3.0-or-later
// Generator of the sounds game's pictures: the scene, its hidden objects and the sound buttons.
#include "assetkit.h"
#include "sounds.h"

int main(int argc, char** argv)
{
    return kit::Main(argc, argv, sounds::Make);
}
