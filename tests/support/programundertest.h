// SPDX-License-Identifier: GPL-3.0-or-later
// The whole program started in this test process: a temporary program folder, fake time, silent
// recorded sound, recorded message boxes, and the real start-up sequence and windows on the offscreen
// screen. Tests drive it with real mouse and key events.
#pragma once

#include "menu/Fmmain.h"
#include "app/startup.h"
#include "support/fakes.h"
#include "support/programfolder.h"

#include <QTemporaryDir>

class ProgramUnderTest {
public:
    // `userFolder`: where an installed copy writes (its user's folder); none for a portable copy.
    explicit ProgramUnderTest(ProgramFolder::Assets assets = ProgramFolder::Assets::Generated,
                              const QString& userFolder = QString());
    ~ProgramUnderTest();

    // The start-up sequence up to the event loop, then the splash hand-over. False when start-up
    // ended the program (the message it showed is in `boxes`).
    bool Start();
    TFormMain* Main() const { return startup.MainWindow(); }

    const QString startDir;
    ProgramFolder folder;
    TestServices services;
    RecordingMessageBoxes boxes;
    QTemporaryDir lockFolder;
    Startup startup;
};
