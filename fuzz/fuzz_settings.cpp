// Any bytes as stored settings of any type and size, then a short game played
// with them: the game starts with sane values, keeps every game rule, and
// the mouse wheel turns it by finite amounts however the speed is stored.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "game/game_clock.h"
#include "game/game_random.h"
#include "game/memory_settings.h"
#include "game/wheel_input.h"
#include "tools/robot/game_invariants.h"

namespace {

const char* const kNames[] = {
    "Quiet",  "Difficulty", "QuietSnapin",     "QuietExplode",        "Color0",
    "Color1", "Color2",     "MouseWheelSpeed", "MouseWheelClockwise", "IgnoreLoResClock",
};

class Bytes {
  public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool Empty() const { return pos_ >= size_; }
    std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    std::uint32_t Word() {
        std::uint32_t w = 0;
        for (int i = 0; i < 4; ++i) {
            w = (w << 8) | Byte();
        }
        return w;
    }
    std::string Text(std::size_t length) {
        std::string s;
        while (s.size() < length && !Empty()) {
            s += static_cast<char>(Byte());
        }
        return s;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes in(data, size);
    CMemorySettings store;
    CScopedSettingsBackend installed(&store);
    CManualClockCounter counter;
    counter.counter = 5000;
    GameClock::SetCounter(&counter);

    // Up to sixteen stored values: a number, a string (short, or long enough
    // not to fit), a value of another type, or a missing key.
    for (int i = in.Byte() % 17; i > 0 && !in.Empty(); --i) {
        const std::uint8_t op = in.Byte();
        const std::uint8_t which = in.Byte();
        const std::string name = which < 200 ? kNames[which % 10] : in.Text(which % 8);
        const char* key = (op & 0x10) != 0 ? "" : kSettingsKey;
        switch (op % 5) {
            case 0:
                store.Write(key, name, SettingValue::Dword(in.Word()));
                break;
            case 1:
                store.Write(key, name, SettingValue::String(in.Text(in.Byte())));
                break;
            case 2:
                store.Write(key, name, SettingValue::String(std::string(300 + in.Byte(), 'x')));
                break;
            case 3:
                store.Write(key, name, SettingValue{SettingValue::Type::Other, in.Word(), "?"});
                break;
            default:
                store.RemoveKey(kSettingsKey);
                break;
        }
    }

    for (const char* name : kNames) {
        (void)ReadSettingDword(kSettingsKey, name);
    }
    FUZZ_CHECK(ReadSettingString("", "InstallPath").size() < kSettingStringLimit,
               "a string read always fits its buffer");

    GameRandom::Seed(in.Word());
    {
        CGame game;
        CGameInvariants rules(game);
        FUZZ_CHECK(game.fallSpeed == kEasySpeed || game.fallSpeed == kMediumSpeed ||
                       game.fallSpeed == kHardSpeed,
                   "one of the three speeds");
        FUZZ_CHECK(
            game.spawnInterval == 4800 || game.spawnInterval == 3400 || game.spawnInterval == 2000,
            "one of the three drop intervals");
        FUZZ_CHECK(rules.Check(GameClock::Now()).empty(), "a new game keeps the rules");

        const double speed =
            WheelSpeedFromSetting(ReadSettingDword(kSettingsKey, "MouseWheelSpeed"));
        const bool clockwise = ReadSettingDword(kSettingsKey, "MouseWheelClockwise") != 0;
        FUZZ_CHECK(std::isfinite(speed) && speed != 0.0, "a finite, nonzero wheel step");
        game.Resume();
        // Twenty seconds of play with wheel messages of any size.
        for (int step = 0; step < 300 && !game.over; ++step) {
            counter.counter += 66;
            if (!in.Empty()) {
                const auto delta = static_cast<std::int16_t>(in.Byte() << 8 | in.Byte());
                game.wheelAngle = WheelTurn(game.wheelAngle, delta, speed, clockwise);
                FUZZ_CHECK(std::isfinite(game.wheelAngle), "the wheel angle stays finite");
                game.RetestContacts();
            }
            game.Tick();
            // Checking every step would make the target crawl; every second
            // of play still sees each contact's aftermath.
            if (step % 15 == 14 || game.over) {
                FUZZ_CHECK(rules.Check(GameClock::Now()).empty(), "every game rule holds");
            }
        }
    }
    GameClock::SetCounter(nullptr);
    return 0;
}
