#pragma once
// Which stuck gems a falling gem at a point may touch, found without working
// out where every stuck gem stands at the wheel's angle (a square root, an
// arc cosine, a sine and a cosine each, after every turn of the wheel).
//
// Distances do not change when the wheel turns: a stuck gem within contact
// distance of the point on screen lies within it of the point turned back
// into the wheel frame, where stuck gems sit on the centres of their cells,
// so only the few cells around that point can hold one. And a stuck gem's
// distance from the centre is the same at every angle, so one whose distance
// differs from the point's by the contact distance or more cannot touch it.
// Both tests leave a margin far beyond any rounding, and only say which gems
// need the contact test; the test itself is the rules' own, to the bit.

#include <array>

struct CGem;

struct ContactCandidates {
    // Squared distance from the centre, as a stuck gem is turned (one closer
    // than a pixel turns at a pixel).
    static double RadiusSquared(double x, double y);

    // A stuck gem whose distance from the centre may let it touch.
    bool InBand(const CGem& gem) const;

    // The gems of the cells around the point, in no particular order; none
    // when nothing is within reach.
    std::array<const CGem*, 8> gems{};
    int count = 0;
    // No cells to go by: every gem in the band must be tested.
    bool walk = false;
    double inner2 = 0.0;
    double outer2 = -1.0;
};
