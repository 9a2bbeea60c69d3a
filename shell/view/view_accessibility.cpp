// The accessibility switches, as the view applies them: symbols on the gems,
// and pausing when the player leaves the game.
#include <QCheckBox>

#include "game/settings_store.h"
#include "render/board_renderer.h"
#include "shell/dialogs/accessibility_dlg.h"
#include "shell/view/torvane_view.h"

void CTorvaneView::OnAccessibility() {
    EnsureInitialised();
    CAccessibilityDlg dialog(renderer->GemSymbols(), pauseWhenInactive, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const bool symbols = dialog.GemSymbolsBox()->isChecked();
    pauseWhenInactive = dialog.PauseWhenInactiveBox()->isChecked();
    renderer->SetGemSymbols(symbols);
    const CSettingsBatch together;
    WriteSettingDword(kSettingsKey, "GemSymbols", symbols ? 1u : 0u);
    WriteSettingDword(kSettingsKey, "PauseWhenInactive", pauseWhenInactive ? 1u : 0u);
    Invalidate();
}

void CTorvaneView::OnLeftForeground() {
    // As the Pause command would. A tutorial keeps running, as it does under
    // Pause and hide: its locked pages offer no Play to resume them.
    if (Watching()) {
        // A replay's game is the replay's: the playback pauses instead.
        if (pauseWhenInactive && !WatchPaused()) {
            OnPausePlay();
        }
        return;
    }
    if (!pauseWhenInactive || game->paused || tutorial) {
        return;
    }
    game->Pause();
    Invalidate();
    emit StateChanged();
}
