#include "shell/view/pause_when_inactive.h"

#include "game/settings_store.h"
#include "shell/model/board_model.h"
#include "shell/view/inactivity_watch.h"

CPauseWhenInactive::CPauseWhenInactive(CBoardModel& model, QWidget* view)
    : model_(model), on_(ReadSettingDword(kSettingsKey, "PauseWhenInactive") != 0) {
    watch_ = std::make_unique<CInactivityWatch>(view, [this] { OnLeft(); });
}

CPauseWhenInactive::~CPauseWhenInactive() = default;

void CPauseWhenInactive::OnLeft() {
    if (!on_) {
        return;
    }
    // A replay's game is the replay's: the playback pauses instead.
    if (model_.Watching()) {
        model_.SetPlaybackPaused(true);
        return;
    }
    // A tutorial keeps running, as it does under Pause and hide: its locked
    // pages offer no Play to resume them.
    CGame& game = model_.Game();
    if (game.paused || model_.TutorialRunning()) {
        return;
    }
    game.Pause();
    model_.Changed();
}
