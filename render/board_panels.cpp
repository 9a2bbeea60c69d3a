#include "render/board_panels.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "game/settings_store.h"
#include "render/board_fonts.h"
#include "render/board_layout.h"

namespace {

// The sunken edge of a panel: two rings, darker above and to the left, lighter
// below and to the right, in the standard three-dimensional frame colours.
const QColor kEdgeShadow(160, 160, 160);
const QColor kEdgeDarkShadow(105, 105, 105);
const QColor kEdgeLight(227, 227, 227);
const QColor kEdgeHighlight(255, 255, 255);

void DrawRing(QPainter& p, int left, int top, int right, int bottom, const QColor& topLeft,
              const QColor& bottomRight) {
    // Top and left first; bottom and right overlap them at the corners.
    p.fillRect(QRect(left, top, right - left - 1, 1), topLeft);
    p.fillRect(QRect(left, top, 1, bottom - top - 1), topLeft);
    p.fillRect(QRect(left, bottom - 1, right - left, 1), bottomRight);
    p.fillRect(QRect(right - 1, top, 1, bottom - top), bottomRight);
}

QRect ToQRect(const ClientRect& r) {
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

}  // namespace

ClientRect ScorePanelRect(const ClientRect& client) {
    const std::int32_t right = client.right - client.left - kScorePanelRightGap;
    return {right - kScorePanelWidth, BombBoxRect.top, right, BombBoxRect.bottom};
}

void DrawPanelFrame(QPainter& painter, const ClientRect& r) {
    painter.fillRect(ToQRect(r), QColor::fromRgb(kWheelGreen));
    DrawRing(painter, r.left, r.top, r.right, r.bottom, kEdgeShadow, kEdgeHighlight);
    DrawRing(painter, r.left + 1, r.top + 1, r.right - 1, r.bottom - 1, kEdgeDarkShadow,
             kEdgeLight);
}

PlacedText ScoreText(const ClientRect& client, std::uint32_t score, const QFont& font) {
    const ClientRect panel = ScorePanelRect(client);
    const QRect r(panel.left + kScoreInset, panel.top + kScoreInset,
                  panel.right - panel.left - 2 * kScoreInset,
                  panel.bottom - panel.top - 2 * kScoreInset);
    PlacedText placed{font, QString::number(score), {}};
    const QFontMetricsF metrics(placed.font);
    // One line, vertically centred by its character cell, flush right.
    const int top = r.top() + (r.height() - kScoreCellHeight) / 2;
    const qreal x = (r.left() + r.width()) - metrics.horizontalAdvance(placed.text);
    placed.baseline = QPointF(x, top + metrics.ascent());
    return placed;
}

ClientRect BannerRect(QPoint middle, int w, int h) {
    return {middle.x() - w / 2, middle.y() - h / 2, middle.x() + w / 2, middle.y() + h / 2};
}

PlacedText BannerText(const QString& text, QPoint middle, int w, int h, const QFont& font,
                      bool backing) {
    const ClientRect r = BannerRect(middle, w, h);
    PlacedText placed{font, text, {}, backing};
    const QFontMetricsF metrics(placed.font);
    const int textWidth = static_cast<int>(std::ceil(metrics.horizontalAdvance(text)));
    placed.baseline =
        QPointF(r.left + (r.right - r.left - textWidth) / 2, r.top + metrics.ascent());
    return placed;
}

namespace {

// The banners' words are translated as they are drawn, so that they follow
// the translation in use.
Banner PausedBanner() {
    return {QCoreApplication::translate("Board", "PAUSED"), kPausedBannerWidth, true};
}

}  // namespace

Banner BannerFor(const CGame& game) {
    if (game.over) {
        return {QCoreApplication::translate("Board", "Game Over"), kGameOverBannerWidth, true};
    }
    if (game.paused && game.started) {
        return PausedBanner();
    }
    if (game.paused) {
        return {QCoreApplication::translate("Board", "Press PLAY to begin"), kPressPlayBannerWidth,
                true};
    }
    return {};
}

bool StoredBannerBacking() {
    return ReadSettingDword(kSettingsKey, "BannerBacking") != 0;
}

Banner ReplayBanner() {
    const QString text = QCoreApplication::translate("Board", "REPLAY");
    // As high as its top corners, with their margin and a backing's, stay
    // within the spokes, which would cross it as the wheel turns; never
    // nearer the centre than a banner's height above it.
    constexpr double kClearance = 16;
    const double inner = kSpokeInnerRadius - kWheelPenWidth;
    const double halfWidth = QFontMetricsF(BannerFont()).horizontalAdvance(text) / 2 + kClearance;
    const double above = halfWidth < inner ? std::sqrt(inner * inner - halfWidth * halfWidth) : 0;
    const int top = static_cast<int>(std::floor(std::max(above - kClearance, 2.0 * kBannerHeight)));
    return {text, kReplayBannerWidth, true, kBannerHeight / 2 - top};
}

BoardBanners BannersFor(const CGame& game, bool watching, bool watchPaused) {
    if (!watching) {
        return {{}, BannerFor(game)};
    }
    // A replay's end stays on the board under its banner.
    if (game.over) {
        return {ReplayBanner(), BannerFor(game)};
    }
    // The recorded game's own pauses last no time in a replay.
    return {ReplayBanner(), watchPaused ? PausedBanner() : Banner{}};
}
