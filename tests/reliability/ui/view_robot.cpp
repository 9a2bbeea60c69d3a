#include "view_robot.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <cmath>

#include "game/board_centre.h"

CViewRobot::CViewRobot(CTorvaneView& view, CManualClockCounter& clock, std::uint32_t seed,
                       RobotStyle style)
    : view_(view), clock_(clock), robot_(seed, style) {}

void CViewRobot::Mouse(int type, QPoint pos) {
    const auto kind = static_cast<QEvent::Type>(type);
    const bool move = kind == QEvent::MouseMove;
    const Qt::MouseButtons held =
        kind == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
    QMouseEvent event(kind, QPointF(pos), view_.mapToGlobal(QPointF(pos)),
                      move ? Qt::NoButton : Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(&view_, &event);
}

QPoint CViewRobot::OnCircle(double angle) const {
    return {boardCentreX + static_cast<int>(std::lround(250.0 * std::cos(angle))),
            boardCentreY + static_cast<int>(std::lround(250.0 * std::sin(angle)))};
}

void CViewRobot::Step() {
    CGame& game = *view_.game;
    if (!game.paused) {
        const RobotMove move = robot_.Decide(game);
        const double turn = move.wheelAngle - game.wheelAngle;
        if (std::abs(turn) > 0.004) {  // about a pixel at the grip
            // Grip the wheel straight below the centre and drag round.
            constexpr double kGrip = kHalfPi;
            Mouse(QEvent::MouseButtonPress, OnCircle(kGrip));
            Mouse(QEvent::MouseMove, OnCircle(kGrip + turn));
            Mouse(QEvent::MouseButtonRelease, OnCircle(kGrip + turn));
        }
        if (move.dropBomb && view_.game.get() == &game && !game.over) {
            QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
            QApplication::sendEvent(&view_, &space);
        }
    }
    clock_.counter += 66;
    clock_.tickCount += 66;
    view_.OnTimer();
}
