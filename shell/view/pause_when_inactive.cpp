#include "shell/view/pause_when_inactive.h"

#include "game/settings_store.h"
#include "shell/view/inactivity_watch.h"
#include "shell/view/replay_flow.h"
#include "shell/view/torvane_view.h"
#include "shell/view/tutorial_flow.h"

CPauseWhenInactive::CPauseWhenInactive(CTorvaneView& view)
    : view_(view), on_(ReadSettingDword(kSettingsKey, "PauseWhenInactive") != 0) {
    watch_ = std::make_unique<CInactivityWatch>(&view, [this] { OnLeft(); });
}

CPauseWhenInactive::~CPauseWhenInactive() = default;

void CPauseWhenInactive::OnLeft() {
    // A tutorial keeps running, as it does under Pause and hide: its locked
    // pages offer no Play to resume them.
    if (view_.Replays().Watching()) {
        // A replay's game is the replay's: the playback pauses instead.
        if (on_ && !view_.Replays().Paused()) {
            view_.OnPausePlay();
        }
        return;
    }
    CGame& game = view_.Game();
    if (!on_ || game.paused || view_.Tutorial().Running()) {
        return;
    }
    game.Pause();
    view_.Changed();
}
