#include "shell/view/frame_pacer.h"

#include <QScreen>
#include <algorithm>
#include <cmath>
#include <utility>

CFramePacer::CFramePacer(QObject* parent, std::function<void()> frame) : QObject(parent) {
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, std::move(frame));
}

int CFramePacer::IntervalFor(qreal hz) {
    // A screen that reports no rate, or nonsense, gets the common 60 Hz.
    const qreal rate = std::isfinite(hz) && hz > 0 ? std::clamp<qreal>(hz, 30, 240) : 60;
    return static_cast<int>(1000 / rate);
}

void CFramePacer::Run(bool moving, const QScreen* screen) {
    if (!moving) {
        timer_.stop();
        return;
    }
    const int interval = IntervalFor(screen != nullptr ? screen->refreshRate() : 60);
    if (!timer_.isActive() || timer_.interval() != interval) {
        timer_.start(interval);
    }
}
