// Speed of the game rules: a step over a crowded wheel, the ring check, and
// ten minutes of play.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

#include "game/game.h"
#include "game/game_clock.h"
#include "game/game_random.h"
#include "game/memory_settings.h"

#include "bench/bench_world.h"

namespace {

// A lattice of the 400 cells nearest the centre in three colours (no two
// neighbours share one, so no ring closes), plus ten gems in flight at the rim.
std::unique_ptr<CGame> CrowdedGame() {
    auto game = std::make_unique<CGame>();
    game->spawnInterval = 0;
    std::vector<Cell> cells;
    for (int a = -16; a <= 16; ++a) {
        for (int b = -16; b <= 16; ++b) {
            if (a != 0 || b != 0) {
                cells.push_back({a, b});
            }
        }
    }
    auto radius = [](Cell c) {
        const CellPoint p = CellCentre(c);
        return p.x * p.x + p.y * p.y;
    };
    std::stable_sort(cells.begin(), cells.end(),
                     [&](Cell l, Cell r) { return radius(l) < radius(r); });
    cells.resize(399);
    for (const Cell c : cells) {
        CGem* g = new CGem;
        g->colour = ((c.a - c.b) % 3 + 3) % 3;
        game->PlaceGem(g, c);
        game->lattice.Append(g);
    }
    for (int i = 0; i < 10; ++i) {
        CGem* g = new CGem;
        g->x = 309.0 * std::cos(i * 0.6);
        g->y = 309.0 * std::sin(i * 0.6);
        game->falling.Append(g);
    }
    game->fallSpeed = 0.0;  // keep the gems in flight step after step
    game->Resume();
    return game;
}

void BM_TickStepStillWheel(benchmark::State& state) {
    BenchWorld world;
    auto game = CrowdedGame();
    for (auto _ : state) {
        world.clock.counter += 100;
        game->Tick();
    }
    state.counters["lattice"] = game->lattice.Count();
    state.counters["falling"] = game->falling.Count();
}
BENCHMARK(BM_TickStepStillWheel);

void BM_TickStepTurningWheel(benchmark::State& state) {
    BenchWorld world;
    auto game = CrowdedGame();
    for (auto _ : state) {
        world.clock.counter += 100;
        game->wheelAngle += 0.01;
        game->Tick();
    }
}
BENCHMARK(BM_TickStepTurningWheel);

void BM_CheckRing(benchmark::State& state) {
    BenchWorld world;
    auto game = CrowdedGame();
    CGem* probe = game->GemAt({3, 0});
    for (auto _ : state) {
        game->CheckRing(probe);
    }
}
BENCHMARK(BM_CheckRing);

void BM_TenMinutesOfPlay(benchmark::State& state) {
    BenchWorld world;
    for (auto _ : state) {
        GameRandom::Seed(99);
        auto game = std::make_unique<CGame>();
        game->Resume();
        std::uint32_t turns = 7;
        for (std::int64_t t = 0; t < 600000; t += 66) {
            world.clock.counter += 66;
            if (game->over) {
                game = std::make_unique<CGame>();
                game->Resume();
            }
            if (t % 462 == 0) {
                turns = turns * 1103515245u + 12345u;
                game->wheelAngle += static_cast<double>(turns % 1000) * 0.002 - 1.0;
                game->RetestContacts();
            }
            game->Tick();
        }
        benchmark::DoNotOptimize(game->score);
    }
}
BENCHMARK(BM_TenMinutesOfPlay)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
