// SPDX-License-Identifier: GPL-3.0-or-later
// The one-page PDF report for the child's documentation: what was shown, the summary table and the
// weekly chart.
#pragma once

#include "grouping.h"

#include <QString>

class SummaryModel;

struct ReportInput {
    QString fileName;
    QString filterText;
    const SummaryModel& summary;
    std::vector<WeekSeries> weekly;
};

// Writes the report to `path` (an A4 PDF page); false when it could not be written.
bool WriteReport(const QString& path, const ReportInput& input);
