#include "game/game_number.h"

#include <charconv>
#include <chrono>
#include <cstdio>

bool IsGameNumber(std::uint64_t number) {
    return number >= kFirstGameNumber && number <= kLastGameNumber;
}

std::optional<std::uint32_t> ParseGameNumber(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(first, text.find_last_not_of(' ') + 1 - first);
    std::uint64_t number = 0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), number);
    if (r.ec != std::errc() || r.ptr != text.data() + text.size() || !IsGameNumber(number)) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(number);
}

std::optional<GameDate> ParseGameDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return std::nullopt;
    }
    const auto field = [&](std::size_t at, std::size_t size) -> std::optional<unsigned> {
        unsigned value = 0;
        const char* begin = text.data() + at;
        const auto r = std::from_chars(begin, begin + size, value);
        if (r.ec != std::errc() || r.ptr != begin + size) {
            return std::nullopt;
        }
        return value;
    };
    const auto year = field(0, 4);
    const auto month = field(5, 2);
    const auto day = field(8, 2);
    if (!year || !month || !day) {
        return std::nullopt;
    }
    const GameDate date{static_cast<int>(*year), *month, *day};
    const std::chrono::year_month_day ymd{
        std::chrono::year(date.year), std::chrono::month(date.month), std::chrono::day(date.day)};
    if (!ymd.ok()) {
        return std::nullopt;
    }
    return date;
}

std::string GameDateText(const GameDate& date) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", date.year, date.month, date.day);
    return text;
}

std::uint32_t DailyGameNumber(const GameDate& date) {
    const std::chrono::sys_days days{std::chrono::year_month_day{
        std::chrono::year(date.year), std::chrono::month(date.month), std::chrono::day(date.day)}};
    const auto count = static_cast<std::int64_t>(days.time_since_epoch().count());
    std::uint64_t z = static_cast<std::uint64_t>(count) + 0x9E3779B97F4A7C15u;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    z = z ^ (z >> 31);
    return static_cast<std::uint32_t>(1 + z % kLastGameNumber);
}
