#include <gtest/gtest.h>

#include <iostream>

#include "tools/robot/game_invariants.h"
#include "soak_driver.h"

namespace {

// The robot's hand varies from game to game: careless and careful aim, slow
// and quick turns, few and many bombs.
RobotStyle StyleFor(std::uint32_t seed) {
    RobotStyle style;
    constexpr double kAim[5] = {0.0, 0.3, 0.6, 0.8, 0.95};
    style.aimChance = kAim[seed % 5];
    style.maxTurn = (seed / 5) % 2 == 0 ? 0.1 : 0.35;
    style.bombChance = (seed / 10) % 2 == 0 ? 0.001 : 0.02;
    return style;
}

struct SoakShard {
    const char* name;
    std::uint32_t difficulty;
    int games;
    std::uint32_t firstSeed;
    std::uint64_t frequency;  // of the clock counter
};

// 2000 games in shards of similar length, so that they share the cores well.
constexpr SoakShard kShards[] = {
    {"EasyNanosecondClock", 0, 300, 1, 1000000000},
    {"EasyMillisecondClock", 0, 300, 2, 1000},
    {"MediumAcpiClock", 1, 350, 3, 3579545},
    {"MediumNanosecondClock", 1, 350, 4, 1000000000},
    {"HardMillisecondClock", 2, 700, 5, 1000},
};

// Names the shard in test output instead of dumping its bytes.
void PrintTo(const SoakShard& shard, std::ostream* out) {
    *out << shard.name;
}

class Soak : public ::testing::TestWithParam<SoakShard> {};

TEST_P(Soak, EveryRuleHoldsAfterEveryStepOfWholeGames) {
    const SoakShard& shard = GetParam();
    CSoakWorld world(shard.frequency);
    SoakTotals totals;
    const int count = SoakGames(shard.games);
    for (int i = 0; i < count; ++i) {
        const std::uint32_t seed = shard.firstSeed + static_cast<std::uint32_t>(i) * 7919u;
        const std::string broken = world.PlayGame(seed, shard.difficulty, StyleFor(seed), totals);
        ASSERT_EQ(broken, "");
    }
    std::cout << "soak " << shard.name << ": " << totals.games << " games (" << totals.quitGames
              << " quit at the time limit), " << totals.checks << " checks of "
              << CGameInvariants::kRulesPerCheck << " rules, " << totals.gemsStuck
              << " gems stuck, " << totals.gemsLost << " lost, " << totals.rings << " rings of "
              << totals.ringGems << " gems, " << totals.bombs << " bombs, " << totals.pauses
              << " pauses, best score " << totals.bestScore << ", " << totals.gameMs / 3600000.0
              << " hours of game time\n";
    EXPECT_EQ(totals.games, static_cast<std::uint64_t>(count));
    // The robot must really play: gems stick, rings close, bombs fall.
    EXPECT_GT(totals.gemsStuck, totals.games * 10);
    if (count >= 50) {
        EXPECT_GT(totals.rings, 0u);
        EXPECT_GT(totals.bombs, 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(Shards, Soak, ::testing::ValuesIn(kShards),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
