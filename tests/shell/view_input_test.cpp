// The game view turns the pointer, the mouse wheel, the space bar, a
// double-click in the bomb box and the timer into game operations.
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <cmath>

#include "game/board_centre.h"
#include "game/polar.h"
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

    // A double-click as the window system delivers it: press, release,
    // double-click, release.
    void DoubleClick(QPoint pos) {
        Press(pos);
        Release(pos);
        Mouse(QEvent::MouseButtonDblClick, pos);
        Release(pos);
    }

    // Returns whether the view kept the wheel event for itself.
    // The buttons the pointer holds, as the window system tracks them.
    Qt::MouseButtons held = Qt::NoButton;

    bool Wheel(int delta) {
        QWheelEvent event(QPointF(Centre()), view->mapToGlobal(QPointF(Centre())), QPoint(),
                          QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view.get(), &event);
        return event.isAccepted();
    }

    void Type(const QString& text) {
        QKeyEvent event(QEvent::KeyPress, text == " " ? Qt::Key_Space : Qt::Key_A, Qt::NoModifier,
                        text);
        QApplication::sendEvent(view.get(), &event);
    }

    // The point at the given angle, 200 pixels out from the centre.
    QPoint OnCircle(double angle) const {
        return Centre() + QPoint(static_cast<int>(std::lround(200 * std::cos(angle))),
                                 static_cast<int>(std::lround(200 * std::sin(angle))));
    }
};

TEST_F(ViewInputTest, PressOnAWaitingGameNeitherGrabsNorTurns) {
    MakeView();
    ASSERT_TRUE(view->game->paused);
    Press(OnCircle(0.0));
    EXPECT_FALSE(view->dragging);
    Move(OnCircle(1.0));
    EXPECT_EQ(view->game->wheelAngle, 0.0);
}

TEST_F(ViewInputTest, PressOnTheCentreGrabsWithAPointerAngleOfHalfPi) {
    MakeView();
    view->game->Resume();
    view->game->wheelAngle = 1.0;
    Press(Centre());
    EXPECT_TRUE(view->dragging);
    EXPECT_DOUBLE_EQ(view->grabOffset, 1.0 - kHalfPi);
}

TEST_F(ViewInputTest, DraggingFollowsThePointerAndAFullTurnReturnsTheAngle) {
    MakeView();
    view->game->Resume();
    view->game->wheelAngle = 0.3;
    Press(OnCircle(0.5));
    Move(OnCircle(1.5));
    EXPECT_NEAR(view->game->wheelAngle, 1.3, 0.01);
    for (int step = 1; step <= 36; ++step) {
        Move(OnCircle(0.5 + step * kTwoPi / 36));
    }
    EXPECT_NEAR(std::remainder(view->game->wheelAngle - 0.3, kTwoPi), 0.0, 1e-9);
    Release(OnCircle(0.5));
    EXPECT_FALSE(view->dragging);
    Move(OnCircle(2.5));
    EXPECT_NEAR(std::remainder(view->game->wheelAngle - 0.3, kTwoPi), 0.0, 1e-9);
}

TEST_F(ViewInputTest, ADragHeldThroughAPauseGoesOnWithTheOldGrabWhenPlayResumes) {
    MakeView();
    view->game->Resume();
    Press(OnCircle(0.0));
    view->game->Pause();
    Move(OnCircle(1.0));
    EXPECT_EQ(view->game->wheelAngle, 0.0);
    view->game->Resume();
    Move(OnCircle(1.0));
    EXPECT_NEAR(view->game->wheelAngle, 1.0, 0.01);
}

TEST_F(ViewInputTest, WheelNotchTurnsByTheStoredStepAndDirection) {
    MakeView();
    view->game->Resume();
    Wheel(120);
    EXPECT_NEAR(view->game->wheelAngle, -0.05, 1e-12);

    settings.Write(kSettingsKey, "MouseWheelClockwise", SettingValue::Dword(1));
    MakeView();
    view->game->Resume();
    Wheel(120);
    EXPECT_NEAR(view->game->wheelAngle, 0.05, 1e-12);
    // Fine-grained wheels turn by proportionally smaller steps.
    Wheel(12);
    EXPECT_NEAR(view->game->wheelAngle, 0.055, 1e-12);
}

