// SPDX-License-Identifier: GPL-3.0-or-later
// The PDF report (see report.h).
#include "report.h"

#include "chart.h"
#include "tables.h"

#include <QCoreApplication>
#include <QDate>
#include <QGraphicsScene>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <memory>

namespace {

// Laid out in points: at 72 dots per inch one unit of the page is one point.
constexpr int kPointsPerInch = 72;
constexpr qreal kMargin = 40;
constexpr qreal kTitlePoints = 18, kTextPoints = 10, kTablePoints = 9, kFootPoints = 8;
constexpr qreal kRowHeight = 15;
constexpr qreal kGap = 14;
constexpr qreal kMinChartHeight = 220;
// The chart is laid out larger than it is printed, so its labels come out small and sharp.
constexpr qreal kChartScale = 1.35;
// Shares of the table's width per column: group, position, games, correct, wrong, hints, share, trend.
constexpr qreal kColumnShares[SummaryModel::kColumns] = {1.0, 1.2, 0.6, 1.1, 0.9, 1.4, 1.4, 1.3};

QFont Font(qreal points, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Draws the table and returns where it ends.
qreal DrawTable(QPainter& p, const SummaryModel& model, qreal top, qreal left, qreal width, qreal bottom)
{
    qreal total = 0;
    for (qreal share : kColumnShares)
        total += share;
    std::vector<qreal> xs{left};
    for (qreal share : kColumnShares)
        xs.push_back(xs.back() + width * share / total);
    const auto row = [&](qreal y, const auto& cell, bool header) {
        p.setFont(Font(kTablePoints, header));
        for (int c = 0; c < SummaryModel::kColumns; ++c) {
            const QRectF box(xs[size_t(c)] + 3, y, xs[size_t(c) + 1] - xs[size_t(c)] - 6, kRowHeight);
            const Qt::Alignment align = (c >= SummaryModel::kGames ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
            p.drawText(box, int(align), cell(c));
        }
    };
    p.fillRect(QRectF(left, top, width, kRowHeight), QColor(0xe4, 0xec, 0xf7));
    row(top, [&](int c) { return model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(); }, true);
    qreal y = top + kRowHeight;
    const int rows = model.rowCount();
    int drawn = 0;
    for (; drawn < rows && y + kRowHeight <= bottom; ++drawn, y += kRowHeight) {
        if (drawn % 2)
            p.fillRect(QRectF(left, y, width, kRowHeight), QColor(0xf5, 0xf5, 0xf5));
        row(y, [&](int c) { return model.index(drawn, c).data(Qt::DisplayRole).toString(); }, false);
    }
    if (rows == 0) {
        p.setFont(Font(kTablePoints));
        p.drawText(QRectF(left, y, width, kRowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Brak gier w wybranym okresie."));
        y += kRowHeight;
    } else if (drawn < rows) {
        p.setFont(Font(kTablePoints));
        p.drawText(QRectF(left, y, width, kRowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("… i %1 dalszych wierszy (pełna tabela w programie).").arg(rows - drawn));
        y += kRowHeight;
    }
    p.setPen(QPen(Qt::gray, 0.5));
    p.drawLine(QPointF(left, top + kRowHeight), QPointF(left + width, top + kRowHeight));
    p.drawLine(QPointF(left, y), QPointF(left + width, y));
    p.setPen(Qt::black);
    return y;
}

}  // namespace

bool WriteReport(const QString& path, const ReportInput& input)
{
    QPdfWriter pdf(path);
    pdf.setResolution(kPointsPerInch);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    pdf.setTitle(QStringLiteral("Wyniki %1").arg(input.fileName));
    pdf.setCreator(QStringLiteral("Brimbola – wyniki"));
    QPainter p;
    if (!p.begin(&pdf))
        return false;
    const QRectF page(0, 0, pdf.width(), pdf.height());
    const QRectF area = page.adjusted(kMargin, kMargin, -kMargin, -kMargin);

    qreal y = area.top();
    p.setFont(Font(kTitlePoints, true));
    const QString title = input.fileName.isEmpty() ? QStringLiteral("Wyniki") : QStringLiteral("Wyniki – %1").arg(input.fileName);
    p.drawText(QRectF(area.left(), y, area.width(), kTitlePoints * 1.6), Qt::AlignLeft | Qt::AlignVCenter, title);
    y += kTitlePoints * 1.6 + kGap / 2;
    p.setFont(Font(kTextPoints));
    QRectF used;
    p.drawText(QRectF(area.left(), y, area.width(), kTextPoints * 4), Qt::TextWordWrap, input.filterText, &used);
    y += used.height() + kGap;

    p.setFont(Font(kTextPoints + 2, true));
    p.drawText(QRectF(area.left(), y, area.width(), kRowHeight), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Podsumowanie według głosek i pozycji"));
    y += kRowHeight + 4;
    y = DrawTable(p, input.summary, y, area.left(), area.width(), area.bottom() - kMinChartHeight - kGap * 3);
    p.setFont(Font(kFootPoints));
    p.drawText(QRectF(area.left(), y + 2, area.width(), kFootPoints * 3), Qt::TextWordWrap,
               QStringLiteral("„Poprawnych”: odsetek poprawnych odpowiedzi. „Zmiana”: druga połowa okresu wobec pierwszej, "
                              "w punktach procentowych. Gra z kilkoma głoskami lub pozycjami liczy się w każdej z nich."),
               &used);
    y += used.height() + kGap;

    // The chart fills what is left of the page above the footer.
    const QRectF chartBox(area.left(), y, area.width(), area.bottom() - kFootPoints * 2 - y);
    QGraphicsScene scene;
    auto* chart = new QChart;  // the scene owns it
    scene.addItem(chart);
    chart->setGeometry(QRectF(0, 0, chartBox.width() * kChartScale, chartBox.height() * kChartScale));
    chart->setBackgroundVisible(false);
    FillWeeklyChart(*chart, input.weekly);
    // The chart lays out its axes and title on posted layout requests; let them run before drawing.
    QCoreApplication::sendPostedEvents();
    scene.setSceneRect(chart->geometry());
    scene.render(&p, chartBox, scene.sceneRect());

    p.setFont(Font(kFootPoints));
    p.setPen(Qt::darkGray);
    p.drawText(QRectF(area.left(), area.bottom() - kFootPoints * 1.5, area.width(), kFootPoints * 1.5),
               Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Brimbola – wyniki, %1").arg(QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"))));
    return p.end();
}
