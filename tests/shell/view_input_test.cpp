// The game view turns the pointer, the mouse wheel, the space bar, a
// double-click in the bomb box and its timer into game operations.
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>
#include <cmath>

#include "game/polar.h"
#include "tutorial/core/scenarios.h"
#include "view_fixture.h"

namespace {

class ViewInputTest : public ViewFixture {
  protected:
    void Mouse(QEvent::Type type, QPoint pos, Qt::MouseButton button = Qt::LeftButton) {
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
            held |= button;
        } else if (type == QEvent::MouseButtonRelease) {
            held &= ~Qt::MouseButtons(button);
        }
        QMouseEvent event(type, QPointF(pos), view->mapToGlobal(QPointF(pos)),
                          type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
        QApplication::sendEvent(view.get(), &event);
    }
    void Press(QPoint pos) { Mouse(QEvent::MouseButtonPress, pos); }
    void Move(QPoint pos) { Mouse(QEvent::MouseMove, pos); }
    void Release(QPoint pos) { Mouse(QEvent::MouseButtonRelease, pos); }
    // As the window system delivers it: press, release, double-click, release.
    void DoubleClick(QPoint pos) {
        Press(pos);
        Release(pos);
        Mouse(QEvent::MouseButtonDblClick, pos);
        Release(pos);
    }

    // Returns whether the view kept the wheel event for itself.
    bool Wheel(int delta) {
        QWheelEvent event(QPointF(Centre()), view->mapToGlobal(QPointF(Centre())), QPoint(),
                          QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view.get(), &event);
        return event.isAccepted();
    }

    // The point at the given angle, 200 pixels out from the centre.
    QPoint OnCircle(double angle) const {
        return Centre() + QPoint(static_cast<int>(std::lround(200 * std::cos(angle))),
                                 static_cast<int>(std::lround(200 * std::sin(angle))));
    }

    double Angle() const { return view->game->wheelAngle; }

