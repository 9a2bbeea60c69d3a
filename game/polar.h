#pragma once
// Polar coordinates shared by motion, contact tests, drawing and the pointer
// angle. Angles are radians from +x toward +y (clockwise on screen).

struct Polar {
    double r;
    double theta;
};

struct Point2 {
    double x;
    double y;
};

inline constexpr double kPi = 3.141592653589793;
inline constexpr double kTwoPi = 6.283185307179586;
inline constexpr double kHalfPi = 1.5707963267948966;

// The radius never comes out below 1, so the origin reads as (1, pi/2).
Polar ToPolar(double x, double y);
Point2 FromPolar(Polar p);
inline Polar RotatePolar(Polar p, double angle) {
    return {p.r, p.theta + angle};
}

// Brings an angle into [0, 2pi] by whole turns, adding or subtracting 2pi one
// turn at a time so that ordinary angles come out to the last bit as the
// rules compute them. Absurdly large angles are first cut down with fmod so
// that no input can stall the game; non-finite ones give 0.
double ReduceAngle(double theta);
