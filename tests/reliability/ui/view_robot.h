#pragma once
// The robot player at the real game view: it turns the wheel by dragging with
// the mouse, drops bombs with the space bar and lets time pass through the
// view's timer handler, with the game clock under its control.

#include <QPoint>
#include <cstdint>

#include "game/game_clock.h"
#include "shell/torvane_view.h"
#include "tools/robot/robot_player.h"

class CViewRobot {
  public:
    CViewRobot(CTorvaneView& view, CManualClockCounter& clock, std::uint32_t seed,
               RobotStyle style);

    // One timer message's worth: a decision, the input it needs, 66 ms of
    // time and the timer handler.
    void Step();

  private:
    void Mouse(int type, QPoint pos);
    QPoint OnCircle(double angle) const;

    CTorvaneView& view_;
    CManualClockCounter& clock_;
    CRobotPlayer robot_;
};
