// The Options and Customize colors dialogs: what they show, what OK applies
// and stores, and that Cancel changes nothing.
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <map>
#include <string>

#include "game/wheel_input.h"
#include "modal.h"
#include "render/board_renderer.h"
#include "shell/customize_colors_dlg.h"
#include "shell/gem_colours.h"
#include "shell/options_dlg.h"
#include "view_fixture.h"

namespace {

class OptionsTest : public ViewFixture {
  protected:
    void SetUp() override {
        ViewFixture::SetUp();
        MakeView();
    }

    // Opens Options from the view and runs act in it; act ends the dialog.
    void WithOptions(std::function<void(COptionsDlg*)> act) {
        OnNextModal<COptionsDlg>(std::move(act));
        view->OnOtherOptions();
    }

    GemPalette Palette() const { return view->renderer->GetPalette(); }

    // Every value stored under "Settings".
    std::map<std::string, std::uint32_t> StoredValues() const {
        std::map<std::string, std::uint32_t> values;
        for (const std::string& name : settings.ValueNames(kSettingsKey)) {
            values[name] = Stored(name.c_str());
        }
        return values;
    }
};

TEST_F(OptionsTest, OkWithNothingTouchedStoresWhatTheDialogShows) {
    view->game->snapSoundOn = false;
    const GemPalette palette = Palette();
    WithOptions([](COptionsDlg* dialog) {
        EXPECT_EQ(dialog->SpeedSlider()->minimum(), 20);
        EXPECT_EQ(dialog->SpeedSlider()->maximum(), 4000);
        EXPECT_EQ(dialog->SpeedSlider()->value(), 416);
        dialog->accept();
    });
    EXPECT_EQ(StoredValues(), (std::map<std::string, std::uint32_t>{{"Color0", palette[0]},
                                                                    {"Color1", palette[3]},
                                                                    {"Color2", palette[6]},
                                                                    {"MouseWheelClockwise", 0},
                                                                    {"MouseWheelSpeed", 416},
                                                                    {"Quiet", 0},
                                                                    {"QuietExplode", 0},
                                                                    {"QuietSnapin", 1}}));
    EXPECT_DOUBLE_EQ(view->wheelSpeed, 416e-6);

    // A stored step shows as itself, though 25 reads as 24.999999999999996
    // millionths: OK with nothing touched changes nothing, at any slider value.
    for (std::int32_t stored = 1; stored <= 4000; ++stored) {
        ASSERT_EQ(WheelStepShown(WheelSpeedFromSetting(static_cast<std::uint32_t>(stored))),
                  stored);
    }
    for (std::uint32_t stored : {25u, 33u, 4000u}) {
        view->wheelSpeed = WheelSpeedFromSetting(stored);
        WithOptions([](COptionsDlg* dialog) { dialog->accept(); });
        EXPECT_EQ(Stored("MouseWheelSpeed"), stored);
    }
}

TEST_F(OptionsTest, OffGreysTheSubSwitchesAndOkAppliesAndStoresTheChanges) {
    WithOptions([](COptionsDlg* dialog) {
        dialog->ExplodeBox()->setChecked(false);
        dialog->SoundOffButton()->click();
        EXPECT_FALSE(dialog->SnapInBox()->isEnabled());
        EXPECT_FALSE(dialog->ExplodeBox()->isEnabled());
        EXPECT_TRUE(dialog->SnapInBox()->isChecked());
        dialog->SoundOnButton()->click();
        EXPECT_TRUE(dialog->SnapInBox()->isEnabled());
        dialog->SoundOffButton()->click();
        dialog->CounterClockwiseButton()->click();
        dialog->SpeedSlider()->setValue(1000);
        dialog->accept();
    });
    // Quiet, with the ticks as they stood.
    EXPECT_EQ(Stored("Quiet"), 1u);
    EXPECT_EQ(Stored("QuietSnapin"), 0u);
    EXPECT_EQ(Stored("QuietExplode"), 1u);
    EXPECT_TRUE(view->game->quiet);
    EXPECT_TRUE(view->game->snapSoundOn);
    EXPECT_FALSE(view->game->explodeSoundOn);
    EXPECT_EQ(Stored("MouseWheelClockwise"), 1u);
    EXPECT_EQ(Stored("MouseWheelSpeed"), 1000u);
    EXPECT_TRUE(view->wheelClockwise);
    EXPECT_DOUBLE_EQ(view->wheelSpeed, 1000e-6);
    // A quiet game opens the dialog with the sub-switches already greyed.
    WithOptions([](COptionsDlg* dialog) {
        EXPECT_TRUE(dialog->SoundOffButton()->isChecked());
        EXPECT_FALSE(dialog->SnapInBox()->isEnabled());
        EXPECT_FALSE(dialog->ExplodeBox()->isEnabled());
        dialog->reject();
    });
}

TEST_F(OptionsTest, CancelChangesNothing) {
    const GemPalette palette = Palette();
    WithOptions([](COptionsDlg* dialog) {
        dialog->SoundOffButton()->click();
        dialog->CounterClockwiseButton()->click();
        dialog->SpeedSlider()->setValue(3000);
        SetSlotColour(dialog->colours, 1, 0x123456);
        dialog->reject();
    });
    EXPECT_TRUE(StoredValues().empty());
    EXPECT_FALSE(view->game->quiet);
    EXPECT_FALSE(view->wheelClockwise);
    EXPECT_EQ(Palette(), palette);
}

TEST_F(OptionsTest, RestoreThenCancelInCustomizeColorsKeepsTheColours) {
    GemPalette start{};
    SetSlotColour(start, 0, 0x0000FF);
    SetSlotColour(start, 1, 0x00FF00);
    SetSlotColour(start, 2, 0xFF0000);
    view->renderer->BuildSprites(start);
    WithOptions([start](COptionsDlg* dialog) {
        OnNextModal<CCustomizeColorsDlg>([](CCustomizeColorsDlg* colours) {
            EXPECT_EQ(colours->windowTitle(), "Customize colors");
            colours->RestoreButton()->click();
            EXPECT_EQ(SlotColour(colours->colours, 0), 0xFF4040u);
            colours->reject();
        });
        dialog->CustomizeButton()->click();
        EXPECT_EQ(dialog->colours, start);

        // Restore and OK there, then Cancel here: still nothing changes.
        OnNextModal<CCustomizeColorsDlg>([](CCustomizeColorsDlg* colours) {
            colours->RestoreButton()->click();
            colours->accept();
        });
        dialog->CustomizeButton()->click();
        EXPECT_EQ(SlotColour(dialog->colours, 1), 0x00FFFFu);
        dialog->reject();
    });
    EXPECT_EQ(Palette(), start);
}

TEST_F(OptionsTest, PickedColoursAreAppliedWithTheirShadesAndStoredOnOk) {
    WithOptions([](COptionsDlg* dialog) {
        OnNextModal<CCustomizeColorsDlg>([](CCustomizeColorsDlg* colours) {
            // A cancelled pick leaves the slot as it was; the picker starts
            // from the slot's colour (stored as 0x00BBGGRR).
            colours->pickColour = [](const QColor& start, QWidget*) {
                EXPECT_EQ(start, QColor(64, 64, 255));
                return std::optional<QColor>();
            };
            colours->ChangeButton(0)->click();
            colours->pickColour = [](const QColor&, QWidget*) {
                return std::optional<QColor>(QColor(255, 0, 1));
            };
            colours->ChangeButton(2)->click();
            colours->accept();
        });
        dialog->CustomizeButton()->click();
        dialog->accept();
    });
    const GemPalette palette = Palette();
    EXPECT_EQ(palette[0], 0xFF4040u);
    EXPECT_EQ(palette[6], 0x0100FFu);
    EXPECT_EQ(palette[7], 0x010080u);
    EXPECT_EQ(palette[8], 0x000055u);
    EXPECT_EQ(Stored("Color2"), 0x0100FFu);
}

}  // namespace
