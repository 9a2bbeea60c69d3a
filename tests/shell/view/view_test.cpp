// The game view: how the pointer, the mouse wheel, the keys, a double-click in
// the bomb box and its timer reach the game at any window size; the Options,
// Customize colors and Accessibility dialogs it opens; and pausing when the
// player leaves.
#include <QCheckBox>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <map>

#include "game/polar.h"
#include "game/wheel_input.h"
#include "render/artwork.h"
#include "render/board_renderer.h"
#include "render/gem_sprites.h"
#include "shell/dialogs/accessibility_dlg.h"
#include "shell/dialogs/customize_colors_dlg.h"
#include "shell/dialogs/gem_colours.h"
#include "shell/dialogs/options_dlg.h"
#include "shell/frame/window_placement.h"
#include "shell/ui_fixture.h"
#include "shell/view/frame_pacer.h"
#include "tutorial/ui/tutorial_wnd.h"

namespace {

class ViewTest : public UiTest {
  protected:
    // "x,y"; "centre", of the wheel; or an angle round it.
    static QPoint At(const QString& where) {
        return where.contains(',')
                   ? QPoint(where.section(',', 0, 0).toInt(), where.section(',', 1).toInt())
               : where == "centre" ? kBoardCentre
                                   : Round(where.toDouble());
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
            {"wheel", [&](A a) { wheelPassedOn &= !Wheel(a.toInt()); }},
            // As a shortcut names it; "-again": held down.
            {"key",
             [&](A a) {
                 const QKeyCombination k = QKeySequence(QString(a).remove("-again"))[0];
                 Key(k.key(), k.keyboardModifiers(), a == "Space" ? " " : a.toLower(),
                     a.endsWith("-again"));
             }},
            // As the window system delivers it: press, release, double-click, release.
            {"dblclick",
             [&](A a) {
                 for (auto type : {E::MouseButtonPress, E::MouseButtonRelease,
                                   E::MouseButtonDblClick, E::MouseButtonRelease}) {
                     Mouse(type, At(a));
                 }
             }},
            // As the window system delivers it to the window, shown and
            // active: to the focus widget or to an open menu.
            {"window",
             [&](A a) {
                 frame->show();
                 frame->activateWindow();
                 EXPECT_TRUE(QTest::qWaitForWindowActive(frame.get()));
                 QTest::keyClick(frame->windowHandle(), QKeySequence(a)[0].key(),
                                 QKeySequence(a)[0].keyboardModifiers());
             }},
            {"lock", [&](A a) { Board().ShowTutorialPage(nullptr, a == "on"); }},
            // A tutorial page with the lock off, its game holding the tutorial's points.
            {"page",
             [&](A a) {
                 Board().ShowTutorialPage(nullptr, false);
                 Game().score = a.toUInt();
             }},
            // The view alone at a scale, one hundred pixels wider than the board.
            {"scale",
             [&](A a) {
                 View().resize(static_cast<int>(kBoardWidth * a.toDouble()) + 100,
                               static_cast<int>(kBoardHeight * a.toDouble()));
             }},
            {"pause", [&](A) { Game().Pause(); }},
            {"resume", [&](A) { Game().Resume(); }},
            {"tick", [&](A a) { RunFor(a.toInt()); }},
            {"playpause", [&](A) { Board().OnPausePlay(); }},
            {"bomb", [&](A) { Board().OnDropBomb(); }},
            {"quit", [&](A) { Board().OnQuitGame(); }},
            {"new", [&](A) { Board().OnNewGame(); }}};
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

