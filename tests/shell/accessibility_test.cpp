// Playing without a mouse, without colour vision and without losing a game to
// a phone call: key turns, symbols on gems, pausing when the player leaves,
// what a screen reader reads, and the dialog with the switches.
#include <QAccessible>
#include <QCheckBox>
#include <QTest>
#include <cstdlib>

#include "game/polar.h"
#include "render/board_renderer.h"
#include "render/gem_sprites.h"
#include "shell/accessibility_dlg.h"
#include "shell/board_accessible.h"
#include "shell/command_ids.h"
#include "shell/main_toolbar.h"
#include "tutorial/ui/tutorial_wnd.h"
#include "ui_fixture.h"

namespace {

using AccessibilityTest = UiTest;

TEST_F(AccessibilityTest, ArrowKeysTurnTheWheelByFixedStepsUnderTheWheelsRules) {
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool repeat, paused, locked;
        double turn;
    } cases[] = {
        {Qt::Key_Left, Qt::NoModifier, false, false, false, -kPi / 60},
        {Qt::Key_Right, Qt::NoModifier, false, false, false, kPi / 60},
        {Qt::Key_Left, Qt::ShiftModifier, false, false, false, -kPi / 240},
        {Qt::Key_Right, Qt::ShiftModifier, true, false, false, kPi / 240},
        {Qt::Key_Right, Qt::ControlModifier, false, false, false, 0.0},
        {Qt::Key_Right, Qt::NoModifier, false, true, false, 0.0},
        {Qt::Key_Left, Qt::NoModifier, false, false, true, 0.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        MakeFrame();
        if (!c.paused) {
            Game().Resume();
        }
        View().inputLocked = c.locked;
        Game().wheelAngle = 1.0;
        QKeyEvent key(QEvent::KeyPress, c.key, c.modifiers, QString(), c.repeat);
        QApplication::sendEvent(&View(), &key);
        EXPECT_EQ(Game().wheelAngle, 1.0 + c.turn);
        // A turn ticks the game as a wheel message does: the first gem drops.
        EXPECT_EQ(Game().falling.Count(), c.turn != 0.0 ? 1 : 0);
    }
}

TEST_F(AccessibilityTest, LeavingPausesWithTheSwitchOnButTheGamesOwnWindowsAreNotLeaving) {
    for (const bool on : {false, true}) {
        for (const bool minimise : {false, true}) {
            settings.Write(kSettingsKey, "PauseWhenInactive", SettingValue::Dword(on ? 1 : 0));
            MakeFrame();
            Game().Resume();
            if (minimise) {
                frame->showMinimized();
            } else {
                // As the platform reports another application coming to the front.
                emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
            }
            EXPECT_EQ(Game().paused, on) << "switch " << on << " minimise " << minimise;
        }
    }

    // The switch is on: a dialog of the game and the tutorial window are not leaving.
    MakeFrame();
    frame->show();
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    Game().Resume();
    Then([](QDialog* dialog) { dialog->reject(); });
    Action(kCmdAccessibility)->trigger();
    EXPECT_FALSE(Game().paused);
    View().StartNewGame();
    View().StartOrQuitTutorial();
    View().tutorialWindow->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(View().tutorialWindow));
    // Even leaving for another application: the tutorial's pages keep running.
    emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
    EXPECT_FALSE(Game().paused);
    View().StartOrQuitTutorial();
}

TEST_F(AccessibilityTest, ScreenReadersReadTheBoardItsPanelsAndTheToolbar) {
    MakeFrame();
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&View());
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->text(QAccessible::Name), "Game board");
    EXPECT_EQ(board->text(QAccessible::Value), "Press PLAY to begin");
    Game().score = 1230;
    Game().bombs = 3;
    EXPECT_EQ(board->child(kScorePart)->text(QAccessible::Name), "Score 1230");
    EXPECT_EQ(board->child(kBombsPart)->text(QAccessible::Name), "Bombs 3");

    const std::pair<int, const char*> buttons[] = {{kCmdPausePlay, "Pause/Play"},
                                                   {kCmdPauseAndHide, "Pause and hide game"},
                                                   {kCmdDropBomb, "Drop bomb"}};
    for (const auto& [id, prompt] : buttons) {
        QWidget* button = frame->ToolBar()->widgetForAction(Action(id));
        EXPECT_EQ(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name), prompt);
    }
}

