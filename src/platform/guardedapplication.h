// SPDX-License-Identifier: GPL-3.0-or-later
// The application object. An exception that escapes an event handler (a CBlad raised while the
// child plays, say) must not unwind through Qt: it is kept, every event loop is left, and start-up
// rethrows it where failures are shown and the program ends.
#pragma once

#include <QApplication>
#include <exception>

class GuardedApplication : public QApplication {
    Q_OBJECT
public:
    GuardedApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Rethrows the exception an event handler left, if any, and forgets it.
    static void RethrowPending();
    static bool HasPending();

private:
    static std::exception_ptr pending_;
    static bool exitIssued_;
};
