#pragma once
// The wheel centre in client pixels: half the client width and height, set
// once by the view's first paint and shared by drawing and pointer input.

#include <cstdint>

extern std::int32_t boardCentreX;
extern std::int32_t boardCentreY;