    // The buttons the pointer holds, as the window system tracks them.
    Qt::MouseButtons held = Qt::NoButton;
};

TEST_F(ViewInputTest, DragFollowsThePointerAngleAndAFullTurnReturnsTheAngle) {
    MakeView();
    view->game->Resume();
    view->game->wheelAngle = 1.0;
    Press(Centre());  // the centre reads as pi/2
    EXPECT_DOUBLE_EQ(view->grabOffset, 1.0 - kHalfPi);
    Release(Centre());

    view->game->wheelAngle = 0.3;
    Press(OnCircle(0.5));
    Move(OnCircle(1.5));
    EXPECT_NEAR(Angle(), 1.3, 0.01);
    for (int step = 1; step <= 36; ++step) {
        Move(OnCircle(0.5 + step * kTwoPi / 36));
    }
    EXPECT_NEAR(std::remainder(Angle() - 0.3, kTwoPi), 0.0, 1e-9);
    Release(OnCircle(0.5));
    Move(OnCircle(2.5));
    EXPECT_NEAR(std::remainder(Angle() - 0.3, kTwoPi), 0.0, 1e-9);
}

TEST_F(ViewInputTest, DragEndsOnAReleaseWhileLockedOrOneThatWentElsewhere) {
    MakeView();
    view->game->Resume();
    Press(OnCircle(0.0));
    view->inputLocked = true;
    Release(OnCircle(0.0));
    EXPECT_FALSE(view->dragging);

    view->inputLocked = false;
    Press(OnCircle(0.0));
    held = Qt::NoButton;  // released over another window
    Move(OnCircle(1.0));
    EXPECT_FALSE(view->dragging);
    EXPECT_EQ(Angle(), 0.0);
}

TEST_F(ViewInputTest, DragHeldThroughAPauseGoesOnWithTheOldGrabWhenPlayResumes) {
    MakeView();
    view->game->Resume();
    Press(OnCircle(0.0));
    view->game->Pause();
    Move(OnCircle(1.0));
    EXPECT_EQ(Angle(), 0.0);
    view->game->Resume();
    Move(OnCircle(1.0));
    EXPECT_NEAR(Angle(), 1.0, 0.01);
}

TEST_F(ViewInputTest, WheelNotchTurnsByTheStoredStepAndDirectionAndIsPassedOn) {
    MakeView();
    view->game->Resume();
    EXPECT_FALSE(Wheel(120));
    EXPECT_NEAR(Angle(), -0.05, 1e-12);

    settings.Write(kSettingsKey, "MouseWheelClockwise", SettingValue::Dword(1));
    MakeView();
    view->game->Resume();
    Wheel(120);
    EXPECT_NEAR(Angle(), 0.05, 1e-12);
    Wheel(12);  // fine-grained wheels turn by proportionally smaller steps
    EXPECT_NEAR(Angle(), 0.055, 1e-12);
}

TEST_F(ViewInputTest, SpaceAndDoubleClickInTheBombBoxDropBombsWhileRunning) {
    MakeView();
    view->game->Resume();
    view->game->bombs = 2;
    DoubleClick({182, 20});
    DoubleClick({100, 49});
    QTest::keyClick(view.get(), 'x');
    EXPECT_EQ(view->game->bombs, 2);
    DoubleClick({8, 5});
    EXPECT_EQ(view->game->bombs, 1);
    QTest::keyClick(view.get(), ' ');
    EXPECT_EQ(view->game->bombs, 0);
    EXPECT_EQ(view->game->falling.Count(), 2);
}

TEST_F(ViewInputTest, PlayerInputDoesNothingWhileTheGameWaitsOrInputIsLocked) {
    for (const bool locked : {false, true}) {
        MakeView();
        if (locked) {
            view->game->Resume();
            view->inputLocked = true;
        }
        Press(OnCircle(0.0));
        EXPECT_FALSE(view->dragging);
        Move(OnCircle(1.0));
        EXPECT_FALSE(Wheel(120));
        QTest::keyClick(view.get(), ' ');
        DoubleClick({8, 5});
        EXPECT_EQ(Angle(), 0.0);
        EXPECT_EQ(view->game->bombs, 1);
    }
    view->inputLocked = false;
    Mouse(QEvent::MouseButtonPress, OnCircle(0.0), Qt::RightButton);
    EXPECT_FALSE(view->dragging);
}

TEST_F(ViewInputTest, TimerTicksARunningGameEvenWithInputLockedButNotAPausedOne) {
    MakeView();
    view->OnTimer();
    EXPECT_EQ(view->game->falling.Count(), 0);

    view->game->Resume();
    view->inputLocked = true;
    view->OnTimer();  // the first tick drops the first gem at the rim
    ASSERT_EQ(view->game->falling.Count(), 1);
    const double startY = view->game->falling.Head()->y;
    Advance(500);
    view->OnTimer();
    EXPECT_NE(view->game->falling.Head()->y, startY);
}

TEST_F(ViewInputTest, RingClosesUnderTheTimerWithItsCuesAndScore) {
    MakeView();
    PrepareScenarioOrientations();
    view->game = std::make_unique<CGame>(&SixAround);
    view->OnPausePlay();
    // The timer as the event loop runs it, every 66 ms, painting each time.
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    for (int t = 0; t < 10000; t += 66) {
        Advance(66);
        view->OnTimer();
        view->render(&image);
    }
    EXPECT_EQ(view->game->score, 460u);
    ASSERT_EQ(sound.requests.size(), 2u);
    EXPECT_EQ(sound.requests[0].cue, kSnapCue);
    EXPECT_EQ(sound.requests[0].flags, kCueNoStop);
    EXPECT_EQ(sound.requests[1].cue, kExplodeCue);
    // The ring's explosion was drawn to its end: the centre and six others stay.
    EXPECT_EQ(view->game->lattice.Count(), 7);
    EXPECT_EQ(view->game->exploding.Count(), 0);
}

}  // namespace
