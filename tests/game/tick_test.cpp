#include <gtest/gtest.h>

#include "test_support.h"

namespace {

using Ticking = CoreTest;

TEST_F(Ticking, StepsAtMostOncePerHundredMillisecondsOfGameTime) {
    CGame& g = StartBoard({});
    g.Tick();
    const std::int64_t first = g.lastStepTime;
    AdvanceRealTime(99);
    g.Tick();
    EXPECT_EQ(g.lastStepTime, first);
    AdvanceRealTime(1);
    g.Tick();
    EXPECT_EQ(g.lastStepTime, first + 100);
}

TEST_F(Ticking, FirstStepDropsAtOnceAndLaterDropsFollowTheInterval) {
    game = std::make_unique<CGame>();
    CGame& g = *game;
    g.Resume();
    g.Tick();
    EXPECT_EQ(g.falling.Count(), 1);
    ASSERT_NE(g.pending, nullptr);
    EXPECT_EQ(g.nextSpawnTime, GameClock::Now() + 3400);
    RunFor(3300);
    EXPECT_EQ(g.falling.Count(), 1);
    RunFor(200);
    EXPECT_EQ(g.falling.Count(), 2);
}

TEST_F(Ticking, ZeroDropIntervalNeverDrops) {
    CGame& g = StartBoard({});
    RunFor(60000);
    EXPECT_TRUE(g.falling.IsEmpty());
}

TEST_F(Ticking, PausedTimeDoesNotCountAsElapsed) {
    CGame& g = StartBoard({});
    CGem* gem = AddFalling(0, -300, 0);
    g.Tick();
    RunFor(1000);
    const double y = gem->y;
    g.Pause();
    AdvanceRealTime(3600000);  // an hour away
    g.Resume();
    AdvanceRealTime(100);
    g.Tick();
    // Only running time moved the gem: at most the last step's 100-odd ms.
    EXPECT_LT(gem->y - y, 0.03 * 250);
}

TEST_F(Ticking, StepThatEndsTheGameStillDropsTheDueGem) {
    // A gem already touching (3, 9) from the right goes into (4, 9), 296.7 px out.
    CGame& g = StartBoard({{{3, 9}, 0}});
    AddFalling(195 + 20, 198, 1);
    g.spawnInterval = 1000;
    RunFor(2000);
    EXPECT_TRUE(g.over);
    ASSERT_NE(g.GemAt({4, 9}), nullptr);
    EXPECT_EQ(g.score, 10u);
    EXPECT_EQ(g.falling.Count(), 1);  // dropped in that same step, shown under "Game Over"
}

}  // namespace
