#include "render/gem_drawing.h"

#include <cmath>

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

void DrawWheel(CGame& game, CBoardCanvas& canvas, const CGemSprites& sprites) {
    QPainter& p = canvas.painter;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, kWheelPenWidth, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < kSpokes; ++k) {
        const double a = k * (kPi / 6.0) + game.wheelAngle;
        const double c = std::cos(a);
        const double s = std::sin(a);
        p.drawLine(QPoint(boardCentreX + Truncate(kWheelRadius * c),
                          boardCentreY + Truncate(kWheelRadius * s)),
                   QPoint(boardCentreX + Truncate(kSpokeInnerRadius * c),
                          boardCentreY + Truncate(kSpokeInnerRadius * s)));
    }
    p.restore();

    struct Pass {
        CGemList* list;
        double angle;
    };
    const Pass passes[] = {
        {&game.lattice, game.wheelAngle}, {&game.falling, 0.0}, {&game.exploding, game.wheelAngle}};
    for (const Pass& pass : passes) {
        pass.list->ForEach([&](CGem* gem) {
            if (!DrawGem(*gem, canvas, sprites, pass.angle)) {
                CGemList::Unlink(gem);
                game.DiscardGem(gem);
            }
        });
    }
}

bool DrawGem(const CGem& gem, CBoardCanvas& canvas, const CGemSprites& sprites, double angle) {
    const double theta = ReduceAngle(angle + gem.orientation);
    const int frame = GemFrame(theta);
    const QPoint at = GemScreenPoint(gem, angle);
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
