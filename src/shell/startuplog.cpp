// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up timing milestones (see startuplog.h).
#include "startuplog.h"

#include <QElapsedTimer>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcStartup, "brimbola.startup", QtWarningMsg)

namespace {
// Started by the first milestone's static initialisation, i.e. as early as the program runs.
QElapsedTimer& Since()
{
    static QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer;
}
[[maybe_unused]] const bool started = (Since(), true);
}  // namespace

void LogStartupMilestone(const char* what)
{
    qCInfo(lcStartup, "%s after %lld ms", what, static_cast<long long>(Since().elapsed()));
}
