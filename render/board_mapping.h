#pragma once
// Where the board lies in a view of any size: at the largest scale at which
// the whole board fits, keeping its shape, centred. A small value, made anew
// whenever the view's size or its screen changes; both directions between
// view and board go through it, so the pointer lands where the picture is.

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QRegion>
#include <QSize>
#include <QSizeF>

#include "render/board_layout.h"

class BoardMapping {
  public:
    // The whole board at scale 1 on a screen of ratio 1.
    BoardMapping() = default;
    // The fit of the board into a view of `view` widget pixels on a screen of
    // `deviceRatio` device pixels per widget pixel.
    static BoardMapping Fit(QSizeF view, qreal deviceRatio,
                            QSize board = QSize(kBoardWidth, kBoardHeight));

    // Widget pixels per board pixel.
    qreal Scale() const { return scale_; }
    // Device pixels per widget pixel: the screen's.
    qreal DeviceRatio() const { return deviceRatio_; }
    // Device pixels per board pixel: the ratio the board is rendered at.
    qreal RenderRatio() const { return scale_ * deviceRatio_; }
    // The wheel centre in board pixels.
    QPoint Centre() const { return centre_; }

    // The board's rectangle in the view's device pixels; its corner lies on
    // a whole device pixel, so the board's picture is copied, never resampled.
    QRect DeviceRect() const { return QRect(deviceOffset_, deviceSize_); }
    // The same in widget pixels.
    QRectF WidgetRect() const;

    // The widget pixels that show some device pixels of the board's picture
    // (rounded out to whole widget pixels).
    QRegion ToWidget(const QRegion& boardDevice) const;

    // The widget point at the middle of a board pixel.
    QPointF ToWidget(QPoint board) const;
    // The board pixel under a widget point; points in the margins give board
    // pixels outside the board.
    QPoint ToBoard(QPointF widget) const;

    bool operator==(const BoardMapping& o) const {
        return scale_ == o.scale_ && deviceRatio_ == o.deviceRatio_ && centre_ == o.centre_ &&
               deviceOffset_ == o.deviceOffset_ && deviceSize_ == o.deviceSize_;
    }

  private:
    qreal scale_ = 1.0;
    qreal deviceRatio_ = 1.0;
    QPoint deviceOffset_;
    QSize deviceSize_{kBoardWidth, kBoardHeight};
    QPoint centre_ = kBoardCentre;
};
