#pragma once
// What a benchmark's games stand on: a hand-set clock and settings in memory,
// with the wheel centre at (centreX, centreY) for the painters and the hand.

#include "game/board_centre.h"
#include "game/game_clock.h"
#include "game/memory_settings.h"

struct BenchWorld {
    explicit BenchWorld(int centreX = 0, int centreY = 0) {
        clock.counter = 1000000;
        GameClock::SetCounter(&clock);
        SetSettingsBackend(&settings);
        boardCentreX = centreX;
        boardCentreY = centreY;
    }
    ~BenchWorld() {
        SetSettingsBackend(nullptr);
        GameClock::SetCounter(nullptr);
    }
    BenchWorld(const BenchWorld&) = delete;
    BenchWorld& operator=(const BenchWorld&) = delete;

    CManualClockCounter clock;
    CMemorySettings settings;
};
