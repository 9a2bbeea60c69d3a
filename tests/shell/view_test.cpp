// The game view: how the pointer, the mouse wheel, the keys, a double-click in
// the bomb box and its timer reach the game, and the Options and Customize
// colors dialogs it opens.
#include <QCheckBox>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <cmath>
#include <map>

#include "game/board_centre.h"
#include "game/polar.h"
#include "game/wheel_input.h"
#include "render/board_renderer.h"
#include "shell/customize_colors_dlg.h"
#include "shell/gem_colours.h"
#include "shell/options_dlg.h"
#include "ui_fixture.h"

namespace {

class ViewTest : public UiTest {
  protected:
    // At a board pixel, wherever the view shows it.
    void Mouse(QEvent::Type type, QPoint board, Qt::MouseButton button = Qt::LeftButton) {
        held = type == QEvent::MouseButtonRelease ? held & ~button
               : type == QEvent::MouseMove        ? held
                                                  : held | button;
        const QPointF at = View().Mapping().ToWidget(board);
        QMouseEvent event(type, at, View().mapToGlobal(at),
                          type == QEvent::MouseMove ? Qt::NoButton : button, held, {});
        QApplication::sendEvent(&View(), &event);
    }
    // As the window system delivers it: press, release, double-click, release.
    void DoubleClick(QPoint board) {
        for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                          QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
            Mouse(type, board);
        }
    }
    // "x,y"; "centre", of the wheel; or an angle round it, far enough out for
    // whole pixels to give the angle to a thousandth.
    QPoint At(const QString& where) {
        const double angle = where.toDouble();
        const QPoint centre(boardCentreX, boardCentreY);
        return where.contains(',')
                   ? QPoint(where.section(',', 0, 0).toInt(), where.section(',', 1).toInt())
               : where == "centre"
                   ? centre
                   : centre + QPoint(static_cast<int>(std::lround(1e4 * std::cos(angle))),
                                     static_cast<int>(std::lround(1e4 * std::sin(angle))));
    }
    void Wheel(int delta) {
        const QPointF at(View().width() / 2, View().height() / 2);
        QWheelEvent event(at, at, {}, {0, delta}, {}, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&View(), &event);
        wheelPassedOn &= !event.isAccepted();
    }
    // Runs "operation argument ..." on the view.
    void Play(const QString& script) {
        using E = QEvent;
        using A = const QString&;
        const std::map<QString, std::function<void(A)>> operations = {
            {"angle", [&](A a) { Game().wheelAngle = a.toDouble(); }},
            {"press", [&](A a) { Mouse(E::MouseButtonPress, At(a)); }},
            {"right", [&](A a) { Mouse(E::MouseButtonPress, At(a), Qt::RightButton); }},
            {"move", [&](A a) { Mouse(E::MouseMove, At(a)); }},
            {"release", [&](A a) { Mouse(E::MouseButtonRelease, At(a)); }},
            {"letgo", [&](A) { held = {}; }},  // released over another window
            {"wheel", [&](A a) { Wheel(a.toInt()); }},
            {"key", [&](A a) { QTest::keyClick(&View(), a == "space" ? ' ' : 'x'); }},
            {"dblclick", [&](A a) { DoubleClick(At(a)); }},
            {"lock", [&](A a) { View().inputLocked = a == "on"; }},
            {"pause", [&](A) { Game().Pause(); }},
            {"resume", [&](A) { Game().Resume(); }},
            {"tick", [&](A a) { RunFor(a.toInt()); }},
            {"playpause", [&](A) { View().OnPausePlay(); }},
            {"bomb", [&](A) { View().OnDropBomb(); }},
            {"quit", [&](A) { View().OnQuitGame(); }},
            {"new", [&](A) { View().OnNewGame(); }}};
        const QStringList words = script.split(' ');
        for (int i = 0; i + 1 < words.size(); i += 2) {
            operations.at(words[i])(words[i + 1]);
        }
    }

