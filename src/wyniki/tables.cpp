// SPDX-License-Identifier: GPL-3.0-or-later
// The viewer's tables and their CSV (see tables.h).
#include "tables.h"

#include "shell/_specfunc.h"

#include <QBrush>
#include <QColor>

namespace {

const char* const kGameHeaders[GamesModel::kColumns] = {"Początek", "Gra", "Poziom", "Głoski", "Pozycje", "Czas",
                                                         "Ukończona", "Podpowiedzi", "Poprawne", "Błędne", "Ocena"};
const char* const kSummaryHeaders[SummaryModel::kColumns] = {"Głoski", "Pozycja", "Gry", "Poprawne", "Błędne",
                                                             "Podpowiedzi", "Poprawnych", "Zmiana"};
const QColor kMarked(0xB0, 0x00, 0x00);

QString CsvField(QString text)
{
    if (text.contains(QLatin1Char(';')) || text.contains(QLatin1Char('"')) || text.contains(QLatin1Char('\n')) ||
        text.contains(QLatin1Char('\r'))) {
        text.replace(QLatin1String("\""), QLatin1String("\"\""));
        return QLatin1Char('"') + text + QLatin1Char('"');
    }
    return text;
}

}  // namespace

GamesModel::GamesModel(QObject* parent) : QAbstractTableModel(parent), zone_(QTimeZone::systemTimeZone()) {}

void GamesModel::SetRecords(std::vector<StatRecord> records, const QTimeZone& zone)
{
    beginResetModel();
    records_ = std::move(records);
    zone_ = zone;
    endResetModel();
}

int GamesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(records_.size());
}

int GamesModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

QVariant GamesModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const StatRecord& r = records_[size_t(index.row())];
    const int column = index.column();
    if (role == Qt::DisplayRole) {
        switch (column) {
        case kStart: return StartText(r, zone_);
        case kGame: return GameText(r.gameCode);
        case kLevel: return QString::number(r.level);
        case kGroups: return GroupsText(r.groups);
        case kPositions: return PositionsText(r.positions);
        case kDuration: return DurationText(r.duration);
        case kCompleted: return r.completed ? QStringLiteral("tak") : QStringLiteral("nie");
        case kHints: return QString::number(r.hints);
        case kCorrect: return QString::number(r.correct);
        case kWrong: return QString::number(r.wrong);
        case kGrade: return GradeText(r.Grade());
        }
    } else if (role == kSortRole) {
        switch (column) {
        // Impossible dates sort before every real one, among themselves by their stored fields.
        case kStart: return r.DateReal() ? r.startUtc.toMSecsSinceEpoch() : qint64(r.start[0]) - (qint64(1) << 40);
        case kGame: return GameText(r.gameCode);
        case kLevel: return r.level;
        case kGroups: return r.groups;
        case kPositions: return r.positions;
        case kDuration: return r.duration;
        case kCompleted: return r.completed;
        case kHints: return r.hints;
        case kCorrect: return r.correct;
        case kWrong: return r.wrong;
        case kGrade: return r.Grade();
        }
    } else if (role == Qt::TextAlignmentRole) {
        if (column == kLevel || column == kHints || column == kCorrect || column == kWrong || column == kDuration)
            return int(Qt::AlignRight | Qt::AlignVCenter);
    } else if (role == Qt::ToolTipRole && (column == kGroups || column == kPositions)) {
        return column == kGroups ? GroupsText(r.groups) : PositionsText(r.positions);  // when cut short
    } else if (role == Qt::ForegroundRole && column == kStart && !r.DateReal()) {
        return QBrush(kMarked);
    } else if (role == Qt::ToolTipRole && column == kStart && !r.DateReal()) {
        return QStringLiteral("Ta data zapisana w pliku nie może być prawdziwa; pokazano ją bez zmian (czas UTC).");
    }
    return {};
}

QVariant GamesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < kColumns)
        return QString::fromUtf8(kGameHeaders[section]);
    return QAbstractTableModel::headerData(section, orientation, role);
}

GamesFilter::GamesFilter(GamesModel& games, QObject* parent) : QSortFilterProxyModel(parent), games_(games)
{
    setSourceModel(&games);
    setSortRole(GamesModel::kSortRole);
}

void GamesFilter::SetFilter(const RecordFilter& filter)
{
    filter_ = filter;
    invalidateFilter();
}

bool GamesFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    return Matches(games_.Records()[size_t(sourceRow)], filter_, games_.Zone());
}

SummaryModel::SummaryModel(QObject* parent) : QAbstractTableModel(parent) {}

void SummaryModel::SetSummary(Summary summary)
{
    beginResetModel();
    summary_ = std::move(summary);
    endResetModel();
}

int SummaryModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(summary_.rows.size());
}

int SummaryModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

QVariant SummaryModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const SummaryRow& row = summary_.rows[size_t(index.row())];
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case kGroup: return GroupsText(row.group);
        case kPosition: return PositionsText(row.position);
        case kGames: return QString::number(row.all.games);
        case kCorrect: return QString::number(row.all.correct);
        case kWrong: return QString::number(row.all.wrong);
        case kHints: return QString::number(row.all.hints);
        case kShare: return ShareText(row.all.Share());
        case kTrend: return TrendText(row.TrendPoints());
        }
    } else if (role == Qt::TextAlignmentRole && index.column() >= kGames && index.column() != kTrend) {
        return int(Qt::AlignRight | Qt::AlignVCenter);
    } else if (role == Qt::ToolTipRole && index.column() == kTrend) {
        return QStringLiteral("Odsetek poprawnych w drugiej połowie okresu (%1) wobec pierwszej (%2), w punktach procentowych.")
            .arg(ShareText(row.secondHalf.Share()), ShareText(row.firstHalf.Share()));
    }
    return {};
}

QVariant SummaryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < kColumns)
        return QString::fromUtf8(kSummaryHeaders[section]);
    return QAbstractTableModel::headerData(section, orientation, role);
}

QByteArray CsvBytes(const QAbstractItemModel& model)
{
    static const QByteArray kBom("\xEF\xBB\xBF");
    const QString lineEnd = QStringLiteral("\r\n");
    QStringList cells;
    QString text;
    for (int c = 0; c < model.columnCount(); ++c)
        cells << CsvField(model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString());
    text += cells.join(QLatin1Char(';')) + lineEnd;
    for (int r = 0; r < model.rowCount(); ++r) {
        cells.clear();
        for (int c = 0; c < model.columnCount(); ++c)
            cells << CsvField(model.index(r, c).data(Qt::DisplayRole).toString());
        text += cells.join(QLatin1Char(';')) + lineEnd;
    }
    return kBom + text.toUtf8();
}
