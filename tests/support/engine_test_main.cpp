// SPDX-License-Identifier: GPL-3.0-or-later
// Entry point of the engine tests: GoogleTest inside a Qt application without widgets (pictures and
// fonts need the GUI module only), on the offscreen screen of offscreen.h.
#include "support/offscreen.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    const auto folders = UseOffscreenScreen();
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
