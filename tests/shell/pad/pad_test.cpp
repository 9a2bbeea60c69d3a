// The gamepad at the real window: a virtual pad that SDL takes for a game
// controller turns the wheel, steps, drops bombs, pauses, starts new games,
// turns the tutorial's pages and answers dialogs, on the test's clock.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <algorithm>
#include <optional>

#include "game/wheel_input.h"
#include "shell/frame/pad_binding.h"
#include "shell/pad/pad_reader.h"
#include "shell/pad/pad_tuning.h"
#include "shell/ui_fixture.h"
#include "shell/virtual_pad.h"
#include "tutorial/ui/tutorial_wnd.h"

class PadTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        MakeFrame();
        pad.emplace();
        ASSERT_TRUE(pad->Plugged()) << SDL_GetError();
        Poll();
        ASSERT_EQ(Reader().PadCount(), 1);
    }
    void TearDown() override {
        pad.reset();
        UiTest::TearDown();
    }
    CPadReader& Reader() { return frame->Pad().Reader(); }
    void Poll() { Reader().Poll(); }
    // Readings of the pad, one every poll interval of the test clock.
    void PadFor(std::int64_t ms) {
        for (std::int64_t left = ms; left > 0; left -= PadTuning::kRunningPollMs) {
            const auto step =
                static_cast<std::uint32_t>(std::min<std::int64_t>(left, PadTuning::kRunningPollMs));
            clock.counter += step;
            clock.tickCount += step;
            Poll();
        }
    }
    void Press(SDL_GameControllerButton button) {
        pad->Hold(button);
        Poll();
        pad->Hold(button, false);
        Poll();
    }
    void StartGame() {
        Press(SDL_CONTROLLER_BUTTON_START);
        ASSERT_TRUE(Game().started && !Game().paused);
    }

    std::optional<CVirtualPad> pad;
};

TEST_F(PadTest, SticksTurnTheWheelInProportionPastTheDeadZone) {
    StartGame();
    const struct {
        SDL_GameControllerAxis axis;
        Sint16 value;
        double radiansPerSecond;
    } rows[] = {
        {SDL_CONTROLLER_AXIS_LEFTX, 6000, 0.0},  // within the dead zone
        {SDL_CONTROLLER_AXIS_LEFTX, 16384, 1.125},    {SDL_CONTROLLER_AXIS_LEFTX, 32767, 3.0},
        {SDL_CONTROLLER_AXIS_LEFTX, -32768, -3.0},  // counter-clockwise, as Left
        {SDL_CONTROLLER_AXIS_RIGHTX, -16384, -1.125}, {SDL_CONTROLLER_AXIS_RIGHTX, 32767, 3.0},
        {SDL_CONTROLLER_AXIS_LEFTY, 32767, 0.0},  // up and down turn nothing
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.value);
        pad->Axis(row.axis, row.value);
        Poll();
        const double before = Game().wheelAngle;
        PadFor(1000);
        EXPECT_NEAR(Game().wheelAngle - before, row.radiansPerSecond, 1e-3);
        // Released, it stops at once.
        pad->Axis(row.axis, 0);
        Poll();
        const double released = Game().wheelAngle;
        PadFor(500);
        EXPECT_EQ(Game().wheelAngle, released);
    }
}

TEST_F(PadTest, DpadStepsAsTheArrowKeysAndRepeatsWhileHeld) {
    StartGame();
    const struct {
        SDL_GameControllerButton direction;
        bool shoulder;
        double step;
    } rows[] = {
        {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, false, kKeyTurnStep},
        {SDL_CONTROLLER_BUTTON_DPAD_LEFT, false, -kKeyTurnStep},
        {SDL_CONTROLLER_BUTTON_DPAD_LEFT, true, -kFineKeyTurnStep},
    };
    for (const auto& row : rows) {
        const double start = Game().wheelAngle;
        const auto steps = [&] { return std::lround((Game().wheelAngle - start) / row.step); };
        pad->Hold(SDL_CONTROLLER_BUTTON_LEFTSHOULDER, row.shoulder);
        pad->Hold(row.direction);
        Poll();
        EXPECT_EQ(steps(), 1);
        PadFor(PadTuning::kRepeatDelayMs - PadTuning::kRunningPollMs);
        EXPECT_EQ(steps(), 1);
        PadFor(PadTuning::kRunningPollMs);
        EXPECT_EQ(steps(), 2);
        PadFor(5 * PadTuning::kRepeatIntervalMs);
        EXPECT_EQ(steps(), 7);
        pad->Hold(row.direction, false);
        pad->Hold(SDL_CONTROLLER_BUTTON_LEFTSHOULDER, false);
        PadFor(1000);
        EXPECT_EQ(steps(), 7);
    }
}