    bool wheelPassedOn = true;
};

TEST_F(ViewTest, InputTurnsTheWheelDropsBombsAndTicksOnlyARunningGameWithInputFree) {
    // Waiting for a shown window to become active lets the game's own timer
    // tick, which may drop the first gem: where nothing else turns or ticks,
    // the angle alone tells what the keys did.
    constexpr int kAnyFalling = -1;
    const struct {
        const char* input;  // on a running game with one bomb
        double angle;
        int bombs, falling;
        bool clockwise = false;  // as stored, read by the view
    } cases[] = {
        {"press .5 move 1.5", 1, 1, 1},
        {"angle 1 press centre move 2", 3 - kHalfPi, 1, 1},  // the centre reads as pi/2
        {"press .5 move 1.5 move 3 move 4.5 move 6 move 7.5 move 6.783185", 0, 1, 1},
        {"press 0 release 0 move 1", 0, 1, 0},
        {"press 0 lock on release 0 lock off move 1", 0, 1, 0},
        {"press 0 letgo - move 1", 0, 1, 0},
        {"press 0 pause - move 1", 0, 1, 0},
        {"press 0 pause - resume - move 1", 1, 1, 1},
        {"right 0 move 1", 0, 1, 0},
        {"wheel 120", -0.05, 1, 1},
        {"wheel 120 wheel 12", 0.055, 1, 1, true},
        {"key Space", 0, 0, 1},
        {"key X", 0, 1, 0},
        {"dblclick 8,5", 0, 0, 1},
        {"dblclick 182,20 dblclick 100,49", 0, 1, 0},
        {"tick 500", 0, 1, 1},
        {"lock on playpause - bomb - quit - new - tick 500", 0, 1, 1},
        {"press 0 new - resume - move 1", 0, 1, 0},
        {"page 1135 press 0 new - resume - move 1", 0, 1, 0},
        // Arrows turn by fixed steps, a fine one with Shift, held down or not.
        {"key Left", -kPi / 60, 1, 1},
        {"key Right key Shift+Left-again", kPi / 60 - kPi / 240, 1, 1},
        {"key Ctrl+Right", 0, 1, 0},
        // After Alt alone, or a menu left with Escape, the keys are still the
        // game's, in the next game too; in an open menu they are the menu's.
        {"window Alt window Left", -kPi / 60, 1, 1},
        {"window Alt+G window Esc new - resume - window Left", -kPi / 60, 1, 1},
        {"window Alt+G window Left", 0, 1, kAnyFalling},
        // P and the Pause key pause and resume as Ctrl+P does, and not on a
        // locked tutorial page.
        {"window P key Left", 0, 1, kAnyFalling},
        {"window Pause window P tick 500", 0, 1, 1},
        {"lock on window P window Pause window Ctrl+P tick 500", 0, 1, 1},
        {"lock on press 0 move 1 wheel 120 key Space key Left dblclick 8,5", 0, 1, 0},
        {"pause - press 0 move 1 wheel 120 key Space key Right dblclick 8,5 tick 500", 0, 1, 0},
        // Every scale maps the pointer to the same board pixels.
        {"scale 0.5 press .5 move 1.5", 1, 1, 1},
        {"scale 2.6 angle 0.3 press 600,349 move 560,200 move 362,90 move 150,300 move 200,600",
         0.3 + std::atan2(600 - 349, 200 - 362), 1, 1},
        {"scale 0.75 dblclick 7,5 dblclick 8,4 dblclick 182,48 dblclick 181,49", 0, 1, 0},
        {"scale 1.5 dblclick 8,5", 0, 0, 1},
        {"scale 2.6 dblclick 181,48", 0, 0, 1},
    };
    for (const auto& c : cases) {
        WriteSettingDword(kSettingsKey, "MouseWheelClockwise", c.clockwise);
        MakeFrame();
        Game().Resume();
        held = {};
        titles.clear();
        Play(c.input);
        // Nothing here earns a place in the table: not the tutorial's points.
        EXPECT_FALSE(titles.contains("High Score")) << c.input;
        EXPECT_NEAR(std::remainder(Game().wheelAngle - c.angle, kTwoPi), 0, 1e-3) << c.input;
        EXPECT_EQ(Game().bombs, c.bombs) << c.input;
        if (c.falling != kAnyFalling) {
            EXPECT_EQ(Game().falling.Count(), c.falling) << c.input;
        }
    }
    EXPECT_TRUE(wheelPassedOn);
}

TEST_F(ViewTest, OptionsCancelChangesNothingAndOkStoresWhatTheDialogShowsWithTheChanges) {
    MakeFrame();
    const GemPalette palette = View().Renderer().GetPalette();
    WithOptions([](COptionsDlg* dialog) {
        dialog->SoundOffButton()->click();
        dialog->CounterClockwiseButton()->click();
        dialog->SpeedSlider()->setValue(3000);
        SetSlotColour(dialog->colours, 1, 0x123456);
        dialog->reject();
    });
    EXPECT_EQ(StoredValues(), "");
    EXPECT_FALSE(Game().quiet || View().WheelClockwise());
    EXPECT_EQ(View().Renderer().GetPalette(), palette);
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
    EXPECT_DOUBLE_EQ(View().WheelSpeed(), 416e-6);
    // A stored step shows as itself, though 25 reads as 24.999999999999996
    // millionths: OK with nothing touched changes nothing.
    for (std::uint32_t stored : {25u, 4000u}) {
        WriteSettingDword(kSettingsKey, "MouseWheelSpeed", stored);
        MakeFrame();
        WriteSettingDword(kSettingsKey, "MouseWheelSpeed", 0);
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
    EXPECT_TRUE(View().WheelClockwise());
    EXPECT_DOUBLE_EQ(View().WheelSpeed(), 1000e-6);
    WithOptions([](COptionsDlg* dialog) {  // a quiet game opens with them greyed
        EXPECT_TRUE(dialog->SoundOffButton()->isChecked());
        EXPECT_FALSE(dialog->SnapInBox()->isEnabled() || dialog->ExplodeBox()->isEnabled());
        dialog->reject();
    });
}

TEST_F(ViewTest, PickedColoursAreShadedAndKeptOnlyThroughBothOks) {
    for (const auto& [name, colour] :
         {std::pair{"Color0", 0x0000FFu}, {"Color1", 0x00FF00u}, {"Color2", 0xFF0000u}}) {
        WriteSettingDword(kSettingsKey, name, colour);
    }
    MakeFrame();
    const GemPalette start = View().Renderer().GetPalette();
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
    const GemPalette palette = View().Renderer().GetPalette();
    EXPECT_EQ(std::vector<std::uint32_t>(palette.begin(), palette.begin() + 9),
              (std::vector<std::uint32_t>{0x0000FF, 0x000080, 0x000055, 0x00FF00, 0x008000,
                                          0x005500, 0x0100FF, 0x010080, 0x000055}));
    EXPECT_EQ(Stored("Color2"), 0x0100FFu);
    EXPECT_EQ(titles, QStringList({"Options", "Customize colors", "Customize colors"}));
}

TEST_F(ViewTest, LeavingOrAModalDialogPausesWithTheSwitchOnButTheTutorialWindowIsNotLeaving) {
    for (const bool on : {false, true}) {
        for (const QString how :
             {"other application", "minimise", "Pause and hide", "About", "Options"}) {
            settings.Write(kSettingsKey, "PauseWhenInactive", SettingValue::Dword(on ? 1 : 0));
            MakeFrame();
            frame->show();
            frame->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
            Game().Resume();
            if (how == "minimise") {
                frame->showMinimized();
            } else if (how == "Pause and hide") {
                Action(kCmdPauseAndHide)->trigger();
            } else if (how == "other application") {
                // As the platform reports another application coming to the front.
                emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
            } else {
                // The player cannot steer behind it.
                Then([](QDialog* dialog) { dialog->reject(); });
                Action(how == "About" ? kCmdAbout : kCmdOtherOptions)->trigger();
            }
            EXPECT_EQ(Game().paused, on || how == "Pause and hide")
                << "switch " << on << ", " << how.toStdString();
            if (frame->isMinimized() && Game().paused) {
                // Back, the window shows the board as it is: PAUSED where it paused.
                frame->showNormal();
                ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
                QCoreApplication::processEvents();
                const auto shown = [&] {
                    return frame->screen()->grabWindow(frame->winId()).toImage();
                };
                const QImage back = shown();
                View().RepaintNow();
                EXPECT_TRUE(back == shown()) << "switch " << on << ", " << how.toStdString();
            }
        }
    }

    // The switch is on: the tutorial window is not leaving.
    Board().StartGame();
    Session().Tutorial().StartOrQuit();
    Session().Tutorial().Window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Session().Tutorial().Window()));
    // Even leaving for another application: the tutorial's pages keep running.
    emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
    EXPECT_FALSE(Game().paused);
    Session().Tutorial().StartOrQuit();
}

