#pragma once
// A controlled world for core tests: settings in memory, a hand-set clock and
// a sound player that records, all installed for one test.

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

#include "game/game.h"
#include "game/game_clock.h"
#include "game/memory_settings.h"
#include "game/sound.h"

struct PlacedGem {
    Cell cell;
    std::int32_t colour;
};

class CoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        clock.frequency = 1000;
        clock.counter = 1000000;
        GameClock::SetCounter(&clock);
        SetSettingsBackend(&settings);
        SetSoundPlayer(&sound);
    }
    void TearDown() override {
        game.reset();
        SetSoundPlayer(nullptr);
        SetSettingsBackend(nullptr);
        GameClock::SetCounter(nullptr);
    }

    // A new game with these gems stuck around the centre, no falling gems
    // and no drops, already running.
    CGame& StartBoard(std::initializer_list<PlacedGem> gems, std::int32_t bombs = 0) {
        game = std::make_unique<CGame>();
        for (const PlacedGem& p : gems) {
            CGem* g = new CGem;
            g->colour = p.colour;
            game->PlaceGem(g, p.cell);
            game->lattice.Append(g);
        }
        game->bombs = bombs;
        game->spawnInterval = 0;
        game->Resume();
        return *game;
    }

    // A falling gem (or bomb, colour 4) at screen position (x, y).
    CGem* AddFalling(double x, double y, std::int32_t colour) {
        CGem* g = new CGem;
        g->x = x;
        g->y = y;
        g->colour = colour;
        game->falling.Append(g);
        return g;
    }

    // Real time passes in timer steps of 66 ms, ticking the game like the view.
    void RunFor(std::int64_t ms) {
        for (std::int64_t t = 0; t < ms; t += 66) {
            clock.counter += 66;
            if (!game->paused) {
                game->Tick();
            }
        }
    }

    void AdvanceRealTime(std::int64_t ms) { clock.counter += static_cast<std::uint64_t>(ms); }

    CManualClockCounter clock;
    CMemorySettings settings;
    CRecordingSoundPlayer sound;
    std::unique_ptr<CGame> game;
};
