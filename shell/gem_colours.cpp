#include "shell/gem_colours.h"

namespace {

// Each channel of a shade rounds to the nearer whole value of v / divisor,
// halves up.
std::uint32_t Shade(std::uint32_t colour, std::uint32_t divisor) {
    std::uint32_t shade = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const std::uint32_t v = (colour >> shift) & 0xFF;
        shade |= ((v + divisor / 2) / divisor) << shift;
    }
    return shade;
}

constexpr std::uint32_t kDefaultColours[kPlayerColourSlots] = {0xFF4040, 0x00FFFF, 0xFF00FF};

}  // namespace

QColor ToQColor(std::uint32_t colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

std::uint32_t FromQColor(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return static_cast<std::uint32_t>(rgb.red()) | static_cast<std::uint32_t>(rgb.green()) << 8 |
           static_cast<std::uint32_t>(rgb.blue()) << 16;
}

std::uint32_t SlotColour(const GemPalette& palette, int slot) {
    return palette[static_cast<std::size_t>(3 * slot)];
}

void SetSlotColour(GemPalette& palette, int slot, std::uint32_t colour) {
    const auto first = static_cast<std::size_t>(3 * slot);
    palette[first] = colour;
    palette[first + 1] = Shade(colour, 2);
    palette[first + 2] = Shade(colour, 3);
}

void RestoreDefaultGemColours(GemPalette& palette) {
    for (int slot = 0; slot < kPlayerColourSlots; ++slot) {
        SetSlotColour(palette, slot, kDefaultColours[slot]);
    }
}
