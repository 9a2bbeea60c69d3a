#pragma once
// The turning wheel and everything on it: spokes, the stuck, falling and
// exploding gems, and the explosion overlays. Drawing is also where a gem
// whose explosion has run its course leaves the game.

#include <QBrush>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPoint>

#include "game/game.h"
#include "render/board_layout.h"
#include "render/gem_sprites.h"

// An explosion shows six phases of this many milliseconds of game time.
inline constexpr std::int64_t kExplosionPhaseMs = 200;
inline constexpr int kExplosionPhases = 6;

// Where the board is drawn: the off-screen image and a painter open on it
// whose coordinates are logical pixels (the image's device pixel ratio
// applies). Sprites are copied straight into the image's device pixels.
struct CBoardCanvas {
    QImage& image;
    QPainter& painter;
};

// The rotation frame (0 to 15) for a drawing angle already brought into
// [0, 2pi].
int GemFrame(double theta);

// The screen pixel of a gem drawn with `angle`: its position turned by the
// angle about the wheel centre, rounded by adding 0.5 and cutting toward zero.
QPoint GemScreenPoint(const CGem& gem, double angle);

// The explosion overlay's circumradius at a time since the explosion began,
// or -1 once the explosion is over.
int ExplosionRadius(std::int64_t sinceMs);

// The green disc with its black rim. It never changes, so the board renderer
// draws it once into its background.
void DrawWheelDisc(QPainter& painter);

// A spoke of the wheel from one pixel to another, in black with the wheel
// pen's width and round ends, straight into the image's device pixels.
void DrawSpoke(QImage& image, QPoint from, QPoint to, qreal ratio);

// Spokes, then the lattice (turned by the wheel angle), the falling gems
// (unturned) and the exploding gems (turned). Gems whose explosion is over
// are unlinked and discarded. The disc must be drawn already.
void DrawWheel(CGame& game, CBoardCanvas& canvas, const CGemSprites& sprites);

// Draws one gem with `angle` added to its own orientation, and its explosion
// overlay at the game clock's time. False when the explosion is over and the
// gem should go.
bool DrawGem(const CGem& gem, CBoardCanvas& canvas, const CGemSprites& sprites, double angle);
// The same with the gem's position already turned by `angle`, relative to the
// wheel centre.
bool DrawGemAt(const CGem& gem, CBoardCanvas& canvas, const CGemSprites& sprites, double angle,
               Point2 turned);

// A filled hexagon with integer corners around `centre`, a corner straight
// down at angle 0.
void DrawHexagon(QPainter& painter, QPoint centre, double angle, int radius, const QBrush& brush,
                 const QPen& pen);
