// SPDX-License-Identifier: GPL-3.0-or-later
// The viewer's arithmetic on a hand-made file: the summary by sound group and position with its
// trend, the filter, the weekly shares on local dates, and the CSV bytes of a small file.
#include "wyniki/grouping.h"
#include "wyniki/tables.h"
#include "settings/_custgry.h"
#include "statbytes.h"

#include <gtest/gtest.h>

namespace {

const QTimeZone kWarsaw("Europe/Warsaw");

QDateTime Utc(int month, int day, int hour, int minute = 0)
{
    return QDateTime(QDate(2027, month, day), QTime(hour, minute), Qt::UTC);
}

// Five games of March 2027: L and R at the word's start early on, L at the start and end, R inside the
// word later, L again at the end of the month, and one game whose date cannot be real.
std::vector<StatRecord> March()
{
    using glos::L, glos::R, glos::Naglos, glos::Srodglos, glos::Wyglos;
    const GameSpec games[] = {
        {.startUtc = Utc(3, 1, 9), .groups = L | R, .positions = Naglos, .duration = 125, .hints = 1, .correct = 8, .wrong = 2},
        {.startUtc = Utc(3, 3, 9), .groups = L, .positions = Naglos | Wyglos, .hints = 2, .correct = 3, .wrong = 7},
        {.startUtc = Utc(3, 20, 9), .groups = R, .positions = Srodglos, .correct = 5, .wrong = 5},
        // Sunday 28th in UTC, already Monday 29th in Poland (summer time began that night).
        {.code = CStatRec::kGameLabyrinth, .startUtc = Utc(3, 28, 23, 30), .groups = L, .positions = Naglos,
         .correct = 9, .wrong = 1},
        {.raw = {2027, 2, 0, 30, 9, 0, 0, 0}, .groups = L, .positions = Naglos, .correct = 1, .wrong = 1},
    };
    QByteArray bytes = statbytes::Header();
    for (const GameSpec& g : games)
        bytes += statbytes::Record(g);
    return ParseStatFile(bytes, {}).records;
}

struct Cell {
    QString group, position;
    int games;
    qint64 correct, wrong, hints;
    QString share, trend;
};

void ExpectCells(const Summary& summary, const std::vector<Cell>& cells)
{
    ASSERT_EQ(summary.rows.size(), cells.size());
    for (size_t i = 0; i < cells.size(); ++i) {
        const SummaryRow& row = summary.rows[i];
        const Cell& cell = cells[i];
        SCOPED_TRACE(cell.group.toStdString() + " " + cell.position.toStdString());
        EXPECT_EQ(GroupsText(row.group), cell.group);
        EXPECT_EQ(PositionsText(row.position), cell.position);
        EXPECT_EQ(row.all.games, cell.games);
        EXPECT_EQ(row.all.correct, cell.correct);
        EXPECT_EQ(row.all.wrong, cell.wrong);
        EXPECT_EQ(row.all.hints, cell.hints);
        EXPECT_EQ(ShareText(row.all.Share()), cell.share);
        EXPECT_EQ(TrendText(row.TrendPoints()), cell.trend);
    }
}

}  // namespace

