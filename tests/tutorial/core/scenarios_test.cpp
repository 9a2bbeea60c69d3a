#include "tutorial/core/scenarios.h"

#include <gtest/gtest.h>

#include <string>

#include "game/polar.h"
#include "scenario_play.h"

namespace {

int CountColour(const CGemList& list, std::int32_t colour) {
    int n = 0;
    list.ForEach([&](const CGem* g) { n += g->colour == colour ? 1 : 0; });
    return n;
}

std::int32_t ColourAt(const CGame& game, Cell c) {
    const CGem* gem = game.GemAt(c);
    return gem != nullptr ? gem->colour : -1;
}

bool ExplodedAt(const CGame& game, Cell c) {
    bool found = false;
    game.exploding.ForEach([&](const CGem* g) { found |= g->cellA == c.a && g->cellB == c.b; });
    return found;
}

}  // namespace

TEST(Scenarios, FoundByNameAndUnknownNamesGiveNull) {
    EXPECT_EQ(FindScenario("EmptyBoard"), &EmptyBoard);
    EXPECT_EQ(FindScenario("ThreeFalling"), &ThreeFalling);
    EXPECT_EQ(FindScenario("RingShowcase"), &RingShowcase);
    EXPECT_EQ(FindScenario("SixAround"), &SixAround);
    EXPECT_EQ(FindScenario("PinkChain"), &PinkChain);
    EXPECT_EQ(FindScenario("BombBoard"), &BombBoard);
    EXPECT_EQ(FindScenario("BombPractice"), &BombPractice);
    EXPECT_EQ(FindScenario(""), nullptr);
    EXPECT_EQ(FindScenario("emptyboard"), nullptr);
    EXPECT_EQ(FindScenario("BombPractice "), nullptr);
}

TEST(Scenarios, GamesBuiltFromThemHoldTheirGemsAndBombs) {
    ScenarioPlay play;
    struct Expected {
        const CGameSnapshot* scenario;
        int falling;
        int lattice;  // the central gem included
        std::int32_t bombs;
    };
    const Expected cases[] = {
        {&EmptyBoard, 0, 1, 0},    {&ThreeFalling, 3, 1, 0}, {&RingShowcase, 0, 17, 0},
        {&SixAround, 1, 12, 0},    {&PinkChain, 1, 35, 0},   {&BombBoard, 0, 22, 0},
        {&BombPractice, 0, 22, 4},
    };
    for (const Expected& e : cases) {
        CGame& game = play.Start(e.scenario);
        EXPECT_EQ(game.falling.Count(), e.falling);
        EXPECT_EQ(game.lattice.Count(), e.lattice);
        EXPECT_EQ(game.bombs, e.bombs);
        EXPECT_EQ(game.score, 0u);
        EXPECT_EQ(game.spawnInterval, 0);
    }
    EXPECT_EQ(BombBoard.lattice, BombPractice.lattice);
}

TEST(Scenarios, RingShowcaseIsOneClosedLoopOfColourZero) {
    ScenarioPlay play;
    CGame& game = play.Start(&RingShowcase);
    EXPECT_EQ(CountColour(game.lattice, 0), 16);
    // Nothing sticks, so the loop stays on show however long the page is read.
    play.Run(20000);
    EXPECT_EQ(game.lattice.Count(), 17);
    EXPECT_EQ(game.score, 0u);
}

TEST(Scenarios, EmptyBoardNeverReceivesANewGem) {
    ScenarioPlay play;
    CGame& game = play.Start(&EmptyBoard);
    play.Run(60000);
    EXPECT_TRUE(game.falling.IsEmpty());
    EXPECT_EQ(game.lattice.Count(), 1);
    EXPECT_FALSE(game.over);
}

TEST(Scenarios, ThreeFallingGemsStickNextToTheCentreAndScoreThirty) {
    ScenarioPlay play;
    CGame& game = play.Start(&ThreeFalling);
    play.RunUntilLanded();
    EXPECT_TRUE(game.falling.IsEmpty());
    EXPECT_EQ(ColourAt(game, {1, -1}), 0);
    EXPECT_EQ(ColourAt(game, {0, -1}), 1);
    EXPECT_EQ(ColourAt(game, {2, -2}), 2);
    EXPECT_EQ(game.score, 30u);
    EXPECT_TRUE(game.exploding.IsEmpty());
}

TEST(Scenarios, SixAroundClosesTheYellowRingForFourHundredSixty) {
    ScenarioPlay play;
    CGame& game = play.Start(&SixAround);
    play.RunUntilLanded();
    EXPECT_EQ(game.score, 460u);
    EXPECT_EQ(game.exploding.Count(), 6);
    EXPECT_TRUE(ExplodedAt(game, {0, -1}));
    EXPECT_EQ(CountColour(game.lattice, 1), 0);
    EXPECT_EQ(game.lattice.Count(), 7);
}

