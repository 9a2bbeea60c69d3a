#include "scores/core/score_date.h"

#include <array>
#include <ctime>
#include <limits>

namespace {

constexpr std::array<const char*, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

bool ToLocal(std::int64_t time, std::tm& out) {
    if (time < std::numeric_limits<std::time_t>::min() ||
        time > std::numeric_limits<std::time_t>::max()) {
        return false;
    }
    const auto t = static_cast<std::time_t>(time);
#ifdef _WIN32
    return localtime_s(&out, &t) == 0;
#else
    return localtime_r(&t, &out) != nullptr;
#endif
}

bool IsRecent(std::int64_t time, std::int64_t now) {
    if (time > now) {
        return false;
    }
    // The difference of two 64-bit times may not fit a signed 64-bit number.
    const std::uint64_t age = static_cast<std::uint64_t>(now) - static_cast<std::uint64_t>(time);
    return age < static_cast<std::uint64_t>(kRecentScoreSeconds);
}

}  // namespace

std::optional<ScoreDay> ScoreDateParts(std::int64_t time, std::int64_t now) {
    std::tm local{};
    if (!ToLocal(time, local) || local.tm_mon < 0 || local.tm_mon > 11) {
        return std::nullopt;
    }
    return ScoreDay{static_cast<long long>(local.tm_year) + 1900, local.tm_mon + 1, local.tm_mday,
                    !IsRecent(time, now)};
}

std::string FormatScoreDate(std::int64_t time, std::int64_t now) {
    const std::optional<ScoreDay> day = ScoreDateParts(time, now);
    if (!day) {
        return {};
    }
    std::string text = kMonths[static_cast<std::size_t>(day->month - 1)];
    text += ' ';
    text += std::to_string(day->day);
    if (day->showYear) {
        const long long yy = (day->year % 100 + 100) % 100;
        text += ' ';
        text += static_cast<char>('0' + yy / 10);
        text += static_cast<char>('0' + yy % 10);
    }
    return text;
}