TEST_F(PadTest, ButtonsDropBombsPauseAndAreRefusedWhereTheKeyboardIs) {
    Game().bombs = 3;
    Press(SDL_CONTROLLER_BUTTON_A);
    EXPECT_EQ(Game().bombs, 3) << "a game waiting for Play drops nothing";
    StartGame();
    Press(SDL_CONTROLLER_BUTTON_A);
    EXPECT_EQ(Game().bombs, 2);

    Press(SDL_CONTROLLER_BUTTON_START);
    EXPECT_TRUE(Game().paused);
    const double angle = Game().wheelAngle;
    pad->Axis(SDL_CONTROLLER_AXIS_LEFTX, 32767);
    PadFor(500);
    Press(SDL_CONTROLLER_BUTTON_A);
    Press(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    EXPECT_EQ(Game().wheelAngle, angle);
    EXPECT_EQ(Game().bombs, 2);

    // A tutorial page that demonstrates locks the pad out as it does the keys.
    Press(SDL_CONTROLLER_BUTTON_START);
    Board().ShowTutorialPage(nullptr, true);
    PadFor(500);
    Press(SDL_CONTROLLER_BUTTON_A);
    EXPECT_EQ(Game().wheelAngle, angle);
    EXPECT_EQ(Game().bombs, 2);
    Board().ShowTutorialPage(nullptr, false);
    PadFor(100);
    EXPECT_GT(Game().wheelAngle, angle);
}

TEST_F(PadTest, NonsenseFromThePadLeavesNothingBehindAndPulledOutMidTurnTheWheelStops) {
    EXPECT_EQ(frame->statusBar()->currentMessage(), "Gamepad connected: Test pad");
    StartGame();
    // Axes jumping end to end, then let go: the wheel rests.
    for (int poll = 0; poll < 100; ++poll) {
        pad->Axis(SDL_CONTROLLER_AXIS_LEFTX, poll % 2 == 0 ? -32768 : 32767);
        pad->Axis(SDL_CONTROLLER_AXIS_RIGHTX, poll % 3 == 0 ? 32767 : -32768);
        PadFor(PadTuning::kRunningPollMs);
    }
    pad->Axis(SDL_CONTROLLER_AXIS_LEFTX, 0);
    pad->Axis(SDL_CONTROLLER_AXIS_RIGHTX, 0);
    Poll();
    const double rest = Game().wheelAngle;
    // A bomb button held for minutes drops one bomb.
    Game().bombs = 3;
    pad->Hold(SDL_CONTROLLER_BUTTON_A);
    PadFor(120000);
    pad->Hold(SDL_CONTROLLER_BUTTON_A, false);
    Poll();
    EXPECT_EQ(Game().bombs, 2);
    EXPECT_EQ(Game().wheelAngle, rest);

    pad->Axis(SDL_CONTROLLER_AXIS_LEFTX, 32767);
    PadFor(200);
    pad->Unplug();
    Poll();
    EXPECT_EQ(Reader().PadCount(), 0);
    EXPECT_EQ(frame->statusBar()->currentMessage(), "Gamepad disconnected");
    const double angle = Game().wheelAngle;
    PadFor(1000);
    EXPECT_EQ(Game().wheelAngle, angle);
    EXPECT_EQ(Reader().PollInterval(), PadTuning::kNoPadPollMs);
}

TEST_F(PadTest, TheEndOfAGameRumblesUnlessVibrationIsSwitchedOff) {
    for (const bool off : {true, false}) {
        WriteSettingDword(kSettingsKey, "NoGamepadVibration", off ? 1u : 0u);
        pad->rumbles.clear();
        StartGame();
        Board().OnQuitGame();
        EXPECT_EQ(pad->rumbles, off ? std::vector<Uint16>{} : std::vector<Uint16>{0xFFFF});
    }
}

TEST_F(PadTest, BackOffersTheScoreAndDialogsAnswerTheDpadSouthAndEast) {
    StartGame();
    Game().score = 4321;
    QString list;
    Then([&](QDialog* entry) {
        auto* name = entry->findChild<QLineEdit*>("name");
        ASSERT_EQ(entry->focusWidget(), name);
        Press(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
        EXPECT_TRUE(qobject_cast<QPushButton*>(entry->focusWidget()));
        Press(SDL_CONTROLLER_BUTTON_DPAD_UP);
        EXPECT_EQ(entry->focusWidget(), name);
        name->setText("Pad");
        Press(SDL_CONTROLLER_BUTTON_A);  // Return in the field: OK
        EXPECT_FALSE(entry->isVisible());
        if (entry->isVisible()) {
            entry->reject();  // a pad that failed leaves no dialog waiting
        }
    });
    Then([&](QDialog* table) {
        const QTreeWidgetItem* top = table->findChild<QTreeWidget*>()->topLevelItem(0);
        for (int column = 0; top != nullptr && column < top->columnCount(); ++column) {
            list += top->text(column) + " ";
        }
        Press(SDL_CONTROLLER_BUTTON_B);
        EXPECT_FALSE(table->isVisible());
        if (table->isVisible()) {
            table->reject();
        }
    });
    Press(SDL_CONTROLLER_BUTTON_BACK);
    EXPECT_TRUE(list.contains("Pad") && list.contains("4321")) << list.toStdString();
    EXPECT_FALSE(Game().started) << "a new game, waiting for Play";

    // The name entered is offered again after a game played with the pad,
    // selected; after one played with the keyboard the entry starts empty.
    for (const bool byPad : {true, false}) {
        Game().score = 1234;
        QString offered, selected;
        Then([&](QDialog* entry) {
            auto* name = entry->findChild<QLineEdit*>("name");
            offered = name->text();
            selected = name->selectedText();
            entry->reject();
        });
        Then([](QDialog* table) { table->reject(); });
        byPad ? Press(SDL_CONTROLLER_BUTTON_BACK) : Action(kCmdNewGame)->trigger();
        EXPECT_EQ(offered, byPad ? "Pad" : "");
        EXPECT_EQ(selected, offered);
    }
}

TEST_F(PadTest, TutorialPagesTurnWithNorthAndWest) {
    Session().Tutorial().StartOrQuit();
    ASSERT_NE(Session().Tutorial().Window(), nullptr);
    const auto page = [&] { return Session().Tutorial().Window()->pageText()->toPlainText(); };
    const QString first = page();
    Press(SDL_CONTROLLER_BUTTON_Y);
    const QString second = page();
    EXPECT_NE(second, first);
    Press(SDL_CONTROLLER_BUTTON_X);
    EXPECT_EQ(page(), first);
}

// A reading that comes late (a busy machine) neither leaps the wheel nor
// catches up on every step it missed, and the repeat goes on from there.
TEST(PadTranslator, ALateReadingNeitherLeapsNorCatchesUp) {
    CPadTranslator translator;
    PadSnapshot pad;
    pad.stick = 1.0;
    pad.held = PadSnapshot::Bit(PadButton::DpadRight);
    pad.pressed = {PadButton::DpadRight};
    EXPECT_EQ(translator.Update(pad, 0, false).size(), 1u);
    pad.pressed.clear();
    const auto count = [](const std::vector<PadAction>& actions, PadAction::Kind kind) {
        return std::count_if(actions.begin(), actions.end(),
                             [kind](const PadAction& a) { return a.kind == kind; });
    };
    const std::vector<PadAction> late = translator.Update(pad, 60000, false);
    EXPECT_EQ(count(late, PadAction::Kind::Step), PadTuning::kMostRepeatsAtOnce);
    ASSERT_EQ(late.back().kind, PadAction::Kind::Turn);
    EXPECT_DOUBLE_EQ(late.back().angle, PadTuning::kFullSpeed * PadTuning::kLongestTurnMs / 1000.0);
    const std::int64_t next = 60000 + PadTuning::kRepeatIntervalMs;
    EXPECT_EQ(count(translator.Update(pad, next - 1, false), PadAction::Kind::Step), 0);
    EXPECT_EQ(count(translator.Update(pad, next, false), PadAction::Kind::Step), 1);
}
