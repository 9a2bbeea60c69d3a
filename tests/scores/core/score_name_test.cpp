#include <gtest/gtest.h>

#include <string>

#include "scores/core/score_name.h"

TEST(HighScoreName, RefusedCharactersAreLeftOut) {
    EXPECT_EQ(FilterScoreName("Al|pha"), "Alpha");
    EXPECT_EQ(FilterScoreName(std::string("Tab\tNew\nNul\0End", 16)), "TabNewNulEnd");
    EXPECT_EQ(FilterScoreName("C1\xC2\x85mark"), "C1mark");
    EXPECT_EQ(FilterScoreName("broken\xE6\x9Dutf8\xFF"), "brokenutf8");
    EXPECT_EQ(FilterScoreName("  spaced out  "), "  spaced out  ");
    EXPECT_EQ(FilterScoreName("Zoë 東京 🎲"), "Zoë 東京 🎲");
}

TEST(HighScoreName, IsCutToThirtyTwoCharactersNotBytes) {
    const std::string letters(40, 'x');
    EXPECT_EQ(FilterScoreName(letters), std::string(32, 'x'));

    std::string kanji;
    for (int i = 0; i < 40; ++i) {
        kanji += "東";
    }
    EXPECT_EQ(FilterScoreName(kanji), kanji.substr(0, 32 * 3));

    // Refused characters do not count toward the limit.
    EXPECT_EQ(FilterScoreName(std::string(10, '|') + std::string(32, 'y') + "z"),
              std::string(32, 'y'));
}
