#pragma once
// Text placed on the board, and a picture of it kept from one paint to the
// next. Large text is costly to draw: the glyph cache does not take glyphs
// beyond 64 device pixels, so at a pixel ratio of 2 the banner would be
// rasterised from outlines in every frame. A layer draws it once and blends
// it in until the text or its place changes.

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRect>
#include <QString>
#include <vector>

struct PlacedText {
    QFont font;
    QString text;
    QPointF baseline;  // logical pixels
    // On a translucent light backing with a light outline, readable over
    // any gems.
    bool backing = false;

    // The logical rectangle that surely holds every drawn pixel.
    QRect Bounds() const;
    void Draw(QPainter& painter) const;
    bool operator==(const PlacedText& o) const {
        return text == o.text && baseline == o.baseline && font == o.font && backing == o.backing;
    }

  private:
    QRectF BackingRect() const;
};

class CTextLayer {
  public:
    // Blends the text, black, into a 32-bit image whose device pixel ratio
    // is `ratio`, within `clip` (device pixels). Blended here rather than by
    // QPainter, which hands a picture this tall at a high pixel ratio to its
    // thread pool and loses more in context switches than it gains.
    void Draw(QImage& target, const PlacedText& text, qreal ratio, const QRect& clip);

  private:
    // The picture's inked pixels only: most of its rectangle is empty.
    struct Ink {
        int x;
        int y;
        QRgb colour;
    };

    PlacedText drawn_;
    QImage picture_;
    std::vector<Ink> ink_;
    QPoint topLeft_;
    qreal ratio_ = 0;
};
