#pragma once
// What one paint puts over the board's unchanging background (the tile, the
// disc and the panels' frames), as values: the wheel's angle for its spokes,
// each gem as drawn, and the texts. Two frames look different only where
// their values differ, so a paint after the first need only draw again the
// places where something changed.

#include <QFont>
#include <QRegion>
#include <cstdint>
#include <vector>

#include "game/game.h"
#include "render/gem_drawing.h"
#include "render/text_layer.h"

struct BoardFrame {
    // The game time it shows, and the wheel centre it is drawn around.
    std::int64_t at = 0;
    QPoint centre;
    double wheelAngle = 0.0;
    // In drawing order: stuck, falling and exploding gems, then the bombs in
    // the box.
    std::vector<FrameGem> gems;
    PlacedText score;
    // REPLAY, then the banner across the centre; each only when shown.
    std::vector<PlacedText> banners;
};

// How the board shows a game, beside the game itself.
struct FrameStyle {
    ClientRect client;
    // The wheel centre in it.
    QPoint centre;
    QFont scoreFont;
    QFont bannerFont;
    // Falling gems where the next step would put them now, rather than where
    // the last one did.
    bool smoothMotion = false;
    bool watching = false;  // a replay, and its playback paused
    bool watchPaused = false;
    bool bannerBacking = false;  // banners on a light backing
};

// The frame of a game at the game clock's time. Gems whose explosion is over
// show in it bare (CGame::RetireExplosions then takes them away). Texts that
// read as in the frame `before` (of the same style) keep its places.
BoardFrame CollectFrame(const CGame& game, const FrameStyle& style,
                        const BoardFrame* before = nullptr);

// The device pixels of a board of `size` at `ratio` in which two frames may
// differ, whole tiles of them: gems that moved, came or went, changed texts,
// and the spokes when the wheel turned (its gems moved with it).
QRegion FrameChanges(const BoardFrame& from, const BoardFrame& to, qreal ratio, QSize size);
