#pragma once
// The chart of the daily game's results: each date's result over the dates,
// the days in a row joined by a line, so that a run and its breaks show
// without colour. A daily game is Medium and is drawn in Medium's look.

#include <QChartView>
#include <vector>

#include "history/daily_standing.h"

class CDailyChart : public QChartView {
    Q_OBJECT

  public:
    explicit CDailyChart(QWidget* parent = nullptr);

    // One a date, oldest first, as the standing holds them; drawn when the
    // chart is next shown.
    void SetResults(std::vector<DailyResult> results);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Build();

    std::vector<DailyResult> results_;
    bool stale_ = true;
};
