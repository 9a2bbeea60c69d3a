#include "render/gem_drawing.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "game/board_centre.h"
#include "game/game_clock.h"
#include "game/polar.h"

namespace {

// Screen offsets are whole pixels; the clamp keeps a runaway position from
// overflowing the conversion.
int Truncate(double v) {
    if (!(v > -1.0e6)) {
        return -1000000;
    }
    if (v > 1.0e6) {
        return 1000000;
    }
    return static_cast<int>(v);
}

// A logical pixel position in the image's device pixels.
int ToDevice(int logical, qreal ratio) {
    return static_cast<int>(std::floor(logical * ratio + 0.5));
}

}  // namespace

int GemFrame(double theta) {
    const int sector = static_cast<int>(theta * 0.9549296585513721);
    const double within = theta - sector * 1.0471975511965976;
    const int f = static_cast<int>(within * 15.278874536821954);
    return (f < 0 || f >= kGemFrames) ? 0 : f;
}

QPoint GemScreenPoint(const CGem& gem, double angle) {
    const Point2 p = FromPolar(RotatePolar(ToPolar(gem.x, gem.y), angle));
    return {boardCentreX + Truncate(p.x + 0.5), boardCentreY + Truncate(p.y + 0.5)};
}

int ExplosionRadius(std::int64_t sinceMs) {
    const std::int64_t phase = sinceMs / kExplosionPhaseMs;
    if (phase >= kExplosionPhases) {
        return -1;
    }
    // A clock that went backwards shows the first phase.
    const int p = phase < 0 ? 0 : static_cast<int>(phase);
    return 14 - 14 / (kExplosionPhases - p);
}

void DrawWheelDisc(QPainter& painter) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(QColor::fromRgb(kWheelGreen));
    painter.setPen(QPen(Qt::black, kWheelPenWidth));
    painter.drawEllipse(QRect(boardCentreX - kWheelRadius, boardCentreY - kWheelRadius,
                              2 * kWheelRadius - 1, 2 * kWheelRadius - 1));
    painter.restore();
}

void DrawSpoke(QImage& image, QPoint from, QPoint to, qreal ratio) {
    // Pixel centres within half the pen's width of the segment: a line with
    // round ends, the shape a wide pen sweeps. Drawn here rather than by
    // QPainter, which would hand a line this long at a high pixel ratio to
    // its thread pool and lose more in context switches than it gains.
    if (image.depth() != 32) {
        return;
    }
    const double h = kWheelPenWidth / 2.0;
    // Pixel (x, y) is the unit square whose centre is (x + 0.5, y + 0.5).
    const double ax = from.x() + 0.5, ay = from.y() + 0.5;
    const double bx = to.x() + 0.5, by = to.y() + 0.5;
    const double dx = bx - ax, dy = by - ay;
    const double length = std::sqrt(dx * dx + dy * dy);
    const int rowFirst = std::max(0, static_cast<int>(std::floor((std::min(ay, by) - h) * ratio)));
    const int rowLast =
        std::min(image.height() - 1, static_cast<int>(std::ceil((std::max(ay, by) + h) * ratio)));
    for (int py = rowFirst; py <= rowLast; ++py) {
        const double y = (py + 0.5) / ratio;
        double left = std::numeric_limits<double>::infinity();
        double right = -left;
        // The round ends.
        for (const auto& [ex, ey] : {std::pair{ax, ay}, std::pair{bx, by}}) {
            const double v = y - ey;
            if (v * v <= h * h) {
                const double w = std::sqrt(h * h - v * v);
                left = std::min(left, ex - w);
                right = std::max(right, ex + w);
            }
        }
        // The band along the segment: |(p - a) . n| <= h and 0 <= (p - a) . d
        // <= |d|^2, each linear in x along the row.
        if (length > 0) {
            double lo = -std::numeric_limits<double>::infinity();
            double hi = -lo;
            auto clip = [&](double coef, double constant, double min, double max) {
                // min <= coef * x + constant <= max
                if (coef == 0.0) {
                    if (constant < min || constant > max) {
                        lo = 1.0;
                        hi = 0.0;
                    }
                    return;
                }
                double a = (min - constant) / coef;
                double b = (max - constant) / coef;
                if (a > b) {
                    std::swap(a, b);
                }
                lo = std::max(lo, a);
                hi = std::min(hi, b);
            };
            const double nx = -dy / length, ny = dx / length;
            clip(nx, -ax * nx + (y - ay) * ny, -h, h);
            clip(dx, -ax * dx + (y - ay) * dy, 0.0, length * length);
            if (lo <= hi) {
                left = std::min(left, lo);
                right = std::max(right, hi);
            }
        }
        if (left > right) {
            continue;
        }
        const int first = std::max(0, static_cast<int>(std::ceil(left * ratio - 0.5)));
        const int last =
            std::min(image.width() - 1, static_cast<int>(std::floor(right * ratio - 0.5)));
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(py));
        for (int px = first; px <= last; ++px) {
            line[px] = 0xFF000000u;
        }
    }
}

