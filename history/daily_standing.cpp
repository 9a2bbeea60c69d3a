#include "history/daily_standing.h"

#include <QDate>
#include <algorithm>

DailyStanding ComputeDailyStanding(const std::vector<GameRow>& rows) {
    DailyStanding standing;
    std::vector<QDate> days;
    for (const GameRow& row : rows) {
        const QDate day = QDate::fromString(row.figures.dailyDate, Qt::ISODate);
        if (row.dailyResult && day.isValid()) {
            days.push_back(day);
            standing.best = std::max(standing.best, row.figures.score);
        }
    }
    std::sort(days.begin(), days.end());
    // A date has one result; should a damaged history hold two, it is still one day.
    days.erase(std::unique(days.begin(), days.end()), days.end());
    for (auto day = days.rbegin(); day != days.rend(); ++day) {
        if (day != days.rbegin() && day->addDays(1) != *std::prev(day)) {
            break;
        }
        ++standing.run;
    }
    return standing;
}
