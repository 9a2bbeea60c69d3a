#include "render/gem_palette.h"

#include "game/settings_store.h"

std::uint32_t ShadeColour(std::uint32_t colour, std::uint32_t divisor) {
    if (divisor == 0) {
        return colour & 0x00FFFFFFu;
    }
    std::uint32_t out = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const std::uint32_t v = (colour >> shift) & 0xFFu;
        out |= ((v + divisor / 2) / divisor) << shift;
    }
    return out;
}

GemPalette MakeGemPalette(const std::array<std::uint32_t, kGemSlots>& fullColours) {
    GemPalette palette{};
    for (int s = 0; s < kGemSlots; ++s) {
        palette[3 * s] = fullColours[s];
        palette[3 * s + 1] = ShadeColour(fullColours[s], 2);
        palette[3 * s + 2] = ShadeColour(fullColours[s], 3);
    }
    return palette;
}

GemPalette StoredGemPalette() {
    std::array<std::uint32_t, kGemSlots> full = kDefaultGemColours;
    const char* names[3] = {"Color0", "Color1", "Color2"};
    for (int s = 0; s < 3; ++s) {
        const std::uint32_t stored = ReadSettingDword(kSettingsKey, names[s]);
        // The top byte of a colour reference is no part of the colour.
        if (stored != 0) {
            full[s] = stored & 0x00FFFFFFu;
        }
    }
    return MakeGemPalette(full);
}
