#include <gtest/gtest.h>

#include "test_support.h"

namespace {

using Scoring = CoreTest;

TEST_F(Scoring, EveryFourThousandPointsEarnABombUpToFive) {
    CGame& g = StartBoard({});
    g.bombs = 1;
    g.score = 3990;
    g.AddScore(10);
    EXPECT_EQ(g.score, 4000u);
    EXPECT_EQ(g.bombs, 2);
    EXPECT_EQ(g.nextBombScore, 8000u);

    g.score = 8000;
    g.nextBombScore = 12000;
    g.bombs = 1;
    g.AddScore(9000);
    EXPECT_EQ(g.score, 17000u);
    EXPECT_EQ(g.bombs, 3);
    EXPECT_EQ(g.nextBombScore, 20000u);
}

TEST_F(Scoring, ThresholdsPassedWithFiveBombsHeldAreLost) {
    CGame& g = StartBoard({}, 5);
    g.score = 19990;
    g.nextBombScore = 20000;
    g.AddScore(10);
    EXPECT_EQ(g.bombs, 5);
    EXPECT_EQ(g.nextBombScore, 24000u);
}

TEST_F(Scoring, HugeScoreNearTheLimitCannotLoopForever) {
    CGame& g = StartBoard({});
    g.score = UINT32_MAX - 5;
    g.nextBombScore = UINT32_MAX - 3000;
    g.AddScore(5);
    EXPECT_EQ(g.score, UINT32_MAX);
    EXPECT_EQ(g.nextBombScore, UINT32_MAX);
}

TEST_F(Scoring, CuesFollowTheSwitches) {
    CGame& g = StartBoard({});
    g.PlayCue(kSnapCue, kCueNoStop);
    g.PlayCue(kExplodeCue, 0);
    ASSERT_EQ(sound.requests.size(), 2u);
    EXPECT_EQ(sound.requests[0].cue, kSnapCue);
    EXPECT_EQ(sound.requests[0].flags, kCueNoStop);
    EXPECT_EQ(sound.requests[1].cue, kExplodeCue);

    g.snapSoundOn = false;
    g.PlayCue(kSnapCue, kCueNoStop);
    g.PlayCue(kExplodeCue, 0);
    EXPECT_EQ(sound.requests.size(), 3u);  // explosions still sound

    g.snapSoundOn = true;
    g.SetQuiet(true);
    g.PlayCue(kSnapCue, kCueNoStop);
    g.PlayCue(kExplodeCue, 0);
    EXPECT_EQ(sound.requests.size(), 3u);
}

}  // namespace
