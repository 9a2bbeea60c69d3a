#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <limits>

#include "scores/core/score_date.h"

namespace {

constexpr std::int64_t kDay = 86400;
constexpr std::int64_t kNov3_2002 = 1036281600;  // 2002-11-03 00:00 UTC
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

// Each test runs in UTC unless it picks another time zone.
class HighScoreDate : public ::testing::Test {
  protected:
    static void Zone(const char* tz) {
        setenv("TZ", tz, 1);
        tzset();
    }
    void SetUp() override { Zone("UTC0"); }
    void TearDown() override {
        unsetenv("TZ");
        tzset();
    }
};

}  // namespace

TEST_F(HighScoreDate, RecentScoresShowMonthAndDayOlderOnesTheYearToo) {
    const std::int64_t noon = kNov3_2002 + 12 * 3600;
    EXPECT_EQ(FormatScoreDate(noon, noon), "Nov 3");
    EXPECT_EQ(FormatScoreDate(noon, noon + kRecentScoreSeconds - 1), "Nov 3");
    EXPECT_EQ(FormatScoreDate(noon, noon + kRecentScoreSeconds), "Nov 3 02");
    // A date in the future is not "recent".
    EXPECT_EQ(FormatScoreDate(noon, noon - 1), "Nov 3 02");
    EXPECT_EQ(FormatScoreDate(kNov3_2002 + 28 * kDay, 0), "Dec 1 02");
    EXPECT_EQ(FormatScoreDate(0, 0), "Jan 1");
    EXPECT_EQ(FormatScoreDate(4102444800, 0), "Jan 1 00");  // 2100, past any 32-bit clock
}

TEST_F(HighScoreDate, FollowsTheLocalTimeZone) {
    Zone("JST-9");
    EXPECT_EQ(FormatScoreDate(kNov3_2002 - 3600, kNov3_2002), "Nov 3");
    Zone("EST5");
    EXPECT_EQ(FormatScoreDate(kNov3_2002 + 3600, kNov3_2002), "Nov 2 02");
}

TEST_F(HighScoreDate, TimesNoCalendarCanHoldGiveAnEmptyText) {
    EXPECT_EQ(FormatScoreDate(kMax, 0), "");
    EXPECT_EQ(FormatScoreDate(kMin, 0), "");
    // Far apart, the age of a score must not overflow.
    EXPECT_EQ(FormatScoreDate(kMin / 2, kMax), "");
}