TEST_F(ViewTest, TheDialogAppliesAndStoresItsSwitchesOnlyOnOk) {
    MakeFrame();
    const QImage plain = View().Renderer().Sprites().Sprite(0, 0);
    // Smooth motion paints at the screen's rate while the game runs, only.
    for (const bool running : {true, false, true}) {
        Board().OnPausePlay();
        EXPECT_EQ(View().Pacer().Running(), running);
    }
    for (const bool ok : {false, true}) {
        Then([ok](QDialog* d) {
            auto* dialog = static_cast<CAccessibilityDlg*>(d);
            dialog->GemSymbolsBox()->setChecked(true);
            dialog->PauseWhenInactiveBox()->setChecked(true);
            dialog->SmoothMotionBox()->setChecked(false);
            dialog->BannerBackingBox()->setChecked(true);
            EXPECT_TRUE(dialog->PadVibrationBox()->isChecked()) << "on until switched off";
            dialog->PadVibrationBox()->setChecked(false);
            ok ? dialog->accept() : dialog->reject();
        });
        Action(kCmdAccessibility)->trigger();
        EXPECT_EQ(Session().Pausing().On(), ok);
        EXPECT_EQ(View().Renderer().Sprites().Sprite(0, 0) != plain, ok);
        EXPECT_EQ(View().Renderer().SmoothMotion() || View().Pacer().Running(), !ok);
        EXPECT_EQ(Stored("GemSymbols"), ok ? 1u : 0u);
        EXPECT_EQ(Stored("PauseWhenInactive"), ok ? 1u : 0u);
        EXPECT_EQ(Stored("NoSmoothMotion"), ok ? 1u : 0u);
        EXPECT_EQ(View().Renderer().BannerBacking(), ok);
        EXPECT_EQ(Stored("BannerBacking"), ok ? 1u : 0u);
        EXPECT_EQ(Stored("NoGamepadVibration"), ok ? 1u : 0u);
    }
    // At the screen's rate: within 30 to 240 frames a second, 60 when unknown.
    for (const auto& [hz, ms] :
         {std::pair{60.0, 16}, {144.0, 6}, {20.0, 33}, {1000.0, 4}, {0.0, 16}}) {
        EXPECT_EQ(CFramePacer::IntervalFor(hz), ms) << hz;
    }
}

