#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "test_support.h"

namespace {

using Rings = CoreTest;

std::vector<Cell> CellsAtDistance(int d, Cell around = {0, 0}) {
    std::vector<Cell> cells;
    for (int a = -d; a <= d; ++a) {
        for (int b = -d; b <= d; ++b) {
            if ((std::abs(a) + std::abs(b) + std::abs(a + b)) / 2 == d) {
                cells.push_back({around.a + a, around.b + b});
            }
        }
    }
    return cells;
}

// Puts a gem into a cell and judges its chain, as sticking would.
CGem* StickAndCheck(CGame& g, Cell c, int colour) {
    CGem* gem = new CGem;
    gem->colour = colour;
    g.PlaceGem(gem, c);
    g.lattice.Append(gem);
    g.CheckRing(gem);
    return gem;
}

void Place(CGame& g, const std::vector<Cell>& cells, int colour) {
    for (const Cell c : cells) {
        CGem* gem = new CGem;
        gem->colour = colour;
        g.PlaceGem(gem, c);
        g.lattice.Append(gem);
    }
}

TEST_F(Rings, SixAroundTheCentreExplodeWhenTheSixthSticks) {
    CGame& g = StartBoard({{{1, 0}, 1}, {{0, 1}, 1}, {{-1, 1}, 1}, {{-1, 0}, 1}, {{0, -1}, 1}});
    // The sixth comes down on (1, 0) from the upper left and takes (1, -1).
    CGem* gem = new CGem;
    gem->colour = 1;
    gem->x = 11;
    gem->y = -26;
    g.falling.Append(gem);
    ASSERT_TRUE(g.TestContact(gem, 17, -15.6));
    EXPECT_EQ(gem->cellA, 1);
    EXPECT_EQ(gem->cellB, -1);
    EXPECT_EQ(g.score, 10u + 450u);
    EXPECT_EQ(g.exploding.Count(), 6);
    EXPECT_EQ(g.lattice.Count(), 1);
    for (const Cell c : CellsAtDistance(1)) {
        EXPECT_EQ(g.GemAt(c), nullptr);
    }
    g.exploding.ForEach([&](const CGem* e) {
        EXPECT_EQ(e->exploding, 1u);
        EXPECT_EQ(e->explodedAt, GameClock::Now());
    });
    ASSERT_EQ(sound.requests.size(), 2u);
    EXPECT_EQ(sound.requests[1].cue, kExplodeCue);
    EXPECT_EQ(sound.requests[1].flags, 0u);
}

TEST_F(Rings, ClosedLoopAwayFromTheCentreStays) {
    CGame& g = StartBoard({});
    std::vector<Cell> loop = CellsAtDistance(1, {4, 0});
    const Cell last = loop.back();
    loop.pop_back();
    Place(g, loop, 2);
    StickAndCheck(g, last, 2);
    EXPECT_TRUE(g.exploding.IsEmpty());
    EXPECT_EQ(g.score, 0u);
    EXPECT_EQ(g.CountMarked(ChainMark), 0u);  // marks cleared after a check that exploded nothing
}

TEST_F(Rings, LoopWithAOneCellGapIsNoRing) {
    CGame& g = StartBoard({});
    std::vector<Cell> loop = CellsAtDistance(2);
    loop.erase(loop.begin());  // the gap
    const Cell last = loop.back();
    loop.pop_back();
    Place(g, loop, 0);
    StickAndCheck(g, last, 0);
    EXPECT_TRUE(g.exploding.IsEmpty());
}

TEST_F(Rings, AttachedGemsGoWithTheRingAndGemsInsideStay) {
    CGame& g = StartBoard({});
    std::vector<Cell> loop = CellsAtDistance(2);
    const Cell last = loop.back();
    loop.pop_back();
    Place(g, loop, 0);
    Place(g, CellsAtDistance(1), 1);  // inside, another colour
    Place(g, {{3, 0}, {4, 0}}, 0);    // a tail hanging off the ring
    Place(g, {{5, 0}}, 2);            // beyond the tail, another colour
    StickAndCheck(g, last, 0);
    EXPECT_EQ(g.exploding.Count(), 14);
    EXPECT_EQ(g.score, 14u * 75u);
    EXPECT_EQ(g.lattice.Count(), 1 + 6 + 1);
    EXPECT_NE(g.GemAt({5, 0}), nullptr);
    for (const Cell c : CellsAtDistance(1)) {
        EXPECT_NE(g.GemAt(c), nullptr);
    }
}

TEST_F(Rings, ExplodedCellIsFreeAtOnceAndBelongsToTheNextGem) {
    CGame& g = StartBoard({{{1, 0}, 1}, {{0, 1}, 1}, {{-1, 1}, 1}, {{-1, 0}, 1}, {{0, -1}, 1}});
    StickAndCheck(g, {1, -1}, 1);
    ASSERT_EQ(g.exploding.Count(), 6);
    CGem* old = nullptr;
    g.exploding.ForEach([&](CGem* e) {
        if (e->cellA == 1 && e->cellB == 0) {
            old = e;
        }
    });
    ASSERT_NE(old, nullptr);
    CGem* newer = StickAndCheck(g, {1, 0}, 2);
    EXPECT_EQ(g.GemAt({1, 0}), newer);
    // Retiring the old explosion leaves the newer gem in its cell.
    CGemList::Unlink(old);
    g.DiscardGem(old);
    EXPECT_EQ(g.GemAt({1, 0}), newer);
}

TEST_F(Rings, ChainWalkAndFillCopeWithAFullWheel) {
    // Every cell within the rim holds one colour: the deepest possible walk.
    CGame& g = StartBoard({});
    std::vector<Cell> all;
    for (int a = -16; a <= 16; ++a) {
        for (int b = -16; b <= 16; ++b) {
            const CellPoint p = CellCentre({a, b});
            if (!(a == 0 && b == 0) && p.x * p.x + p.y * p.y < kRimSquared) {
                all.push_back({a, b});
            }
        }
    }
    const Cell last = all.back();
    all.pop_back();
    Place(g, all, 0);
    StickAndCheck(g, last, 0);
    EXPECT_EQ(g.exploding.Count(), static_cast<int>(all.size()) + 1);
}

}  // namespace
