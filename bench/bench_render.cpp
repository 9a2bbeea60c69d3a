// Speed of painting the whole board (bench_frames has the frames of a game
// painted where they change): a full board (450 gems over the whole wheel, 10
// falling, 12 exploding, the score and a banner) at pixel ratio 1 and 2, beside
// one memcpy of the same image (the floor of any repaint) and a naive painter
// that turns every gem with a transform each frame; and building the sprites.
// Then the whole view at three window sizes, the board scaled to fit and the
// margins tiled, beside one memcpy of the view's buffer; and the cost of a new
// renderer when the scale changes.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "game/game.h"
#include "game/game_clock.h"
#include "game/memory_settings.h"
#include "render/artwork.h"
#include "render/board_fonts.h"
#include "render/board_mapping.h"
#include "render/board_renderer.h"
#include "render/gem_drawing.h"
#include "render/gem_sprites.h"

#include "bench/bench_world.h"

namespace {

constexpr ClientRect kClient{0, 0, 700, 620};

BenchWorld& TheWorld() {
    static BenchWorld world;
    return world;
}

std::unique_ptr<CGame> FullBoard() {
    TheWorld();
    auto game = std::make_unique<CGame>();
    // The 450 cells nearest the centre (the central gem among them) cover the
    // whole wheel.
    std::vector<Cell> cells;
    for (int a = -25; a <= 25; ++a) {
        for (int b = -25; b <= 25; ++b) {
            if (a != 0 || b != 0) {
                cells.push_back({a, b});
            }
        }
    }
    auto dist = [](Cell c) {
        const CellPoint p = CellCentre(c);
        return p.x * p.x + p.y * p.y;
    };
    std::sort(cells.begin(), cells.end(), [&](Cell l, Cell r) { return dist(l) < dist(r); });
    for (int i = 0; i < 449; ++i) {
        CGem* gem = new CGem;
        gem->colour = (cells[i].a - cells[i].b + 300) % 3;
        game->PlaceGem(gem, cells[i]);
        game->lattice.Append(gem);
    }
    for (int i = 0; i < 10; ++i) {
        CGem* gem = new CGem;
        const double a = i * 0.61;
        gem->x = 300.0 * std::cos(a);
        gem->y = 300.0 * std::sin(a);
        gem->colour = i % 3;
        gem->orientation = a + kHalfPi;
        game->falling.Append(gem);
    }
    // The clock stands still, so the explosions never finish.
    for (int i = 0; i < 12; ++i) {
        CGem* gem = new CGem;
        const CellPoint p = CellCentre({i - 6, 4});
        gem->x = p.x;
        gem->y = p.y;
        gem->colour = i % 3;
        gem->exploding = 1;
        gem->explodedAt = GameClock::Now() - 90 * i;
        game->exploding.Append(gem);
    }
    game->wheelAngle = 0.37;
    game->score = 123456;
    game->bombs = 3;
    game->started = true;
    game->paused = true;
    return game;
}

void BM_PaintFullBoard(benchmark::State& state) {
    const qreal ratio = static_cast<qreal>(state.range(0));
    auto game = FullBoard();
    CBoardRenderer renderer(kClient, ratio);
    for (auto _ : state) {
        renderer.Invalidate();
        const QImage& image = renderer.Paint(*game);
        renderer.RetireShown(*game);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetLabel(QString("%1 gems")
                       .arg(game->lattice.Count() + game->falling.Count() + game->exploding.Count())
                       .toStdString());
}
BENCHMARK(BM_PaintFullBoard)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// One copy of the client-sized image: what any repaint costs at least.
void BM_MemcpyImage(benchmark::State& state) {
    const qreal ratio = static_cast<qreal>(state.range(0));
    const QImage from(DevicePixels(700, ratio), DevicePixels(620, ratio), QImage::Format_RGB32);
    QImage to(from.size(), QImage::Format_RGB32);
    uchar* dst = to.bits();
    for (auto _ : state) {
        std::memcpy(dst, from.constBits(), static_cast<std::size_t>(from.sizeInBytes()));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MemcpyImage)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// Everything drawn from scratch each frame, each gem turned by a transform.
void BM_NaivePaintFullBoard(benchmark::State& state) {
    const qreal ratio = static_cast<qreal>(state.range(0));
    auto game = FullBoard();
    const CGemSprites sprites(StoredGemPalette(), ratio);
    QImage image(DevicePixels(700, ratio), DevicePixels(620, ratio), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    const QBrush tile(TileImage(ratio));
    for (auto _ : state) {
        QPainter p(&image);
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        p.fillRect(QRect(0, 0, 700, 620), tile);
        p.setBrush(QColor(0, 128, 0));
        p.setPen(QPen(Qt::black, 3));
        p.drawEllipse(QPoint(350, 310), 310, 310);
        for (int k = 0; k < 12; ++k) {
            const double a = k * kPi / 6 + game->wheelAngle;
            p.drawLine(QPointF(350 + 310 * std::cos(a), 310 + 310 * std::sin(a)),
                       QPointF(350 + 260 * std::cos(a), 310 + 260 * std::sin(a)));
        }
        auto draw = [&](const CGem* g, double angle) {
            const double c = std::cos(angle), s = std::sin(angle);
            p.save();
            p.translate(350 + g->x * c - g->y * s, 310 + g->x * s + g->y * c);
            p.rotate((angle + g->orientation) * 180.0 / kPi);
            p.drawImage(QPointF(-14.5, -15.5), sprites.Sprite(std::clamp(g->colour, 0, 4), 0));
            p.restore();
        };
        game->lattice.ForEach([&](const CGem* g) { draw(g, game->wheelAngle); });
        game->falling.ForEach([&](const CGem* g) { draw(g, 0.0); });
        game->exploding.ForEach([&](const CGem* g) { draw(g, game->wheelAngle); });
        p.setFont(ScoreFont());
        p.drawText(QRect(522, 9, 166, 36), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(game->score));
        p.setFont(BannerFont());
        p.drawText(QRect(260, 286, 180, 48), Qt::AlignHCenter, QStringLiteral("PAUSED"));
        p.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_NaivePaintFullBoard)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// The board at its base size in the middle of a view, for as long as a
// benchmark runs.
class CViewBoard {
  public:
    explicit CViewBoard(const benchmark::State& state)
        : mapping_(BoardMapping::Fit(
              QSizeF(static_cast<qreal>(state.range(0)), static_cast<qreal>(state.range(1))), 1.0)),
          view_(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                QImage::Format_RGB32) {
        TheWorld();
    }
    const BoardMapping& Mapping() const { return mapping_; }
    QImage& View() { return view_; }

  private:
    BoardMapping mapping_;
    QImage view_;
};

void ViewSizes(benchmark::internal::Benchmark* b) {
    b->Args({kBoardWidth, kBoardHeight})->Args({1920, 1080})->Args({3840, 2160});
}

void BM_PaintView(benchmark::State& state) {
    CViewBoard view(state);
    auto game = FullBoard();
    CBoardRenderer renderer(kBoardClient, view.Mapping().RenderRatio());
    const QRect whole(QPoint(0, 0), view.View().size());
    for (auto _ : state) {
        renderer.Invalidate();
        renderer.Paint(*game);
        renderer.RetireShown(*game);
        QPainter painter(&view.View());
        renderer.DrawInView(painter, view.Mapping(), whole);
        painter.end();
        benchmark::DoNotOptimize(view.View().constBits());
    }
    state.SetLabel(QString("scale %1").arg(view.Mapping().Scale()).toStdString());
}
BENCHMARK(BM_PaintView)->Apply(ViewSizes)->Unit(benchmark::kMicrosecond);

void BM_MemcpyView(benchmark::State& state) {
    CViewBoard view(state);
    const QImage from = view.View().copy();
    uchar* dst = view.View().bits();
    for (auto _ : state) {
        std::memcpy(dst, from.constBits(), static_cast<std::size_t>(from.sizeInBytes()));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MemcpyView)->Apply(ViewSizes)->Unit(benchmark::kMicrosecond);

// What a settled resize costs: sprites, tile, background and buffer anew.
void BM_RebuildRendererForView(benchmark::State& state) {
    CViewBoard view(state);
    const GemPalette palette = MakeGemPalette(kDefaultGemColours);
    for (auto _ : state) {
        CBoardRenderer renderer(kBoardClient, view.Mapping().RenderRatio(), palette);
        benchmark::DoNotOptimize(&renderer);
    }
}
BENCHMARK(BM_RebuildRendererForView)->Apply(ViewSizes)->Unit(benchmark::kMillisecond);

void BM_BuildSpriteSet(benchmark::State& state) {
    const qreal ratio = static_cast<qreal>(state.range(0));
    const GemPalette palette = MakeGemPalette(kDefaultGemColours);
    for (auto _ : state) {
        CGemSprites sprites(palette, ratio);
        benchmark::DoNotOptimize(&sprites);
    }
}
BENCHMARK(BM_BuildSpriteSet)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_RecolourSprites(benchmark::State& state) {
    CGemSprites sprites(MakeGemPalette(kDefaultGemColours), 1.0);
    GemPalette palette = sprites.GetPalette();
    for (auto _ : state) {
        palette[0] ^= 0x00010101u;
        sprites.BuildSprites(palette);
    }
}
BENCHMARK(BM_RecolourSprites)->Unit(benchmark::kMillisecond);

}  // namespace
