#include "render/vector_scene.h"

#include <QPainter>
#include <QPainterPath>

#include "render/gem_art.h"
#include "render/logical_painter.h"

namespace {

CVectorShape Styled(CVectorShape::Kind kind, const QColor& fill, const QColor& stroke,
                    qreal strokeWidth) {
    CVectorShape s;
    s.kind = kind;
    s.fill = fill;
    s.stroke = stroke;
    s.strokeWidth = strokeWidth;
    return s;
}

}  // namespace

void CVectorScene::AddPolygon(const QPolygonF& points, const QColor& fill, const QColor& stroke,
                              qreal strokeWidth) {
    CVectorShape s = Styled(CVectorShape::Kind::Polygon, fill, stroke, strokeWidth);
    s.points = points;
    shapes_.push_back(s);
}

void CVectorScene::AddPolyline(const QPolygonF& points, const QColor& stroke, qreal strokeWidth) {
    CVectorShape s = Styled(CVectorShape::Kind::Polyline, Qt::transparent, stroke, strokeWidth);
    s.points = points;
    shapes_.push_back(s);
}

void CVectorScene::AddCircle(QPointF centre, qreal radius, const QColor& fill, const QColor& stroke,
                             qreal strokeWidth) {
    CVectorShape s = Styled(CVectorShape::Kind::Circle, fill, stroke, strokeWidth);
    s.centre = centre;
    s.radius = radius;
    shapes_.push_back(s);
}

void CVectorScene::AddRoundedRect(const QRectF& rect, qreal cornerRadius, const QColor& fill,
                                  const QColor& stroke, qreal strokeWidth) {
    CVectorShape s = Styled(CVectorShape::Kind::RoundedRect, fill, stroke, strokeWidth);
    s.rect = rect;
    s.radius = cornerRadius;
    shapes_.push_back(s);
}

QImage CVectorScene::Render(int width, int height, qreal ratio) const {
    QImage image(DevicePixels(width, ratio), DevicePixels(height, ratio),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(ratio);
    CLogicalPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(width / size_, height / size_);
    for (const CVectorShape& s : shapes_) {
        if (s.stroke.alpha() > 0 && s.strokeWidth > 0) {
            QPen pen(s.stroke, s.strokeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
            p.setPen(pen);
        } else {
            p.setPen(Qt::NoPen);
        }
        p.setBrush(s.fill.alpha() > 0 ? QBrush(s.fill) : QBrush(Qt::NoBrush));
        switch (s.kind) {
            case CVectorShape::Kind::Polygon:
                p.drawPolygon(s.points);
                break;
            case CVectorShape::Kind::Polyline:
                p.drawPolyline(s.points);
                break;
            case CVectorShape::Kind::Circle:
                p.drawEllipse(s.centre, s.radius, s.radius);
                break;
            case CVectorShape::Kind::RoundedRect:
                p.drawRoundedRect(s.rect, s.radius, s.radius);
                break;
        }
    }
    p.end();
    return image;
}

namespace {

// Fixed two decimals without trailing zeros: short and the same everywhere.
QString Num(qreal v) {
    QString s = QString::number(v, 'f', 2);
    while (s.endsWith('0')) {
        s.chop(1);
    }
    if (s.endsWith('.')) {
        s.chop(1);
    }
    return s == QStringLiteral("-0") ? QStringLiteral("0") : s;
}

QString Colour(const QColor& c) {
    if (c.alpha() == 0) {
        return QStringLiteral("none");
    }
    return c.name(QColor::HexRgb);
}

QString Paint(const CVectorShape& s) {
    QString out = QStringLiteral(" fill=\"%1\"").arg(Colour(s.fill));
    if (s.fill.alpha() > 0 && s.fill.alpha() < 255) {
        out += QStringLiteral(" fill-opacity=\"%1\"").arg(Num(s.fill.alphaF()));
    }
    if (s.stroke.alpha() > 0 && s.strokeWidth > 0) {
        out += QStringLiteral(
                   " stroke=\"%1\" stroke-width=\"%2\" stroke-linecap=\"round\" "
                   "stroke-linejoin=\"round\"")
                   .arg(Colour(s.stroke), Num(s.strokeWidth));
        if (s.stroke.alpha() < 255) {
            out += QStringLiteral(" stroke-opacity=\"%1\"").arg(Num(s.stroke.alphaF()));
        }
    }
    return out;
}

QString Points(const QPolygonF& points) {
    QStringList parts;
    for (const QPointF& pt : points) {
        parts << Num(pt.x()) + "," + Num(pt.y());
    }
    return parts.join(' ');
}

}  // namespace

QString CVectorScene::ToSvg() const {
    QString svg = QStringLiteral(
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                      "viewBox=\"0 0 %1 %1\">\n")
                      .arg(Num(size_));
    for (const CVectorShape& s : shapes_) {
        switch (s.kind) {
            case CVectorShape::Kind::Polygon:
                svg += QStringLiteral("  <polygon points=\"%1\"%2/>\n")
                           .arg(Points(s.points), Paint(s));
                break;
            case CVectorShape::Kind::Polyline: {
                CVectorShape line = s;
                line.fill = Qt::transparent;
                svg += QStringLiteral("  <polyline points=\"%1\"%2/>\n")
                           .arg(Points(s.points), Paint(line));
                break;
            }
            case CVectorShape::Kind::Circle:
                svg += QStringLiteral("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\"%4/>\n")
                           .arg(Num(s.centre.x()), Num(s.centre.y()), Num(s.radius), Paint(s));
                break;
            case CVectorShape::Kind::RoundedRect:
                svg += QStringLiteral(
                           "  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\"%6/>\n")
                           .arg(Num(s.rect.x()), Num(s.rect.y()), Num(s.rect.width()),
                                Num(s.rect.height()), Num(s.radius), Paint(s));
                break;
        }
    }
    svg += QStringLiteral("</svg>\n");
    return svg;
}
