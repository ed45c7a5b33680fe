// SPDX-License-Identifier: GPL-3.0-or-later
// Whether the space bar is held right now, for the games that poll it on a timer. Kept from the
// application's key presses and releases (auto-repeat ignored).
#pragma once

#include <QObject>

class KeyState : public QObject {
    Q_OBJECT
public:
    // Starts watching the application's key events; call once after the application exists.
    static void Install();
    static bool IsSpaceDown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static bool spaceDown_;
};
