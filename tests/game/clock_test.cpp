#include <gtest/gtest.h>

#include "game/game_clock.h"
#include "test_support.h"

namespace {

class ClockTest : public ::testing::Test {
  protected:
    void SetUp() override { GameClock::SetCounter(&counter); }
    void TearDown() override { GameClock::SetCounter(nullptr); }
    CManualClockCounter counter;
};

TEST_F(ClockTest, NanosecondCounterGivesExactMillisecondsAfterYearsOfUptime) {
    counter.frequency = 1000000000;
    counter.counter = 365ull * 86400ull * 1000000000ull + 123456789ull;  // a year and a bit
    EXPECT_EQ(GameClock::RealNow(), 31536000123);
    // Far beyond the point where count x 1000 would overflow 64 bits.
    counter.counter = 1ull << 62;
    EXPECT_EQ(GameClock::RealNow(), static_cast<std::int64_t>((1ull << 62) / 1000000ull));
}

TEST_F(ClockTest, OddFrequencyTruncatesLikeTheDirectFormula) {
    counter.frequency = 3579545;  // an old ACPI timer
    for (std::uint64_t c : {0ull, 1ull, 3579544ull, 3579545ull, 987654321987ull}) {
        counter.counter = c;
        EXPECT_EQ(GameClock::RealNow(), static_cast<std::int64_t>(c * 1000 / 3579545)) << c;
    }
}

TEST_F(ClockTest, FrequencyOfZeroFallsBackToTheTickCountInsteadOfDividing) {
    counter.frequency = 0;
    counter.counter = 5000;
    counter.tickCount = 777;
    EXPECT_EQ(GameClock::RealNow(), 777);
    EXPECT_TRUE(GameClock::hasPerfCounter);
    EXPECT_EQ(GameClock::perfFrequency, 0u);
}

TEST_F(ClockTest, FrequencyKeepsOnlyItsLow32Bits) {
    counter.frequency = (1ull << 32) + 1000;
    GameClock::Initialise();
    EXPECT_EQ(GameClock::perfFrequency, 1000u);
}

TEST_F(ClockTest, WithoutCounterTheClockRunsOnTheMillisecondTickCount) {
    counter.hasCounter = false;
    counter.tickCount = 4000000000u;  // zero-extended, not negative
    EXPECT_EQ(GameClock::RealNow(), 4000000000);
    EXPECT_FALSE(GameClock::hasPerfCounter);
    EXPECT_EQ(GameClock::perfFrequency, 1000u);
}

TEST_F(ClockTest, FrozenClockStandsStillAndThawContinuesWithoutAJump) {
    counter.counter = 10000;
    EXPECT_EQ(GameClock::Now(), 10000);
    GameClock::Freeze();
    counter.counter = 10000 + 7ull * 86400 * 1000;  // a week-long pause
    EXPECT_EQ(GameClock::Now(), 10000);
    GameClock::Freeze();  // a second freeze keeps the first instant
    GameClock::Thaw();
    EXPECT_EQ(GameClock::Now(), 10000);
    counter.counter += 250;
    EXPECT_EQ(GameClock::Now(), 10250);
    GameClock::Thaw();  // thawing a running clock changes nothing
    EXPECT_EQ(GameClock::Now(), 10250);
}

}  // namespace
