// The tutorial's pages and how it steps through them. What its positions play
// out to is checked through the runner (tests/script).
#include "tutorial/core/tutorial.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/polar.h"

// Each page's position and lock: the tutorial window's test, page by page.
TEST(Tutorial, TenPagesOfCrLfTextAndGemsFacingTheCentre) {
    ThreeFalling.falling[2].orientation = 0.0;
    const std::vector<CTutorialPage> pages = LoadTutorial();
    ASSERT_EQ(pages.size(), 10u);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const std::string text = pages[i].text.source;
        for (std::size_t p = text.find('\n'); p != std::string::npos; p = text.find('\n', p + 1)) {
            EXPECT_EQ(text.at(p - 1), '\r') << "page " << i + 1;  // lines end in CR LF
        }
        EXPECT_NE(text.back(), '\n') << "page " << i + 1;
    }
    EXPECT_TRUE(std::string(pages[2].text.source).ends_with("disappear!  "));
    EXPECT_NE(std::string(pages[8].text.source).find("\r\n  (However"), std::string::npos);
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
