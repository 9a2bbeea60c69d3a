#pragma once
// The turning wheel and the gems on it: the disc, the spokes, each gem's
// sprite and its explosion overlay, each within a clip rectangle so that part
// of a board can be painted again exactly as the whole.

#include <QBrush>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPoint>
#include <QRect>
#include <QRegion>

#include "game/game.h"
#include "render/board_layout.h"
#include "render/gem_sprites.h"

// An explosion shows six phases of equal length.
inline constexpr int kExplosionPhases = 6;
inline constexpr std::int64_t kExplosionPhaseMs = kExplosionMs / kExplosionPhases;
static_assert(kExplosionPhaseMs * kExplosionPhases == kExplosionMs);

// The rotation frame (0 to 15) for a drawing angle already brought into
// [0, 2pi].
int GemFrame(double theta);

// The explosion overlay's circumradius at a time since the explosion began,
// or -1 once the explosion is over.
int ExplosionRadius(std::int64_t sinceMs);

// The device pixels at `ratio` that may show what is drawn within a logical
// rectangle: rounded out, and a device pixel more on every side.
QRect DeviceBounds(const QRectF& logical, qreal ratio);

// The green disc with its black rim around the wheel centre. It never
// changes, so the board renderer draws it once into its background. The
// device pixels it covers, spokes included:
QRect DiscDeviceBounds(QPoint centre, qreal ratio);
void DrawWheelDisc(QPainter& painter, QPoint centre);

// A spoke of the wheel from one pixel to another, in black with the wheel
// pen's width and round ends, straight into the image's device pixels, within
// `clip` (device pixels).
void DrawSpoke(QImage& image, QPoint from, QPoint to, qreal ratio, const QRect& clip);
// The twelve spokes of a wheel around `centre` turned by `wheelAngle`, and
// the device pixels they may touch.
void DrawSpokes(QImage& image, QPoint centre, double wheelAngle, qreal ratio, const QRegion& clip);
QRegion SpokesDeviceBounds(QPoint centre, double wheelAngle, qreal ratio);

// One gem as a paint shows it: which sprite where, and its explosion overlay.
struct FrameGem {
    const void* id = nullptr;  // the gem, to tell apart two alike in one place
    QPoint at;                 // its screen pixel
    int slot = 0;
    int frame = 0;
    int radius = -1;     // of the explosion overlay; -1: none
    double theta = 0.0;  // the overlay's angle
    bool operator==(const FrameGem&) const = default;
};
// A gem drawn with `angle` added to its own orientation, at `turned` (its
// position turned by the angle, relative to the wheel `centre`), with its
// explosion overlay at game time `now`; bare once the explosion is over.
FrameGem GemInFrame(const CGem& gem, QPoint centre, double angle, Point2 turned, std::int64_t now);
// The device pixels a gem's sprite and overlay may touch.
QRect GemDeviceBounds(QPoint at, qreal ratio);
// Draws a gem into the image within `clip` (device pixels): the sprite
// straight into its device pixels, the overlay through `overlay`, a painter
// on the same pixels whose coordinates are logical pixels and whose clip is
// the same.
void DrawFrameGem(const FrameGem& gem, QImage& image, QPainter& overlay, const CGemSprites& sprites,
                  const QRegion& clip);

// A filled hexagon with integer corners around `centre`, a corner straight
// down at angle 0.
void DrawHexagon(QPainter& painter, QPoint centre, double angle, int radius, const QBrush& brush,
                 const QPen& pen);
