// Game numbers and the daily game's: the numbers past days' replays were
// proven by never change.
#include <gtest/gtest.h>

#include <set>

#include "game/game_number.h"

TEST(GameNumbers, EachDateHasItsOwnNumberForever) {
    const struct {
        GameDate date;
        std::uint32_t number;
    } days[] = {
        {{1970, 1, 1}, 60845732},    {{1969, 12, 31}, 785052171}, {{2000, 2, 29}, 1402879061},
        {{2024, 2, 29}, 338099268},  {{2026, 12, 7}, 46057542},   {{2026, 12, 8}, 234980808},
        {{2038, 1, 19}, 1237924739}, {{2038, 1, 20}, 1177303098}, {{2100, 2, 28}, 2146077907},
        {{2100, 3, 1}, 1861375485},
    };
    for (const auto& day : days) {
        EXPECT_EQ(DailyGameNumber(day.date), day.number) << GameDateText(day.date);
        EXPECT_EQ(ParseGameDate(GameDateText(day.date)), day.date);
    }
    // A century of days, each its own game.
    std::set<std::uint32_t> numbers;
    for (int year = 2000; year < 2100; ++year) {
        for (unsigned month = 1; month <= 12; ++month) {
            for (unsigned day = 1; day <= 28; ++day) {
                const std::uint32_t number = DailyGameNumber({year, month, day});
                EXPECT_TRUE(IsGameNumber(number));
                numbers.insert(number);
            }
        }
    }
    EXPECT_EQ(numbers.size(), 100u * 12 * 28);
}

TEST(GameNumbers, OnlyNumbersAndDatesThatNameAGameAreRead) {
    EXPECT_EQ(ParseGameNumber("1"), 1u);
    EXPECT_EQ(ParseGameNumber(" 2147483646 "), 2147483646u);
    for (const char* refused : {"", "0", "2147483647", "4294967297", "-1", "+5", "12a", "1 2"}) {
        EXPECT_FALSE(ParseGameNumber(refused)) << refused;
    }
    for (const char* refused : {"2026-02-29", "2100-02-29", "2026-13-01", "2026-1-01", "26-12-07",
                                "2026/12/07", "2026-12-07 "}) {
        EXPECT_FALSE(ParseGameDate(refused)) << refused;
    }
    EXPECT_TRUE(ParseGameDate("2000-02-29"));
}
