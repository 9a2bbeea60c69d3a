#pragma once
// What a benchmark's games stand on: a hand-set clock and settings in memory,

#include "game/game_clock.h"
#include "game/memory_settings.h"

struct BenchWorld {
    BenchWorld() {
        clock.counter = 1000000;
        GameClock::SetCounter(&clock);
        SetSettingsBackend(&settings);
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
