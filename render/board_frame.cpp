#include "render/board_frame.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "game/game_clock.h"
#include "render/board_panels.h"

namespace {

Point2 Turned(Point2 p, double angle) {
    return FromPolar(RotatePolar(ToPolar(p.x, p.y), angle));
}

void AddGems(BoardFrame& frame, const CGemList& list, const CGame& game, bool turns, bool glides) {
    list.ForEach([&](const CGem* gem) {
        // Stuck and exploding gems turn with the wheel: their turned
        // positions are the ones the contact test keeps between steps.
        const Point2 at = turns    ? game.ScreenPosition(gem)
                          : glides ? Turned(game.GlidePosition(*gem, frame.at), 0.0)
                                   : Turned({gem->x, gem->y}, 0.0);
        frame.gems.push_back(
            GemInFrame(*gem, frame.centre, turns ? game.wheelAngle : 0.0, at, frame.at));
    });
}

// The tiles, 32 device pixels square, that the rectangles touch, as
// runs along each row of tiles: a region of a few dozen areas at most, where
// the rectangles themselves (a turn moves every stuck gem) would cut it into
// hundreds of slivers, each with its cost of setting up.
QRegion Tiles(const std::vector<QRect>& rects, QSize size) {
    constexpr int tile = 32;
    const int columns = (size.width() + tile - 1) / tile;
    const int rows = (size.height() + tile - 1) / tile;
    std::vector<char> marked(static_cast<std::size_t>(columns * rows), 0);
    for (const QRect& r : rects) {
        const QRect in = r & QRect(QPoint(0, 0), size);
        for (int y = in.top() / tile; !in.isEmpty() && y <= in.bottom() / tile; ++y) {
            for (int x = in.left() / tile; x <= in.right() / tile; ++x) {
                marked[static_cast<std::size_t>(y * columns + x)] = 1;
            }
        }
    }
    std::vector<QRect> runs;
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < columns;) {
            const int first = x;
            while (x < columns && marked[static_cast<std::size_t>(y * columns + x)] != 0) {
                ++x;
            }
            if (x > first) {
                runs.push_back(QRect(first * tile, y * tile, (x - first) * tile, tile) &
                               QRect(QPoint(0, 0), size));
            }
            x += x == first ? 1 : 0;
        }
    }
    QRegion region;
    // Row after row, left to right, none overlapping: already the form a
    // region keeps.
    region.setRects(runs.data(), static_cast<int>(runs.size()));
    return region;
}

auto Key(const FrameGem& g) {
    return std::tuple(g.id, g.at.x(), g.at.y(), g.slot, g.frame, g.radius, g.theta);
}

}  // namespace

BoardFrame CollectFrame(const CGame& game, const FrameStyle& style, const BoardFrame* before) {
    BoardFrame frame;
    frame.centre = style.centre;
    frame.wheelAngle = game.wheelAngle;
    frame.at = GameClock::Now();
    const std::int64_t now = frame.at;
    frame.gems.reserve(static_cast<std::size_t>(game.lattice.Count() + game.falling.Count() +
                                                game.exploding.Count() + kMaxBombs));
    AddGems(frame, game.lattice, game, true, false);
    AddGems(frame, game.falling, game, false, style.smoothMotion);
    AddGems(frame, game.exploding, game, true, false);
    for (std::int32_t i = 0; i < std::min(game.bombs, kMaxBombs); ++i) {
        const Point2 at{static_cast<double>(kFirstBombX + kBombSpacing * i - frame.centre.x()),
                        static_cast<double>(kBombY - frame.centre.y())};
        frame.gems.push_back(
            GemInFrame(CGem{.colour = kBombColour}, frame.centre, 0.0, Turned(at, 0.0), now));
        frame.gems.back().id = nullptr;
    }
    // A text's place follows from its words alone (each banner's words have
    // their own place), and finding it shapes the glyphs: the place found
    // before serves while the words stay.
    auto placed = [&](const QString& text, auto place) -> PlacedText {
        if (before != nullptr) {
            if (before->score.text == text) {
                return before->score;
            }
            for (const PlacedText& t : before->banners) {
                if (t.text == text) {
                    return t;
                }
            }
        }
        return place();
    };
    frame.score = placed(QString::number(game.score),
                         [&] { return ScoreText(style.client, game.score, style.scoreFont); });
    const BoardBanners banners = BannersFor(game, style.watching, style.watchPaused);
    for (const Banner* banner : {&banners.replay, &banners.centre}) {
        if (banner->shown) {
            frame.banners.push_back(placed(banner->text, [&] {
                const QPoint middle = frame.centre + QPoint(0, banner->dy);
                return BannerText(banner->text, middle, banner->width, kBannerHeight,
                                  style.bannerFont, style.bannerBacking);
            }));
        }
    }
    return frame;
}

QRegion FrameChanges(const BoardFrame& from, const BoardFrame& to, qreal ratio, QSize size) {
    std::vector<QRect> changed;
    if (from.wheelAngle != to.wheelAngle) {
        for (const double angle : {from.wheelAngle, to.wheelAngle}) {
            const QRegion spokes = SpokesDeviceBounds(to.centre, angle, ratio);
            changed.insert(changed.end(), spokes.begin(), spokes.end());
        }
    }
    // A gem in both frames, alike in every value, looks the same in both and
    // keeps its place in the drawing order among the others (lists only
    // lose gems or gain them at their ends): what lies under and over it is
    // drawn again wherever that changed.
    auto sorted = [](const std::vector<FrameGem>& gems) {
        std::vector<FrameGem> s = gems;
        std::sort(s.begin(), s.end(), [](auto& l, auto& r) { return Key(l) < Key(r); });
        return s;
    };
    const std::vector<FrameGem> a = sorted(from.gems);
    const std::vector<FrameGem> b = sorted(to.gems);
    std::vector<FrameGem> differ;
    std::set_symmetric_difference(a.begin(), a.end(), b.begin(), b.end(),
                                  std::back_inserter(differ),
                                  [](auto& l, auto& r) { return Key(l) < Key(r); });
    for (const FrameGem& g : differ) {
        changed.push_back(GemDeviceBounds(g.at, ratio));
    }
    auto texts = [&](const PlacedText* old, const PlacedText* now) {
        if (old != nullptr && now != nullptr && *old == *now) {
            return;
        }
        for (const PlacedText* t : {old, now}) {
            if (t != nullptr) {
                changed.push_back(DeviceBounds(QRectF(t->Bounds()), ratio));
            }
        }
    };
    texts(&from.score, &to.score);
    for (std::size_t i = 0; i < std::max(from.banners.size(), to.banners.size()); ++i) {
        texts(i < from.banners.size() ? &from.banners[i] : nullptr,
              i < to.banners.size() ? &to.banners[i] : nullptr);
    }
    return Tiles(changed, size);
}
