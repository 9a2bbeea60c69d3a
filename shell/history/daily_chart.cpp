#include "shell/history/daily_chart.h"

#include <QChart>
#include <QDateTimeAxis>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>

#include "shell/history/chart_style.h"

namespace {

constexpr int kMedium = 1;
constexpr int kMostTicks = 5;

// Noon, so that no change of the clocks moves a point to another date.
qreal At(const QDate& date) {
    return qreal(QDateTime(date, QTime(12, 0)).toMSecsSinceEpoch());
}

}  // namespace

CDailyChart::CDailyChart(QWidget* parent) : QChartView(parent) {
    setRenderHint(QPainter::Antialiasing);
    setAccessibleName(tr("Daily results"));
    SetResults({});
}

void CDailyChart::SetResults(const std::vector<DailyResult>& results) {
    QChart* chart = NewChart(tr("Daily results; lines: days in a row"));
    chart->setLocale(QLocale());
    const ChartLook& look = DifficultyLook(kMedium);

    // A day of room either side; the ticks fall on whole dates, one a day
    // where the dates are few.
    const QDate first = results.empty() ? QDate::currentDate() : results.front().date;
    const QDate last = results.empty() ? first : results.back().date;
    qint64 days = first.daysTo(last) + 2;
    int ticks = int(days) + 1;
    if (ticks > kMostTicks) {
        days = (days + kMostTicks - 2) / (kMostTicks - 1) * (kMostTicks - 1);
        ticks = kMostTicks;
    }
    auto* dates = new QDateTimeAxis;
    dates->setTitleText(tr("Date"));
    dates->setFormat(QLocale().dateFormat(QLocale::ShortFormat));
    dates->setTickCount(ticks);
    dates->setRange(QDateTime(first.addDays(-1), QTime(12, 0)),
                    QDateTime(first.addDays(days - 1), QTime(12, 0)));
    auto* points = NewValueAxis(tr("Score"));
    std::uint32_t best = 0;
    for (const DailyResult& result : results) {
        best = std::max(best, result.score);
    }
    points->setRange(0, std::max<qreal>(10, best));
    points->applyNiceNumbers();
    chart->addAxis(dates, Qt::AlignBottom);
    chart->addAxis(points, Qt::AlignLeft);

    const auto add = [&](QXYSeries* series) {
        chart->addSeries(series);
        series->attachAxis(dates);
        series->attachAxis(points);
    };
    auto* each = new QScatterSeries;
    each->setName(tr("Result of the day"));
    each->setMarkerShape(look.marker);
    each->setMarkerSize(kChartMarkerSize);
    each->setColor(look.colour);
    each->setBorderColor(look.colour.darker());
    QLineSeries* run = nullptr;
    for (std::size_t i = 0; i < results.size(); ++i) {
        const QPointF point(At(results[i].date), qreal(results[i].score));
        each->append(point);
        if (i > 0 && results[i - 1].date.addDays(1) == results[i].date) {
            if (run == nullptr) {
                run = new QLineSeries;
                run->setPen(QPen(look.colour.darker(130), kChartLineWidth, look.line));
                run->append(QPointF(At(results[i - 1].date), qreal(results[i - 1].score)));
                add(run);
            }
            run->append(point);
        } else {
            run = nullptr;
        }
    }
    add(each);
    // The markers say what a point is; the lines are told in the title.
    for (QLegendMarker* marker : chart->legend()->markers()) {
        marker->setVisible(marker->series() == each);
    }
    ReplaceChart(*this, chart);
}
