#include <gtest/gtest.h>

#include "test_support.h"

namespace {

class Bombs : public CoreTest {
  protected:
    // Runs until the bomb in flight has struck.
    void RunUntilStruck() {
        for (int i = 0; i < 300 && !game->falling.IsEmpty(); ++i) {
            RunFor(66);
        }
        ASSERT_TRUE(game->falling.IsEmpty());
    }
};

TEST_F(Bombs, DroppingUsesABombAndDoesNothingWhenNoneIsLeft) {
    CGame& g = StartBoard({}, 1);
    CGem* bomb = g.DropBomb();
    ASSERT_NE(bomb, nullptr);
    EXPECT_EQ(bomb->colour, 4);
    EXPECT_EQ(bomb->x, 0.0);
    EXPECT_EQ(bomb->y, -310.0);
    EXPECT_EQ(bomb->orientation, 0.0);
    EXPECT_EQ(g.bombs, 0);
    EXPECT_EQ(g.DropBomb(), nullptr);
    EXPECT_EQ(g.falling.Count(), 1);
}

TEST_F(Bombs, BombBoxIncludesItsTopLeftEdgesOnly) {
    CGame& g = StartBoard({}, 5);
    const ClientRect client{0, 0, 700, 620};
    EXPECT_NE(g.BombBoxHit(8, 5, client), nullptr);
    EXPECT_EQ(g.BombBoxHit(182, 49, client), nullptr);
    EXPECT_EQ(g.BombBoxHit(182, 20, client), nullptr);
    EXPECT_EQ(g.BombBoxHit(7, 20, client), nullptr);
    EXPECT_EQ(g.BombBoxHit(100, 4, client), nullptr);
    EXPECT_EQ(g.BombBoxHit(100, 49, client), nullptr);
    EXPECT_EQ(g.bombs, 4);
}

TEST_F(Bombs, BombNextToTwoColoursDestroysBothChainsForNoPoints) {
    CGame& g =
        StartBoard({{{0, -1}, 0}, {{1, -1}, 1}, {{-1, -1}, 0}, {{2, -1}, 1}, {{-1, 0}, 2}}, 1);
    g.DropBomb();
    RunUntilStruck();
    EXPECT_EQ(g.exploding.Count(), 4);
    EXPECT_EQ(g.lattice.Count(), 2);  // the centre and the colour 2 gem
    EXPECT_NE(g.GemAt({-1, 0}), nullptr);
    EXPECT_EQ(g.score, 0u);
    EXPECT_EQ(g.bombs, 0);
    ASSERT_FALSE(sound.requests.empty());
    EXPECT_EQ(sound.requests.back().cue, kExplodeCue);
}

TEST_F(Bombs, CentralGemSurvivesEveryBomb) {
    CGame& g = StartBoard({}, 1);
    g.DropBomb();
    RunUntilStruck();
    EXPECT_EQ(g.lattice.Count(), 1);
    EXPECT_EQ(g.GemAt({0, 0}), g.centre);
    EXPECT_TRUE(g.exploding.IsEmpty());
}

TEST_F(Bombs, BombWithNowhereToLandTakesTheGemItStruckWithItsChain) {
    // (2, 0) entered first and is walled in on all six sides.
    CGame& g = StartBoard({{{2, 0}, 0},
                           {{3, 0}, 0},
                           {{1, 0}, 1},
                           {{2, 1}, 1},
                           {{2, -1}, 1},
                           {{3, -1}, 2},
                           {{1, 1}, 2}});
    CGem* target = g.GemAt({2, 0});
    CGem* bomb = new CGem;
    bomb->colour = 4;
    bomb->x = 52;
    bomb->y = -30;
    g.falling.Append(bomb);
    ASSERT_TRUE(g.TestContact(bomb, 52, -5));
    EXPECT_EQ(g.exploding.Count(), 2);
    EXPECT_TRUE(g.exploding.Contains(target));
    EXPECT_EQ(g.GemAt({3, 0}), nullptr);
    EXPECT_NE(g.GemAt({1, 0}), nullptr);
}

}  // namespace
