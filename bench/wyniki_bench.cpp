// SPDX-License-Identifier: GPL-3.0-or-later
// The results viewer on a statistics file of 100 000 games (about three a day for ninety years, or a
// whole practice's worth): reading and grouping it with the chart's series, and the whole opening of
// the file in the window (table sorted, summary, chart).
#include "settings/_custgry.h"
#include "support/programfolder.h"
#include "wyniki/chart.h"
#include "wyniki/statbytes.h"
#include "wyniki/statfile.h"
#include "wyniki/tables.h"
#include "wyniki/window.h"

#include <QChart>
#include <benchmark/benchmark.h>

namespace {

constexpr int kGames = 100000;

const ProgramFolder& BigFile()
{
    static const ProgramFolder folder = [] {
        ProgramFolder f;
        QByteArray bytes = statbytes::Header();
        bytes.reserve(CStatRec::kHeaderSize + kGames * CStatRec::kRecordSize);
        const QDateTime first(QDate(2020, 1, 6), QTime(8, 0), Qt::UTC);
        for (int i = 0; i < kGames; ++i) {
            const quint16 group = quint16(1u << (i % 8));
            const quint16 position = quint16(glos::Naglos << (i % 3));
            bytes += statbytes::Record({.code = i % 5 ? CStatRec::kGameOther : CStatRec::kGameLabyrinth,
                                        .startUtc = first.addSecs(qint64(i) * 1800), .level = quint16(1 + i % 3),
                                        .groups = group, .positions = position, .duration = 60 + i % 300,
                                        .hints = i % 4, .correct = i % 11, .wrong = i % 7});
        }
        f.Write("prgst4.stt", bytes);
        return f;
    }();
    return folder;
}

void BM_LoadGroupAndChart(benchmark::State& state)
{
    const QString path = BigFile().File("prgst4.stt");
    const QTimeZone zone = QTimeZone::systemTimeZone();
    QChart chart;
    for (auto _ : state) {
        StatFile file = ReadStatFile(path);
        const Summary summary = Summarize(file.records, {}, zone);
        FillWeeklyChart(chart, WeeklyShares(file.records, {}, zone));
        benchmark::DoNotOptimize(summary.rows.size());
        if (file.records.size() != size_t(kGames))
            state.SkipWithError("the file did not read whole");
    }
}
BENCHMARK(BM_LoadGroupAndChart)->Unit(benchmark::kMillisecond);

void BM_OpenInWindow(benchmark::State& state)
{
    const QString path = BigFile().File("prgst4.stt");
    TfmWyniki window;
    for (auto _ : state)
        if (!window.OpenFile(path))
            state.SkipWithError("the file did not open");
}
BENCHMARK(BM_OpenInWindow)->Unit(benchmark::kMillisecond);

}  // namespace
