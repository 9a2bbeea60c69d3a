#pragma once
// Fixtures for the widget tests: settings in memory, a clock set by hand and a
// recording sound player; then either a game view on its own or the whole
// main window, painted once so that the view's first-paint set-up ran.

#include <gtest/gtest.h>

#include <QImage>
#include <QLayout>
#include <QPoint>
#include <QString>
#include <memory>
#include <ostream>

#include "game/game_clock.h"
#include "game/memory_settings.h"
#include "game/sound.h"
#include "shell/main_frame.h"
#include "shell/torvane_view.h"

// Readable test failures for Qt strings.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

class ServicesFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        // Game time 0 means "never", so the clock starts well after it.
        clock.counter = 1000000;
        clock.tickCount = 1000000;
        GameClock::SetCounter(&clock);
        SetSoundPlayer(&sound);
        offerTutorial = false;
    }

    void TearDown() override {
        SetSoundPlayer(nullptr);
        GameClock::SetCounter(nullptr);
    }

    void Advance(std::int64_t ms) {
        clock.counter += static_cast<std::uint64_t>(ms);
        clock.tickCount += static_cast<std::uint32_t>(ms);
    }

    std::uint32_t Stored(const char* name) const { return ReadSettingDword(kSettingsKey, name); }

    CMemorySettings settings;
    CScopedSettingsBackend settingsGuard{&settings};
    CManualClockCounter clock;
    CRecordingSoundPlayer sound;
};

class ViewFixture : public ServicesFixture {
  protected:
    // The board at its base size: widget and board pixels are the same.
    static constexpr int kWidth = kBoardWidth;
    static constexpr int kHeight = kBoardHeight;

    void TearDown() override {
        view.reset();
        ServicesFixture::TearDown();
    }

    // Makes the view (reading the settings as they stand) and paints it once.
    CTorvaneView& MakeView() {
        view = std::make_unique<CTorvaneView>();
        view->resize(kWidth, kHeight);
        QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
        view->render(&image);
        return *view;
    }

    QPoint Centre() const { return {kWidth / 2, kHeight / 2}; }

    std::unique_ptr<CTorvaneView> view;
};

class FrameFixture : public ServicesFixture {
  protected:
    void TearDown() override {
        frame.reset();
        ServicesFixture::TearDown();
    }

    // Makes the main window (not shown) and paints its view once.
    CMainFrame& MakeFrame() {
        frame = std::make_unique<CMainFrame>();
        frame->layout()->activate();
        frame->View()->EnsureInitialised();
        return *frame;
    }

    CTorvaneView& View() { return *frame->View(); }
    CGame& Game() { return *frame->View()->game; }
    QAction* Action(int id) { return frame->Action(id); }

    std::unique_ptr<CMainFrame> frame;
};
