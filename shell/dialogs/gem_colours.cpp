#include "shell/dialogs/gem_colours.h"
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
    palette[first + 1] = ShadeColour(colour, 2);
    palette[first + 2] = ShadeColour(colour, 3);
}

void RestoreDefaultGemColours(GemPalette& palette) {
    for (int slot = 0; slot < kPlayerColourSlots; ++slot) {
        SetSlotColour(palette, slot, kDefaultGemColours[static_cast<std::size_t>(slot)]);
    }
}
