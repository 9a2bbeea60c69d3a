// The tutorial's pages and how it steps through them. What its positions play
// out to is checked through the runner (tests/script).
#include "tutorial/core/tutorial.h"

#include <gtest/gtest.h>

#include <vector>

#include "game/polar.h"

// Each page's position and lock are checked by the tutorial window's test,
// page by page; its texts, to the last space and CR LF, by translations_current.
TEST(Tutorial, TenPagesWithTheirGemsFacingTheCentre) {
    ThreeFalling.falling[2].orientation = 0.0;
    ASSERT_EQ(LoadTutorial().size(), 10u);
    // Not reduced: a gem in the upper half lies beyond 3pi/2 before the quarter turn.
    for (const CGameSnapshot* s : {&ThreeFalling, &SixAround, &PinkChain}) {
        for (int i = 0; i < s->fallingCount; ++i) {
            const CSnapshotGem& gem = s->falling[i];
            EXPECT_EQ(gem.orientation, ToPolar(gem.x, gem.y).theta + kHalfPi) << i;
        }
    }
}

TEST(Tutorial, TakesInAtMostTwentyPages) {
    std::vector<CTutorialPageEntry> table(25, {{"Tutorial", "page"}, &EmptyBoard, true});
    table.push_back({{}, nullptr, false});
    EXPECT_EQ(LoadTutorial(table.data()).size(), 20u);
}

// The window's buttons never step past either end; the tutorial itself stays there.
TEST(Tutorial, StaysAtEitherEnd) {
    CTutorial tutorial(LoadTutorial());
    tutorial.Previous();
    EXPECT_EQ(tutorial.Caption().English(), "Tutorial - page 1 of 10");
    for (int i = 0; i < 12; ++i) {
        tutorial.Next();
    }
    EXPECT_EQ(tutorial.Caption().English(), "Tutorial - page 10 of 10");
    CTutorial empty({});
    empty.Next();
    EXPECT_EQ(empty.CurrentPage(), nullptr);
}
