#include "render/board_renderer.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QRegion>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "game/board_centre.h"
#include "render/artwork.h"
#include "render/board_fonts.h"
#include "render/gem_drawing.h"
#include "render/gem_sprites.h"
#include "render/gem_symbols.h"
#include "render/logical_painter.h"

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

void DrawScoreText(QPainter& painter, const ClientRect& client, std::uint32_t score) {
    ScoreText(client, score, ScoreFont()).Draw(painter);
}

void DrawBombs(CBoardCanvas& canvas, const CGemSprites& sprites, std::int32_t bombs) {
    for (std::int32_t i = 0; i < std::min(bombs, kMaxBombs); ++i) {
        CGem bomb;
        bomb.colour = kBombColour;
        bomb.x = static_cast<double>(kFirstBombX + kBombSpacing * i - boardCentreX);
        bomb.y = static_cast<double>(kBombY - boardCentreY);
        DrawGem(bomb, canvas, sprites, 0.0);
    }
}

ClientRect BannerRect(int dx, int dy, int w, int h) {
    return {boardCentreX - w / 2 + dx, boardCentreY - h / 2 + dy, boardCentreX + w / 2 + dx,
            boardCentreY + h / 2 + dy};
}

PlacedText BannerText(const QString& text, int dx, int dy, int w, int h, const QFont& font) {
    const ClientRect r = BannerRect(dx, dy, w, h);
    PlacedText placed{font, text, {}};
    const QFontMetricsF metrics(placed.font);
    const int textWidth = static_cast<int>(std::ceil(metrics.horizontalAdvance(text)));
    placed.baseline =
        QPointF(r.left + (r.right - r.left - textWidth) / 2, r.top + metrics.ascent());
    return placed;
}

