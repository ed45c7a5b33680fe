// SPDX-License-Identifier: GPL-3.0-or-later
// The results viewer's window "Wyniki": the games of one statistics file in a table, the summary by
// sound group and position, the weekly chart, and export to CSV and a one-page PDF report.
#pragma once

#include "grouping.h"

#include <QMainWindow>
#include <vector>

class GamesFilter;
class GamesModel;
class QChart;
class QChartView;
class QAction;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QTabWidget;
class QTableView;
class SummaryModel;

class TfmWyniki : public QMainWindow {
    Q_OBJECT
public:
    explicit TfmWyniki(QWidget* parent = nullptr);
    ~TfmWyniki() override;

    // Shows the file at `path`; a missing or foreign file leaves an empty view with a message. True
    // when records could be read.
    bool OpenFile(const QString& path);
    // Write the table as it is filtered and sorted, and the report; false when the file could not be written.
    bool ExportCsv(const QString& path);
    bool ExportPdf(const QString& path);

    QTableView* GamesView() const { return gamesView_; }
    QTableView* SummaryView() const { return summaryView_; }
    QChart* Chart() const { return chart_; }
    QTabWidget* Tabs() const { return tabs_; }
    // With several children: a choice of child over the results, each child's statistics file in
    // `userFolder`'s children's folders, starting on the child shown last. Without children the
    // choice stays hidden.
    void UseChildren(const QString& userFolder);
    // Reads the list again (after the page of children changed it), keeping the child shown.
    void ReloadChildren();
    QComboBox* ChildBox() const { return childBox_; }
    // Another view of the program beside the results, as a page of its own; the window owns it.
    void AddView(QWidget* view, const QString& title);
    QTabWidget* Views() const { return views_; }
    QLabel* Problem() const { return problem_; }
    QString StatusText() const;
    QCheckBox* GroupBox(quint16 group) const;
    QCheckBox* PositionBox(quint16 position) const;
    QCheckBox* PeriodBox() const { return period_; }
    QDateEdit* FromEdit() const { return from_; }
    QDateEdit* ToEdit() const { return to_; }
    RecordFilter CurrentFilter() const;

    void A_Otworz();
    void A_EksportCsv();
    void A_RaportPdf();

private:
    QWidget* MakeFilters();
    void Refresh();
    void ShowStatus();
    QString FilterDescription() const;
    // Asks where to save, writes with `write` and says how it went.
    void SaveAs(const QString& title, const QString& suffix, const QString& kinds,
                bool (TfmWyniki::*write)(const QString&));

    void ShowChild(int index);

    QString path_;
    QString userFolder_;
    QComboBox* childBox_ = nullptr;
    QAction* childChoice_ = nullptr;
    QString notes_;  // what the status bar says about the file itself
    GamesModel* games_;
    GamesFilter* filter_;
    SummaryModel* summary_;
    QTabWidget* views_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QTableView* gamesView_ = nullptr;
    QTableView* summaryView_ = nullptr;
    QLabel* summaryNote_ = nullptr;
    QChartView* chartView_ = nullptr;
    QChart* chart_ = nullptr;
    QLabel* problem_ = nullptr;
    QLabel* status_ = nullptr;
    QCheckBox* period_ = nullptr;
    QDateEdit* from_ = nullptr;
    QDateEdit* to_ = nullptr;
    std::vector<QCheckBox*> groupBoxes_, positionBoxes_;
    bool refreshing_ = false;
};
