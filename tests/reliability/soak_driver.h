#pragma once
// Plays whole games with the robot the way the game view drives a game: a
// timer message every 66 ms of real time, wheel turns, bombs, pauses of any
// length, and the painter's removal of finished explosions. Every rule of
// CGameInvariants is checked after every operation.

#include <cstdint>
#include <string>

#include "game/game_clock.h"
#include "game/memory_settings.h"
#include "game/sound.h"
#include "tools/robot/robot_player.h"

struct SoakTotals {
    std::uint64_t games = 0;
    std::uint64_t quitGames = 0;  // still going at the time limit: the player quit
    std::uint64_t checks = 0;
    std::uint64_t gemsStuck = 0;
    std::uint64_t gemsLost = 0;
    std::uint64_t rings = 0;
    std::uint64_t ringGems = 0;
    std::uint64_t bombs = 0;
    std::uint64_t pauses = 0;
    std::uint32_t bestScore = 0;
    std::int64_t gameMs = 0;  // game time played, all games
};

class CSoakWorld {
  public:
    // Game time of one game before the robot gives up and quits it.
    static constexpr std::int64_t kGameLimitMs = 30 * 60 * 1000;
    static constexpr std::uint32_t kStoredDifficulty = UINT32_MAX;

    // `frequency` is what the clock counter reports, in ticks per second.
    explicit CSoakWorld(std::uint64_t frequency);
    ~CSoakWorld();
    CSoakWorld(const CSoakWorld&) = delete;
    CSoakWorld& operator=(const CSoakWorld&) = delete;

    // Plays one game at `difficulty` (kStoredDifficulty: whatever the settings
    // hold) from `seed` to its end; the empty string, or the first broken rule
    // with the moment it broke.
    std::string PlayGame(std::uint32_t seed, std::uint32_t difficulty, const RobotStyle& style,
                         SoakTotals& totals);

    CMemorySettings& settings() { return settings_; }

  private:
    class SilentPlayer : public ISoundPlayer {
      public:
        void Play(int cue, unsigned flags) override {
            (void)cue;
            (void)flags;
            ++cues;
        }
        std::uint64_t cues = 0;
    };

    void AdvanceRealTime(std::int64_t ms);

    CManualClockCounter counter_;
    CMemorySettings settings_;
    SilentPlayer sound_;
    std::uint64_t frequency_;
    std::int64_t realMs_ = 5000;
    // Game time is one clock across games: it must never run backwards.
    std::int64_t lastNow_ = 0;
};

// How many games a soak test plays: `games`, divided by TORVANE_SOAK_SCALE
// when set (the sanitizer run sets it), at least one.
int SoakGames(int games);