// Where the pointer lands: the input table above, at every scale; where the
// board is drawn: window_test.sh.
TEST(BoardMapping, ThePictureStaysWithinTheViewAndAChangeIsRepaintedWhole) {
    // At any size and screen the board's picture stays within the view's
    // device pixels, rounded to nearest as the window system's are.
    for (const qreal r : {1.0, 1.25, 1.5, 1.75, 2.25}) {
        for (int w = kBoardWidth / 2, h = kBoardHeight / 2; w < 2 * kBoardWidth; w += 3, h += 2) {
            const BoardMapping m = BoardMapping::Fit(QSizeF(w, h), r);
            ASSERT_TRUE(
                QRect(0, 0, std::lround(w * r), std::lround(h * r)).contains(m.DeviceRect()))
                << w << "x" << h << " at " << r;
            // A change to the picture is repainted by widget pixels that cover it.
            const QRect change = QRect(w % 97, h % 89, 31, 29),
                        shown = m.ToWidget(change).boundingRect();
            ASSERT_TRUE(QRectF(QPointF(shown.topLeft()) * r, QSizeF(shown.size()) * r)
                            .contains(QRectF(change.translated(m.DeviceRect().topLeft()))));
        }
    }
}

TEST_F(ViewTest, AResizedViewIsDrawnAfreshAtItsScaleWithTheTileGoingOnIntoTheMargins) {
    WriteSettingDword(kSettingsKey, "GemSymbols", 1);
    WriteSettingDword(kSettingsKey, "BannerBacking", 1);
    CBoardModel board;
    auto view = std::make_unique<CTorvaneView>(board);  // alone, drawn first at the base size
    view->resize(kBoardWidth, kBoardHeight);
    QImage image(view->size(), QImage::Format_RGB32);
    view->render(&image);
    view->resize(2 * kBoardWidth + 800, 2 * kBoardHeight);
    image = QImage(view->size(), QImage::Format_RGB32);
    // The old picture stands in while the size settles, then a new one is made.
    EXPECT_TRUE(QTest::qWaitFor([&] {
        view->render(&image);
        return view->Renderer().DevicePixelRatio() == 2.0;
    }));
    EXPECT_TRUE(view->Renderer().GemSymbols() &&
                view->Renderer().BannerBacking());  // as stored, at the new scale too
    // Left of the board (x < 400) the margin repeats the board's own pixels
    // four tiles further right.
    for (const QPoint p : {QPoint(0, 1300), QPoint(143, 1390), QPoint(399, 1390)}) {
        EXPECT_EQ(image.pixel(p), image.pixel(p + QPoint(4 * TileImage(2.0).width(), 0))) << p.x();
    }
}

TEST_F(ViewTest, ARememberedWindowPlaceOpensWhollyOnTheScreenShowingMostOfIt) {
    const QList<QRect> screens = {{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}};
    const QMargins frame(2, 30, 2, 2);
    const struct {
        QRect saved, opened;
    } cases[] = {
        {{100, 50, 768, 738}, {100, 50, 768, 738}},      // inside: as left
        {{2900, 500, 768, 738}, {2428, 254, 768, 738}},  // half off the second: pulled in
        {{1500, 900, 768, 738}, {1148, 310, 768, 738}},  // across both, more on the first
        {{2000, 10, 1500, 1200}, {1920, 0, 1276, 992}},  // larger than its screen: shrunk
        {{3180, 1010, 800, 700}, {558, 174, 800, 700}},  // too little to grab: centred
        {{-900, 100, 800, 700}, {558, 174, 800, 700}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PlaceOnScreens(c.saved, frame, screens, screens[0]), c.opened) << c.saved.x();
    }
    // A place near the integer limit, as a damaged file may hold, opens centred.
    settings.CreateKey(kWindowKey);
    for (const auto& [name, value] :
         {std::pair{"Left", 2147483000u}, {"Top", 10u}, {"Width", 800u}, {"Height", 700u}}) {
        WriteSettingDword(kWindowKey, name, value);
    }
    EXPECT_EQ(PlaceOnScreens(ReadWindowPlacement().geometry, frame, screens, screens[0]),
              QRect(558, 174, 800, 700));
}

}  // namespace
