// SPDX-License-Identifier: GPL-3.0-or-later
// Enlarging the whole interface on a screen larger than the design area. Qt takes its scale factor
// only when the application object is made, and the screen's size is known only from one, so the
// screen is measured first by a short-lived application and the factor set for the real one.
#pragma once

#include <QByteArray>

class InterfaceScale {
public:
    // Measures the primary screen, reads "Skala" from the settings start-up will read, and sets
    // Qt's factor for the application made next. Call before that application exists.
    InterfaceScale(int argc, char** argv);
    // Puts the environment as it was, once the application exists, so that programs started from
    // this one (a browser, a mail program) are not enlarged.
    void RestoreEnvironment();

private:
    bool changed_ = false;
    bool hadOwn_ = false;
    QByteArray own_;
};
