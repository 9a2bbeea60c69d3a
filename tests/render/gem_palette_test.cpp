#include <gtest/gtest.h>

#include "game/memory_settings.h"
#include "render/gem_palette.h"

TEST(GemPalette, ShadesRoundEachChannelHalfUp) {
    EXPECT_EQ(ShadeColour(0x00FFFFFF, 2), 0x00808080u);
    EXPECT_EQ(ShadeColour(0x00FFFFFF, 3), 0x00555555u);
    EXPECT_EQ(ShadeColour(0x00010101, 2), 0x00010101u);
    EXPECT_EQ(ShadeColour(0x00010101, 3), 0x00000000u);
    // Channels stay apart, and the top byte is dropped.
    EXPECT_EQ(ShadeColour(0xAB00FF01, 2), 0x00008001u);
    EXPECT_EQ(ShadeColour(0x00FF4040, 0), 0x00FF4040u);
}

TEST(GemPalette, StoredColoursReplaceTheDefaultsOfTheFirstThreeSlotsButZeroMeansDefault) {
    CMemorySettings settings;
    CScopedSettingsBackend scoped(&settings);
    const GemPalette defaults{0x00FF4040, 0x00802020, 0x00551515, 0x0000FFFF, 0x00008080,
                              0x00005555, 0x00FF00FF, 0x00800080, 0x00550055, 0x00FFFFFF,
                              0x00808080, 0x00555555, 0x000000FF, 0x00000080, 0x00000055};
    EXPECT_EQ(StoredGemPalette(), defaults);

    WriteSettingDword(kSettingsKey, "Color0", 0);
    WriteSettingDword(kSettingsKey, "Color1", 0x00204060);
    WriteSettingDword(kSettingsKey, "Color2", 0x7F00C000);
    GemPalette expected = defaults;
    expected[3] = 0x00204060;
    expected[4] = 0x00102030;
    expected[5] = 0x000B1520;
    expected[6] = 0x0000C000;
    expected[7] = 0x00006000;
    expected[8] = 0x00004000;
    EXPECT_EQ(StoredGemPalette(), expected);
}
