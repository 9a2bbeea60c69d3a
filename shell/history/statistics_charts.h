#pragma once
// The charts of the statistics window: every game's score in the order they
// were played, one series per difficulty with the average of its last 20
// games, and how often each score was reached, each difficulty in its own
// look (chart_style.h).

#include <QWidget>
#include <vector>

#include "history/game_row.h"

class QBoxLayout;
class QChartView;

class CStatisticsCharts : public QWidget {
    Q_OBJECT

  public:
    // Games in a moving average.
    static constexpr int kAverageOver = 20;
    // Bars of the histogram.
    static constexpr int kBins = 10;

    explicit CStatisticsCharts(QWidget* parent = nullptr);

    // The rows oldest first; drawn when the charts are next shown.
    void SetRows(const std::vector<GameRow>& rows);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void Build();

    std::vector<GameRow> rows_;
    bool stale_ = true;
    QChartView* scores_;
    QChartView* histogram_;
    QBoxLayout* layout_;
};
