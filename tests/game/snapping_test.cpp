#include <gtest/gtest.h>

#include <cmath>

#include "test_support.h"

namespace {

using Snapping = CoreTest;

// A falling gem stored at the given screen offset from the touched gem.
CGem* GemApproaching(CGame& g, CGem* touched, double angle, double distance = 30) {
    const Point2 q = g.ScreenPosition(touched);
    CGem* gem = new CGem;
    gem->x = q.x + distance * std::cos(angle);
    gem->y = q.y + distance * std::sin(angle);
    gem->colour = 0;
    g.falling.Append(gem);
    return gem;
}

TEST_F(Snapping, CellFacesTheApproachThenAlternatesAroundIt) {
    CGame& g = StartBoard({});
    CGem* fromRight = GemApproaching(g, g.centre, 0.0);
    EXPECT_EQ(g.FindFreeCell(fromRight, g.centre), (Cell{1, 0}));

    CGem* fromBelowRight = GemApproaching(g, g.centre, kPi / 3);
    EXPECT_EQ(g.FindFreeCell(fromBelowRight, g.centre), (Cell{0, 1}));
    CGem* blocker = new CGem;
    g.PlaceGem(blocker, {0, 1});
    g.lattice.Append(blocker);
    EXPECT_EQ(g.FindFreeCell(fromBelowRight, g.centre), (Cell{-1, 1}));
    CGem* second = new CGem;
    g.PlaceGem(second, {-1, 1});
    g.lattice.Append(second);
    EXPECT_EQ(g.FindFreeCell(fromBelowRight, g.centre), (Cell{1, 0}));
}

TEST_F(Snapping, TurnedWheelChangesTheSectorInTheWheelFrame) {
    CGame& g = StartBoard({});
    g.wheelAngle = kPi;
    CGem* fromRight = GemApproaching(g, g.centre, 0.0);
    EXPECT_EQ(g.FindFreeCell(fromRight, g.centre), (Cell{-1, 0}));
    // Whole turns of the wheel make no difference.
    g.wheelAngle = kPi + 6 * kTwoPi;
    EXPECT_EQ(g.FindFreeCell(fromRight, g.centre), (Cell{-1, 0}));
}

TEST_F(Snapping, GemOnASectorBoundBelongsToTheSectorAbove) {
    CGame& g = StartBoard({{{2, 0}, 1}});
    // A gem straight below (2, 0) at wheel angle 0: exactly pi/2 from it,
    // which is sector 2: (-1, 1) first, giving (1, 1).
    CGem* touched = g.GemAt({2, 0});
    const Point2 q = g.ScreenPosition(touched);
    CGem* gem = new CGem;
    gem->x = q.x;
    gem->y = q.y + 30;
    g.falling.Append(gem);
    ASSERT_EQ(ToPolar(gem->x - q.x, gem->y - q.y).theta, kHalfPi);
    EXPECT_EQ(g.FindFreeCell(gem, touched), (Cell{1, 1}));
}

TEST_F(Snapping, GemSticksScoresAndPlaysTheSnapCue) {
    CGame& g = StartBoard({});
    CGem* gem = GemApproaching(g, g.centre, 0.0);
    ASSERT_TRUE(g.TestContact(gem, 20, 0));
    EXPECT_EQ(g.GemAt({1, 0}), gem);
    EXPECT_EQ(gem->x, 26.0);
    EXPECT_EQ(gem->y, 0.0);
    EXPECT_EQ(gem->orientation, 0.0);
    EXPECT_EQ(g.lattice.Tail(), gem);
    EXPECT_EQ(g.score, 10u);
    ASSERT_EQ(sound.requests.size(), 1u);
    EXPECT_EQ(sound.requests[0].flags, kCueNoStop);
}

TEST_F(Snapping, NoContactLeavesTheGemFalling) {
    CGame& g = StartBoard({});
    CGem* gem = GemApproaching(g, g.centre, 0.0, 60);
    EXPECT_FALSE(g.TestContact(gem, 22, 1));
    EXPECT_TRUE(g.falling.Contains(gem));
}

TEST_F(Snapping, TheEarliestLatticeGemInReachIsTheOneTouched) {
    // (1, 0) entered before (0, 1); a point 12 px from both picks (1, 0).
    CGame& g = StartBoard({{{1, 0}, 0}, {{0, 1}, 1}});
    CGem* gem = GemApproaching(g, g.GemAt({1, 0}), kPi / 3, 40);
    ASSERT_TRUE(g.TestContact(gem, 26, 12));
    // Approaching (1, 0) from below right: (1, 1) is free.
    EXPECT_EQ(gem->cellA, 1);
    EXPECT_EQ(gem->cellB, 1);
}

TEST_F(Snapping, GemWithNoFreeNeighbourIsDiscardedWithoutPoints) {
    CGame& g = StartBoard(
        {{{1, 0}, 0}, {{-1, 0}, 1}, {{0, 1}, 2}, {{0, -1}, 0}, {{1, -1}, 1}, {{-1, 1}, 2}});
    CGem* gem = GemApproaching(g, g.centre, 0.0);
    ASSERT_TRUE(g.TestContact(gem, 0.5, 1.0));
    EXPECT_EQ(g.score, 0u);
    EXPECT_EQ(g.lattice.Count(), 7);
    EXPECT_EQ(sound.requests.size(), 1u);  // the snap still sounded
}

TEST_F(Snapping, StickingAtOrBeyond296PixelsEndsTheGameAfterScoring) {
    CGame& g = StartBoard({{{3, 9}, 0}});
    CGem* far = GemApproaching(g, g.GemAt({3, 9}), 0.0);
    ASSERT_TRUE(g.TestContact(far, far->x - 10, far->y));
    EXPECT_EQ(g.GemAt({4, 9}), far);
    EXPECT_TRUE(g.over);
    EXPECT_EQ(g.score, 10u);

    CGame& h = StartBoard({{{0, 11}, 0}});
    CGem* near = GemApproaching(h, h.GemAt({0, 11}), 0.0);
    ASSERT_TRUE(h.TestContact(near, near->x - 10, near->y));
    EXPECT_EQ(h.GemAt({1, 11}), near);
    EXPECT_FALSE(h.over);
}

TEST_F(Snapping, EdgeOfTheLatticeIsNeverLeft) {
    CGame& g = StartBoard({{{40, -40}, 0}});
    CGem* edge = g.GemAt({40, -40});
    CGem* gem = GemApproaching(g, edge, 0.0);
    const Point2 q = g.ScreenPosition(edge);
    ASSERT_TRUE(g.TestContact(gem, q.x + 5, q.y));
    // (41, -40) does not exist; the gem took another neighbour.
    EXPECT_TRUE(CellInRange({gem->cellA, gem->cellB}));
}

}  // namespace
