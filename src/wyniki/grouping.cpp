// SPDX-License-Identifier: GPL-3.0-or-later
// The names, the filter, the summary and the weekly shares (see grouping.h).
#include "grouping.h"

#include "settings/_custgry.h"

#include <QStringList>
#include <algorithm>
#include <map>

const std::vector<MaskName> kGroupNames(std::begin(glos::kGroupNames), std::end(glos::kGroupNames));
const std::vector<MaskName> kPositionNames(std::begin(glos::kPositionNames), std::end(glos::kPositionNames));

namespace {

constexpr double kPercent = 100;
// A change smaller than this many percentage points is read as no change.
constexpr double kSteadyPoints = 5;
const QString kNone = QStringLiteral("—");

QString MaskText(quint16 mask, const std::vector<MaskName>& names)
{
    QStringList parts;
    quint16 rest = mask;
    for (const MaskName& n : names)
        if (mask & n.bit) {
            parts << QString::fromUtf8(n.name);
            rest &= quint16(~n.bit);
        }
    for (int bit = 0; bit < 16; ++bit)
        if (rest & (1u << bit))
            parts << QStringLiteral("0x%1").arg(1u << bit, 4, 16, QLatin1Char('0'));
    return parts.isEmpty() ? kNone : parts.join(QStringLiteral(", "));
}

QString Two(int v)
{
    return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
}

bool Chosen(const RecordFilter& filter, quint16 bit, bool positions)
{
    return positions ? (filter.allPositions || (filter.positions & bit)) : (filter.allGroups || (filter.groups & bit));
}

}  // namespace

QString GroupsText(quint16 mask)
{
    return MaskText(mask, kGroupNames);
}

QString PositionsText(quint16 mask)
{
    return MaskText(mask, kPositionNames);
}

QString GameText(qint32 gameCode)
{
    // The file tells the labyrinth apart, but not which of the other games was played.
    if (gameCode == CStatRec::kGameLabyrinth)
        return QStringLiteral("labirynt");
    if (gameCode == CStatRec::kGameOther)
        return QStringLiteral("gra");
    return QStringLiteral("nieznana (%1)").arg(gameCode);
}

QString GradeText(int grade)
{
    // The words on the summary's background pictures.
    switch (grade) {
    case CStatRec::kGradeGood:
        return QStringLiteral("Brawo!");
    case CStatRec::kGradeFair:
        return QStringLiteral("Dobrze!");
    default:
        return QStringLiteral("Spróbujmy jeszcze raz!");
    }
}

QString StartText(const StatRecord& r, const QTimeZone& zone)
{
    if (r.DateReal())
        return r.startUtc.toTimeZone(zone).toString(QStringLiteral("dd.MM.yyyy HH:mm"));
    const SystemTime& t = r.start;
    return QStringLiteral("%1.%2.%3 %4:%5 (!)").arg(Two(t[3]), Two(t[1])).arg(t[0]).arg(Two(t[4]), Two(t[5]));
}

QString ShareText(std::optional<double> share)
{
    return share ? QStringLiteral("%1%").arg(qRound(*share * kPercent)) : kNone;
}

QDate LocalDate(const StatRecord& record, const QTimeZone& zone)
{
    return record.DateReal() ? record.startUtc.toTimeZone(zone).date() : QDate();
}

bool Matches(const StatRecord& record, const RecordFilter& filter, const QTimeZone& zone)
{
    if (!filter.allGroups && !(record.groups & filter.groups))
        return false;
    if (!filter.allPositions && !(record.positions & filter.positions))
        return false;
    if (!filter.from.isValid() && !filter.to.isValid())
        return true;
    // With a period chosen, a game whose date cannot be real lies in none.
    const QDate day = LocalDate(record, zone);
    return day.isValid() && (!filter.from.isValid() || day >= filter.from) && (!filter.to.isValid() || day <= filter.to);
}

void Tally::Add(const StatRecord& r)
{
    ++games;
    correct += r.correct;
    wrong += r.wrong;
    hints += r.hints;
}

std::optional<double> Tally::Share() const
{
    const qint64 answers = correct + wrong;
    if (answers <= 0 || correct < 0 || wrong < 0)
        return std::nullopt;
    return double(correct) / double(answers);
}

