#include "render/gem_drawing.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

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

int ExplosionRadius(std::int64_t sinceMs) {
    const std::int64_t phase = sinceMs / kExplosionPhaseMs;
    if (phase >= kExplosionPhases) {
        return -1;
    }
    // A clock that went backwards shows the first phase.
    const int p = phase < 0 ? 0 : static_cast<int>(phase);
    return 14 - 14 / (kExplosionPhases - p);
}

void DrawWheelDisc(QPainter& painter, QPoint centre) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(QColor::fromRgb(kWheelGreen));
    painter.setPen(QPen(Qt::black, kWheelPenWidth));
    painter.drawEllipse(QRect(centre.x() - kWheelRadius, centre.y() - kWheelRadius,
                              2 * kWheelRadius - 1, 2 * kWheelRadius - 1));
    painter.restore();
}

QRect DeviceBounds(const QRectF& logical, qreal ratio) {
    return QRect(QPoint(static_cast<int>(std::floor(logical.left() * ratio)) - 1,
                        static_cast<int>(std::floor(logical.top() * ratio)) - 1),
                 QPoint(static_cast<int>(std::ceil(logical.right() * ratio)) + 1,
                        static_cast<int>(std::ceil(logical.bottom() * ratio)) + 1));
}

QRect DiscDeviceBounds(QPoint centre, qreal ratio) {
    // The rim's pen reaches a pixel and a half outside the radius.
    const int reach = kWheelRadius + kWheelPenWidth;
    return DeviceBounds(QRectF(centre.x() - reach, centre.y() - reach, 2 * reach, 2 * reach),
                        ratio);
}

void DrawSpoke(QImage& image, QPoint from, QPoint to, qreal ratio, const QRect& clip) {
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
    const QRect area = clip & image.rect();
    const int rowFirst =
        std::max(area.top(), static_cast<int>(std::floor((std::min(ay, by) - h) * ratio)));
    const int rowLast =
        std::min(area.bottom(), static_cast<int>(std::ceil((std::max(ay, by) + h) * ratio)));
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
        const int first = std::max(area.left(), static_cast<int>(std::ceil(left * ratio - 0.5)));
        const int last = std::min(area.right(), static_cast<int>(std::floor(right * ratio - 0.5)));
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(py));
        for (int px = first; px <= last; ++px) {
            line[px] = 0xFF000000u;
        }
    }
}

namespace {

// Spoke k's two ends at a wheel angle.
std::pair<QPoint, QPoint> SpokeEnds(QPoint centre, double wheelAngle, int k) {
    const double a = k * (kPi / 6.0) + wheelAngle;
    const double c = std::cos(a);
    const double s = std::sin(a);
    return {centre + QPoint(Truncate(kWheelRadius * c), Truncate(kWheelRadius * s)),
            centre + QPoint(Truncate(kSpokeInnerRadius * c), Truncate(kSpokeInnerRadius * s))};
}

}  // namespace

void DrawSpokes(QImage& image, QPoint centre, double wheelAngle, qreal ratio, const QRegion& clip) {
    const QRect disc = DiscDeviceBounds(centre, ratio);
    for (int k = 0; k < kSpokes; ++k) {
        const auto [from, to] = SpokeEnds(centre, wheelAngle, k);
        for (const QRect& area : clip) {
            if (area.intersects(disc)) {
                DrawSpoke(image, from, to, ratio, area);
            }
        }
    }
}

QRegion SpokesDeviceBounds(QPoint centre, double wheelAngle, qreal ratio) {
    QRegion bounds;
    for (int k = 0; k < kSpokes; ++k) {
        const auto [from, to] = SpokeEnds(centre, wheelAngle, k);
        // The pixels' centres and the pen's half width around them.
        const double h = kWheelPenWidth / 2.0;
        bounds += DeviceBounds(
            QRectF(QPointF(from), QPointF(to)).normalized().adjusted(-h, -h, 1 + h, 1 + h), ratio);
    }
    return bounds;
}

FrameGem GemInFrame(const CGem& gem, QPoint centre, double angle, Point2 turned, std::int64_t now) {
    const double theta = ReduceAngle(angle + gem.orientation);
    FrameGem f;
    f.id = &gem;
    f.at = centre + QPoint(Truncate(turned.x + 0.5), Truncate(turned.y + 0.5));
    f.slot = (gem.colour >= 0 && gem.colour < kGemSlots) ? gem.colour : 0;
    f.frame = GemFrame(theta);
    const bool exploding = gem.exploding == 1;
    f.radius = exploding ? ExplosionRadius(now - gem.explodedAt) : -1;
    f.theta = f.radius >= 0 ? theta : 0.0;
    return f;
}

QRect GemDeviceBounds(QPoint at, qreal ratio) {
    return DeviceBounds(
        QRectF(at.x() - kGemCellOffset, at.y() - kGemCellOffset, kGemCellSize, kGemCellSize),
        ratio);
}

void DrawFrameGem(const FrameGem& gem, QImage& image, QPainter& overlay, const CGemSprites& sprites,
                  const QRegion& clip) {
    const qreal ratio = sprites.Ratio();
    const QRect bounds = GemDeviceBounds(gem.at, ratio);
    if (!clip.intersects(bounds)) {
        return;
    }
    const QPoint corner(ToDevice(gem.at.x() - kGemCellOffset, ratio),
                        ToDevice(gem.at.y() - kGemCellOffset, ratio));
    for (const QRect& area : clip) {
        if (area.intersects(bounds)) {
            sprites.Blit(image, gem.slot, gem.frame, corner, area);
        }
    }
    if (gem.radius >= 0) {
        const QColor red = QColor::fromRgb(ColourRefToRgb(kExplosionColour));
        DrawHexagon(overlay, gem.at, gem.theta, gem.radius, QBrush(red), QPen(red, 1));
    }
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
