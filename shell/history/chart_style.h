#pragma once
// How the statistics window's charts look: one style for all of them, and the
// difficulties' looks. The difficulties differ in colour (Okabe and Ito's
// palette, told apart with the commonest colour blindnesses), and in marker,
// line and fill as well, so that no one needs the colours.

#include <QColor>
#include <QScatterSeries>

class QChart;
class QChartView;
class QValueAxis;

struct ChartLook {
    QColor colour;
    QScatterSeries::MarkerShape marker;
    Qt::PenStyle line;
    Qt::BrushStyle fill;
};

inline constexpr int kChartDifficulties = 3;
inline constexpr qreal kChartMarkerSize = 7;
inline constexpr qreal kChartLineWidth = 2.5;

// 0 Easy, 1 Medium, 2 Hard; outside them the nearest.
const ChartLook& DifficultyLook(int difficulty);

QChart* NewChart(const QString& title);
QValueAxis* NewValueAxis(const QString& title);
// The view shows `chart` and deletes the one it showed (a view gives one up
// without deleting it).
void ReplaceChart(QChartView& view, QChart* chart);
