#include "render/board_renderer.h"

#include <QFontMetricsF>
#include <QRegion>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "render/artwork.h"
#include "render/board_fonts.h"
#include "render/gem_drawing.h"
#include "render/gem_sprites.h"
#include "render/gem_symbols.h"
#include "render/logical_painter.h"

namespace {

// The same pixels seen as device pixels, without a copy: drawn through a
// painter that counts device pixels they are copied one to one.
QImage DevicePixelsOf(const QImage& image) {
    return QImage(image.constBits(), image.width(), image.height(), image.bytesPerLine(),
                  image.format());
}

}  // namespace

CBoardRenderer::CBoardRenderer(const ClientRect& client, qreal devicePixelRatio,
                               const std::optional<GemPalette>& palette,
                               std::optional<bool> gemSymbols)
    : ratio_(devicePixelRatio > 0 ? devicePixelRatio : 1.0) {
    sprites_ = std::make_unique<CGemSprites>(palette ? *palette : StoredGemPalette(), ratio_,
                                             gemSymbols ? *gemSymbols : StoredGemSymbols());
    style_.client = client;
    style_.centre = CentreOf(client);
    style_.scoreFont = ScoreFont();
    style_.bannerFont = BannerFont();
    style_.bannerBacking = StoredBannerBacking();
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
    DrawWheelDisc(p, style_.centre);
    DrawPanelFrame(p, ScorePanelRect(style_.client));
    DrawPanelFrame(p, BombBoxRect);
    p.end();
}

BoardFrame CBoardRenderer::Collect(const CGame& game) const {
    return CollectFrame(game, style_, painted_ ? &paintedFrame_ : nullptr);
}

const QImage& CBoardRenderer::Paint(const CGame& game) {
    return Paint(Collect(game));
}

const QImage& CBoardRenderer::Paint(const BoardFrame& frame) {
    shownAt_ = frame.at;
    if (buffer_.isNull()) {
        return buffer_;
    }
    changed_ = painted_ ? FrameChanges(paintedFrame_, frame, ratio_, buffer_.size())
                        : QRegion(buffer_.rect());
    // Area by area: the areas do not overlap, so each pixel sees the same
    // drawing in the same order as in a whole paint.
    for (const QRect& area : changed_) {
        const auto rowBytes = static_cast<std::size_t>(area.width()) * sizeof(QRgb);
        for (int y = area.top(); y <= area.bottom(); ++y) {
            std::memcpy(reinterpret_cast<QRgb*>(buffer_.scanLine(y)) + area.left(),
                        reinterpret_cast<const QRgb*>(background_.constScanLine(y)) + area.left(),
                        rowBytes);
        }
    }
    DrawSpokes(buffer_, frame.centre, frame.wheelAngle, ratio_, changed_);
    // Overlays are drawn through a painter on the same pixels that counts
    // device pixels, scaled to logical ones, so that its clip is exact in
    // device pixels at any ratio.
    QImage pixels(buffer_.bits(), buffer_.width(), buffer_.height(), buffer_.bytesPerLine(),
                  buffer_.format());
    QPainter overlay(&pixels);
    overlay.setClipRegion(changed_);
    overlay.setWorldTransform(QTransform::fromScale(ratio_, ratio_));
    for (const FrameGem& gem : frame.gems) {
        DrawFrameGem(gem, buffer_, overlay, *sprites_, changed_);
    }
    overlay.end();
    for (const QRect& area : changed_) {
        scoreLayer_.Draw(buffer_, frame.score, ratio_, area);
        for (std::size_t i = 0; i < frame.banners.size() && i < bannerLayers_.size(); ++i) {
            bannerLayers_[i].Draw(buffer_, frame.banners[i], ratio_, area);
        }
    }
    paintedFrame_ = frame;
    painted_ = true;
    return buffer_;
}

void CBoardRenderer::RetireShown(CGame& game) const {
    if (shownAt_) {
        game.RetireExplosions(*shownAt_);
    }
}

void CBoardRenderer::DrawInView(QPainter& painter, const BoardMapping& mapping,
                                const QRegion& dirty) const {
    if (buffer_.isNull()) {
        return;
    }
    const qreal d = mapping.DeviceRatio();
    painter.save();
    painter.setWorldTransform(QTransform::fromScale(1 / d, 1 / d));
    const QRect board = mapping.DeviceRect();
    QRegion area;
    for (const QRect& r : dirty) {
        area += QRectF(QPointF(r.topLeft()) * d, QSizeF(r.size()) * d).toAlignedRect();
    }
    // Tiles copied whole under a clip: each copy is a plain block copy, where
    // a pattern fill this large would go to the painter's thread pool. The
    // pattern goes on from the board's corner, where the board's own starts.
    const QImage tile = DevicePixelsOf(tile_);
    auto firstTile = [](int from, int origin, int size) {
        const int past = from - origin;
        return origin + (past >= 0 ? past / size : -((size - 1 - past) / size)) * size;
    };
    for (const QRect& margin : area.subtracted(board)) {
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
    const QImage pixels = DevicePixelsOf(buffer_);
    if (board.size() != buffer_.size()) {
        painter.setClipRegion(area);
        painter.drawImage(board, pixels);
    } else {
        // Only the parts asked for, each a block copy.
        for (const QRect& part : area& board) {
            painter.drawImage(part.topLeft(), pixels, part.translated(-board.topLeft()));
        }
    }
    painter.restore();
}

GemPalette CBoardRenderer::GetPalette() const {
    return sprites_->GetPalette();
}

void CBoardRenderer::BuildSprites(const GemPalette& palette) {
    sprites_->BuildSprites(palette);
    painted_ = false;
}

bool CBoardRenderer::GemSymbols() const {
    return sprites_->Symbols();
}

void CBoardRenderer::SetGemSymbols(bool on) {
    if (on != sprites_->Symbols()) {
        sprites_->SetSymbols(on);
        painted_ = false;
    }
}
