#pragma once
// A game view on its own, with settings in memory, a clock set by hand and a
// recording sound player, painted once so that its first-paint set-up ran.

#include <gtest/gtest.h>

#include <QImage>
#include <QPoint>
#include <memory>

#include "game/game_clock.h"
#include "game/memory_settings.h"
#include "game/sound.h"
#include "shell/torvane_view.h"

class ViewFixture : public ::testing::Test {
  protected:
    // A client area of the size the fixed main window gives the view.
    static constexpr int kWidth = 700;
    static constexpr int kHeight = 620;

    void SetUp() override {
        // Game time 0 means "never", so the clock starts well after it.
        clock.counter = 1000000;
        clock.tickCount = 1000000;
        GameClock::SetCounter(&clock);
        SetSoundPlayer(&sound);
    }

    void TearDown() override {
        view.reset();
        SetSoundPlayer(nullptr);
        GameClock::SetCounter(nullptr);
    }

    // Makes the view (reading the settings as they stand) and paints it once.
    CTorvaneView& MakeView() {
        view = std::make_unique<CTorvaneView>();
        view->resize(kWidth, kHeight);
        QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
        view->render(&image);
        return *view;
    }

    void Advance(std::int64_t ms) {
        clock.counter += static_cast<std::uint64_t>(ms);
        clock.tickCount += static_cast<std::uint32_t>(ms);
    }

    QPoint Centre() const { return {kWidth / 2, kHeight / 2}; }

    CMemorySettings settings;
    CScopedSettingsBackend settingsGuard{&settings};
    CManualClockCounter clock;
    CRecordingSoundPlayer sound;
    std::unique_ptr<CTorvaneView> view;
};
