// The weekly chart (see chart.h).
#include "chart.h"

#include <QDateTimeAxis>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>

namespace {

constexpr double kPercent = 100;
constexpr int kPercentTicks = 6;     // 0, 20, .. 100
constexpr int kMaxDateTicks = 8;
constexpr int kMarginDays = 3;
constexpr int kDaysPerWeek = 7;       // room left and right of the first and last week
constexpr qreal kLineWidth = 2.5;
constexpr qreal kMarkerSize = 8;

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

qint64 Msecs(const QDate& day)
{
    return day.startOfDay().toMSecsSinceEpoch();
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
            points.append(QPointF(qreal(Msecs(p.monday)), p.share * kPercent));
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
    if (!first.isValid())
        first = last = QDate::currentDate();
    x->setRange(first.addDays(-kMarginDays).startOfDay(), last.addDays(kMarginDays).startOfDay());
    const int weeks = int(first.daysTo(last) / kDaysPerWeek) + 1;
    x->setTickCount(std::clamp(weeks + 1, 2, kMaxDateTicks));
}
