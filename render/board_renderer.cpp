// Placeholder until the real painter lands: a flat board.
#include "render/board_renderer.h"

#include <QPainter>

CBoardRenderer::CBoardRenderer(const ClientRect& client, qreal devicePixelRatio)
    : client_(client), ratio_(devicePixelRatio) {
    const int w = client.right - client.left;
    const int h = client.bottom - client.top;
    buffer_ = QImage(qRound(w * ratio_), qRound(h * ratio_), QImage::Format_ARGB32_Premultiplied);
    buffer_.setDevicePixelRatio(ratio_);
}

CBoardRenderer::~CBoardRenderer() = default;

const QImage& CBoardRenderer::Paint(CGame& game) {
    (void)game;
    buffer_.fill(QColor(3, 123, 221));
    return buffer_;
}

GemPalette CBoardRenderer::GetPalette() const {
    return palette_;
}

void CBoardRenderer::BuildSprites(const GemPalette& palette) {
    palette_ = palette;
}
