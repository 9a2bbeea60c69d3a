// The Options and Customize colors dialogs: what they show, what OK applies
// and stores, and that Cancel changes nothing.
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QWheelEvent>

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
};

TEST_F(OptionsTest, DialogShowsTheCurrentSwitchesAndWheel) {
    view->game->snapSoundOn = false;
    WithOptions([](COptionsDlg* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Options");
        EXPECT_EQ(dialog->SpeedSlider()->minimum(), 20);
        EXPECT_EQ(dialog->SpeedSlider()->maximum(), 4000);
        EXPECT_EQ(dialog->SpeedSlider()->value(), 416);
        EXPECT_TRUE(dialog->ClockwiseButton()->isChecked());
        EXPECT_TRUE(dialog->SoundOnButton()->isChecked());
        EXPECT_FALSE(dialog->SnapInBox()->isChecked());
        EXPECT_TRUE(dialog->ExplodeBox()->isChecked());
        EXPECT_TRUE(dialog->SnapInBox()->isEnabled());
        dialog->reject();
    });
}

TEST_F(OptionsTest, OkWithNothingTouchedStoresTheShownWheelStep) {
    const GemPalette palette = Palette();
    WithOptions([](COptionsDlg* dialog) { dialog->accept(); });
    EXPECT_EQ(Stored("MouseWheelSpeed"), 416u);
    EXPECT_DOUBLE_EQ(view->wheelSpeed, 416e-6);
    EXPECT_EQ(Stored("MouseWheelClockwise"), 0u);
    EXPECT_EQ(Stored("Quiet"), 0u);
    EXPECT_EQ(Stored("QuietSnapin"), 0u);
    EXPECT_EQ(Stored("QuietExplode"), 0u);
    EXPECT_EQ(Stored("Color0"), palette[0]);
    EXPECT_EQ(Stored("Color1"), palette[3]);
    EXPECT_EQ(Stored("Color2"), palette[6]);
}

TEST_F(OptionsTest, OffGreysTheSubSwitchesAndKeepsTheirTicks) {
    WithOptions([](COptionsDlg* dialog) {
        dialog->ExplodeBox()->setChecked(false);
        dialog->SoundOffButton()->click();
        EXPECT_FALSE(dialog->SnapInBox()->isEnabled());
        EXPECT_FALSE(dialog->ExplodeBox()->isEnabled());
        EXPECT_TRUE(dialog->SnapInBox()->isChecked());
        dialog->SoundOnButton()->click();
        EXPECT_TRUE(dialog->SnapInBox()->isEnabled());
        dialog->SoundOffButton()->click();
        dialog->accept();
    });
    EXPECT_EQ(Stored("Quiet"), 1u);
    EXPECT_EQ(Stored("QuietSnapin"), 0u);
    EXPECT_EQ(Stored("QuietExplode"), 1u);
    EXPECT_TRUE(view->game->quiet);
    EXPECT_TRUE(view->game->snapSoundOn);
    EXPECT_FALSE(view->game->explodeSoundOn);
}

TEST_F(OptionsTest, QuietGameOpensWithTheSubSwitchesGreyed) {
    view->game->quiet = true;
    WithOptions([](COptionsDlg* dialog) {
        EXPECT_TRUE(dialog->SoundOffButton()->isChecked());
        EXPECT_FALSE(dialog->SnapInBox()->isEnabled());
        EXPECT_FALSE(dialog->ExplodeBox()->isEnabled());
        dialog->reject();
    });
}

TEST_F(OptionsTest, CounterClockwiseMakesANotchAwayTurnTheWheelForward) {
    WithOptions([](COptionsDlg* dialog) {
        dialog->CounterClockwiseButton()->click();
        dialog->SpeedSlider()->setValue(1000);
        dialog->accept();
    });
    EXPECT_EQ(Stored("MouseWheelClockwise"), 1u);
    EXPECT_EQ(Stored("MouseWheelSpeed"), 1000u);
    EXPECT_TRUE(view->wheelClockwise);
    view->game->Resume();
    const QPointF at(Centre());
    QWheelEvent notch(at, at, QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(view.get(), &notch);
    EXPECT_NEAR(view->game->wheelAngle, 0.12, 1e-12);
}

TEST_F(OptionsTest, CancelChangesNothing) {
    const GemPalette palette = Palette();
    WithOptions([](COptionsDlg* dialog) {
        dialog->SoundOffButton()->click();
        dialog->CounterClockwiseButton()->click();
        dialog->SpeedSlider()->setValue(3000);
        RestoreDefaultGemColours(dialog->colours);
        SetSlotColour(dialog->colours, 1, 0x123456);
        dialog->reject();
    });
    EXPECT_TRUE(settings.ValueNames(kSettingsKey).empty());
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

TEST_F(OptionsTest, PickedColoursAreAppliedAndStoredOnOk) {
    WithOptions([](COptionsDlg* dialog) {
        OnNextModal<CCustomizeColorsDlg>([](CCustomizeColorsDlg* colours) {
            colours->pickColour = [](const QColor& start, QWidget*) -> std::optional<QColor> {
                EXPECT_TRUE(start.isValid());
                return QColor(255, 0, 1);
            };
            colours->ChangeButton(2)->click();
            // A cancelled pick leaves the slot as it was.
            colours->pickColour = [](const QColor&, QWidget*) { return std::optional<QColor>(); };
            colours->ChangeButton(0)->click();
            colours->accept();
        });
        dialog->CustomizeButton()->click();
        dialog->accept();
    });
    const GemPalette palette = Palette();
    EXPECT_EQ(palette[6], 0x0100FFu);
    EXPECT_EQ(palette[7], 0x010080u);
    EXPECT_EQ(palette[8], 0x000055u);
    EXPECT_EQ(Stored("Color2"), 0x0100FFu);
}

TEST(GemColoursTest, DefaultsAndShadesFollowTheShadeRule) {
    GemPalette palette{};
    palette[9] = 0xFFFFFF;
    palette[14] = 0x000055;
    RestoreDefaultGemColours(palette);
    const GemPalette expected{0xFF4040, 0x802020, 0x551515, 0x00FFFF, 0x008080,
                              0x005555, 0xFF00FF, 0x800080, 0x550055, 0xFFFFFF,
                              0,        0,        0,        0,        0x000055};
    EXPECT_EQ(palette, expected);
    EXPECT_EQ(ToQColor(0x00FF4040), QColor(64, 64, 255));
    EXPECT_EQ(FromQColor(QColor(64, 64, 255)), 0x00FF4040u);
}

}  // namespace
