// SPDX-License-Identifier: GPL-3.0-or-later
// The weekly chart (see chart.h).
#include "chart.h"

#include <QDateTimeAxis>
#include <QLineSeries>
#include <QValueAxis>

namespace {

constexpr double kPercent = 100;
constexpr int kPercentTicks = 6;     // 0, 20, .. 100
constexpr int kMaxDateTicks = 8;
constexpr int kMarginDays = 3;
constexpr int kDaysPerWeek = 7;       // room left and right of the first and last week
constexpr qreal kLineWidth = 2.5;
constexpr qreal kMarkerSize = 8;
// Larger than the labels, so that a parent finds the title and the groups first.
constexpr qreal kTitleScale = 1.4, kLegendScale = 1.25;

// Colours a parent can tell apart, one per sound group in the order of kGroupNames.
const QColor kGroupColours[] = {QColor(0x1f, 0x77, 0xb4), QColor(0xd6, 0x27, 0x28), QColor(0x2c, 0xa0, 0x2c),
                                QColor(0xff, 0x7f, 0x0e), QColor(0x94, 0x67, 0xbd), QColor(0x8c, 0x56, 0x4b),
                                QColor(0xe3, 0x77, 0xc2), QColor(0x7f, 0x7f, 0x7f), QColor(0x17, 0xbe, 0xcf)};

QColor ColourOf(quint16 group)
{
    for (size_t i = 0; i < kGroupNames.size(); ++i)
        if (kGroupNames[i].bit == group)
            return kGroupColours[i % std::size(kGroupColours)];
    return Qt::black;
}

// Days are placed at their noon, so that a change to or from summer time never moves a point or a
// tick into the day before.
QDateTime Noon(const QDate& day)
{
    return QDateTime(day, QTime(12, 0));
}

}  // namespace

void FillWeeklyChart(QChart& chart, const std::vector<WeekSeries>& all)
{
    chart.removeAllSeries();
    for (QAbstractAxis* axis : chart.axes()) {
        chart.removeAxis(axis);  // the chart gives the axis back to us
        delete axis;
    }
    chart.setTitle(all.empty() ? QStringLiteral("Brak odpowiedzi w wybranym okresie")
                               : QStringLiteral("Odsetek poprawnych odpowiedzi w kolejnych tygodniach"));
    // Sized from the desktop's font each time, never from the chart's own (it would grow on every call).
    QFont title;
    title.setPointSizeF(title.pointSizeF() * kTitleScale);
    title.setBold(true);
    chart.setTitleFont(title);
    QFont legend;
    legend.setPointSizeF(legend.pointSizeF() * kLegendScale);
    chart.legend()->setFont(legend);
    chart.legend()->setAlignment(Qt::AlignBottom);
    chart.legend()->setVisible(!all.empty());

    auto* x = new QDateTimeAxis;
    x->setFormat(QStringLiteral("dd.MM.yy"));
    x->setTitleText(QStringLiteral("tydzień (od poniedziałku)"));
    auto* y = new QValueAxis;
    y->setRange(0, kPercent);
    y->setTickCount(kPercentTicks);
    y->setLabelFormat(QStringLiteral("%d%"));
    y->setTitleText(QStringLiteral("poprawne odpowiedzi"));
    chart.addAxis(x, Qt::AlignBottom);
    chart.addAxis(y, Qt::AlignLeft);

    QDate first, last;
    for (const WeekSeries& s : all) {
        auto* line = new QLineSeries;
        line->setName(GroupsText(s.group));
        QPen pen(ColourOf(s.group));
        pen.setWidthF(kLineWidth);
        line->setPen(pen);
        line->setPointsVisible(true);
        line->setMarkerSize(kMarkerSize);
        QList<QPointF> points;
        points.reserve(qsizetype(s.points.size()));
        for (const WeekPoint& p : s.points) {
            points.append(QPointF(qreal(Noon(p.monday).toMSecsSinceEpoch()), p.share * kPercent));
            if (!first.isValid() || p.monday < first)
                first = p.monday;
            if (!last.isValid() || p.monday > last)
                last = p.monday;
        }
        line->replace(points);
        chart.addSeries(line);
        line->attachAxis(x);
        line->attachAxis(y);
    }
    // Ticks fall on Mondays, every week or every few weeks, with a week of room at each end.
    if (!first.isValid())
        first = last = QDate::currentDate().addDays(1 - QDate::currentDate().dayOfWeek());
    const int intervals = int(first.daysTo(last) / kDaysPerWeek) + 2;
    const int step = (intervals + kMaxDateTicks - 2) / (kMaxDateTicks - 1);
    const int ticks = (intervals + step - 1) / step;
    const QDate start = first.addDays(-kDaysPerWeek);
    x->setRange(Noon(start), Noon(start.addDays(qint64(ticks) * step * kDaysPerWeek)));
    x->setTickCount(ticks + 1);
}
