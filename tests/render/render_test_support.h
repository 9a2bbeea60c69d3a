#pragma once
// Shared set-up of the rendering tests: a QGuiApplication for fonts, a game
// clock set by hand, settings in memory, and a few ways to build boards.

#include <gtest/gtest.h>

#include <QImage>
#include <cstdint>

#include "game/board_centre.h"
#include "game/game.h"
#include "game/game_clock.h"
#include "game/memory_settings.h"

class RenderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        counter_.counter = kStartMs;
        GameClock::SetCounter(&counter_);
        boardCentreX = 350;
        boardCentreY = 310;
    }
    void TearDown() override { GameClock::SetCounter(nullptr); }

    // Real time in milliseconds; the game clock follows it while not frozen.
    void SetRealTime(std::int64_t ms) { counter_.counter = static_cast<std::uint64_t>(ms); }
    static std::int64_t Now() { return GameClock::Now(); }

    static constexpr std::int64_t kStartMs = 1000000;
    static constexpr ClientRect kClient{0, 0, 700, 620};

    CMemorySettings settings_;
    CScopedSettingsBackend scopedSettings_{&settings_};

  private:
    CManualClockCounter counter_;
};

// A game with nothing on the wheel, not even the central gem.
void ClearBoard(CGame& game);
CGem* AddLatticeGem(CGame& game, Cell cell, std::int32_t colour);
CGem* AddFallingGem(CGame& game, double x, double y, std::int32_t colour, double orientation);
CGem* AddExplodingGem(CGame& game, Cell cell, std::int32_t colour, std::int64_t explodedAt);

// Whether two pixels have the same colour, ignoring the unused alpha byte of
// RGB32 images.
inline bool SameColour(QRgb a, QRgb b) {
    return (a & 0xFFFFFFu) == (b & 0xFFFFFFu);
}
