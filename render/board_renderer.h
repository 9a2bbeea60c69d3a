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

#include "game/game.h"
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
// Above the wheel centre, at the height of the panels.
Banner ReplayBanner();
inline constexpr int kBannerHeight = 48;

class CBoardRenderer {
  public:
    // client: the view's client rectangle; the wheel centre (boardCentreX/Y)
    // must already be set from it. The gem colours come from the settings.
    CBoardRenderer(const ClientRect& client, qreal devicePixelRatio = 1.0);
    ~CBoardRenderer();
    CBoardRenderer(const CBoardRenderer&) = delete;
    CBoardRenderer& operator=(const CBoardRenderer&) = delete;

    // The paint pass: background, wheel and gems (retiring finished
    // explosions), score panel, bomb box, banner. Returns the buffer, whose
    // devicePixelRatio is set, to be drawn at (0, 0) of the view.
    const QImage& Paint(CGame& game);
    // While a replay is watched the board says so, in the strip between the
    // bomb box and the score panel, where it hides the least of the game.
    void ShowReplayBanner(bool shown) { replayBanner_ = shown; }

    // The palette the gem sprites were last built from, and a rebuild from a
    // new one (Options dialog).
    GemPalette GetPalette() const;
    void BuildSprites(const GemPalette& palette);

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
    QImage buffer_;
    // Made once: a font's metrics are looked up on every use.
    QFont scoreFont_;
    QFont bannerFont_;
    CTextLayer scoreLayer_;
    CTextLayer bannerLayer_;
    bool replayBanner_ = false;
};
