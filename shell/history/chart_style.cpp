#include "shell/history/chart_style.h"

#include <QChart>
#include <QChartView>
#include <QLegend>
#include <QValueAxis>
#include <algorithm>
#include <array>

namespace {

// Blue, orange, reddish purple.
const std::array<ChartLook, kChartDifficulties> kLooks = {{
    {QColor(0x00, 0x72, 0xB2), QScatterSeries::MarkerShapeCircle, Qt::SolidLine, Qt::SolidPattern},
    {QColor(0xE6, 0x9F, 0x00), QScatterSeries::MarkerShapeRectangle, Qt::DashLine,
     Qt::BDiagPattern},
    {QColor(0xCC, 0x79, 0xA7), QScatterSeries::MarkerShapeTriangle, Qt::DotLine,
     Qt::DiagCrossPattern},
}};

}  // namespace

const ChartLook& DifficultyLook(int difficulty) {
    return kLooks[std::size_t(std::clamp(difficulty, 0, kChartDifficulties - 1))];
}

QChart* NewChart(const QString& title) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->setBackgroundRoundness(0);
    return chart;
}

QValueAxis* NewValueAxis(const QString& title) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setLabelFormat(QStringLiteral("%d"));
    return axis;
}

void ReplaceChart(QChartView& view, QChart* chart) {
    QChart* old = view.chart();
    view.setChart(chart);
    delete old;
}
