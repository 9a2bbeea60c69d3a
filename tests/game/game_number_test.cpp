// Game numbers and the daily game's: the numbers past days' replays were
// proven by never change.
#include <gtest/gtest.h>

#include <set>

#include "game/game_number.h"

TEST(GameNumbers, EachDateHasItsOwnNumberForeverAndOnlyGamesAreRead) {
    const std::pair<const char*, std::uint32_t> days[] = {
        {"1970-01-01", 60845732},   {"1969-12-31", 785052171},  {"2000-02-29", 1402879061},
        {"2024-02-29", 338099268},  {"2026-12-07", 46057542},   {"2038-01-19", 1237924739},
        {"2038-01-20", 1177303098}, {"2100-02-28", 2146077907}, {"2100-03-01", 1861375485}};
    for (const auto& [day, number] : days) {
        EXPECT_EQ(DailyGameNumber(ParseGameDate(day).value()), number) << day;
        EXPECT_EQ(GameDateText(*ParseGameDate(day)), day);
    }
    std::set<std::uint32_t> numbers;  // a century of days, each its own game
    for (unsigned day = 0; day < 36500; ++day) {
        numbers.insert(DailyGameNumber(
            {2000 + static_cast<int>(day / 365), 1 + day % 365 / 28 % 12, 1 + day % 28}));
    }
    EXPECT_EQ(numbers.size(), 100u * 12 * 28);
    EXPECT_TRUE(ParseGameNumber(" 2147483646 ") == 2147483646u && ParseGameNumber("1") == 1u);
    for (const char* refused : {"", "0", "2147483647", "4294967297", "-1", "+5", "12a", "1 2",
                                "2100-02-29", "2026-13-01", "2026-1-01", "2026-12-07 "}) {
        EXPECT_FALSE(ParseGameNumber(refused) || ParseGameDate(refused)) << refused;
    }
}
