#pragma once
// How pointer and mouse-wheel input turn the wheel. Shared by the game view and
// the headless runner so both turn it to the same last bit.

#include <cmath>
#include <cstdint>

#include "game/polar.h"

// The default wheel step, in millionths of a radian per wheel unit: one
// 120-unit notch then turns the wheel by 0.05 radian.
inline constexpr double kDefaultWheelStep = 1250.0 / 3.0;

// The angle of a client point around the wheel centre, in [0, 2pi); the
// centre itself gives pi/2.
inline double PointerAngle(std::int32_t x, std::int32_t y, std::int32_t centreX,
                           std::int32_t centreY) {
    return ToPolar(static_cast<double>(x - centreX), static_cast<double>(y - centreY)).theta;
}

// Radians per wheel unit from the stored MouseWheelSpeed, read as a signed
// number (a negative one reverses the wheel); 0 means the default.
inline double WheelSpeedFromSetting(std::uint32_t stored) {
    double step = static_cast<double>(static_cast<std::int32_t>(stored));
    if (step == 0.0) {
        step = kDefaultWheelStep;
    }
    return step * 1e-6;
}

// The step in millionths that the Options slider shows for a wheel step,
// truncated toward zero (the default 1250/3 shows as 416). A stored whole
// number read back through WheelSpeedFromSetting can come out a hair below
// itself (25 as 24.999999999999996); the nudge keeps it whole, so OK with
// nothing touched stores what was read.
inline std::int32_t WheelStepShown(double speed) {
    const double millionths = speed * 1e6;
    return static_cast<std::int32_t>(millionths + std::copysign(1e-6, millionths));
}

// The wheel angle after a wheel message of the given delta (120 a notch,
// positive away from the user).
inline double WheelTurn(double wheelAngle, std::int32_t delta, double speed, bool clockwise) {
    const double step = static_cast<double>(delta) * speed;
    return clockwise ? wheelAngle + step : wheelAngle - step;
}

// A press of Left or Right turns the wheel by a fixed step, a finer one with
// Shift; auto-repeat then turns it steadily at the platform's key rate.
inline constexpr double kKeyTurnStep = kPi / 60.0;
inline constexpr double kFineKeyTurnStep = kPi / 240.0;

// The wheel angle after one key turn; clockwise on screen is Right.
inline double KeyTurn(double wheelAngle, bool clockwise, bool fine) {
    const double step = fine ? kFineKeyTurnStep : kKeyTurnStep;
    return clockwise ? wheelAngle + step : wheelAngle - step;
}
