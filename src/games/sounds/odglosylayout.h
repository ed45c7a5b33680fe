// SPDX-License-Identifier: GPL-3.0-or-later
// The sounds game's nine things and where they hide in its picture at both screen sizes. The game
// makes its hidden objects at these places and the generator cuts their pictures from the scene
// here, so a shown object always sits exactly on the scene it came from.
#pragma once

#include <QRect>
#include <array>

// One thing of the game: its name, the short code of its files and the word its sound button shows.
struct SoundThing {
    const char* name;
    const char* code;
    const char* label;
};

inline constexpr std::array<SoundThing, 9> kSoundThings{{
    {"balon", "bln", "trach"},
    {"swinia", "swn", "chrum"},
    {"kon", "wzn", "prrr"},
    {"traktor", "tkr", "pra"},
    {"ptakczarny", "krk", "kra"},
    {"ptakbialy", "glb", "gruchu"},
    {"traba", "tbk", "tratata"},
    {"pies", "ps", "wrrr"},
    {"auto", "smd", "brum"},
}};

// A hiding place: the rectangle of the object's pictures (top-left where the game puts it).
struct SoundsHidingPlace {
    const char* name;
    QRect small;  // 800 x 600
    QRect big;    // 1024 x 768
};

// The big places are the small ones scaled by 1.28 (the scene is one drawing at both sizes); the
// dog's and the trumpet's corners are the long-standing ones. All keep clear of each other, of the
// sound buttons (from y 424 / 554 down) and of the help and stop buttons on the right.
// Before the kennel; beside it, by the bowl; in the apple tree; in the sky under the left cloud;
// under the right cloud; among the flowers; leaping the fence; on the tree stump; on the far hill.
inline constexpr SoundsHidingPlace kHidingDog{"pies", QRect(479, 295, 120, 110), QRect(616, 378, 154, 141)};
inline constexpr SoundsHidingPlace kHidingCar{"auto", QRect(606, 318, 102, 90), QRect(776, 407, 131, 115)};
inline constexpr SoundsHidingPlace kHidingBlackBird{"ptakczarny", QRect(40, 40, 96, 90), QRect(51, 51, 123, 115)};
inline constexpr SoundsHidingPlace kHidingWhiteBird{"ptakbialy", QRect(185, 105, 100, 80), QRect(237, 134, 128, 102)};
inline constexpr SoundsHidingPlace kHidingBalloon{"balon", QRect(395, 75, 80, 110), QRect(506, 96, 102, 141)};
inline constexpr SoundsHidingPlace kHidingPig{"swinia", QRect(300, 300, 115, 105), QRect(384, 384, 147, 134)};
inline constexpr SoundsHidingPlace kHidingHorse{"kon", QRect(165, 190, 125, 120), QRect(211, 243, 160, 154)};
inline constexpr SoundsHidingPlace kHidingTrumpet{"traba", QRect(110, 314, 120, 100), QRect(142, 403, 154, 128)};
inline constexpr SoundsHidingPlace kHidingTractor{"traktor", QRect(655, 150, 115, 100), QRect(838, 192, 147, 128)};

// In the order of the game's slots.
inline constexpr std::array<SoundsHidingPlace, 9> kHidingPlaces{
    kHidingDog,   kHidingCar,   kHidingBlackBird, kHidingWhiteBird, kHidingBalloon,
    kHidingPig,   kHidingHorse, kHidingTrumpet,   kHidingTractor};
