#include <gtest/gtest.h>

#include <cmath>

#include "game/game_random.h"
#include "game/polar.h"
#include "test_support.h"

namespace {

using Falling = CoreTest;

// A seed whose first draw gives direction k.
std::uint32_t SeedForDirection(std::uint32_t k) {
    for (std::uint32_t s = 1;; ++s) {
        GameRandom::Seed(s);
        if (GameRandom::Next() % 1000 == k) {
            return s;
        }
    }
}

TEST(Polar, OriginReadsAsRadiusOneStraightDown) {
    const Polar p = ToPolar(0, 0);
    EXPECT_EQ(p.r, 1.0);
    EXPECT_EQ(p.theta, kHalfPi);
    EXPECT_EQ(ToPolar(0, -5).theta, 3 * kHalfPi);
    EXPECT_EQ(ToPolar(-3, 0).theta, kPi);
}

TEST(Polar, ReduceAngleMatchesTurnByTurnReductionAndNeverStalls) {
    EXPECT_EQ(ReduceAngle(-kPi / 96), -kPi / 96 + kTwoPi);
    EXPECT_EQ(ReduceAngle(kTwoPi), kTwoPi);  // only values above a full turn are reduced
    double manual = 100 * kPi + 1.5 * kPi / 48;
    while (manual > kTwoPi) {
        manual -= kTwoPi;
    }
    EXPECT_EQ(ReduceAngle(100 * kPi + 1.5 * kPi / 48), manual);
    const double huge = ReduceAngle(1e300);
    EXPECT_GE(huge, 0.0);
    EXPECT_LE(huge, kTwoPi);
    EXPECT_EQ(ReduceAngle(INFINITY), 0.0);
}

TEST_F(Falling, SpawnDirectionsAndOrientations) {
    GameRandom::Seed(SeedForDirection(0));
    CGame right;
    EXPECT_EQ(right.pendingAngle, 0.0);
    EXPECT_EQ(right.pending->x, 310.0);
    EXPECT_EQ(right.pending->y, 0.0);
    EXPECT_EQ(right.pending->orientation, kHalfPi);

    GameRandom::Seed(SeedForDirection(250));
    CGame bottom;
    EXPECT_NEAR(bottom.pending->x, 0.0, 1e-12);
    EXPECT_NEAR(bottom.pending->y, 310.0, 1e-12);
    EXPECT_NEAR(bottom.pending->orientation, kPi, 1e-15);

    // Exactly a full turn: not reduced.
    GameRandom::Seed(SeedForDirection(750));
    CGame top;
    EXPECT_EQ(top.pending->orientation, kTwoPi);

    GameRandom::Seed(SeedForDirection(999));
    CGame last;
    EXPECT_EQ(last.pendingAngle + kHalfPi, 7.847698448667304);
    EXPECT_EQ(last.pending->orientation, 1.5645131414877174);
}

TEST_F(Falling, EachGemCostsTwoDrawsDirectionThenColour) {
    GameRandom::Seed(1);
    CGame g;
    EXPECT_EQ(g.pendingAngle, static_cast<double>(16807 % 1000) * kTwoPi * 0.001);
    EXPECT_EQ(g.pending->colour, static_cast<int>(282475249u % 3));
    EXPECT_EQ(GameRandom::state, 282475249u);
}

TEST_F(Falling, GemTouchesALoneCentreAfterAboutTenSecondsAtMedium) {
    CGame& g = StartBoard({});
    AddFalling(310, 0, 1);
    g.Tick();
    std::int64_t stuckAt = -1;
    for (int i = 0; i < 400 && stuckAt < 0; ++i) {
        RunFor(66);
        if (g.lattice.Count() == 2) {
            stuckAt = GameClock::Now();
        }
    }
    ASSERT_GT(stuckAt, 0);
    const std::int64_t travelled = stuckAt - 1000000;
    EXPECT_GT(travelled, 10115);
    EXPECT_LT(travelled, 10115 + 300);
    EXPECT_EQ(g.GemAt({1, 0})->colour, 1);
}

TEST_F(Falling, RetestMovesNothingButCatchesAGemTheTurnedClusterNowTouches) {
    CGame& g = StartBoard({{{1, 0}, 0}});
    CGem* gem = AddFalling(0, -40, 2);
    g.RetestContacts();
    EXPECT_NEAR(gem->x, 0.0, 1e-12);
    EXPECT_NEAR(gem->y, -40.0, 1e-12);
    EXPECT_EQ(g.lattice.Count(), 2);
    // Turning the wheel by -pi/2 brings the gem at (26, 0) up to (0, -26).
    g.wheelAngle = -kHalfPi;
    g.RetestContacts();
    EXPECT_EQ(g.lattice.Count(), 3);
    EXPECT_TRUE(g.falling.IsEmpty());
}

}  // namespace
