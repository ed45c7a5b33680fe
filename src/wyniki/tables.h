// SPDX-License-Identifier: GPL-3.0-or-later
// The tables the viewer shows, as item models without widgets: every game of the file (sortable by
// any column, filtered by RecordFilter) and the summary by sound group and position.
#pragma once

#include "grouping.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>

class GamesModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { kStart, kGame, kLevel, kGroups, kPositions, kDuration, kCompleted, kHints, kCorrect, kWrong, kGrade, kColumns };
    // The value a column sorts by (dates by moment, numbers as numbers).
    static constexpr int kSortRole = Qt::UserRole;

    explicit GamesModel(QObject* parent = nullptr);
    void SetRecords(std::vector<StatRecord> records, const QTimeZone& zone = QTimeZone::systemTimeZone());
    const std::vector<StatRecord>& Records() const { return records_; }
    const QTimeZone& Zone() const { return zone_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<StatRecord> records_;
    QTimeZone zone_;
};

// The games the filter lets through, sorted by the sort role.
class GamesFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit GamesFilter(GamesModel& games, QObject* parent = nullptr);
    void SetFilter(const RecordFilter& filter);
    const RecordFilter& Filter() const { return filter_; }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    GamesModel& games_;
    RecordFilter filter_;
};

class SummaryModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { kGroup, kPosition, kGames, kCorrect, kWrong, kHints, kShare, kTrend, kColumns };

    explicit SummaryModel(QObject* parent = nullptr);
    void SetSummary(Summary summary);
    const Summary& Rows() const { return summary_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    Summary summary_;
};

// The rows of a table as CSV for a Polish spreadsheet: UTF-8 with a byte-order mark, ";" between
// fields, a header row, CRLF line ends; each cell as the table shows it.
QByteArray CsvBytes(const QAbstractItemModel& model);
