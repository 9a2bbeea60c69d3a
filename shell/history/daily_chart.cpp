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
}

void CDailyChart::SetResults(std::vector<DailyResult> results) {
    results_ = std::move(results);
    stale_ = true;
    if (isVisible()) {
        Build();
    }
}

void CDailyChart::showEvent(QShowEvent* event) {
    QChartView::showEvent(event);
    if (stale_) {
        Build();
    }
}

void CDailyChart::Build() {
    stale_ = false;
    QChart* chart = NewChart(tr("Daily results; lines: days in a row"));
    chart->setLocale(QLocale());
    const ChartLook& look = DifficultyLook(kMedium);

    // A day of room either side; the ticks fall on whole dates, one a day
    // where the dates are few.
    const QDate first = results_.empty() ? QDate::currentDate() : results_.front().date;
    const QDate last = results_.empty() ? first : results_.back().date;
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
    for (const DailyResult& result : results_) {
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
    QList<QPointF> all;
    QList<QPointF> run;  // the days in a row up to the point
    const auto endRun = [&] {
        if (run.size() > 1) {
            auto* line = new QLineSeries;
            line->setPen(QPen(look.colour.darker(130), kChartLineWidth, look.line));
            line->replace(run);
            add(line);
        }
        run.clear();
    };
    for (std::size_t i = 0; i < results_.size(); ++i) {
        if (i > 0 && results_[i - 1].date.addDays(1) != results_[i].date) {
            endRun();
        }
        run.append({At(results_[i].date), qreal(results_[i].score)});
        all.append(run.back());
    }
    endRun();
    each->replace(all);
    add(each);
    // The markers say what a point is; the lines are told in the title.
    for (QLegendMarker* marker : chart->legend()->markers()) {
        marker->setVisible(marker->series() == each);
    }
    ReplaceChart(*this, chart);
}
