#include "game/polar.h"

#include <cmath>

Polar ToPolar(double x, double y) {
    double r = std::sqrt(x * x + y * y);
    if (r < 1.0) {
        r = 1.0;
    }
    double theta = std::acos(x / r);
    if (y < 0) {
        theta = kTwoPi - theta;
    }
    return {r, theta};
}

Point2 FromPolar(Polar p) {
    return {p.r * std::cos(p.theta), p.r * std::sin(p.theta)};
}

double ReduceAngle(double theta) {
    if (!std::isfinite(theta)) {
        return 0.0;
    }
    constexpr double kManyTurns = 1.0e6;
    if (theta > kManyTurns || theta < -kManyTurns) {
        theta = std::fmod(theta, kTwoPi);
    }
    while (theta < 0) {
        theta += kTwoPi;
    }
    while (theta > kTwoPi) {
        theta -= kTwoPi;
    }
    return theta;
}