void DrawBanner(QPainter& painter, const QString& text, int dx, int dy, int w, int h) {
    BannerText(text, dx, dy, w, h, BannerFont()).Draw(painter);
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

Banner ReplayBanner() {
    const int panelsMiddle = (BombBoxRect.top + BombBoxRect.bottom) / 2;
    return {QCoreApplication::translate("Board", "REPLAY"), kReplayBannerWidth, true,
            panelsMiddle - boardCentreY};
}

BoardBanners BannersFor(const CGame& game, bool watching, bool watchPaused) {
    if (!watching || game.over) {
        return {{}, BannerFor(game)};
    }
    // The recorded game's own pauses last no time in a replay.
    return {ReplayBanner(), watchPaused ? PausedBanner() : Banner{}};
}

CBoardRenderer::CBoardRenderer(const ClientRect& client, qreal devicePixelRatio,
                               const std::optional<GemPalette>& palette,
                               std::optional<bool> gemSymbols)
    : client_(client), ratio_(devicePixelRatio > 0 ? devicePixelRatio : 1.0) {
    sprites_ = std::make_unique<CGemSprites>(palette ? *palette : StoredGemPalette(), ratio_,
                                             gemSymbols ? *gemSymbols : StoredGemSymbols());
    scoreFont_ = ScoreFont();
    bannerFont_ = BannerFont();
    const int w = std::max(client.right - client.left, 0);
    const int h = std::max(client.bottom - client.top, 0);
    buffer_ = QImage(DevicePixels(w, ratio_), DevicePixels(h, ratio_), QImage::Format_RGB32);
    buffer_.setDevicePixelRatio(ratio_);
    PaintBackground();
}

CBoardRenderer::~CBoardRenderer() = default;

void CBoardRenderer::PaintBackground() {
    background_ = QImage(buffer_.size(), QImage::Format_RGB32);
    if (background_.isNull()) {
        return;
    }
    // The tile's pattern starts at the client area's top-left corner: the
    // first tile's height of rows is tiled across, every later row repeats
    // the row one tile higher.
    tile_ = TileImage(ratio_);
    const int width = background_.width();
    const auto rowBytes = static_cast<std::size_t>(width) * sizeof(QRgb);
    for (int y = 0; y < background_.height(); ++y) {
        QRgb* to = reinterpret_cast<QRgb*>(background_.scanLine(y));
        if (y >= tile_.height()) {
            std::memcpy(to, background_.constScanLine(y - tile_.height()), rowBytes);
            continue;
        }
        const QRgb* from = reinterpret_cast<const QRgb*>(tile_.constScanLine(y));
        for (int x = 0; x < width; x += tile_.width()) {
            std::memcpy(
                to + x, from,
                static_cast<std::size_t>(std::min(tile_.width(), width - x)) * sizeof(QRgb));
        }
    }
    background_.setDevicePixelRatio(ratio_);
    CLogicalPainter p(&background_);
    DrawWheelDisc(p);
    DrawPanelFrame(p, ScorePanelRect(client_));
    DrawPanelFrame(p, BombBoxRect);
    p.end();
}

const QImage& CBoardRenderer::Paint(CGame& game) {
    if (buffer_.isNull()) {
        return buffer_;
    }
    std::memcpy(buffer_.bits(), background_.constBits(),
                static_cast<std::size_t>(buffer_.sizeInBytes()));
    CLogicalPainter p(&buffer_);
    CBoardCanvas canvas{buffer_, p};
    DrawWheel(game, canvas, *sprites_);
    scoreLayer_.Draw(buffer_, ScoreText(client_, game.score, scoreFont_), ratio_);
    DrawBombs(canvas, *sprites_, game.bombs);
    const BoardBanners banners = BannersFor(game, watching_, watchPaused_);
    for (const auto& [banner, layer] :
         {std::pair{&banners.replay, &replayLayer_}, {&banners.centre, &bannerLayer_}}) {
        if (banner->shown) {
            layer->Draw(
                buffer_,
                BannerText(banner->text, 0, banner->dy, banner->width, kBannerHeight, bannerFont_),
                ratio_);
        }
    }
    p.end();
    return buffer_;
}

namespace {

// The same pixels seen as device pixels, without a copy: drawn through a
// painter that counts device pixels they are copied one to one.
QImage DevicePixelsOf(const QImage& image) {
    return QImage(image.constBits(), image.width(), image.height(), image.bytesPerLine(),
                  image.format());
}

}  // namespace

void CBoardRenderer::DrawInView(QPainter& painter, const BoardMapping& mapping,
                                const QRect& dirty) const {
    if (buffer_.isNull()) {
        return;
    }
    const qreal d = mapping.DeviceRatio();
    painter.save();
    painter.setWorldTransform(QTransform::fromScale(1 / d, 1 / d));
    const QRect board = mapping.DeviceRect();
    const QRect area =
        QRectF(QPointF(dirty.topLeft()) * d, QSizeF(dirty.size()) * d).toAlignedRect();
    // Tiles copied whole under a clip: each copy is a plain block copy, where
    // a pattern fill this large would go to the painter's thread pool. The
    // pattern goes on from the board's corner, where the board's own starts.
    const QImage tile = DevicePixelsOf(tile_);
    auto firstTile = [](int from, int origin, int size) {
        const int past = from - origin;
        return origin + (past >= 0 ? past / size : -((size - 1 - past) / size)) * size;
    };
    for (const QRect& margin : QRegion(area).subtracted(board)) {
        painter.setClipRect(margin);
        for (int y = firstTile(margin.top(), board.top(), tile.height()); y <= margin.bottom();
             y += tile.height()) {
            for (int x = firstTile(margin.left(), board.left(), tile.width()); x <= margin.right();
                 x += tile.width()) {
                painter.drawImage(QPoint(x, y), tile);
            }
        }
    }
    painter.setClipping(false);
    if (board.size() == buffer_.size()) {
        painter.drawImage(board.topLeft(), DevicePixelsOf(buffer_));
    } else {
        painter.drawImage(board, DevicePixelsOf(buffer_));
    }
    painter.restore();
}

GemPalette CBoardRenderer::GetPalette() const {
    return sprites_->GetPalette();
}

void CBoardRenderer::BuildSprites(const GemPalette& palette) {
    sprites_->BuildSprites(palette);
}

bool CBoardRenderer::GemSymbols() const {
    return sprites_->Symbols();
}

void CBoardRenderer::SetGemSymbols(bool on) {
    sprites_->SetSymbols(on);
}