void DrawWheel(CGame& game, CBoardCanvas& canvas, const CGemSprites& sprites) {
    for (int k = 0; k < kSpokes; ++k) {
        const double a = k * (kPi / 6.0) + game.wheelAngle;
        const double c = std::cos(a);
        const double s = std::sin(a);
        DrawSpoke(canvas.image,
                  QPoint(boardCentreX + Truncate(kWheelRadius * c),
                         boardCentreY + Truncate(kWheelRadius * s)),
                  QPoint(boardCentreX + Truncate(kSpokeInnerRadius * c),
                         boardCentreY + Truncate(kSpokeInnerRadius * s)),
                  sprites.Ratio());
    }

    struct Pass {
        CGemList* list;
        double angle;
    };
    const Pass passes[] = {
        {&game.lattice, game.wheelAngle}, {&game.falling, 0.0}, {&game.exploding, game.wheelAngle}};
    for (const Pass& pass : passes) {
        // Stuck and exploding gems turn with the wheel: their turned
        // positions are the ones the contact test keeps between steps.
        const bool turned = pass.list != &game.falling;
        pass.list->ForEach([&](CGem* gem) {
            const bool stays =
                turned ? DrawGemAt(*gem, canvas, sprites, pass.angle, game.ScreenPosition(gem))
                       : DrawGem(*gem, canvas, sprites, pass.angle);
            if (!stays) {
                CGemList::Unlink(gem);
                game.DiscardGem(gem);
            }
        });
    }
}

bool DrawGem(const CGem& gem, CBoardCanvas& canvas, const CGemSprites& sprites, double angle) {
    return DrawGemAt(gem, canvas, sprites, angle,
                     FromPolar(RotatePolar(ToPolar(gem.x, gem.y), angle)));
}

bool DrawGemAt(const CGem& gem, CBoardCanvas& canvas, const CGemSprites& sprites, double angle,
               Point2 turned) {
    const double theta = ReduceAngle(angle + gem.orientation);
    const int frame = GemFrame(theta);
    const QPoint at(boardCentreX + Truncate(turned.x + 0.5),
                    boardCentreY + Truncate(turned.y + 0.5));
    const int slot = (gem.colour >= 0 && gem.colour < kGemSlots) ? gem.colour : 0;

    const qreal ratio = sprites.Ratio();
    sprites.Blit(
        canvas.image, slot, frame,
        QPoint(ToDevice(at.x() - kGemCellOffset, ratio), ToDevice(at.y() - kGemCellOffset, ratio)));

    if (gem.exploding != 1) {
        return true;
    }
    const int radius = ExplosionRadius(GameClock::Now() - gem.explodedAt);
    if (radius < 0) {
        return false;
    }
    const QColor red = QColor::fromRgb(ColourRefToRgb(kExplosionColour));
    DrawHexagon(canvas.painter, at, theta, radius, QBrush(red), QPen(red, 1));
    return true;
}

void DrawHexagon(QPainter& painter, QPoint centre, double angle, int radius, const QBrush& brush,
                 const QPen& pen) {
    QPoint corners[6];
    double a = angle + 0.5235987755982988;
    for (int k = 0; k < 6; ++k) {
        corners[k] = QPoint(Truncate(radius * std::cos(a) + centre.x() + 0.5),
                            Truncate(radius * std::sin(a) + centre.y() + 0.5));
        a += 1.0471975511965976;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(brush);
    painter.setPen(pen);
    painter.drawPolygon(corners, 6);
    painter.restore();
}