TEST(ResultsGrouping, SummaryBySoundGroupAndPositionWithItsTrend)
{
    const std::vector<StatRecord> records = March();
    // The whole file: 1 to 29 March, the second half from the 16th. The game of the impossible date
    // counts in the totals but in neither half.
    const Summary all = Summarize(records, {}, kWarsaw);
    EXPECT_EQ(all.first, QDate(2027, 3, 1));
    EXPECT_EQ(all.last, QDate(2027, 3, 29));
    EXPECT_EQ(all.secondHalfFrom, QDate(2027, 3, 16));
    ExpectCells(all, {{"L", "nagłos", 4, 21, 11, 3, "66%", "↑ +35 pkt"},  // 11 of 20 before, 9 of 10 after
                      {"L", "wygłos", 1, 3, 7, 2, "30%", "—"},
                      {"R", "nagłos", 1, 8, 2, 1, "80%", "—"},
                      {"R", "śródgłos", 1, 5, 5, 0, "50%", "—"}});

    // Only R: the period is that of R's games, 1 to 20 March.
    RecordFilter onlyR;
    onlyR.allGroups = false;
    onlyR.groups = glos::R;
    const Summary r = Summarize(records, onlyR, kWarsaw);
    EXPECT_EQ(r.last, QDate(2027, 3, 20));
    ExpectCells(r, {{"R", "nagłos", 1, 8, 2, 1, "80%", "—"}, {"R", "śródgłos", 1, 5, 5, 0, "50%", "—"}});

    // A chosen period and position: the 29th in Poland is in, the impossible date is out.
    RecordFilter late;
    late.from = QDate(2027, 3, 10);
    late.to = QDate(2027, 3, 29);
    late.allPositions = false;
    late.positions = glos::Naglos | glos::Srodglos;
    const Summary lateSummary = Summarize(records, late, kWarsaw);
    EXPECT_EQ(lateSummary.secondHalfFrom, QDate(2027, 3, 20));
    ExpectCells(lateSummary, {{"L", "nagłos", 1, 9, 1, 0, "90%", "—"}, {"R", "śródgłos", 1, 5, 5, 0, "50%", "—"}});
    late.to = QDate(2027, 3, 28);
    EXPECT_EQ(Summarize(records, late, kWarsaw).rows.size(), 1u);

    // A change under 5 points is no change; a fall shows as one.
    EXPECT_EQ(TrendText(4.6), "→ +5 pkt");
    EXPECT_EQ(TrendText(-12.2), "↓ −12 pkt");
}

TEST(ResultsGrouping, WeeklySharesOnLocalDates)
{
    const std::vector<WeekSeries> weeks = WeeklyShares(March(), {}, kWarsaw);
    ASSERT_EQ(weeks.size(), 2u);
    EXPECT_EQ(weeks[0].group, glos::L);
    ASSERT_EQ(weeks[0].points.size(), 2u);
    EXPECT_EQ(weeks[0].points[0].monday, QDate(2027, 3, 1));
    EXPECT_DOUBLE_EQ(weeks[0].points[0].share, 11.0 / 20);
    EXPECT_EQ(weeks[0].points[1].monday, QDate(2027, 3, 29));  // in UTC it would still be the week of the 22nd
    EXPECT_DOUBLE_EQ(weeks[0].points[1].share, 0.9);
    EXPECT_EQ(weeks[1].group, glos::R);
    ASSERT_EQ(weeks[1].points.size(), 2u);
    EXPECT_EQ(weeks[1].points[1].monday, QDate(2027, 3, 15));
    EXPECT_DOUBLE_EQ(weeks[1].points[1].share, 0.5);
}

TEST(ResultsCsv, BytesOfASmallFile)
{
    std::vector<StatRecord> records = March();
    records.erase(records.begin() + 1, records.begin() + 3);  // the first, the labyrinth, the impossible date
    records[0].groups |= glos::Saucer | 0x0100;
    GamesModel games;
    games.SetRecords(records, kWarsaw);
    const QByteArray expected =
        "\xEF\xBB\xBF"
        "Początek;Gra;Poziom;Głoski;Pozycje;Czas;Ukończona;Podpowiedzi;Poprawne;Błędne;Ocena\r\n"
        "01.03.2027 10:00;gra;1;L, R, L+R/J, 0x0100;nagłos;2 min 5 s;tak;1;8;2;Brawo!\r\n"
        "29.03.2027 01:30;labirynt;1;L;nagłos;0 min 0 s;tak;0;9;1;Brawo!\r\n"
        "30.02.2027 09:00 (!);gra;1;L;nagłos;0 min 0 s;tak;0;1;1;Dobrze!\r\n";
    EXPECT_EQ(CsvBytes(games), expected);
}