TEST(Scenarios, PinkChainExplodesFifteenAndLeavesTheYellowLoop) {
    ScenarioPlay play;
    CGame& game = play.Start(&PinkChain);
    play.RunUntilLanded();
    EXPECT_EQ(game.score, 1135u);
    EXPECT_EQ(game.exploding.Count(), 15);
    EXPECT_TRUE(ExplodedAt(game, {1, -3}));
    EXPECT_EQ(CountColour(game.exploding, 2), 15);
    // The two pink gems out at the left touch no part of the chain.
    EXPECT_EQ(CountColour(game.lattice, 2), 2);
    EXPECT_EQ(ColourAt(game, {-3, 2}), 2);
    EXPECT_EQ(ColourAt(game, {-3, 3}), 2);
    for (Cell c : {Cell{1, 2}, Cell{2, 2}, Cell{2, 3}, Cell{1, 4}, Cell{0, 4}, Cell{0, 3}}) {
        EXPECT_EQ(ColourAt(game, c), 1) << c.a << "," << c.b;
    }
    EXPECT_EQ(ColourAt(game, {1, 3}), 0);
}

TEST(Scenarios, DifficultyChangesHowFastGemsFallButNotWhereTheyStick) {
    for (std::uint32_t stored : {1u, 3u}) {  // easy and hard, stored plus one
        ScenarioPlay play(stored);
        CGame& game = play.Start(&ThreeFalling);
        play.RunUntilLanded();
        EXPECT_EQ(ColourAt(game, {1, -1}), 0);
        EXPECT_EQ(ColourAt(game, {0, -1}), 1);
        EXPECT_EQ(ColourAt(game, {2, -2}), 2);
        ScenarioPlay again(stored);
        CGame& pink = again.Start(&PinkChain);
        again.RunUntilLanded();
        EXPECT_EQ(pink.score, 1135u);
    }
}

TEST(Scenarios, OrientationsFaceTheCentreAndRepeatOnEveryPreparation) {
    PrepareScenarioOrientations();
    const CSnapshotGem& first = ThreeFalling.falling[0];
    EXPECT_EQ(first.orientation, ToPolar(44, -120).theta + kHalfPi);
    // Not reduced: a gem in the upper half lies beyond 3pi/2 before the quarter turn.
    EXPECT_GT(first.orientation, kTwoPi);
    const double before = PinkChain.falling[0].orientation;
    PrepareScenarioOrientations();
    EXPECT_EQ(PinkChain.falling[0].orientation, before);
    EXPECT_EQ(SixAround.falling[0].orientation, ToPolar(-102, -200).theta + kHalfPi);
}

TEST(TutorialPageTable, TenPagesWithTheirScenariosAndLocksThenTheEnd) {
    const CGameSnapshot* scenarios[] = {&EmptyBoard, &ThreeFalling, &RingShowcase, &SixAround,
                                        &PinkChain,  nullptr,       &BombBoard,    &BombPractice,
                                        &EmptyBoard, &EmptyBoard};
    for (int i = 0; i < kTutorialPageCount; ++i) {
        ASSERT_NE(TutorialPageTable[i].text, nullptr) << i;
        EXPECT_EQ(TutorialPageTable[i].scenario, scenarios[i]) << i;
        EXPECT_EQ(TutorialPageTable[i].inputLock, i != 5 && i != 7) << i;
    }
    EXPECT_EQ(TutorialPageTable[kTutorialPageCount].text, nullptr);
}

TEST(TutorialPageTable, LinesAreJoinedByCarriageReturnAndLineFeed) {
    for (int i = 0; i < kTutorialPageCount; ++i) {
        const std::string text = TutorialPageTable[i].text;
        for (std::size_t p = text.find('\n'); p != std::string::npos; p = text.find('\n', p + 1)) {
            ASSERT_GT(p, 0u);
            EXPECT_EQ(text[p - 1], '\r') << "page " << i + 1;
        }
        EXPECT_NE(text.back(), '\n') << "page " << i + 1;
    }
    EXPECT_EQ(std::string(TutorialPageTable[1].text),
              "Now there are three more gems.  They are falling toward the center.\r\n\r\n"
              "Watch how they stick together when they reach the center.");
    EXPECT_TRUE(std::string(TutorialPageTable[2].text).ends_with("disappear!  "));
    EXPECT_TRUE(std::string(TutorialPageTable[8].text).find("\r\n  (However") != std::string::npos);
}
