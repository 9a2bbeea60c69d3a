#pragma once
// The date column of the high-score list: "Nov 3" for a score of the last 180
// days, "Nov 3 02" otherwise (older, or dated in the future). The day has no
// leading zero, and the date is the local one. A time the platform cannot
// turn into a local date gives the empty text. The window shows the same
// date in the reader's language; this English one is what torvane-sim prints.

#include <cstdint>
#include <optional>
#include <string>

inline constexpr std::int64_t kRecentScoreSeconds = 15552000;  // 180 days

// The local day of a score, and whether its year is shown.
struct ScoreDay {
    long long year;
    int month;  // 1 to 12
    int day;
    bool showYear;
};
std::optional<ScoreDay> ScoreDateParts(std::int64_t time, std::int64_t now);

std::string FormatScoreDate(std::int64_t time, std::int64_t now);
