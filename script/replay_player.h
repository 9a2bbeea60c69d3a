#pragma once
// Plays a checked replay on a game that someone else shows (the game view),
// a little at a time: each call runs the lines that are due and leaves the
// clock where the playback stands, so explosions run smoothly in between. The
// lines are read from the stored replay as they come due, never all at once.

#include <cstdint>
#include <memory>
#include <optional>
#include <sstream>
#include <string>

#include "script/script_lines.h"
#include "script/sim_runner.h"

class CReplayPlayer {
  public:
    // A frame of the fastest real play at four times its speed runs some
    // two thousand lines (a 1000 Hz mouse: an `at` and a `turn` every
    // millisecond). A replay that crams more into one instant plays them over
    // several calls rather than holding up the window: at worst (turns of a
    // full wheel, each to another angle) a call then takes a tenth of a second.
    static constexpr int kLinesPerCall = 4096;

    // `stored` is the replay as stored, plain or compressed. `slot` receives
    // the replay's game when its `new` line runs; it must outlive the player,
    // and keeps the last game when the player goes.
    CReplayPlayer(std::string stored, std::unique_ptr<CGame>& slot);

    // Moves the playback on by `ms` of the recorded game's time.
    void Advance(std::int64_t ms);
    bool Finished() const { return finished_; }

  private:
    std::ostringstream ignored_;
    CSimRunner runner_;
    const std::string stored_;
    CScriptLines lines_;
    // The instant of the `at` line read last, until the playback reaches it.
    std::optional<std::int64_t> due_;
    bool finished_ = false;
    std::int64_t at_ = 0;
};
