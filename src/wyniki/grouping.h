// SPDX-License-Identifier: GPL-3.0-or-later
// What the viewer makes of the records: the names of sound groups and positions, the filter, the
// summary by sound group and position with its trend, and the share correct per week for the chart.
#pragma once

#include "settings/groupnames.h"
#include "statfile.h"

#include <QDate>
#include <QTimeZone>
#include <optional>
#include <vector>

// The sound groups in the order the menu shows them, then the flying saucer's group.
extern const std::vector<MaskName> kGroupNames;
extern const std::vector<MaskName> kPositionNames;

// "L, R" for the groups of a mask; bits without a name are shown in hex; "—" for none.
QString GroupsText(quint16 mask);
QString PositionsText(quint16 mask);
QString GameText(qint32 gameCode);
QString GradeText(int grade);
// The start as a local "dd.MM.yyyy HH:mm", or the stored fields unchanged and marked when the date
// cannot be real.
QString StartText(const StatRecord& record, const QTimeZone& zone);
// Whole percent, "—" when there were no answers.
QString ShareText(std::optional<double> share);

// Which games are shown. Dates are local and inclusive; an invalid date leaves that end open. The
// masks hold the chosen groups and positions; a game is shown when it shares a bit with each.
struct RecordFilter {
    QDate from, to;
    quint16 groups = 0xFFFF;
    quint16 positions = 0xFFFF;
    bool allGroups = true;     // no choice made: games of any (even unknown) group are shown
    bool allPositions = true;
};
bool Matches(const StatRecord& record, const RecordFilter& filter, const QTimeZone& zone);
// The local date of a game's start; invalid for an impossible date.
QDate LocalDate(const StatRecord& record, const QTimeZone& zone);

struct Tally {
    int games = 0;
    qint64 correct = 0, wrong = 0, hints = 0;
    void Add(const StatRecord& record);
    // Correct answers among all answers, 0..1; none when there were no answers.
    std::optional<double> Share() const;
};

// One cell of the summary: the games that practised `group` at `position`. A game set to several
// groups or positions counts in each of its cells.
struct SummaryRow {
    quint16 group = 0, position = 0;
    Tally all, firstHalf, secondHalf;
    // Change of the share correct from the first half of the period to the second, in percentage
    // points; none when a half had no answers.
    std::optional<double> TrendPoints() const;
};
// Games with an impossible date count in `all` but in neither half.
struct Summary {
    QDate first, last;  // the period the halves split
    QDate secondHalfFrom;
    std::vector<SummaryRow> rows;  // only cells with games, in the order of the names
};
Summary Summarize(const std::vector<StatRecord>& records, const RecordFilter& filter, const QTimeZone& zone);
// Every game of a file in one row (group and position 0), its halves split as the summary splits
// the whole period: a child's totals beside another's.
SummaryRow TotalOf(const std::vector<StatRecord>& records, const QTimeZone& zone);
// "↑ +12 pkt" and the like; "—" without a trend.
QString TrendText(std::optional<double> points);

// The share correct per week (weeks start on Monday) of one sound group, for the chart.
struct WeekPoint {
    QDate monday;
    double share = 0;  // 0..1
    Tally tally;
};
struct WeekSeries {
    quint16 group = 0;
    std::vector<WeekPoint> points;  // weeks with answers, in order
};
// One series for each chosen group that has answers.
std::vector<WeekSeries> WeeklyShares(const std::vector<StatRecord>& records, const RecordFilter& filter,
                                     const QTimeZone& zone);
