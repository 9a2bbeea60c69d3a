#include <gtest/gtest.h>

#include <vector>

#include "game/game_clock.h"
#include "game/game_random.h"
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

namespace {

// What one game did, told apart by game time since its start: the same seed
// and the same timer must give the same story whatever the clock counter is,
// however long the machine has been up and however long the player paused.
struct Story : IGameObserver {
    void OnSnap(const CGem& gem) override {
        events.push_back({GameClock::Now() - start, gem.cellA, gem.cellB, gem.colour});
    }
    void OnRing(unsigned gems) override {
        events.push_back({GameClock::Now() - start, -1, -1, static_cast<int>(gems)});
    }
    struct Event {
        std::int64_t t;
        int a;
        int b;
        int colour;
        bool operator==(const Event&) const = default;
    };
    std::int64_t start = 0;
    std::vector<Event> events;
};

enum class Source { Milliseconds, Nanoseconds, TickCountOnly, FrequencyZero };

// Plays seed 42 at Hard with no input for five minutes of game time, on a
// machine that has been up `uptimeMs`, pausing for `pauseMs` after a minute.
Story PlayFiveMinutes(Source source, std::int64_t uptimeMs, std::int64_t pauseMs) {
    CManualClockCounter counter;
    counter.hasCounter = source != Source::TickCountOnly;
    counter.frequency = source == Source::Nanoseconds     ? 1000000000
                        : source == Source::FrequencyZero ? 0
                                                          : 1000;
    std::int64_t real = uptimeMs;
    auto setReal = [&] {
        counter.counter =
            static_cast<std::uint64_t>(real) * (source == Source::Nanoseconds ? 1000000u : 1u);
        counter.tickCount = static_cast<std::uint32_t>(real);
    };
    setReal();
    GameClock::SetCounter(&counter);
    CMemorySettings settings;
    CScopedSettingsBackend use(&settings);
    WriteSettingDword(kSettingsKey, "Difficulty", 3);
    GameRandom::Seed(42);
    Story story;
    {
        CGame game;
        game.observer = &story;
        story.start = GameClock::Now();
        game.Resume();
        for (int firing = 1; firing * 66 <= 300000 && !game.over; ++firing) {
            real += 66;
            setReal();
            if (firing == 909) {  // a minute in
                game.Pause();
                real += pauseMs;
                setReal();
                game.Resume();
            }
            game.Tick();
        }
    }
    GameClock::SetCounter(nullptr);
    return story;
}

constexpr std::int64_t kYearMs = 365LL * 86400 * 1000;
constexpr std::int64_t kWeekMs = 7LL * 86400 * 1000;
constexpr std::int64_t kTickWrapMs = std::int64_t{1} << 32;  // about 49.7 days

TEST(ClockInPlay, SameSeedPlaysTheSameAfterAYearOfUptimeAWeekLongPauseOrATickCountWrap) {
    const Story reference = PlayFiveMinutes(Source::Milliseconds, 1000000, 0);
    ASSERT_GT(reference.events.size(), 50u);
    EXPECT_EQ(PlayFiveMinutes(Source::Nanoseconds, kYearMs, 0).events, reference.events);
    EXPECT_EQ(PlayFiveMinutes(Source::Nanoseconds, kYearMs, kWeekMs).events, reference.events);
    // The 32-bit tick count wraps during the first minute of play, and again
    // during the pause.
    EXPECT_EQ(PlayFiveMinutes(Source::TickCountOnly, kTickWrapMs - 30000, 0).events,
              reference.events);
    EXPECT_EQ(PlayFiveMinutes(Source::FrequencyZero, kTickWrapMs - 30000, kWeekMs * 8).events,
              reference.events);
}

TEST(ClockInPlay, CounterOfOneTickPerSecondStillPlaysInWholeSeconds) {
    CManualClockCounter counter;
    counter.frequency = 1;
    counter.counter = 1000;
    GameClock::SetCounter(&counter);
    CMemorySettings settings;
    CScopedSettingsBackend use(&settings);
    CGame game;
    game.spawnInterval = 0;
    CGem* gem = new CGem;
    gem->x = 310.0;
    game.falling.Append(gem);
    game.Resume();
    std::int64_t lastNow = GameClock::Now();
    int firings = 0;
    for (; !game.falling.IsEmpty() && firings < 1000; ++firings) {
        counter.counter = 1000 + static_cast<std::uint64_t>(firings) * 66 / 1000;
        game.Tick();
        EXPECT_EQ(GameClock::Now() % 1000, 0);
        EXPECT_GE(GameClock::Now(), lastNow);
        lastNow = GameClock::Now();
    }
    // At Medium the gem needs a little over ten seconds: whole seconds only
    // make it arrive up to one step late.
    EXPECT_EQ(game.lattice.Count(), 2);
    EXPECT_GE(firings * 66, 10115);
    EXPECT_LE(firings * 66, 12200);
    GameClock::SetCounter(nullptr);
}

}  // namespace