    // Opens Options and runs act in it; act ends the dialog.
    void WithOptions(std::function<void(COptionsDlg*)> act) {
        Then([act](QDialog* d) { act(static_cast<COptionsDlg*>(d)); });
        Action(kCmdOtherOptions)->trigger();
    }
    // Every value under "Settings", colours in hex.
    QString StoredValues() const {
        QStringList values;
        for (const std::string& name : settings.ValueNames(kSettingsKey)) {
            const int base = name.rfind("Color", 0) == 0 ? 16 : 10;
            values << QString("%1=%2").arg(name.c_str()).arg(Stored(name.c_str()), 0, base);
        }
        return values.join(' ');
    }

    Qt::MouseButtons held;
    bool wheelPassedOn = true;
};

}  // namespace

TEST_F(ViewTest, InputTurnsTheWheelDropsBombsAndTicksOnlyARunningGameWithInputFree) {
    const struct {
        bool clockwise;
        const char* input;  // on a running game with one bomb
        double angle;
        int bombs;
        int falling;
    } cases[] = {
        {false, "press .5 move 1.5", 1, 1, 1},
        {false, "angle 1 press centre move 2", 3 - kHalfPi, 1, 1},  // the centre reads as pi/2
        {false, "press .5 move 1.5 move 3 move 4.5 move 6 move 7.5 move 6.783185", 0, 1, 1},
        {false, "press 0 release 0 move 1", 0, 1, 0},
        {false, "press 0 lock on release 0 lock off move 1", 0, 1, 0},
        {false, "press 0 letgo - move 1", 0, 1, 0},
        {false, "press 0 pause - move 1", 0, 1, 0},
        {false, "press 0 pause - resume - move 1", 1, 1, 1},
        {false, "right 0 move 1", 0, 1, 0},
        {false, "wheel 120", -0.05, 1, 1},
        {true, "wheel 120 wheel 12", 0.055, 1, 1},
        {false, "key space", 0, 0, 1},
        {false, "key x", 0, 1, 0},
        {false, "dblclick 8,5", 0, 0, 1},
        {false, "dblclick 182,20 dblclick 100,49", 0, 1, 0},
        {false, "tick 500", 0, 1, 1},
        {false, "lock on tick 500", 0, 1, 1},
        {false, "lock on playpause - bomb - quit - new - tick 500", 0, 1, 1},
        {false, "press 0 new - resume - move 1", 0, 1, 0},
        {false, "lock on press 0 move 1 wheel 120 key space dblclick 8,5", 0, 1, 0},
        {false, "pause - press 0 move 1 wheel 120 key space dblclick 8,5 tick 500", 0, 1, 0},
    };
    for (const auto& c : cases) {
        WriteSettingDword(kSettingsKey, "MouseWheelClockwise", c.clockwise ? 1 : 0);
        MakeFrame();
        Game().Resume();
        held = {};
        Play(c.input);
        EXPECT_NEAR(std::remainder(Game().wheelAngle - c.angle, kTwoPi), 0, 1e-3) << c.input;
        EXPECT_EQ(Game().bombs, c.bombs) << c.input;
        EXPECT_EQ(Game().falling.Count(), c.falling) << c.input;
    }
    EXPECT_TRUE(wheelPassedOn);
}

