#pragma once
// The gem pictures, drawn from one geometric description at any pixel ratio:
// a shading template in three key colours and the mask of the gem's shape for
// each of the 16 rotation frames. At ratio 1 these are the 30 x 30 pictures
// the artwork generator writes out.

#include <QImage>
#include <QtGlobal>

inline constexpr int kGemFrames = 16;
// The logical cell of one gem picture, and where the gem's screen point lies
// in it.
inline constexpr int kGemCellSize = 30;
inline constexpr int kGemCellOffset = 14;
// The centre of the gem's hexagon in its logical cell: the middle of pixel
// (14, 15).
inline constexpr double kGemCentreX = 14.5;
inline constexpr double kGemCentreY = 15.5;

// Key colours of the templates, as 0xAARRGGBB.
inline constexpr QRgb kKeyRed = 0xFFFF0000u;
inline constexpr QRgb kKeyGreen = 0xFF00FF00u;
inline constexpr QRgb kKeyBlue = 0xFF0000FFu;
inline constexpr QRgb kGemWhite = 0xFFFFFFFFu;
inline constexpr QRgb kGemGrey = 0xFF808080u;
inline constexpr QRgb kGemYellow = 0xFFFFFF00u;
inline constexpr QRgb kGemOutside = 0xFF000000u;

// Device pixels of a logical length at a pixel ratio, rounded up so that a
// picture always covers its whole logical cell.
int DevicePixels(int logical, qreal ratio);

// The template of frame f (0 to 15), Format_RGB32, DevicePixels(30) square,
// device pixel ratio set: pure black outside the gem, key colours, white,
// grey and yellow on it.
QImage GemTemplateImage(int frame, qreal ratio = 1.0);

// The mask of frame f, Format_Mono: white (1) outside the gem, black (0) on it.
QImage GemMaskImage(int frame, qreal ratio = 1.0);
