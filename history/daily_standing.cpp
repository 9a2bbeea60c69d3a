#include "history/daily_standing.h"

#include <algorithm>

DailyStanding ComputeDailyStanding(const std::vector<GameRow>& rows) {
    DailyStanding standing;
    for (const GameRow& row : rows) {
        const QDate day = QDate::fromString(row.figures.dailyDate, Qt::ISODate);
        if (row.dailyResult && day.isValid()) {
            standing.results.push_back({day, row.figures.score});
        }
    }
    // A date has one result; should a damaged history hold two, the first to
    // end is the one, as it would have been had the history been whole.
    std::stable_sort(standing.results.begin(), standing.results.end(),
                     [](const DailyResult& a, const DailyResult& b) { return a.date < b.date; });
    const auto sameDate = [](const DailyResult& a, const DailyResult& b) {
        return a.date == b.date;
    };
    standing.results.erase(std::unique(standing.results.begin(), standing.results.end(), sameDate),
                           standing.results.end());
    for (std::size_t i = 0; i < standing.results.size(); ++i) {
        const DailyResult& result = standing.results[i];
        if (result.score > standing.best || i == 0) {
            standing.best = result.score;
            standing.bestDate = result.date;
        }
        const bool follows = i > 0 && standing.results[i - 1].date.addDays(1) == result.date;
        standing.run = follows ? standing.run + 1 : 1;
        standing.bestRun = std::max(standing.bestRun, standing.run);
    }
    return standing;
}

int DailyStanding::RunOn(const QDate& today) const {
    return !results.empty() && results.back().date.addDays(1) >= today ? run : 0;
}