std::optional<double> SummaryRow::TrendPoints() const
{
    const auto before = firstHalf.Share(), after = secondHalf.Share();
    if (!before || !after)
        return std::nullopt;
    return (*after - *before) * kPercent;
}

QString TrendText(std::optional<double> points)
{
    if (!points)
        return kNone;
    const int p = qRound(*points);
    const QString number = p > 0 ? QStringLiteral("+%1").arg(p) : p < 0 ? QStringLiteral("−%1").arg(-p) : QStringLiteral("0");
    const QString arrow = *points >= kSteadyPoints ? QStringLiteral("↑") : *points <= -kSteadyPoints ? QStringLiteral("↓") : QStringLiteral("→");
    return QStringLiteral("%1 %2 pkt").arg(arrow, number);
}

Summary Summarize(const std::vector<StatRecord>& records, const RecordFilter& filter, const QTimeZone& zone)
{
    Summary summary;
    std::vector<const StatRecord*> shown;
    for (const StatRecord& r : records)
        if (Matches(r, filter, zone)) {
            shown.push_back(&r);
            const QDate day = LocalDate(r, zone);
            if (day.isValid()) {
                if (!summary.first.isValid() || day < summary.first)
                    summary.first = day;
                if (!summary.last.isValid() || day > summary.last)
                    summary.last = day;
            }
        }
    if (filter.from.isValid())
        summary.first = filter.from;
    if (filter.to.isValid())
        summary.last = filter.to;
    // The first half takes the middle day when the period has an odd number of days.
    if (summary.first.isValid() && summary.last.isValid())
        summary.secondHalfFrom = summary.first.addDays((summary.first.daysTo(summary.last) + 2) / 2);

    for (const MaskName& group : kGroupNames) {
        if (!Chosen(filter, group.bit, false))
            continue;
        for (const MaskName& position : kPositionNames) {
            if (!Chosen(filter, position.bit, true))
                continue;
            SummaryRow row{group.bit, position.bit, {}, {}, {}};
            for (const StatRecord* r : shown) {
                if (!(r->groups & group.bit) || !(r->positions & position.bit))
                    continue;
                row.all.Add(*r);
                const QDate day = LocalDate(*r, zone);
                if (day.isValid() && summary.secondHalfFrom.isValid())
                    (day < summary.secondHalfFrom ? row.firstHalf : row.secondHalf).Add(*r);
            }
            if (row.all.games > 0)
                summary.rows.push_back(row);
        }
    }
    return summary;
}

std::vector<WeekSeries> WeeklyShares(const std::vector<StatRecord>& records, const RecordFilter& filter,
                                     const QTimeZone& zone)
{
    std::vector<WeekSeries> result;
    std::vector<std::map<QDate, Tally>> weeks(kGroupNames.size());
    for (const StatRecord& r : records) {
        if (!Matches(r, filter, zone))
            continue;
        const QDate day = LocalDate(r, zone);
        if (!day.isValid())
            continue;
        const QDate monday = day.addDays(1 - day.dayOfWeek());
        for (size_t g = 0; g < kGroupNames.size(); ++g)
            if ((r.groups & kGroupNames[g].bit) && Chosen(filter, kGroupNames[g].bit, false))
                weeks[g][monday].Add(r);
    }
    for (size_t g = 0; g < kGroupNames.size(); ++g) {
        WeekSeries series{kGroupNames[g].bit, {}};
        for (const auto& [monday, tally] : weeks[g])
            if (const auto share = tally.Share())
                series.points.push_back({monday, *share, tally});
        if (!series.points.empty())
            result.push_back(std::move(series));
    }
    return result;
}

SummaryRow TotalOf(const std::vector<StatRecord>& records, const QTimeZone& zone)
{
    const Summary period = Summarize(records, RecordFilter{}, zone);
    SummaryRow total;
    for (const StatRecord& r : records) {
        total.all.Add(r);
        const QDate day = LocalDate(r, zone);
        if (day.isValid() && period.secondHalfFrom.isValid())
            (day < period.secondHalfFrom ? total.firstHalf : total.secondHalf).Add(r);
    }
    return total;
}