TEST_F(ViewInputTest, WheelIsPassedOnWhetherItTurnedTheWheelOrNot) {
    MakeView();
    EXPECT_FALSE(Wheel(120));
    EXPECT_EQ(view->game->wheelAngle, 0.0);
    view->game->Resume();
    EXPECT_FALSE(Wheel(120));
    EXPECT_NE(view->game->wheelAngle, 0.0);
}

TEST_F(ViewInputTest, SpaceDropsABombOnlyWhileRunning) {
    MakeView();
    Type(" ");
    EXPECT_EQ(view->game->bombs, 1);
    view->game->Resume();
    Type("x");
    EXPECT_EQ(view->game->bombs, 1);
    Type(" ");
    EXPECT_EQ(view->game->bombs, 0);
    EXPECT_EQ(view->game->falling.Count(), 1);
    // With no bomb left, space does nothing.
    Type(" ");
    EXPECT_EQ(view->game->falling.Count(), 1);
}

TEST_F(ViewInputTest, DoubleClickDropsABombOnlyInsideTheBombBoxWhileRunning) {
    MakeView();
    DoubleClick({8, 5});
    EXPECT_EQ(view->game->bombs, 1);
    view->game->Resume();
    DoubleClick({182, 20});
    DoubleClick({100, 49});
    EXPECT_EQ(view->game->bombs, 1);
    DoubleClick({8, 5});
    EXPECT_EQ(view->game->bombs, 0);
}

TEST_F(ViewInputTest, RightButtonDoesNothing) {
    MakeView();
    view->game->Resume();
    Mouse(QEvent::MouseButtonPress, OnCircle(0.0), Qt::RightButton);
    EXPECT_FALSE(view->dragging);
}

TEST_F(ViewInputTest, LockedInputIgnoresThePlayerButNotTheTimer) {
    MakeView();
    view->game->Resume();
    view->inputLocked = true;
    Press(OnCircle(0.0));
    EXPECT_FALSE(view->dragging);
    Wheel(120);
    Type(" ");
    DoubleClick({20, 20});
    EXPECT_EQ(view->game->wheelAngle, 0.0);
    EXPECT_EQ(view->game->bombs, 1);

    // The first tick drops the first gem at the rim; later ones move it.
    view->OnTimer();
    ASSERT_EQ(view->game->falling.Count(), 1);
    const double startY = view->game->falling.Head()->y;
    Advance(500);
    view->OnTimer();
    EXPECT_NE(view->game->falling.Head()->y, startY);
}

TEST_F(ViewInputTest, ReleaseEndsADragEvenWhileLocked) {
    MakeView();
    view->game->Resume();
    Press(OnCircle(0.0));
    view->inputLocked = true;
    Release(OnCircle(0.0));
    EXPECT_FALSE(view->dragging);
}

TEST_F(ViewInputTest, DragWhoseReleaseWentElsewhereEndsAtTheNextMove) {
    MakeView();
    view->game->Resume();
    Press(OnCircle(0.0));
    held = Qt::NoButton;  // released over another window
    Move(OnCircle(1.0));
    EXPECT_FALSE(view->dragging);
    EXPECT_EQ(view->game->wheelAngle, 0.0);
}

TEST_F(ViewInputTest, TimerLeavesAPausedGameAlone) {
    MakeView();
    view->OnTimer();
    EXPECT_EQ(view->game->falling.Count(), 0);
}

TEST_F(ViewInputTest, FirstPaintSetsTheWheelCentreFromTheClientArea) {
    MakeView();
    EXPECT_TRUE(view->initialised);
    EXPECT_EQ(view->clientRect.right, kWidth);
    EXPECT_EQ(view->clientRect.bottom, kHeight);
    EXPECT_EQ(boardCentreX, kWidth / 2);
    EXPECT_EQ(boardCentreY, kHeight / 2);
    ASSERT_NE(view->renderer, nullptr);
}

}  // namespace
