#include <gtest/gtest.h>

#include "test_support.h"

namespace {

using GameState = CoreTest;

TEST_F(GameState, EmptySettingsGiveAMediumGameWaitingToStart) {
    CGame g;  // the pace of each stored level: below
    EXPECT_FALSE(g.quiet);
    EXPECT_TRUE(g.snapSoundOn);
    EXPECT_TRUE(g.explodeSoundOn);
    EXPECT_EQ(g.bombs, 1);
    EXPECT_EQ(g.score, 0u);
    EXPECT_EQ(g.nextBombScore, 4000u);
    EXPECT_TRUE(g.paused);
    EXPECT_FALSE(g.over);
    EXPECT_FALSE(g.started);
    ASSERT_EQ(g.lattice.Count(), 1);
    EXPECT_EQ(g.lattice.Head(), g.centre);
    EXPECT_EQ(g.centre->colour, 3);
    EXPECT_EQ(g.GemAt({0, 0}), g.centre);
    EXPECT_TRUE(g.falling.IsEmpty());
    EXPECT_TRUE(g.exploding.IsEmpty());
    ASSERT_NE(g.pending, nullptr);
    EXPECT_EQ(g.CountMarked(0xFF), 0u);
}

TEST_F(GameState, StoredDifficultyIsOneMoreThanTheLevel) {
    const struct {
        std::uint32_t stored;
        std::uint32_t difficulty;
        double speed;
        std::int64_t interval;
    } cases[] = {{0, 1, 1.0 / 35.0, 3400},
                 {1, 0, 0.02, 4800},
                 {2, 1, 1.0 / 35.0, 3400},
                 {3, 2, 13.0 / 280.0, 2000},
                 // Above Hard: no menu mark, but Medium's pace.
                 {7, 6, 1.0 / 35.0, 3400}};
    for (const auto& c : cases) {
        WriteSettingDword(kSettingsKey, "Difficulty", c.stored);
        CGame g;
        EXPECT_EQ(g.difficulty, c.difficulty) << c.stored;
        EXPECT_EQ(g.fallSpeed, c.speed) << c.stored;
        EXPECT_EQ(g.spawnInterval, c.interval) << c.stored;
    }
}

TEST_F(GameState, SoundSwitchesComeFromTheSettings) {
    WriteSettingDword(kSettingsKey, "Quiet", 1);
    WriteSettingDword(kSettingsKey, "QuietSnapin", 1);
    CGame g;
    EXPECT_TRUE(g.IsQuiet());
    EXPECT_FALSE(g.snapSoundOn);
    EXPECT_TRUE(g.explodeSoundOn);
}

TEST_F(GameState, DifficultyChangeReachesGemsAlreadyFalling) {
    CGame& g = StartBoard({});
    CGem* gem = AddFalling(0, -200, 0);
    g.Tick();  // the first step only sets the pace
    RunFor(1000);
    const double easyBefore = gem->y;
    g.SetDifficulty(2);
    EXPECT_EQ(g.spawnInterval, 2000);
    const std::int64_t t0 = g.lastStepTime;
    RunFor(1000);
    const double moved = gem->y - easyBefore;
    EXPECT_NEAR(moved, static_cast<double>(g.lastStepTime - t0) * 13.0 / 280.0, 1e-9);
}

TEST_F(GameState, PauseResumeAndEndMoveBetweenTheStates) {
    CGame g;
    g.Pause();  // not started: stays waiting
    EXPECT_TRUE(g.paused);
    EXPECT_FALSE(g.started);
    g.Resume();
    EXPECT_FALSE(g.paused);
    EXPECT_TRUE(g.started);
    g.Pause();
    EXPECT_TRUE(g.paused);
    g.EndGame();
    EXPECT_TRUE(g.over);
    g.Resume();  // over is final
    EXPECT_TRUE(g.paused);
    EXPECT_TRUE(g.over);
}

TEST_F(GameState, NewGameAfterAnEndedOneContinuesGameTimeWithoutAJump) {
    CGame& g = StartBoard({});
    AdvanceRealTime(5000);
    const std::int64_t atEnd = GameClock::Now();
    g.EndGame();
    AdvanceRealTime(60000);
    game = std::make_unique<CGame>();
    EXPECT_EQ(GameClock::Now(), atEnd);
    game->Resume();
    AdvanceRealTime(10);
    EXPECT_EQ(GameClock::Now(), atEnd + 10);
}

}  // namespace
