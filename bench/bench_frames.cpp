// What one frame of the window costs while a game plays: the board painted
// where it changed and put into a view of the window's size, as the view's
// paint does it, at the board's base size, full HD and 4K. Falling gems only
// (the wheel still), a turning wheel, and the whole board painted and put
// into the view every frame as before paints were partial. Each beside one
// memcpy of the view's pixels, the floor of a whole repaint: the counter
// "memcpys" is the frame's cost in those.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <memory>

#include "game/game.h"
#include "game/game_clock.h"
#include "render/board_layout.h"
#include "render/board_mapping.h"
#include "render/board_renderer.h"

#include "bench/bench_world.h"

namespace {

using Clock = std::chrono::steady_clock;

enum Kind { kFallingOnly, kTurningWheel, kWholeBoard };

// A game in its middle: a cluster of some sixty gems around the centre and
// six gems on their way down from every side.
std::unique_ptr<CGame> MidGame() {
    auto game = std::make_unique<CGame>();
    for (int a = -5; a <= 5; ++a) {
        for (int b = -5; b <= 5; ++b) {
            const CellPoint p = CellCentre({a, b});
            if ((a != 0 || b != 0) && p.x * p.x + p.y * p.y < 100.0 * 100.0) {
                CGem* gem = new CGem{.colour = (a - b + 30) % 3};
                game->PlaceGem(gem, {a, b});
                game->lattice.Append(gem);
            }
        }
    }
    for (int i = 0; i < 6; ++i) {
        const double a = i * 1.05 + 0.2;
        const double r = 150.0 + 25.0 * i;
        game->falling.Append(new CGem{.x = r * std::cos(a),
                                      .y = r * std::sin(a),
                                      .colour = i % 3,
                                      .orientation = a + kHalfPi});
    }
    game->score = 12340;
    game->bombs = 2;
    game->started = true;
    game->paused = false;
    game->lastStepTime = GameClock::Now();
    return game;
}

// The shortest of some memcpys of a view's pixels.
double MemcpySeconds(const QImage& view) {
    QImage to(view.size(), view.format());
    double best = 1e9;
    for (int i = 0; i < 30; ++i) {
        const auto start = Clock::now();
        std::memcpy(to.bits(), view.constBits(), static_cast<std::size_t>(view.sizeInBytes()));
        benchmark::DoNotOptimize(to.bits());
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
}

void BM_Frame(benchmark::State& state) {
    static BenchWorld world;
    const QSize size(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const auto kind = static_cast<Kind>(state.range(2));
    const BoardMapping mapping = BoardMapping::Fit(QSizeF(size), 1.0);
    QImage view(size, QImage::Format_RGB32);
    auto game = MidGame();
    CBoardRenderer renderer(kBoardClient, mapping.RenderRatio());
    renderer.SetSmoothMotion(true);
    renderer.Paint(*game);
    const std::int64_t step = game->lastStepTime;
    int frame = 0;
    const auto start = Clock::now();
    for (auto _ : state) {
        // 60 frames a second between two steps of the rules, again and
        // again: the gems glide on and jump back.
        world.clock.counter = static_cast<std::uint64_t>(step + 1 + 16 * (++frame % 6));
        if (kind == kTurningWheel) {
            game->wheelAngle += 0.01;
        }
        if (kind == kWholeBoard) {
            renderer.Invalidate();
        }
        renderer.Paint(*game);
        renderer.RetireShown(*game);
        QPainter painter(&view);
        renderer.DrawInView(
            painter, mapping,
            kind == kWholeBoard ? QRegion(view.rect()) : mapping.ToWidget(renderer.Changed()));
        painter.end();
        benchmark::DoNotOptimize(view.constBits());
    }
    const double perFrame =
        std::chrono::duration<double>(Clock::now() - start).count() / state.iterations();
    state.counters["memcpys"] = perFrame / MemcpySeconds(view);

    state.SetLabel(std::array{"falling only", "turning wheel", "whole board"}[kind]);
}
BENCHMARK(BM_Frame)
    ->ArgsProduct({{kBoardWidth}, {kBoardHeight}, {kFallingOnly, kTurningWheel, kWholeBoard}})
    ->ArgsProduct({{1920}, {1080}, {kFallingOnly, kTurningWheel, kWholeBoard}})
    ->ArgsProduct({{3840}, {2160}, {kFallingOnly, kTurningWheel, kWholeBoard}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
