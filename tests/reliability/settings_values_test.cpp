#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "game/wheel_input.h"
#include "soak_driver.h"

namespace {

// A stored value of a kind the game never writes.
struct WrongKind {
    const char* what;
    SettingValue value;
};

const WrongKind kWrongTypes[] = {
    {"a number typed as text", SettingValue::String("1")},
    {"text too long for the buffer", SettingValue::String(std::string(5000, '3'))},
    {"an empty string", SettingValue::String("")},
    {"a value of another type", SettingValue{SettingValue::Type::Other, 1, "\x01\x02"}},
};

const char* const kCoreSettings[] = {"Quiet",        "Difficulty",      "QuietSnapin",
                                     "QuietExplode", "MouseWheelSpeed", "MouseWheelClockwise"};

// Games here need only be played to the end, not well.
RobotStyle Careless() {
    RobotStyle style;
    style.aimChance = 0.0;
    return style;
}

// The game as a fresh user gets it.
void ExpectDefaults(const CGame& game, const std::string& context) {
    EXPECT_FALSE(game.quiet) << context;
    EXPECT_EQ(game.difficulty, 1u) << context;
    EXPECT_EQ(game.fallSpeed, kMediumSpeed) << context;
    EXPECT_EQ(game.spawnInterval, 3400) << context;
    EXPECT_TRUE(game.snapSoundOn) << context;
    EXPECT_TRUE(game.explodeSoundOn) << context;
    EXPECT_EQ(WheelSpeedFromSetting(ReadSettingDword(kSettingsKey, "MouseWheelSpeed")),
              kDefaultWheelStep * 1e-6)
        << context;
    EXPECT_EQ(ReadSettingDword(kSettingsKey, "MouseWheelClockwise"), 0u) << context;
}

TEST(SettingsValues, EveryWrongTypeReadsAsTheDefaultAndTheGamePlaysToItsEnd) {
    CSoakWorld world(1000);
    SoakTotals totals;
    std::uint32_t seed = 11;
    for (const char* name : kCoreSettings) {
        for (const WrongKind& kind : kWrongTypes) {
            world.settings().Write(kSettingsKey, name, kind.value);
            const std::string context = std::string(name) + " stored as " + kind.what;
            ExpectDefaults(CGame(), context);
            EXPECT_EQ(world.PlayGame(++seed, CSoakWorld::kStoredDifficulty, Careless(), totals), "")
                << context;
            world.settings().DeleteValue(kSettingsKey, name);
        }
    }
    // With the whole key gone, the same.
    world.settings().RemoveKey(kSettingsKey);
    ExpectDefaults(CGame(), "no Settings key");
    EXPECT_EQ(world.PlayGame(++seed, CSoakWorld::kStoredDifficulty, Careless(), totals), "");
}

TEST(SettingsValues, ExtremeNumbersGiveAPlayableGameAndAFiniteWheel) {
    CSoakWorld world(1000);
    SoakTotals totals;
    std::uint32_t seed = 101;
    for (const std::uint32_t stored : {4u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu}) {
        for (const char* name : kCoreSettings) {
            WriteSettingDword(kSettingsKey, name, stored);
        }
        const std::string context = "every setting stored as " + std::to_string(stored);
        const CGame game;
        // Nonzero switches mean "on"; a difficulty beyond Hard keeps Medium's pace.
        EXPECT_TRUE(game.quiet) << context;
        EXPECT_FALSE(game.snapSoundOn) << context;
        EXPECT_EQ(game.difficulty, stored - 1) << context;
        EXPECT_EQ(game.fallSpeed, kMediumSpeed) << context;
        const double step =
            WheelSpeedFromSetting(ReadSettingDword(kSettingsKey, "MouseWheelSpeed"));
        EXPECT_TRUE(std::isfinite(step) && step != 0.0) << context;
        EXPECT_TRUE(std::isfinite(WheelTurn(1e6, 32767, step, true))) << context;
        EXPECT_EQ(world.PlayGame(++seed, CSoakWorld::kStoredDifficulty, Careless(), totals), "")
            << context;
    }
}

}  // namespace
