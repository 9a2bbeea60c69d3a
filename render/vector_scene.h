#pragma once
// A small list of filled and stroked shapes in a square design space. The same
// list paints crisp pictures at any pixel size and writes out as SVG, so the
// program icon, the toolbar images and the About logo have one drawing each.

#include <QColor>
#include <QImage>
#include <QPolygonF>
#include <QString>
#include <vector>

struct CVectorShape {
    enum class Kind { Polygon, Polyline, Circle, RoundedRect };
    Kind kind = Kind::Polygon;
    QPolygonF points;  // Polygon, Polyline
    QPointF centre;    // Circle
    qreal radius = 0;  // Circle; corner radius of a RoundedRect
    QRectF rect;       // RoundedRect
    QColor fill = Qt::transparent;
    QColor stroke = Qt::transparent;
    qreal strokeWidth = 0;
};

class CVectorScene {
  public:
    explicit CVectorScene(qreal designSize) : size_(designSize) {}

    qreal DesignSize() const { return size_; }
    const std::vector<CVectorShape>& Shapes() const { return shapes_; }

    void AddPolygon(const QPolygonF& points, const QColor& fill,
                    const QColor& stroke = Qt::transparent, qreal strokeWidth = 0);
    void AddPolyline(const QPolygonF& points, const QColor& stroke, qreal strokeWidth);
    void AddCircle(QPointF centre, qreal radius, const QColor& fill,
                   const QColor& stroke = Qt::transparent, qreal strokeWidth = 0);
    void AddRoundedRect(const QRectF& rect, qreal cornerRadius, const QColor& fill,
                        const QColor& stroke = Qt::transparent, qreal strokeWidth = 0);

    // Paints the scene, antialiased, scaled so that the design square fills
    // width x height logical pixels, into a transparent image at a pixel ratio.
    QImage Render(int width, int height, qreal ratio = 1.0) const;
    // The scene as a standalone SVG document of the design size.
    QString ToSvg() const;

  private:
    qreal size_;
    std::vector<CVectorShape> shapes_;
};
