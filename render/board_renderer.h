#pragma once
// Paints a whole board into an off-screen image, the way the game view shows
// it. Geometry is in logical pixels; the image is made at the display's pixel
// ratio so the board stays sharp on HiDPI screens.

#include <QImage>
#include <array>
#include <cstdint>
#include <memory>

#include "game/game.h"

// 15 colours 0x00BBGGRR: full, half and third shade of the five colour slots.
using GemPalette = std::array<std::uint32_t, 15>;

class CGemSprites;

class CBoardRenderer {
  public:
    // client: the view's client rectangle; the wheel centre (boardCentreX/Y)
    // must already be set from it.
    CBoardRenderer(const ClientRect& client, qreal devicePixelRatio = 1.0);
    ~CBoardRenderer();
    CBoardRenderer(const CBoardRenderer&) = delete;
    CBoardRenderer& operator=(const CBoardRenderer&) = delete;

    // The paint pass: background, wheel and gems (retiring finished
    // explosions), score panel, bomb box, banner. Returns the buffer, whose
    // devicePixelRatio is set, to be drawn at (0, 0) of the view.
    const QImage& Paint(CGame& game);

    // The palette the gem sprites were last built from, and a rebuild from a
    // new one (Options dialog).
    GemPalette GetPalette() const;
    void BuildSprites(const GemPalette& palette);

    const ClientRect& Client() const { return client_; }
    qreal DevicePixelRatio() const { return ratio_; }

  private:
    ClientRect client_;
    qreal ratio_;
    QImage buffer_;
    GemPalette palette_{};
};
