// Any bytes as stored settings of any type and size: the game starts with the
// numbers stored (anything else reads as the default), and the mouse wheel
// turns it by finite amounts however the speed is stored.

#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "game/game.h"
#include "game/memory_settings.h"
#include "game/wheel_input.h"

namespace {

const char* const kNames[] = {
    "Quiet",  "Difficulty",      "QuietSnapin",         "QuietExplode",     "Color0",     "Color1",
    "Color2", "MouseWheelSpeed", "MouseWheelClockwise", "IgnoreLoResClock", "InstallPath"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::size_t at = 0;
    auto byte = [&]() -> std::uint8_t { return at < size ? data[at++] : 0; };
    auto word = [&] {
        const std::array<std::uint32_t, 4> b{byte(), byte(), byte(), byte()};  // in this order
        return b[0] << 24 | b[1] << 16 | b[2] << 8 | b[3];
    };
    auto text = [&](std::size_t length) {
        const std::size_t from = at;
        at = std::min(size, at + length);
        return std::string(reinterpret_cast<const char*>(data) + from, at - from);
    };
    CMemorySettings store;
    CScopedSettingsBackend installed(&store);

    // Up to sixteen stored values: a number, a string (short, or too long for
    // the reader's buffer), a value of another type, or the whole key removed.
    for (int i = byte() % 17; i > 0 && at < size; --i) {
        const std::uint8_t op = byte();
        const std::uint8_t which = byte();
        const std::string name = which < 200 ? kNames[which % 11] : text(which % 8);
        if (op % 5 == 4) {
            store.RemoveKey(kSettingsKey);
            continue;
        }
        store.Write((op & 0x10) != 0 ? "" : kSettingsKey, name,
                    op % 5 == 0   ? SettingValue::Dword(word())
                    : op % 5 == 1 ? SettingValue::String(text(byte()))
                    : op % 5 == 2 ? SettingValue::String(std::string(300 + byte(), 'x'))
                                  : SettingValue{SettingValue::Type::Other, word(), "?"});
    }
    FUZZ_CHECK(ReadSettingString("", "InstallPath").size() < kSettingStringLimit,
               "a string read always fits its buffer");
    auto stored = [&](const char* name) {
        const auto v =
            store.KeyExists(kSettingsKey) ? store.Read(kSettingsKey, name) : std::nullopt;
        return v && v->type == SettingValue::Type::Dword ? v->dword : 0u;
    };

    {
        CGame game;
        // The difficulty is stored plus one, 0 meaning Medium; beyond Hard, Medium's pace.
        const std::uint32_t difficulty = stored("Difficulty") == 0 ? 1 : stored("Difficulty") - 1;
        const std::size_t pace = difficulty <= 2 ? difficulty : 1;
        const bool asStored =
            game.difficulty == difficulty && game.quiet == (stored("Quiet") != 0) &&
            game.snapSoundOn == (stored("QuietSnapin") == 0) &&
            game.explodeSoundOn == (stored("QuietExplode") == 0) &&
            game.fallSpeed == std::array{kEasySpeed, kMediumSpeed, kHardSpeed}[pace] &&
            game.spawnInterval == std::array{4800, 3400, 2000}[pace];
        FUZZ_CHECK(asStored,
                   "the game starts with the numbers stored, anything else as the default");
        // Wheel messages of any size turn it by finite amounts, however the speed is stored.
        const double speed = WheelSpeedFromSetting(stored("MouseWheelSpeed"));
        const double turned = WheelTurn(game.wheelAngle, static_cast<std::int16_t>(word()), speed,
                                        stored("MouseWheelClockwise") != 0);
        FUZZ_CHECK(speed != 0.0 && std::isfinite(turned), "a finite, nonzero wheel step");
    }
    return 0;
}
