// SPDX-License-Identifier: GPL-3.0-or-later
// Whether the space bar is held (see keystate.h).
#include "keystate.h"

#include <QCoreApplication>
#include <QKeyEvent>

bool KeyState::spaceDown_ = false;

void KeyState::Install()
{
    static KeyState* watcher = nullptr;
    if (watcher || !QCoreApplication::instance())
        return;
    watcher = new KeyState;
    watcher->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(watcher);
}

bool KeyState::IsSpaceDown()
{
    return spaceDown_;
}

bool KeyState::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Space && !key->isAutoRepeat())
            spaceDown_ = event->type() == QEvent::KeyPress;
        break;
    }
    case QEvent::ApplicationDeactivate:
        // The release would go to another program.
        spaceDown_ = false;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
