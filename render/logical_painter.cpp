#include "render/logical_painter.h"

CLogicalPainter::CLogicalPainter(QImage* image) : QPainter(image) {
    const qreal ratio = image->devicePixelRatio();
    if (ratio < 1.0) {
        scale(ratio, ratio);
    }
}
