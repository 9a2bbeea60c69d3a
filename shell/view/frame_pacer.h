#pragma once
// The pace of the board's repaints while something on it moves: a precise
// timer at the screen's refresh rate, idle while nothing moves. Not
// QWindow::requestUpdate, which on X11 (Qt 6.4) is a 5 ms timer rather than
// the display's rate.

#include <QObject>
#include <QTimer>
#include <functional>

class QScreen;

class CFramePacer : public QObject {
  public:
    CFramePacer(QObject* parent, std::function<void()> frame);

    // Milliseconds from one frame to the next on a screen that refreshes
    // `hz` times a second, kept between 30 and 240 frames a second: a frame
    // at least as often as the screen shows one.
    static int IntervalFor(qreal hz);
    // Frames while something moves, at the rate of `screen` (60 Hz when
    // there is none).
    void Run(bool moving, const QScreen* screen);
    bool Running() const { return timer_.isActive(); }

  private:
    QTimer timer_;
};
