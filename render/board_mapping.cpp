#include "render/board_mapping.h"

#include <algorithm>
#include <cmath>

#include "render/gem_art.h"

namespace {
// However small the view, the board keeps a size that can be drawn and
// pointed at.
constexpr qreal kSmallestScale = 1.0 / 16;
}  // namespace

BoardMapping BoardMapping::Fit(QSizeF view, qreal deviceRatio, QSize board) {
    BoardMapping m;
    m.deviceRatio_ = deviceRatio > 0 ? deviceRatio : 1.0;
    m.centre_ = CentreOf({0, 0, board.width(), board.height()});
    // The view's device pixels, rounded to nearest as the window system's
    // are. The board's picture is whole device pixels, rounded up: the scale
    // is kept small enough for it never to run past the view's last column or
    // row.
    const int viewWidth = static_cast<int>(std::lround(view.width() * m.deviceRatio_));
    const int viewHeight = static_cast<int>(std::lround(view.height() * m.deviceRatio_));
    const qreal scale = std::min({view.width() / board.width(), view.height() / board.height(),
                                  viewWidth / m.deviceRatio_ / board.width(),
                                  viewHeight / m.deviceRatio_ / board.height()});
    m.scale_ = std::isfinite(scale) ? std::max(scale, kSmallestScale) : 1.0;
    const qreal ratio = m.RenderRatio();
    m.deviceSize_ = QSize(DevicePixels(board.width(), ratio), DevicePixels(board.height(), ratio));
    m.deviceOffset_ = QPoint(std::max(0, (viewWidth - m.deviceSize_.width()) / 2),
                             std::max(0, (viewHeight - m.deviceSize_.height()) / 2));
    return m;
}

QRectF BoardMapping::WidgetRect() const {
    return QRectF(QPointF(deviceOffset_) / deviceRatio_, QSizeF(deviceSize_) / deviceRatio_);
}

QRegion BoardMapping::ToWidget(const QRegion& boardDevice) const {
    QRegion widget;
    for (const QRect& r : boardDevice) {
        widget += QRectF(QPointF(r.topLeft() + deviceOffset_) / deviceRatio_,
                         QSizeF(r.size()) / deviceRatio_)
                      .toAlignedRect();
    }
    return widget;
}

QPointF BoardMapping::ToWidget(QPoint board) const {
    return QPointF(deviceOffset_) / deviceRatio_ + (QPointF(board) + QPointF(0.5, 0.5)) * scale_;
}

QPoint BoardMapping::ToBoard(QPointF widget) const {
    const QPointF board = (widget - QPointF(deviceOffset_) / deviceRatio_) / scale_;
    // Far outside the board the exact pixel does not matter, only that the
    // conversion cannot overflow.
    auto pixel = [](qreal v) { return static_cast<int>(std::floor(std::clamp(v, -1e6, 1e6))); };
    return QPoint(pixel(board.x()), pixel(board.y()));
}