TEST_F(AccessibilityTest, TheDialogAppliesAndStoresItsSwitchesOnlyOnOk) {
    MakeFrame();
    const QImage plain = View().renderer->Sprites().Sprite(0, 0);
    for (const bool ok : {false, true}) {
        Then([ok](QDialog* d) {
            auto* dialog = static_cast<CAccessibilityDlg*>(d);
            dialog->GemSymbolsBox()->setChecked(true);
            dialog->PauseWhenInactiveBox()->setChecked(true);
            ok ? dialog->accept() : dialog->reject();
        });
        Action(kCmdAccessibility)->trigger();
        EXPECT_EQ(View().pauseWhenInactive, ok);
        EXPECT_EQ(View().renderer->Sprites().Sprite(0, 0) != plain, ok);
        EXPECT_EQ(Stored("GemSymbols"), ok ? 1u : 0u);
        EXPECT_EQ(Stored("PauseWhenInactive"), ok ? 1u : 0u);
    }
    // A renderer made for a new scale keeps them.
    frame->resize(3 * kBoardWidth, 3 * kBoardHeight);
    frame->layout()->activate();
    QImage image(View().size(), QImage::Format_RGB32);
    ASSERT_TRUE(QTest::qWaitFor([&] {
        View().render(&image);
        return View().renderer->DevicePixelRatio() > 1.0;
    }));
    EXPECT_TRUE(View().renderer->GemSymbols());
    // The next start reads them.
    MakeFrame();
    EXPECT_TRUE(View().pauseWhenInactive);
    EXPECT_TRUE(View().renderer->GemSymbols());
}

// Pixels whose grey levels differ by at least minDifference.
int GreyDifferences(const QImage& a, const QImage& b, int minDifference) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            n += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) >= minDifference;
        }
    }
    return n;
}

TEST(GemSymbols, TellTheSlotsApartInGreyOnAnyColourAndLeaveTheRestAsItWas) {
    for (const qreal ratio : {1.0, 2.0}) {
        for (const std::uint32_t colour : {0x00FF4040u, 0x00FFFFFFu, 0x00010101u, 0x0000FFFFu}) {
            SCOPED_TRACE(testing::Message() << "ratio " << ratio << " colour " << colour);
            const GemPalette palette = MakeGemPalette(
                {colour, colour, colour, kDefaultGemColours[3], kDefaultGemColours[4]});
            const CGemSprites plain(palette, ratio);
            const CGemSprites marked(palette, ratio, true);
            CGemSprites toggled(palette, ratio, true);
            toggled.SetSymbols(false);
            // A quarter of the gem's face; the symbols must leave the rest.
            const int quarterFace = static_cast<int>(136 * ratio * ratio);
            const int margin = static_cast<int>(15 * ratio * ratio);
            for (int f = 0; f < kGemFrames; ++f) {
                for (int s = 0; s < kGemSlots; ++s) {
                    const int changed = GreyDifferences(marked.Sprite(s, f), plain.Sprite(s, f), 1);
                    // The white central gem and the bomb keep their pictures.
                    EXPECT_LE(changed, s < 3 ? quarterFace : 0) << "slot " << s << " frame " << f;
                    EXPECT_GE(changed, s < 3 ? margin : 0) << "slot " << s << " frame " << f;
                    ASSERT_EQ(toggled.Sprite(s, f), plain.Sprite(s, f));
                }
                for (const auto& [a, b] : {std::pair{0, 1}, {0, 2}, {1, 2}}) {
                    EXPECT_GE(GreyDifferences(marked.Sprite(a, f), marked.Sprite(b, f), 96), margin)
                        << "slots " << a << " and " << b << " frame " << f;
                }
            }
        }
    }
}

}  // namespace
