#pragma once
// Paints a whole board into an off-screen image, the way the game view shows
// it. Geometry is in logical pixels; the image is made at the display's pixel
// ratio so the board stays sharp on HiDPI screens.

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "game/game.h"
#include "render/board_frame.h"
#include "render/board_layout.h"
#include "render/board_mapping.h"
#include "render/board_panels.h"
#include "render/gem_palette.h"
#include "render/text_layer.h"

class CGemSprites;

class CBoardRenderer {
  public:
    // client: the board's rectangle, the wheel at its centre. The gem
    // colours and the symbols switch come from the settings unless given (a
    // renderer rebuilt for a new scale keeps the look in use); the banners'
    // backing comes from the settings.
    CBoardRenderer(const ClientRect& client, qreal devicePixelRatio = 1.0,
                   const std::optional<GemPalette>& palette = std::nullopt,
                   std::optional<bool> gemSymbols = std::nullopt);
    ~CBoardRenderer();
    CBoardRenderer(const CBoardRenderer&) = delete;
    CBoardRenderer& operator=(const CBoardRenderer&) = delete;

    // The paint pass: background, wheel and gems, score panel, bomb box,
    // banner. Only what changed since the last paint is drawn again; the
    // buffer then holds the whole board as a paint from scratch would, and
    // Changed() tells where it differs from before. Returns the buffer, whose
    // devicePixelRatio is set. Gems whose explosion is over show bare; whoever
    // owns the game retires them right after (RetireShown).
    const QImage& Paint(const CGame& game);
    // The same in two halves: the frame of a game now, and its painting.
    BoardFrame Collect(const CGame& game) const;
    const QImage& Paint(const BoardFrame& frame);
    // The gems whose explosion the last paint showed over leave the game.
    void RetireShown(CGame& game) const;
    // The game time of the last frame painted; none before the first.
    std::optional<std::int64_t> ShownAt() const { return shownAt_; }
    // The buffer's device pixels that the last paint changed.
    const QRegion& Changed() const { return changed_; }
    // The next paint draws everything.
    void Invalidate() { painted_ = false; }

    // Whether a replay is watched, and its playback paused (BannersFor).
    void ShowWatching(bool watching, bool paused) {
        style_.watching = watching;
        style_.watchPaused = paused;
    }
    // Banners on a translucent backing, or bare; stored as BannerBacking.
    void SetBannerBacking(bool on) {
        painted_ = painted_ && on == style_.bannerBacking;
        style_.bannerBacking = on;
    }
    bool BannerBacking() const { return style_.bannerBacking; }
    // Falling gems where the next step would put them now (gliding between
    // steps), or where the last step left them.
    void SetSmoothMotion(bool on) { style_.smoothMotion = on; }
    bool SmoothMotion() const { return style_.smoothMotion; }

    // Puts the last painted board into a view: at its place in the mapping,
    // and around it, within `dirty` (widget pixels), the background tile
    // continuing the board's own. The painter is open on the view at the
    // mapping's device ratio. A mapping of another scale than this renderer's
    // gets the board stretched, to stand in until a renderer for it is made.
    void DrawInView(QPainter& painter, const BoardMapping& mapping, const QRegion& dirty) const;

    // The palette the gem sprites were last built from, and a rebuild from a
    // new one (Options dialog).
    GemPalette GetPalette() const;
    void BuildSprites(const GemPalette& palette);
    // The player colours' symbols, on or off; switching rebuilds the sprites.
    bool GemSymbols() const;
    void SetGemSymbols(bool on);

    const ClientRect& Client() const { return style_.client; }
    qreal DevicePixelRatio() const { return ratio_; }
    const CGemSprites& Sprites() const { return *sprites_; }

  private:
    void PaintBackground();

    qreal ratio_;
    std::unique_ptr<CGemSprites> sprites_;
    // What never changes from one paint to the next: the tiled background,
    // the disc and the panels' frames. Each paint starts from it.
    QImage background_;
    QImage tile_;
    QImage buffer_;
    FrameStyle style_;
    CTextLayer scoreLayer_;
    std::array<CTextLayer, 2> bannerLayers_;
    // The frame the buffer shows, once painted.
    BoardFrame paintedFrame_;
    bool painted_ = false;
    QRegion changed_;
    // The game time of the last frame painted.
    std::optional<std::int64_t> shownAt_;
};
