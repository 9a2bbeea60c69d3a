#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <limits>
#include <string>

#include "scores/core/score_date.h"

namespace {

// Sets the process time zone for one test and puts the old one back.
class TimeZone {
  public:
    explicit TimeZone(const char* zone) {
        if (const char* old = std::getenv("TZ")) {
            saved_ = old;
            hadZone_ = true;
        }
        setenv("TZ", zone, 1);
        tzset();
    }
    ~TimeZone() {
        if (hadZone_) {
            setenv("TZ", saved_.c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }

  private:
    std::string saved_;
    bool hadZone_ = false;
};

constexpr std::int64_t kDay = 86400;
constexpr std::int64_t kNov3_2002 = 1036281600;  // 2002-11-03 00:00 UTC

}  // namespace

TEST(HighScoreDate, RecentScoresShowMonthAndDayOlderOnesTheYearToo) {
    TimeZone utc("UTC0");
    const std::int64_t noon = kNov3_2002 + 12 * 3600;
    EXPECT_EQ(FormatScoreDate(noon, noon), "Nov 3");
    EXPECT_EQ(FormatScoreDate(noon, noon + kDay), "Nov 3");
    EXPECT_EQ(FormatScoreDate(noon, noon + kRecentScoreSeconds - 1), "Nov 3");
    EXPECT_EQ(FormatScoreDate(noon, noon + kRecentScoreSeconds), "Nov 3 02");
    EXPECT_EQ(FormatScoreDate(noon, noon + 181 * kDay), "Nov 3 02");
    // A date in the future is not "recent".
    EXPECT_EQ(FormatScoreDate(noon, noon - 1), "Nov 3 02");
    EXPECT_EQ(FormatScoreDate(kNov3_2002 + 28 * kDay, 0), "Dec 1 02");
    EXPECT_EQ(FormatScoreDate(0, 0), "Jan 1");
    EXPECT_EQ(FormatScoreDate(4102444800, 0), "Jan 1 00");  // 2100, past any 32-bit clock
}

TEST(HighScoreDate, FollowsTheLocalTimeZone) {
    TimeZone tokyo("JST-9");
    EXPECT_EQ(FormatScoreDate(kNov3_2002 - 3600, kNov3_2002), "Nov 3");
    TimeZone newYork("EST5");
    EXPECT_EQ(FormatScoreDate(kNov3_2002 + 3600, kNov3_2002), "Nov 2 02");
}

TEST(HighScoreDate, TimesNoCalendarCanHoldGiveAnEmptyText) {
    TimeZone utc("UTC0");
    EXPECT_EQ(FormatScoreDate(std::numeric_limits<std::int64_t>::max(), 0), "");
    EXPECT_EQ(FormatScoreDate(std::numeric_limits<std::int64_t>::min(), 0), "");
    EXPECT_EQ(FormatScoreDate(0, std::numeric_limits<std::int64_t>::max()), "Jan 1 70");
    EXPECT_EQ(FormatScoreDate(std::numeric_limits<std::int64_t>::min() / 2,
                              std::numeric_limits<std::int64_t>::max()),
              "");
}
