#pragma once
// The panels and banners of the board: where they stand and what they say,
// usable on any painter in logical pixels.

#include <QFont>
#include <QPainter>
#include <QString>
#include <cstdint>
#include <optional>

#include "game/game.h"
#include "render/text_layer.h"

// The score panel at the top right of a client area.
ClientRect ScorePanelRect(const ClientRect& client);

// The panels' green fill and sunken edge.
void DrawPanelFrame(QPainter& painter, const ClientRect& r);
// The score, right-aligned inside the panel (the frame is drawn already).
PlacedText ScoreText(const ClientRect& client, std::uint32_t score, const QFont& font);
// The w x h rectangle of a banner around `middle`.
ClientRect BannerRect(QPoint middle, int w, int h);
// Black text in the banner font, centred across the banner rectangle; its
// first line starts at the rectangle's top (and may overhang its bottom).
PlacedText BannerText(const QString& text, QPoint middle, int w, int h, const QFont& font,
                      bool backing = false);
// The stored "BannerBacking" switch (banners on a backing); absent reads as off.
bool StoredBannerBacking();

// The banner a game shows, if any: its text and width (the height is 48).
struct Banner {
    QString text;
    int width = 0;
    bool shown = false;
    int dy = 0;  // its middle below the wheel centre
};
Banner BannerFor(const CGame& game);
// "REPLAY", near the top of the wheel and inside its spokes, however wide
// its words.
Banner ReplayBanner();
// Everything the board says of the game, as drawn and as read to a screen
// reader. While a replay is watched: REPLAY, with Game Over across the
// centre at its end, and PAUSED there while its playback is paused.
struct BoardBanners {
    Banner replay;
    Banner centre;
};
BoardBanners BannersFor(const CGame& game, bool watching, bool watchPaused);
