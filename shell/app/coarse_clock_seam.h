#pragma once
// A test seam, nothing a player sets: with TORVANE_COARSE_CLOCK=1 in the
// environment the game runs on a clock that counts whole seconds, as on the
// machines the clock warning is for, so that a test in a real window can see
// the warning open. Without it, the machine's own steady clock.

#include "game/game_clock.h"

class CSteadyOrCoarseCounter : public CSteadyClockCounter {
  public:
    CSteadyOrCoarseCounter();

    bool QueryFrequency(std::uint64_t& ticksPerSecond) override;
    std::uint64_t QueryCounter() override;

  private:
    bool coarse_;
};
