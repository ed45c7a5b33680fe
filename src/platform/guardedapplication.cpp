// SPDX-License-Identifier: GPL-3.0-or-later
// The application object that keeps exceptions out of Qt's event loops (see guardedapplication.h).
#include "guardedapplication.h"

#include <QTimer>

std::exception_ptr GuardedApplication::pending_;
bool GuardedApplication::exitIssued_ = false;

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        if (!pending_)
            pending_ = std::current_exception();
        // Leaves every running event loop, modal windows' included.
        exitIssued_ = true;
        QCoreApplication::exit(0);
        return true;
    }
}

void GuardedApplication::RethrowPending()
{
    if (pending_) {
        if (exitIssued_) {
            // After exit() every new event loop (a message box's too) would end at once until the
            // application's own loop has run; run it for a moment so the failure can be shown.
            exitIssued_ = false;
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
            QCoreApplication::exec();
        }
        std::exception_ptr e = pending_;
        pending_ = nullptr;
        std::rethrow_exception(e);
    }
}

bool GuardedApplication::HasPending()
{
    return pending_ != nullptr;
}
