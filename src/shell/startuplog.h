// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up timing for measuring: milestones are logged under the category "brimbola.startup"
// (enable with QT_LOGGING_RULES="brimbola.startup.info=true").
#pragma once

void LogStartupMilestone(const char* what);
