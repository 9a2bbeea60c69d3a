#include "shell/view/options_flow.h"

#include <QCheckBox>

#include "game/settings_store.h"
#include "game/wheel_input.h"
#include "render/board_renderer.h"
#include "shell/dialogs/accessibility_dlg.h"
#include "shell/dialogs/gem_colours.h"
#include "shell/dialogs/options_dlg.h"
#include "shell/model/board_model.h"
#include "shell/view/torvane_view.h"

void COptionsFlow::OnOtherOptions() {
    view_.EnsureInitialised();
    CBoardRenderer& renderer = view_.Renderer();
    COptionsDlg dialog(&view_);
    dialog.speed = WheelStepShown(view_.WheelSpeed());
    dialog.wheelDirection = view_.WheelClockwise() ? 1 : 0;
    dialog.colours = renderer.GetPalette();
    dialog.snapIn = model_.Game().snapSoundOn ? 1 : 0;
    dialog.explode = model_.Game().explodeSoundOn ? 1 : 0;
    dialog.soundOff = model_.Game().quiet ? 1 : 0;
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }

    // The game may have been replaced while the dialog was open: the current
    // one takes the new switches.
    view_.SetWheel(dialog.speed * 1e-6, dialog.wheelDirection != 0);
    view_.Renderer().BuildSprites(dialog.colours);
    CGame& game = model_.Game();
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
    model_.Changed();
}

void COptionsFlow::OnAccessibility() {
    view_.EnsureInitialised();
    const bool pausing = ReadSettingDword(kSettingsKey, "PauseWhenInactive") != 0;
    CAccessibilityDlg dialog(view_.Renderer().GemSymbols(), pausing, view_.SmoothMotion(),
                             view_.Renderer().BannerBacking(),
                             ReadSettingDword(kSettingsKey, "NoGamepadVibration") == 0, &view_);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const bool symbols = dialog.GemSymbolsBox()->isChecked();
    const bool pauseWhenInactive = dialog.PauseWhenInactiveBox()->isChecked();
    view_.Renderer().SetGemSymbols(symbols);
    view_.SetSmoothMotion(dialog.SmoothMotionBox()->isChecked());
    view_.Renderer().SetBannerBacking(dialog.BannerBackingBox()->isChecked());
    const CSettingsBatch together;
    WriteSettingDword(kSettingsKey, "GemSymbols", symbols ? 1u : 0u);
    WriteSettingDword(kSettingsKey, "PauseWhenInactive", pauseWhenInactive ? 1u : 0u);
    // Absent or 0: smooth, as a new setting's default must read.
    WriteSettingDword(kSettingsKey, "NoSmoothMotion", view_.SmoothMotion() ? 0u : 1u);
    WriteSettingDword(kSettingsKey, "BannerBacking", view_.Renderer().BannerBacking() ? 1u : 0u);
    WriteSettingDword(kSettingsKey, "NoGamepadVibration",
                      dialog.PadVibrationBox()->isChecked() ? 0u : 1u);
    emit PauseWhenInactiveSet(pauseWhenInactive);
    model_.Changed();
}
