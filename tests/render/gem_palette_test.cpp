#include <gtest/gtest.h>

#include "game/memory_settings.h"
#include "render/gem_palette.h"

TEST(GemPalette, ShadesRoundEachChannelHalfUp) {
    EXPECT_EQ(ShadeColour(0x00FFFFFF, 2), 0x00808080u);
    EXPECT_EQ(ShadeColour(0x00FFFFFF, 3), 0x00555555u);
    EXPECT_EQ(ShadeColour(0x00404040, 2), 0x00202020u);
    EXPECT_EQ(ShadeColour(0x00404040, 3), 0x00151515u);
    EXPECT_EQ(ShadeColour(0x00010101, 2), 0x00010101u);
    EXPECT_EQ(ShadeColour(0x00010101, 3), 0x00000000u);
    EXPECT_EQ(ShadeColour(0x00000000, 2), 0x00000000u);
    // Channels stay apart, and the top byte is dropped.
    EXPECT_EQ(ShadeColour(0xAB00FF01, 2), 0x00008001u);
    EXPECT_EQ(ShadeColour(0x00FF4040, 0), 0x00FF4040u);
}

TEST(GemPalette, WithNothingStoredTheDefaultColoursAndShadesApply) {
    CMemorySettings settings;
    CScopedSettingsBackend scoped(&settings);
    const GemPalette expected{0x00FF4040, 0x00802020, 0x00551515, 0x0000FFFF, 0x00008080,
                              0x00005555, 0x00FF00FF, 0x00800080, 0x00550055, 0x00FFFFFF,
                              0x00808080, 0x00555555, 0x000000FF, 0x00000080, 0x00000055};
    EXPECT_EQ(StoredGemPalette(), expected);
    EXPECT_EQ(MakeGemPalette(kDefaultGemColours), expected);
}

TEST(GemPalette, StoredColoursReplaceTheFirstThreeSlotsButZeroMeansDefault) {
    CMemorySettings settings;
    CScopedSettingsBackend scoped(&settings);
    WriteSettingDword(kSettingsKey, "Color0", 0);
    WriteSettingDword(kSettingsKey, "Color1", 0x00204060);
    WriteSettingDword(kSettingsKey, "Color2", 0x7F00C000);
    const GemPalette p = StoredGemPalette();
    EXPECT_EQ(p[0], 0x00FF4040u);
    EXPECT_EQ(p[3], 0x00204060u);
    EXPECT_EQ(p[4], 0x00102030u);
    EXPECT_EQ(p[5], 0x000B1520u);
    EXPECT_EQ(p[6], 0x0000C000u);
    // White and red are fixed.
    EXPECT_EQ(p[9], 0x00FFFFFFu);
    EXPECT_EQ(p[12], 0x000000FFu);
}
