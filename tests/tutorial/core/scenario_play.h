#pragma once
// Plays a game built from a scenario on a clock set by hand, as the view's
// timer would: a tick every 66 ms of real time.

#include <memory>

#include "game/game.h"
#include "game/game_clock.h"
#include "game/memory_settings.h"

class ScenarioPlay {
  public:
    explicit ScenarioPlay(std::uint32_t storedDifficulty = 0) : settingsGuard_(&settings_) {
        if (storedDifficulty != 0) {
            WriteSettingDword(kSettingsKey, "Difficulty", storedDifficulty);
        }
        // A frozen clock is marked by a non-zero reading, so time starts above 0.
        counter_.counter = 1000;
        GameClock::SetCounter(&counter_);
    }
    ~ScenarioPlay() { GameClock::SetCounter(nullptr); }
    ScenarioPlay(const ScenarioPlay&) = delete;
    ScenarioPlay& operator=(const ScenarioPlay&) = delete;

    CGame& Start(const CGameSnapshot* scenario) {
        game_ = std::make_unique<CGame>(scenario);
        game_->Resume();
        return *game_;
    }

    void Run(std::int64_t ms) {
        for (std::int64_t t = 0; t < ms; t += 66) {
            counter_.counter += 66;
            game_->Tick();
        }
    }

    // Runs until no gem falls any more, for at most the given time.
    void RunUntilLanded(std::int64_t limitMs = 30000) {
        for (std::int64_t t = 0; t < limitMs && !game_->falling.IsEmpty(); t += 66) {
            Run(66);
        }
    }

  private:
    CMemorySettings settings_;
    CScopedSettingsBackend settingsGuard_;
    CManualClockCounter counter_;
    std::unique_ptr<CGame> game_;
};
