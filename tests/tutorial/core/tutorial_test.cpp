#include "tutorial/core/tutorial.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/polar.h"

TEST(LoadTutorial, TakesInTheTenPagesAndPreparesOrientations) {
    ThreeFalling.falling[2].orientation = 0.0;
    const std::vector<CTutorialPage> pages = LoadTutorial();
    ASSERT_EQ(pages.size(), 10u);
    EXPECT_EQ(pages[0].text, TutorialPageTable[0].text);
    EXPECT_EQ(pages[0].scenario, &EmptyBoard);
    EXPECT_EQ(pages[5].scenario, nullptr);
    EXPECT_FALSE(pages[5].inputLock);
    EXPECT_FALSE(pages[7].inputLock);
    EXPECT_TRUE(pages[9].inputLock);
    EXPECT_EQ(ThreeFalling.falling[2].orientation, ToPolar(140, -210).theta + kHalfPi);
}

TEST(LoadTutorial, StopsAtTwentyPagesAndAtTheNullText) {
    std::vector<CTutorialPageEntry> table(25, {"page", &EmptyBoard, true});
    table.push_back({nullptr, nullptr, false});
    EXPECT_EQ(LoadTutorial(table.data()).size(), 20u);

    const CTutorialPageEntry shortTable[] = {
        {"one", nullptr, false}, {nullptr, nullptr, false}, {"never", nullptr, false}};
    const std::vector<CTutorialPage> pages = LoadTutorial(shortTable);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].text, "one");
}

TEST(CTutorial, StepsThroughThePagesAndStaysAtEitherEnd) {
    CTutorial tutorial(LoadTutorial());
    EXPECT_EQ(tutorial.Caption(), "Tutorial - page 1 of 10");
    EXPECT_FALSE(tutorial.HasPrevious());
    EXPECT_EQ(tutorial.NextButtonText(), "Next page --->");
    tutorial.Previous();
    EXPECT_EQ(tutorial.currentPage, 0);

    for (int i = 0; i < 12; ++i) {
        tutorial.Next();
    }
    EXPECT_EQ(tutorial.currentPage, 9);
    EXPECT_EQ(tutorial.Caption(), "Tutorial - page 10 of 10");
    EXPECT_TRUE(tutorial.HasPrevious());
    EXPECT_EQ(tutorial.NextButtonText(), "Done");
    EXPECT_EQ(tutorial.CurrentPage()->text, TutorialPageTable[9].text);

    tutorial.Previous();
    EXPECT_EQ(tutorial.CurrentPage()->scenario, &EmptyBoard);
    EXPECT_EQ(tutorial.NextButtonText(), "Next page --->");
}

TEST(CTutorial, WithoutPagesHasNoCurrentPage) {
    CTutorial tutorial({});
    EXPECT_EQ(tutorial.CurrentPage(), nullptr);
    tutorial.Next();
    tutorial.Previous();
    EXPECT_EQ(tutorial.currentPage, 0);
    EXPECT_EQ(tutorial.NextButtonText(), "Done");
}
