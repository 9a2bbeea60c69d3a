#pragma once
// Where the game core reaches outside, as a test sets it: a hand-set clock,
// settings in memory, a sound player that records what it is asked to play,
// and the random generator. Whatever was there before is put back when the
// seams go, so that no test leaves its clock, store, sound or next gems to
// the next one. A test that swaps one of them for its own (a clock that runs,
// a store on a file) does it within these and leaves the putting back to them.

#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <optional>
#include <string>

#include "game/game_clock.h"
#include "game/game_random.h"
#include "game/memory_settings.h"
#include "game/sound.h"

class CTestSeams {
  public:
    // The clock's counter and tick count start at `startMs` (game time 0
    // means "never").
    explicit CTestSeams(std::uint32_t startMs = 1000000) {
        clock.counter = clock.tickCount = startMs;
        GameClock::SetCounter(&clock);
        SetSoundPlayer(&sound);
    }
    ~CTestSeams() {
        SetSoundPlayer(savedSound_);
        GameClock::Restore(savedClock_);
        GameRandom::state = savedRandom_;
    }
    CTestSeams(const CTestSeams&) = delete;
    CTestSeams& operator=(const CTestSeams&) = delete;

  private:
    // First, so that they are taken before anything is set.
    const GameClock::Saved savedClock_ = GameClock::Save();
    ISoundPlayer* const savedSound_ = GetSoundPlayer();
    const std::uint32_t savedRandom_ = GameRandom::state;

  public:
    CManualClockCounter clock;
    CMemorySettings settings;
    CRecordingSoundPlayer sound;

  private:
    const CScopedSettingsBackend settingsGuard_{&settings};
};

// What a test changes outside these seams for its own length (a pinned
// calendar, the default locale) is put back however the test ends.
class CPutBack {
  public:
    explicit CPutBack(std::function<void()> putBack) : putBack_(std::move(putBack)) {}
    ~CPutBack() { putBack_(); }
    CPutBack(const CPutBack&) = delete;
    CPutBack& operator=(const CPutBack&) = delete;

  private:
    std::function<void()> putBack_;
};

// An environment variable (the time zone, say) set for a test's length.
class CScopedEnv {
  public:
    CScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* before = std::getenv(name)) {
            before_ = before;
        }
        setenv(name, value, 1);
        tzset();
    }
    ~CScopedEnv() {
        before_ ? setenv(name_, before_->c_str(), 1) : unsetenv(name_);
        tzset();
    }
    CScopedEnv(const CScopedEnv&) = delete;
    CScopedEnv& operator=(const CScopedEnv&) = delete;

  private:
    const char* name_;
    std::optional<std::string> before_;
};
