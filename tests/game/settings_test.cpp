#include <gtest/gtest.h>

#include "game/memory_settings.h"
#include "game/settings_store.h"

namespace {

TEST(SettingsStore, AbsentWrongTypeAndMissingKeyAllReadAsDefaults) {
    CMemorySettings settings;
    CScopedSettingsBackend use(&settings);
    EXPECT_EQ(ReadSettingDword(kSettingsKey, "Quiet"), 0u);
    settings.Write(kSettingsKey, "Quiet", SettingValue::String("1"));
    EXPECT_EQ(ReadSettingDword(kSettingsKey, "Quiet"), 0u);
    settings.Write("", "InstallPath", SettingValue::Dword(5));
    EXPECT_EQ(ReadSettingString("", "InstallPath"), "");
    settings.Write(kSettingsKey, "Other", SettingValue{SettingValue::Type::Other, 9, "x"});
    EXPECT_EQ(ReadSettingDword(kSettingsKey, "Other"), 0u);
    EXPECT_EQ(ReadSettingDword("NoSuchKey", "Quiet"), 0u);
}

TEST(SettingsStore, StringsOfThreeHundredBytesOrMoreReadAsEmpty) {
    CMemorySettings settings;
    CScopedSettingsBackend use(&settings);
    WriteSettingDword(kSettingsKey, "Difficulty", 3);
    EXPECT_EQ(ReadSettingDword(kSettingsKey, "Difficulty"), 3u);
    settings.Write("", "InstallPath", SettingValue::String(std::string(299, 'p')));
    EXPECT_EQ(ReadSettingString("", "InstallPath").size(), 299u);
    settings.Write("", "InstallPath", SettingValue::String(std::string(300, 'p')));
    EXPECT_EQ(ReadSettingString("", "InstallPath"), "");
}

TEST(SettingsStore, WritesToAMissingKeyAreDroppedAndNothingIsInstalledMeansDefaults) {
    CMemorySettings settings(false);
    {
        CScopedSettingsBackend use(&settings);
        WriteSettingDword(kSettingsKey, "Quiet", 1);
        EXPECT_EQ(ReadSettingDword(kSettingsKey, "Quiet"), 0u);
        EXPECT_FALSE(settings.KeyExists(kSettingsKey));
    }
    CScopedSettingsBackend none(nullptr);
    WriteSettingDword(kSettingsKey, "Quiet", 1);
    EXPECT_EQ(ReadSettingDword(kSettingsKey, "Quiet"), 0u);
    EXPECT_EQ(ReadSettingString("", "InstallPath"), "");
}

}  // namespace
