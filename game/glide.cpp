#include <algorithm>
#include <cmath>
#include <limits>

#include "game/game.h"

double CGame::ContactTravel(const CGem& gem) const {
    // The gem moves along t * (cos theta, sin theta) with t falling from r,
    // the very points a step computes. It is within reach of a stuck gem at
    // q while t^2 - 2 b t + c < 0, b = u.q, c = |q|^2 - 21^2: between the
    // roots b -/+ sqrt(b^2 - c).
    const Polar p = ToPolar(gem.x, gem.y);
    const double ux = std::cos(p.theta);
    const double uy = std::sin(p.theta);
    double travel = std::numeric_limits<double>::infinity();
    for (const CGem* g = lattice.Head(); g != lattice.End(); g = g->next) {
        const Point2 q = ScreenPosition(g);
        const double b = ux * q.x + uy * q.y;
        const double d = b * b - (q.x * q.x + q.y * q.y - kContactSquared);
        if (d <= 0) {
            continue;
        }
        const double outer = b + std::sqrt(d);
        if (outer < p.r) {
            travel = std::min(travel, p.r - outer);
        } else if (b - std::sqrt(d) < p.r) {
            return 0.0;
        }
    }
    return travel;
}

Point2 CGame::GlidePosition(const CGem& gem, std::int64_t now) const {
    if (over) {
        return {gem.x, gem.y};
    }
    // The step's own arithmetic, so that at the step's instant the gem is
    // drawn to the last bit where the step puts it (a game's first step
    // moves nothing, yet goes through the polar form). A step tests only
    // where a gem ends up: one that grazes a stuck gem on its way goes on.
    const std::int64_t elapsed =
        lastStepTime != 0 ? std::max<std::int64_t>(now - lastStepTime, 0) : 0;
    const Polar p = ToPolar(gem.x, gem.y);
    const double travel = static_cast<double>(elapsed) * fallSpeed;
    const Point2 moved = FromPolar({p.r - travel, p.theta});
    if (TouchedGem(moved.x, moved.y) == nullptr) {
        return moved;
    }
    return FromPolar({p.r - std::min(travel, ContactTravel(gem)), p.theta});
}
