#include "shell/history/statistics_charts.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QBoxLayout>
#include <QChart>
#include <QChartView>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QScatterSeries>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <algorithm>
#include <array>
#include <deque>

#include "shell/history/chart_style.h"
#include "shell/history/games_table_model.h"

CStatisticsCharts::CStatisticsCharts(QWidget* parent)
    : QWidget(parent), scores_(new QChartView), histogram_(new QChartView) {
    layout_ = new QBoxLayout(QBoxLayout::TopToBottom, this);
    layout_->setContentsMargins(0, 0, 0, 0);
    for (QChartView* view : {scores_, histogram_}) {
        view->setRenderHint(QPainter::Antialiasing);
        layout_->addWidget(view, 1);
    }
    scores_->setAccessibleName(tr("Scores over time"));
    histogram_->setAccessibleName(tr("Scores reached"));
}

void CStatisticsCharts::SetRows(const std::vector<GameRow>& rows) {
    rows_ = rows;
    stale_ = true;
    if (isVisible()) {
        Build();
    }
}

void CStatisticsCharts::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // Side by side where the room is wide (a small screen's window), one
    // above the other where it is tall.
    layout_->setDirection(width() > height() * 3 / 2 ? QBoxLayout::LeftToRight
                                                     : QBoxLayout::TopToBottom);
}

void CStatisticsCharts::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (stale_) {
        Build();
    }
}

void CStatisticsCharts::Build() {
    stale_ = false;
    std::uint32_t best = 0;
    for (const GameRow& row : rows_) {
        best = std::max(best, row.figures.score);
    }

    QChart* scores = NewChart(tr("Scores; lines: average of the last %1").arg(kAverageOver));
    auto* games = NewValueAxis(tr("Games played"));
    auto* points = NewValueAxis(tr("Score"));
    scores->addAxis(games, Qt::AlignBottom);
    scores->addAxis(points, Qt::AlignLeft);
    games->setRange(1, std::max<qreal>(2, qreal(rows_.size())));
    points->setRange(0, std::max<qreal>(10, best));
    points->applyNiceNumbers();

    // The bars: ten of equal width from 0 to the best score, rounded up.
    const std::uint32_t width = std::max<std::uint32_t>(1, (best + kBins) / kBins);
    std::array<std::array<int, kBins>, kChartDifficulties> counts{};

    for (int d = 0; d < kChartDifficulties; ++d) {
        const ChartLook& look = DifficultyLook(d);
        const QString name = CGamesTableModel::DifficultyName(std::uint32_t(d));
        auto* each = new QScatterSeries;
        each->setName(name);
        each->setMarkerShape(look.marker);
        each->setMarkerSize(kChartMarkerSize);
        each->setColor(look.colour);
        each->setBorderColor(look.colour.darker());
        auto* average = new QLineSeries;
        average->setPen(QPen(look.colour.darker(130), kChartLineWidth, look.line));
        std::deque<std::uint32_t> last;
        double sum = 0;
        QList<QPointF> eachPoints;
        QList<QPointF> averagePoints;
        for (std::size_t i = 0; i < rows_.size(); ++i) {
            const GameFigures& f = rows_[i].figures;
            if (f.difficultyStart != std::uint32_t(d)) {
                continue;
            }
            const qreal x = qreal(i + 1);
            eachPoints.append({x, qreal(f.score)});
            last.push_back(f.score);
            sum += f.score;
            if (last.size() > std::size_t(kAverageOver)) {
                sum -= last.front();
                last.pop_front();
            }
            averagePoints.append({x, sum / double(last.size())});
            ++counts[std::size_t(d)][std::min<std::size_t>(f.score / width, kBins - 1)];
        }
        each->replace(eachPoints);
        average->replace(averagePoints);
        for (QXYSeries* series :
             {static_cast<QXYSeries*>(each), static_cast<QXYSeries*>(average)}) {
            scores->addSeries(series);
            series->attachAxis(games);
            series->attachAxis(points);
        }
        // The line takes its difficulty's colour; the legend names it once.
        for (QLegendMarker* marker : scores->legend()->markers(average)) {
            marker->setVisible(false);
        }
    }
    ReplaceChart(*scores_, scores);

    QChart* histogram = NewChart(tr("Scores reached"));
    auto* bars = new QStackedBarSeries;
    for (int d = 0; d < kChartDifficulties; ++d) {
        const ChartLook& look = DifficultyLook(d);
        auto* set = new QBarSet(CGamesTableModel::DifficultyName(std::uint32_t(d)));
        set->setBrush(QBrush(look.colour, look.fill));
        set->setBorderColor(look.colour.darker());
        for (const int count : counts[std::size_t(d)]) {
            *set << count;
        }
        bars->append(set);
    }
    histogram->addSeries(bars);
    auto* ranges = new QBarCategoryAxis;
    ranges->setTitleText(tr("Score, from"));
    ranges->setLabelsAngle(-90);  // upright, they would be cut short in a narrow chart
    const QLocale locale;
    for (int bin = 0; bin < kBins; ++bin) {
        ranges->append(locale.toString(qulonglong(bin) * width));
    }
    auto* howMany = NewValueAxis(tr("Games"));
    histogram->addAxis(ranges, Qt::AlignBottom);
    histogram->addAxis(howMany, Qt::AlignLeft);
    bars->attachAxis(ranges);
    bars->attachAxis(howMany);
    howMany->applyNiceNumbers();
    ReplaceChart(*histogram_, histogram);
}
