#pragma once
// The player's daily games as the end of one and the statistics window tell
// them: whether it was its date's result or practice, each date's result, the
// best, and the runs of days in a row with a result. Worked out from the
// history's rows (no database).

#include <QDate>
#include <QString>
#include <cstdint>
#include <vector>

#include "history/game_row.h"

struct DailyResult {
    QDate date;
    std::uint32_t score = 0;
};

struct DailyStanding {
    // One a date, oldest date first.
    std::vector<DailyResult> results;
    std::uint32_t best = 0;  // the best score among the dates' results
    QDate bestDate;          // its date; the earliest where two are as good
    // Dates in a row, each with a result, up to the latest date with one.
    int run = 0;
    int bestRun = 0;

    int Days() const { return int(results.size()); }
    // The run as it stands on `today`: it goes on while its latest date is
    // today or yesterday (today's game may not be played yet), and is broken
    // once a whole date has passed without a result.
    int RunOn(const QDate& today) const;
};

// `rows` in the order the games ended, as the store gives them; practice rows
// count for nothing.
DailyStanding ComputeDailyStanding(const std::vector<GameRow>& rows);

// What the history tells of a recorded game that has just ended.
struct DailyReport {
    QString date;  // YYYY-MM-DD of a daily game its replay proves; else empty
    std::uint32_t score = 0;
    std::uint32_t rings = 0;
    // The row is written and the rows were read: the fields below are known.
    bool known = false;
    bool result = false;  // the first daily game of its date to end
    DailyStanding standing;
};
