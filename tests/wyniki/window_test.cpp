// SPDX-License-Identifier: GPL-3.0-or-later
// The viewer's window: a file opens into the table, the summary and the chart; the filters narrow
// them through real clicks; a foreign file leaves an empty view with its message; both exports write.
#include "wyniki/childrenview.h"
#include "wyniki/window.h"
#include "shell/childlist.h"
#include "wyniki/tables.h"
#include "settings/_custgry.h"
#include "support/programfolder.h"
#include "statbytes.h"

#include <QChart>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Eight weeks of games: L at the start of the word on Mondays, R inside it on Thursdays, getting better.
QByteArray EightWeeks()
{
    QByteArray bytes = statbytes::Header();
    for (int week = 0; week < 8; ++week) {
        const QDate monday = QDate(2027, 3, 1).addDays(7 * week);
        bytes += statbytes::Record({.startUtc = QDateTime(monday, QTime(15, 0), Qt::UTC), .level = 2,
                                    .groups = quint16(glos::L), .positions = quint16(glos::Naglos), .duration = 200,
                                    .correct = 5 + week, .wrong = 8 - week});
        bytes += statbytes::Record({.code = CStatRec::kGameLabyrinth,
                                    .startUtc = QDateTime(monday.addDays(3), QTime(15, 0), Qt::UTC),
                                    .groups = quint16(glos::R), .positions = quint16(glos::Srodglos),
                                    .duration = 90, .hints = 1, .correct = 6, .wrong = 3});
    }
    return bytes + QByteArray(10, '\0');  // and the start of a record cut short
}

int Points(const QChart* chart)
{
    int points = 0;
    for (QAbstractSeries* series : chart->series())
        points += int(static_cast<QLineSeries*>(series)->count());
    return points;
}

}  // namespace

TEST(ResultsWindow, OpensAFileFiltersAndExports)
{
    ProgramFolder folder;
    folder.Write("prgst4.stt", EightWeeks());
    TfmWyniki window;
    window.resize(800, 600);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_TRUE(window.OpenFile(folder.File("prgst4.stt")));
    EXPECT_EQ(window.windowTitle(), "Wyniki - prgst4.stt");
    EXPECT_FALSE(window.Problem()->isVisible());

    EXPECT_EQ(window.GamesView()->model()->rowCount(), 16);
    EXPECT_EQ(window.SummaryView()->model()->rowCount(), 2);
    ASSERT_EQ(window.Chart()->series().size(), 2);
    EXPECT_EQ(Points(window.Chart()), 16);
    EXPECT_TRUE(window.StatusText().contains("Pominięto niepełny ostatni zapis (10 B"));

    // Sorting by the correct answers, most first, through the header.
    QHeaderView* header = window.GamesView()->horizontalHeader();
    const QPoint correctHeader(header->sectionViewportPosition(GamesModel::kCorrect) + 5, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, correctHeader);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, correctHeader);
    const QAbstractItemModel* shown = window.GamesView()->model();
    EXPECT_EQ(shown->index(0, GamesModel::kCorrect).data().toString(), "12");
    EXPECT_EQ(shown->index(15, GamesModel::kCorrect).data().toString(), "5");

    // Leaving out R: its games, its summary row and its line go.
    QCheckBox* r = window.GroupBox(glos::R);
    QTest::mouseClick(r, Qt::LeftButton, {}, QPoint(8, r->height() / 2));
    ASSERT_FALSE(r->isChecked());
    EXPECT_EQ(shown->rowCount(), 8);
    EXPECT_EQ(window.SummaryView()->model()->rowCount(), 1);
    ASSERT_EQ(window.Chart()->series().size(), 1);
    EXPECT_EQ(window.Chart()->series()[0]->name(), "L");

    // The CSV is the table as shown; the report is a PDF.
    ASSERT_TRUE(window.ExportCsv(folder.File("out.csv")));
    QFile csv(folder.File("out.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readAll(), CsvBytes(*shown));
    ASSERT_TRUE(window.ExportPdf(folder.File("out.pdf")));
    QFile pdf(folder.File("out.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");

    // A file of another program: its message, and nothing of the file before.
    QByteArray foreign = statbytes::Header(7);
    folder.Write("other.stt", foreign + foreign);
    EXPECT_FALSE(window.OpenFile(folder.File("other.stt")));
    EXPECT_TRUE(window.Problem()->isVisible());
    EXPECT_TRUE(window.Problem()->text().contains("nie jest plikiem wyników"));
    EXPECT_EQ(shown->rowCount(), 0);
    EXPECT_EQ(window.Chart()->series().size(), 0);
}

TEST(ResultsWindow, ShowsTheChosenChildsResultsRemembersTheChildAndEveryChildsTotals)
{
    ProgramFolder folder;
    ChildList list;
    list.children = {{kFirstChildId, QStringLiteral("Zosia"), QString()}, {1, QStringLiteral("Staś"), QString()}};
    list.nextId = 2;
    ASSERT_TRUE(WriteChildList(folder.Path(), list));
    folder.Write("prgst4.stt", EightWeeks());
    folder.Write("Dzieci/1/prgst4.stt",
                 statbytes::Header() + statbytes::Record({.startUtc = QDateTime(QDate(2027, 3, 1), QTime(9, 0), Qt::UTC),
                                                          .groups = quint16(glos::L), .positions = quint16(glos::Naglos),
                                                          .correct = 3, .wrong = 1}));
    {
        TfmWyniki window;
        window.UseChildren(folder.Path());
        EXPECT_EQ(window.ChildBox()->count(), 2);
        EXPECT_EQ(window.ChildBox()->currentText(), "Zosia");
        EXPECT_EQ(window.GamesView()->model()->rowCount(), 16);
        window.ChildBox()->setCurrentIndex(1);
        emit window.ChildBox()->activated(1);
        EXPECT_EQ(window.GamesView()->model()->rowCount(), 1);
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Wyniki - Staś"));
    }
    TfmWyniki again;
    again.UseChildren(folder.Path());
    EXPECT_EQ(again.ChildBox()->currentText(), QStringLiteral("Staś")) << "the child shown last";
    EXPECT_EQ(again.GamesView()->model()->rowCount(), 1);

    ChildrenView children(folder.Path(), folder.Path());
    const QAbstractItemModel* totals = children.Table()->model();
    ASSERT_EQ(totals->rowCount(), 2);
    const auto cell = [&](int row, int column) { return totals->index(row, column).data().toString(); };
    EXPECT_EQ(cell(0, ChildrenView::kName), "Zosia");
    EXPECT_EQ(cell(0, ChildrenView::kGames), "16");
    EXPECT_TRUE(cell(0, ChildrenView::kTrend).startsWith(QStringLiteral("↑"))) << cell(0, ChildrenView::kTrend).toStdString();
    EXPECT_EQ(cell(1, ChildrenView::kGames), "1");
    EXPECT_EQ(cell(1, ChildrenView::kShare), "75%");
}
