#pragma once
// Plays a checked replay on a game that someone else shows (the game view),
// a little at a time: each call runs every line that is due and leaves the
// clock where the playback stands, so explosions run smoothly in between.

#include <cstdint>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "tools/sim/sim_runner.h"

class CReplayPlayer {
  public:
    // `slot` receives the replay's game when its `new` line runs; it must
    // outlive the player, and keeps the last game when the player goes.
    CReplayPlayer(const std::string& text, std::unique_ptr<CGame>& slot);

    // Moves the playback on by `ms` of the recorded game's time.
    void Advance(std::int64_t ms);
    bool Finished() const { return next_ >= lines_.size(); }

  private:
    std::ostringstream ignored_;
    CSimRunner runner_;
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
    std::int64_t at_ = 0;
};
