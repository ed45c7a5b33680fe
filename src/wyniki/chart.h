// SPDX-License-Identifier: GPL-3.0-or-later
// The chart of the share correct per week, one line per sound group, for the window and the report.
#pragma once

#include "grouping.h"

#include <QChart>

// Replaces what `chart` shows by `series`; an empty list leaves an empty chart that says so.
void FillWeeklyChart(QChart& chart, const std::vector<WeekSeries>& series);
