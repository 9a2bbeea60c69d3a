#pragma once
// The program's pictures besides the gems, drawn at run time or by the
// artwork generator at any pixel ratio: the azure background tile, the
// toolbar strip, the About logo and the program icon.

#include <QColor>
#include <QImage>
#include <QString>

#include "render/vector_scene.h"

inline constexpr int kTileSize = 64;
inline constexpr int kToolbarButtons = 5;
inline constexpr int kToolbarButtonWidth = 28;
inline constexpr int kToolbarButtonHeight = 27;
inline constexpr int kLogoSize = 66;

// The 64 x 64 background tile, Format_RGB32, seamless when repeated.
QImage TileImage(qreal ratio = 1.0);

// The toolbar strip: play, pause and hide, drop bomb, pause, new game, each
// 28 x 27, side by side on a transparent background.
QImage ToolbarImage(qreal ratio = 1.0);
// One of the five toolbar pictures.
QImage ToolbarButtonImage(int index, qreal ratio = 1.0);

// The program icon as a vector drawing; small sizes get a simpler drawing.
// The wheel's rim and spokes are drawn in `ink`.
CVectorScene IconScene(int pixelSize, QColor ink = Qt::black);
QImage IconImage(int pixelSize);

// The About box logo, 66 x 66.
QImage LogoImage(qreal ratio = 1.0);
