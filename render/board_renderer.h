#pragma once
// Paints a whole board into an off-screen image, the way the game view shows
// it. Geometry is in logical pixels; the image is made at the display's pixel
// ratio so the board stays sharp on HiDPI screens.

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>

#include "game/game.h"
#include "render/board_layout.h"
#include "render/board_mapping.h"
#include "render/gem_palette.h"
#include "render/text_layer.h"

class CGemSprites;
struct CBoardCanvas;

// The score panel at the top right of a client area.
ClientRect ScorePanelRect(const ClientRect& client);

// Panel and banner steps of the paint, usable on any painter in logical
// pixels. The panels' green fill and sunken edge:
void DrawPanelFrame(QPainter& painter, const ClientRect& r);
// The score, right-aligned inside the panel (the frame is drawn already).
PlacedText ScoreText(const ClientRect& client, std::uint32_t score, const QFont& font);
void DrawScoreText(QPainter& painter, const ClientRect& client, std::uint32_t score);
// One red bomb gem per bomb in hand, left to right in the bomb box.
void DrawBombs(CBoardCanvas& canvas, const CGemSprites& sprites, std::int32_t bombs);
// The w x h rectangle of a banner around the wheel centre moved by (dx, dy).
ClientRect BannerRect(int dx, int dy, int w, int h);
// Black text in the banner font, centred across the banner rectangle; its
// first line starts at the rectangle's top (and may overhang its bottom).
PlacedText BannerText(const QString& text, int dx, int dy, int w, int h, const QFont& font);
void DrawBanner(QPainter& painter, const QString& text, int dx, int dy, int w, int h);

// The banner a game shows, if any: its text and width (the height is 48).
struct Banner {
    QString text;
    int width = 0;
    bool shown = false;
    int dy = 0;  // below the wheel centre
};
Banner BannerFor(const CGame& game);
// "REPLAY", level with the panels.
Banner ReplayBanner();
// Everything the board says of the game, as drawn and as read to a screen
// reader. While a replay is watched: REPLAY until its game is over, and
// PAUSED across the centre while its playback is paused.
struct BoardBanners {
    Banner replay;
    Banner centre;
};
BoardBanners BannersFor(const CGame& game, bool watching, bool watchPaused);

class CBoardRenderer {
  public:
    // client: the board's rectangle; the wheel centre (boardCentreX/Y) must
    // already be set from it. The gem colours and the symbols switch come
    // from the settings unless given (a renderer rebuilt for a new scale keeps
    // the look in use).
    CBoardRenderer(const ClientRect& client, qreal devicePixelRatio = 1.0,
                   const std::optional<GemPalette>& palette = std::nullopt,
                   std::optional<bool> gemSymbols = std::nullopt);
    ~CBoardRenderer();
    CBoardRenderer(const CBoardRenderer&) = delete;
    CBoardRenderer& operator=(const CBoardRenderer&) = delete;

    // The paint pass: background, wheel and gems (retiring finished
    // explosions), score panel, bomb box, banner. Returns the buffer, whose
    // devicePixelRatio is set.
    const QImage& Paint(CGame& game);
    // Whether a replay is watched, and its playback paused (BannersFor).
    void ShowWatching(bool watching, bool paused) {
        watching_ = watching;
        watchPaused_ = paused;
    }

    // Puts the last painted board into a view: at its place in the mapping,
    // and around it, within `dirty` (widget pixels), the background tile
    // continuing the board's own. The painter is open on the view at the
    // mapping's device ratio. A mapping of another scale than this renderer's
    // gets the board stretched, to stand in until a renderer for it is made.
    void DrawInView(QPainter& painter, const BoardMapping& mapping, const QRect& dirty) const;

    // The palette the gem sprites were last built from, and a rebuild from a
    // new one (Options dialog).
    GemPalette GetPalette() const;
    void BuildSprites(const GemPalette& palette);
    // The player colours' symbols, on or off; switching rebuilds the sprites.
    bool GemSymbols() const;
    void SetGemSymbols(bool on);

    const ClientRect& Client() const { return client_; }
    qreal DevicePixelRatio() const { return ratio_; }
    const CGemSprites& Sprites() const { return *sprites_; }

  private:
    void PaintBackground();

    ClientRect client_;
    qreal ratio_;
    std::unique_ptr<CGemSprites> sprites_;
    // What never changes from one paint to the next: the tiled background,
    // the disc and the panels' frames. Each paint starts from a copy of it.
    QImage background_;
    QImage tile_;
    QImage buffer_;
    // Made once: a font's metrics are looked up on every use.
    QFont scoreFont_;
    QFont bannerFont_;
    CTextLayer scoreLayer_;
    CTextLayer bannerLayer_;
    CTextLayer replayLayer_;
    bool watching_ = false;
    bool watchPaused_ = false;
};
