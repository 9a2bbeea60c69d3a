#pragma once
// The date column of the high-score list: "Nov 3" for a score of the last 180
// days, "Nov 3 02" otherwise (older, or dated in the future). Month names are
// English whatever the user's locale, the day has no leading zero, and the
// date is the local one. A time the platform cannot turn into a local date
// gives the empty text.

#include <cstdint>
#include <string>

inline constexpr std::int64_t kRecentScoreSeconds = 15552000;  // 180 days

std::string FormatScoreDate(std::int64_t time, std::int64_t now);
