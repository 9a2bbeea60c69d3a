#include <gtest/gtest.h>

#include <map>

#include "game/game_random.h"
#include "soak_driver.h"

namespace {

// Compares the robot's forecast for each gem close to the cluster with the
// cell the gem really takes.
class ForecastCheck : public IGameObserver {
  public:
    void OnSnap(const CGem& gem) override {
        const auto f = forecast.find(&gem);
        if (f != forecast.end()) {
            (f->second == Cell{gem.cellA, gem.cellB} ? hits : misses) += 1;
            forecast.erase(f);
        }
    }
    void OnRing(unsigned gems) override { rings += gems > 0 ? 1 : 0; }

    std::map<const CGem*, Cell> forecast;
    int hits = 0;
    int misses = 0;
    int rings = 0;
};

TEST(Robot, ForeseesWhereGemsStickAndClosesRings) {
    CManualClockCounter clock;
    clock.counter = 5000;
    GameClock::SetCounter(&clock);
    CMemorySettings settings;
    CScopedSettingsBackend useSettings(&settings);
    ForecastCheck check;
    for (std::uint32_t seed = 1; seed <= 4; ++seed) {
        GameRandom::Seed(seed);
        CGame game;
        game.observer = &check;
        game.Resume();
        RobotStyle careful;
        careful.aimChance = 1.0;
        careful.bombChance = 0.0;
        careful.crowdedRadius = 1000.0;
        CRobotPlayer robot(seed, careful);
        while (!game.over) {
            clock.counter += 66;
            const RobotMove move = robot.Decide(game);
            if (move.wheelAngle != game.wheelAngle) {
                game.wheelAngle = move.wheelAngle;
                game.RetestContacts();
            }
            game.Tick();
            // Forecast only for gems about to arrive, when the wheel has settled.
            game.falling.ForEach([&](const CGem* g) {
                const Polar p = ToPolar(g->x, g->y);
                const auto cell = CRobotPlayer::PredictLanding(game, p.r, p.theta, game.wheelAngle);
                if (p.r < 60.0 && cell) {
                    check.forecast[g] = *cell;
                }
            });
        }
        check.forecast.clear();
    }
    GameClock::SetCounter(nullptr);
    EXPECT_GT(check.hits, 50);
    EXPECT_LT(check.misses * 10, check.hits);
    EXPECT_GT(check.rings, 0);
}

}  // namespace
