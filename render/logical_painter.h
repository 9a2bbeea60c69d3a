#pragma once
// A painter whose coordinates are an image's logical pixels at any device
// pixel ratio. QPainter applies an image's ratio only from 1 up: below it (a
// board shown smaller than its base size) it would paint at full size over a
// picture made smaller, so the missing scale is set here.

#include <QImage>
#include <QPainter>

class CLogicalPainter : public QPainter {
  public:
    explicit CLogicalPainter(QImage* image);
};
