// SPDX-License-Identifier: GPL-3.0-or-later
// Entry point of the test programs of windows: GoogleTest inside a Qt widget application on the
// offscreen screen of offscreen.h.
#include "platform/guardedapplication.h"
#include "platform/keystate.h"
#include "support/offscreen.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    const auto folders = UseOffscreenScreen();
    GuardedApplication app(argc, argv);
    KeyState::Install();
    return RUN_ALL_TESTS();
}
