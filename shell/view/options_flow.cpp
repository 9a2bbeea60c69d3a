#include "shell/view/options_flow.h"

#include <QCheckBox>

#include "game/settings_store.h"
#include "game/wheel_input.h"
#include "render/board_renderer.h"
#include "shell/dialogs/accessibility_dlg.h"
#include "shell/dialogs/gem_colours.h"
#include "shell/dialogs/options_dlg.h"
#include "shell/view/pause_when_inactive.h"
#include "shell/view/torvane_view.h"

void COptionsFlow::OnOtherOptions() {
    view_.EnsureInitialised();
    CBoardRenderer& renderer = view_.Renderer();
    COptionsDlg dialog(&view_);
    dialog.speed = WheelStepShown(view_.WheelSpeed());
    dialog.wheelDirection = view_.WheelClockwise() ? 1 : 0;
    dialog.colours = renderer.GetPalette();
    dialog.snapIn = view_.Game().snapSoundOn ? 1 : 0;
    dialog.explode = view_.Game().explodeSoundOn ? 1 : 0;
    dialog.soundOff = view_.Game().quiet ? 1 : 0;
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }

    // The game may have been replaced while the dialog was open: the current
    // one takes the new switches.
    view_.SetWheel(dialog.speed * 1e-6, dialog.wheelDirection != 0);
    view_.Renderer().BuildSprites(dialog.colours);
    CGame& game = view_.Game();
    game.snapSoundOn = dialog.snapIn != 0;
    game.explodeSoundOn = dialog.explode != 0;
    game.quiet = dialog.soundOff != 0;

    const CSettingsBatch together;
    const char* const colourNames[kPlayerColourSlots] = {"Color0", "Color1", "Color2"};
    for (int slot = 0; slot < kPlayerColourSlots; ++slot) {
        WriteSettingDword(kSettingsKey, colourNames[slot], SlotColour(dialog.colours, slot));
    }
    WriteSettingDword(kSettingsKey, "QuietSnapin", game.snapSoundOn ? 0u : 1u);
    WriteSettingDword(kSettingsKey, "QuietExplode", game.explodeSoundOn ? 0u : 1u);
    WriteSettingDword(kSettingsKey, "MouseWheelSpeed", static_cast<std::uint32_t>(dialog.speed));
    WriteSettingDword(kSettingsKey, "MouseWheelClockwise", view_.WheelClockwise() ? 1u : 0u);
    WriteSettingDword(kSettingsKey, "Quiet", game.quiet ? 1u : 0u);
    view_.Changed();
}

void COptionsFlow::OnAccessibility() {
    view_.EnsureInitialised();
    CPauseWhenInactive& pausing = view_.Pausing();
    CAccessibilityDlg dialog(view_.Renderer().GemSymbols(), pausing.On(), view_.SmoothMotion(),
                             ReadSettingDword(kSettingsKey, "NoGamepadVibration") == 0, &view_);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const bool symbols = dialog.GemSymbolsBox()->isChecked();
    pausing.Set(dialog.PauseWhenInactiveBox()->isChecked());
    view_.Renderer().SetGemSymbols(symbols);
    view_.SetSmoothMotion(dialog.SmoothMotionBox()->isChecked());
    const CSettingsBatch together;
    WriteSettingDword(kSettingsKey, "GemSymbols", symbols ? 1u : 0u);
    WriteSettingDword(kSettingsKey, "PauseWhenInactive", pausing.On() ? 1u : 0u);
    // Absent or 0: smooth, as a new setting's default must read.
    WriteSettingDword(kSettingsKey, "NoSmoothMotion", view_.SmoothMotion() ? 0u : 1u);
    WriteSettingDword(kSettingsKey, "NoGamepadVibration",
                      dialog.PadVibrationBox()->isChecked() ? 0u : 1u);
    view_.Changed();
}
