#pragma once
// The display colours of the five gem slots: the three player colours (which
// the player may change), the white central gem and the red bomb, each in a
// full, a half and a third shade.

#include <QRgb>
#include <array>
#include <cstdint>

// 15 colours 0x00BBGGRR: full, half and third shade of the five colour slots.
using GemPalette = std::array<std::uint32_t, 15>;

inline constexpr int kGemSlots = 5;
inline constexpr std::array<std::uint32_t, kGemSlots> kDefaultGemColours{
    0x00FF4040u, 0x0000FFFFu, 0x00FF00FFu, 0x00FFFFFFu, 0x000000FFu};
// The colour of the explosion overlay.
inline constexpr std::uint32_t kExplosionColour = 0x000000FFu;

// Each of the three low bytes, independently, divided by `divisor` rounding
// half up; the top byte comes out 0. A divisor of 0 leaves the colour as is.
std::uint32_t ShadeColour(std::uint32_t colour, std::uint32_t divisor);

// The palette of five full colours with their shades.
GemPalette MakeGemPalette(const std::array<std::uint32_t, kGemSlots>& fullColours);

// The palette from the stored player colours ("Color0" to "Color2"); a
// missing or zero value gives that slot's default colour.
GemPalette StoredGemPalette();

// 0x00BBGGRR to an opaque QRgb.
inline QRgb ColourRefToRgb(std::uint32_t c) {
    return qRgb(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                static_cast<int>((c >> 16) & 0xFF));
}
