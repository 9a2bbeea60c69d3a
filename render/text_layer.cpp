#include "render/text_layer.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "render/gem_art.h"
#include "render/logical_painter.h"

namespace {
// The backing reaches this far beyond the text's advance and character cell.
constexpr qreal kBackingPadX = 10;
constexpr qreal kBackingPadY = 2;
constexpr qreal kBackingRadius = 8;
constexpr qreal kOutlineWidth = 2;
const QColor kBackingFill(255, 255, 255, 200);
const QColor kBackingOutline(240, 240, 240);
}  // namespace

QRectF PlacedText::BackingRect() const {
    const QFontMetricsF m(font);
    return QRectF(baseline.x() - kBackingPadX, baseline.y() - m.ascent() - kBackingPadY,
                  m.horizontalAdvance(text) + 2 * kBackingPadX,
                  m.ascent() + m.descent() + 2 * kBackingPadY);
}

QRect PlacedText::Bounds() const {
    const QFontMetricsF m(font);
    // A margin for side bearings and antialiased edges.
    constexpr qreal kMargin = 4;
    QRectF inked(baseline.x(), baseline.y() - m.ascent(), m.horizontalAdvance(text),
                 m.ascent() + m.descent());
    if (backing) {
        inked |= BackingRect();
    }
    const qreal left = std::floor(inked.left() - kMargin);
    const qreal top = std::floor(inked.top() - kMargin);
    const qreal right = std::ceil(inked.right() + kMargin);
    const qreal bottom = std::ceil(inked.bottom() + kMargin);
    return QRect(static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
                 static_cast<int>(bottom - top));
}

void PlacedText::Draw(QPainter& painter) const {
    painter.save();
    if (backing) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(kBackingOutline, kOutlineWidth));
        painter.setBrush(kBackingFill);
        painter.drawRoundedRect(BackingRect(), kBackingRadius, kBackingRadius);
    }
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(baseline, text);
    painter.restore();
}

void CTextLayer::Draw(QImage& target, const PlacedText& text, qreal ratio, const QRect& clip) {
    if (picture_.isNull() || !(drawn_ == text) || ratio_ != ratio) {
        const QRect bounds = text.Bounds();
        picture_ = QImage(DevicePixels(bounds.width(), ratio), DevicePixels(bounds.height(), ratio),
                          QImage::Format_ARGB32_Premultiplied);
        picture_.fill(Qt::transparent);
        picture_.setDevicePixelRatio(ratio);
        CLogicalPainter p(&picture_);
        p.translate(-bounds.topLeft());
        text.Draw(p);
        p.end();
        drawn_ = text;
        topLeft_ = bounds.topLeft();
        ratio_ = ratio;
        ink_.clear();
        for (int y = 0; y < picture_.height(); ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(picture_.constScanLine(y));
            for (int x = 0; x < picture_.width(); ++x) {
                if (qAlpha(line[x]) != 0) {
                    ink_.push_back({x, y, line[x]});
                }
            }
        }
    }
    if (target.depth() != 32) {
        return;
    }
    const int left = static_cast<int>(std::floor(topLeft_.x() * ratio + 0.5));
    const int top = static_cast<int>(std::floor(topLeft_.y() * ratio + 0.5));
    const QRect area = clip & target.rect() & QRect(QPoint(left, top), picture_.size());
    if (area.isEmpty()) {
        return;
    }
    const qsizetype stride = target.bytesPerLine();
    uchar* bits = target.bits();
    for (const Ink& ink : ink_) {
        const int x = left + ink.x;
        const int y = top + ink.y;
        if (!area.contains(x, y)) {
            continue;
        }
        // Source over, premultiplied: s + d * (255 - alpha) / 255.
        const QRgb s = ink.colour;
        const uint keep = 255 - qAlpha(s);
        auto mix = [keep](uint sc, uint dc) {
            const uint t = dc * keep;
            return sc + ((t + (t >> 8) + 0x80) >> 8);
        };
        QRgb& d = reinterpret_cast<QRgb*>(bits + y * stride)[x];
        d = qRgba(static_cast<int>(mix(qRed(s), qRed(d))),
                  static_cast<int>(mix(qGreen(s), qGreen(d))),
                  static_cast<int>(mix(qBlue(s), qBlue(d))), 255);
    }
}
