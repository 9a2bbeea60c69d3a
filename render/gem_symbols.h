#pragma once
// Symbols that tell the three player colours apart without their colour: a
// dot, a ring and a bar in the middle of the gem's face, turning with the gem.
// White with a black outline, they stand out on any gem colour, and they are
// small, so most of the face keeps its shading.

#include <QImage>

// The slots that carry a symbol: the player colours. The white central gem
// and the bomb keep their pictures.
inline constexpr int kSymbolSlots = 3;

// The symbol's colour at a point of a frame's picture, in logical pixels
// from the cell's top-left corner; 0 where the gem's own picture shows.
QRgb GemSymbolPixel(int slot, int frame, double x, double y);

// Paints the symbol of a slot into a sprite of that frame, made at the given
// pixel ratio. Slots without a symbol are left as they are.
void DrawGemSymbol(QImage& sprite, int slot, int frame, qreal ratio);

// The stored "GemSymbols" switch; absent reads as off.
bool StoredGemSymbols();