TEST_F(ViewTest, OptionsCancelChangesNothingAndOkStoresWhatTheDialogShowsWithTheChanges) {
    MakeFrame();
    const GemPalette palette = View().renderer->GetPalette();
    WithOptions([](COptionsDlg* dialog) {
        dialog->SoundOffButton()->click();
        dialog->CounterClockwiseButton()->click();
        dialog->SpeedSlider()->setValue(3000);
        SetSlotColour(dialog->colours, 1, 0x123456);
        dialog->reject();
    });
    EXPECT_EQ(StoredValues(), "");
    EXPECT_FALSE(Game().quiet || View().wheelClockwise);
    EXPECT_EQ(View().renderer->GetPalette(), palette);
    Game().snapSoundOn = false;
    WithOptions([](COptionsDlg* dialog) {
        EXPECT_EQ(dialog->SpeedSlider()->minimum(), 20);
        EXPECT_EQ(dialog->SpeedSlider()->maximum(), 4000);
        EXPECT_EQ(dialog->SpeedSlider()->value(), 416);
        dialog->accept();
    });
    EXPECT_EQ(StoredValues(),
              "Color0=ff4040 Color1=ffff Color2=ff00ff MouseWheelClockwise=0 MouseWheelSpeed=416 "
              "Quiet=0 QuietExplode=0 QuietSnapin=1");
    EXPECT_DOUBLE_EQ(View().wheelSpeed, 416e-6);
    // A stored step shows as itself, though 25 reads as 24.999999999999996
    // millionths: OK with nothing touched changes nothing, at any slider value.
    for (std::int32_t stored = 1; stored <= 4000; ++stored) {
        ASSERT_EQ(WheelStepShown(WheelSpeedFromSetting(static_cast<std::uint32_t>(stored))),
                  stored);
    }
    for (std::uint32_t stored : {25u, 4000u}) {
        View().wheelSpeed = WheelSpeedFromSetting(stored);
        WithOptions([](COptionsDlg* dialog) { dialog->accept(); });
        EXPECT_EQ(Stored("MouseWheelSpeed"), stored);
    }
    WithOptions([](COptionsDlg* dialog) {
        dialog->ExplodeBox()->setChecked(false);
        dialog->SnapInBox()->setChecked(true);
        dialog->SoundOffButton()->click();  // greys the switches, which keep their ticks
        EXPECT_FALSE(dialog->SnapInBox()->isEnabled() || dialog->ExplodeBox()->isEnabled());
        dialog->SoundOnButton()->click();
        EXPECT_TRUE(dialog->SnapInBox()->isEnabled() && dialog->ExplodeBox()->isEnabled());
        dialog->SoundOffButton()->click();
        dialog->CounterClockwiseButton()->click();
        dialog->SpeedSlider()->setValue(1000);
        dialog->accept();
    });
    EXPECT_EQ(StoredValues(),
              "Color0=ff4040 Color1=ffff Color2=ff00ff MouseWheelClockwise=1 "
              "MouseWheelSpeed=1000 Quiet=1 QuietExplode=1 QuietSnapin=0");
    EXPECT_TRUE(Game().quiet && Game().snapSoundOn && !Game().explodeSoundOn);
    EXPECT_TRUE(View().wheelClockwise);
    EXPECT_DOUBLE_EQ(View().wheelSpeed, 1000e-6);
    WithOptions([](COptionsDlg* dialog) {  // a quiet game opens with them greyed
        EXPECT_TRUE(dialog->SoundOffButton()->isChecked());
        EXPECT_FALSE(dialog->SnapInBox()->isEnabled() || dialog->ExplodeBox()->isEnabled());
        dialog->reject();
    });
}

TEST_F(ViewTest, PickedColoursAreShadedAndKeptOnlyThroughBothOks) {
    MakeFrame();
    GemPalette start{};
    SetSlotColour(start, 0, 0x0000FF);
    SetSlotColour(start, 1, 0x00FF00);
    SetSlotColour(start, 2, 0xFF0000);
    View().renderer->BuildSprites(start);
    WithOptions([this, &start](COptionsDlg* dialog) {
        Then([](QDialog* d) {
            auto* colours = static_cast<CCustomizeColorsDlg*>(d);
            colours->RestoreButton()->click();
            EXPECT_EQ(SlotColour(colours->colours, 0), 0xFF4040u);
            colours->reject();
        });
        dialog->CustomizeButton()->click();
        EXPECT_EQ(dialog->colours, start);
        Then([](QDialog* d) {
            auto* colours = static_cast<CCustomizeColorsDlg*>(d);
            // The picker starts from the slot's colour, stored as 0x00BBGGRR;
            // a cancelled pick leaves the slot as it was.
            colours->pickColour = [](const QColor& from, QWidget*) {
                EXPECT_EQ(from, QColor(255, 0, 0));
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
    const GemPalette palette = View().renderer->GetPalette();
    EXPECT_EQ(std::vector<std::uint32_t>(palette.begin(), palette.begin() + 9),
              (std::vector<std::uint32_t>{0x0000FF, 0x000080, 0x000055, 0x00FF00, 0x008000,
                                          0x005500, 0x0100FF, 0x010080, 0x000055}));
    EXPECT_EQ(Stored("Color2"), 0x0100FFu);
    EXPECT_EQ(titles, QStringList({"Options", "Customize colors", "Customize colors"}));
}
