#pragma once
// The player's daily games as the end of one tells them: whether it was its
// date's result or practice, the best result, and the run of days in a row
// with a result. Worked out from the history's rows (no database).

#include <QString>
#include <cstdint>
#include <vector>

#include "history/game_row.h"

struct DailyStanding {
    std::uint32_t best = 0;  // the best score among the dates' results
    // Dates in a row, each with a result, up to the latest date with one.
    int run = 0;
};

// `rows` in any order; practice rows count for nothing.
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
