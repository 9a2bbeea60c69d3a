// The robot plays whole games the way the game view drives one: a timer
// message every 66 ms of real time, wheel turns, bombs, pauses of any length
// and the painter's removal of finished explosions. Every rule of
// CGameInvariants is checked after every operation, and at every turn the
// contact test's shortcuts against the rules' walk of the whole cluster. One
// shard per difficulty, each with a clock counter of its own frequency, on a
// machine up for 213 days: ten seconds into the first game a nanosecond count
// times 1000 no longer fits 64 bits.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <iostream>
#include <random>
#include <vector>

#include "game/game_clock.h"
#include "game/game_random.h"
#include "test_seams.h"
#include "tools/robot/game_invariants.h"
#include "tools/robot/robot_player.h"

namespace {

constexpr std::int64_t kHourMs = 3600 * 1000;

class Soak : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(Soak, EveryRuleHoldsAfterEveryStepOfWholeGames) {
    const std::uint32_t difficulty = GetParam();
    // Shards of similar length; the sanitizer run divides them by TORVANE_SOAK_SCALE.
    const char* scale = std::getenv("TORVANE_SOAK_SCALE");
    const int games =
        std::max(1, std::array{120, 160, 300}[difficulty] / (scale ? std::atoi(scale) : 1));
    const CTestSeams seams;  // its clock swapped for one that runs on its own
    CManualClockCounter counter;
    counter.frequency = std::array<std::uint64_t, 3>{1000000000, 3579545, 1000}[difficulty];
    const std::int64_t start = UINT64_MAX / 1000000000 - 10000;  // in milliseconds
    std::int64_t realMs = start;
    auto advance = [&](std::int64_t ms) {
        const auto real = static_cast<std::uint64_t>(realMs += ms);
        counter.counter = real / 1000 * counter.frequency + real % 1000 * counter.frequency / 1000;
    };
    advance(0);
    GameClock::SetCounter(&counter);
    std::uint64_t rings = 0, bombs = 0;
    // The first failure ends the shard.
    for (std::uint32_t seed = difficulty + 1;
         !HasFailure() && seed < difficulty + 1 + games * 7919u; seed += 7919) {
        GameRandom::Seed(seed);
        CGame game;
        game.SetDifficulty(difficulty);
        CGameInvariants rules(game);
        // The hand varies from game to game: careless and careful aim, slow
        // and quick turns, few and many bombs.
        CRobotPlayer robot(seed, {.aimChance = std::array{0.0, 0.6, 0.9, 0.95, 1.0}[seed % 5],
                                  .maxTurn = seed / 5 % 2 == 0 ? 0.1 : 0.35,
                                  .bombChance = seed / 10 % 2 == 0 ? 0.001 : 0.02});
        std::mt19937 hand(seed);
        std::mt19937 probe(seed);
        auto holds = [&](const char* after) {
            EXPECT_EQ(rules.Check(GameClock::Now()), "") << "seed " << seed << ", after " << after;
        };
        holds("a new game");
        game.Resume();
        holds("resume");
        for (std::int64_t step = 0; !HasFailure() && !game.over; ++step) {
            advance(66);                       // a timer message
            if (step * 66 > 30 * 60 * 1000) {  // the robot gives up
                game.EndGame();
                holds("quit");
            }
            if (hand() % 3000 == 0) {
                game.Pause();
                holds("pause");
                // Mostly a short break, sometimes a night, now and then a week.
                const auto kind = hand() % 10;
                advance(kind == 0 ? 168 * kHourMs : kind < 3 ? 8 * kHourMs : 30000);
                game.Tick();  // a timer message that slipped through does nothing
                holds("a long pause");
                game.Resume();
                holds("resume");
            }
            const RobotMove move = robot.Decide(game);
            if (move.wheelAngle != game.wheelAngle) {
                game.wheelAngle = move.wheelAngle;
                // The contact test looks only at the stuck gems near a point:
                // along each falling gem's way in, it finds the very gem a
                // walk of the whole cluster finds first. And a turn moves each
                // falling gem by nothing, through the polar form.
                std::vector<std::pair<const CGem*, Point2>> still;
                game.falling.ForEach([&](const CGem* gem) {
                    const Polar p = ToPolar(gem->x, gem->y);
                    still.push_back({gem, FromPolar(p)});
                    for (double d = probe() % 1000 / 200.0; d < 40; d += 5.0) {
                        const Point2 at = FromPolar({p.r - d, p.theta});
                        const CGem* first = nullptr;
                        for (const CGem* g = game.lattice.Head(); !first && g != game.lattice.End();
                             g = g->next) {
                            const Point2 q = game.ScreenPosition(g);
                            const double dx = at.x - q.x, dy = at.y - q.y;
                            first = dx * dx + dy * dy < kContactSquared ? g : nullptr;
                        }
                        EXPECT_EQ(game.TouchedGem(at.x, at.y), first)
                            << "seed " << seed << ": contact at " << at.x << ", " << at.y;
                    }
                });
                game.RetestContacts();
                for (const auto& [gem, at] : still) {
                    EXPECT_TRUE(!game.falling.Contains(gem) || (gem->x == at.x && gem->y == at.y))
                        << "seed " << seed << ": a turn moved a falling gem";
                }
                game.Tick();
                holds("a wheel turn");
            }
            if (move.dropBomb && !game.over) {
                rules.bombsDropped += game.DropBomb() != nullptr ? 1 : 0;
                holds("a bomb drop");
            }
            // Drawn between steps, each falling gem glides to where this step
            // puts it, never past where the rules' contact test takes it.
            std::vector<std::pair<CGem*, Point2>> glided;
            if (GameClock::Now() >= game.nextStepTime && !game.over) {
                game.falling.ForEach([&](CGem* gem) {
                    const Polar p = ToPolar(gem->x, gem->y);
                    const double reach = game.ContactTravel(*gem);
                    auto touches = [&](double d) {
                        const Point2 at = FromPolar({p.r - d, p.theta});
                        return game.TouchedGem(at.x, at.y) != nullptr;
                    };
                    EXPECT_TRUE(touches(reach + 1e-6) && (reach < 1e-6 || !touches(reach - 1e-6)))
                        << "seed " << seed << ": the contact query";
                    const Point2 at = game.GlidePosition(*gem, GameClock::Now());
                    EXPECT_TRUE(reach == 0 || !touches(p.r - ToPolar(at.x, at.y).r - 1e-6))
                        << "seed " << seed << ": a glide too far";
                    glided.push_back({gem, at});
                });
            }
            // A tick inside the 100 ms gate reads the clock and nothing else.
            const std::int64_t gate = game.nextStepTime;
            game.Tick();
            game.nextStepTime == gate ? void() : holds("a timer tick");
            const bool noneTaken = std::all_of(glided.begin(), glided.end(), [&](auto& g) {
                return game.falling.Contains(g.first);
            });
            for (const auto& [gem, at] : glided) {
                EXPECT_TRUE(!noneTaken || (gem->x == at.x && gem->y == at.y))
                    << "seed " << seed << ": a glide";
            }
            // The painter lets each explosion run for 1200 ms of game time.
            const int explosions = game.exploding.Count();
            game.exploding.ForEach([&](CGem* gem) {
                if (GameClock::Now() - gem->explodedAt >= 1200) {
                    CGemList::Unlink(gem);
                    game.DiscardGem(gem);
                }
            });
            game.exploding.Count() == explosions ? void() : holds("explosions ended");
        }
        rings += rules.rings;
        bombs += rules.bombsStruck;
    }
    std::cout << games << " games, " << rings << " rings, " << bombs << " bombs, "
              << (realMs - start) / kHourMs << " hours\n";
    // The robot must really play: rings close, bombs fall.
    EXPECT_TRUE(games < 10 || (rings * 10 > 1u * games && bombs > 0));
}

INSTANTIATE_TEST_SUITE_P(Shards, Soak, ::testing::Values(0u, 1u, 2u), [](const auto& shard) {
    return std::string(
        std::array{"EasyNanosecondClock", "MediumAcpiClock", "HardMillisecondClock"}[shard.param]);
});

}  // namespace
