#include "tools/robot/robot_player.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace {

int HexDistance(Cell c) {
    return std::max({std::abs(c.a), std::abs(c.b), std::abs(c.a + c.b)});
}

double Radius(Cell c) {
    const CellPoint p = CellCentre(c);
    return std::sqrt(p.x * p.x + p.y * p.y);
}

// Where a gem falling from `from` would stick with the wheel at `wheel`, or
// NoCell. In the wheel frame the cluster stands still and the gem comes in
// along a ray; the first gem on the ray, and the game's own snapping rule from
// a few pixels (a step) before contact, give the cell. A gem that grazes a
// corner may end up one cell off.
Cell Landing(const CGame& game, Polar from, double wheel) {
    const double ux = std::cos(from.theta - wheel);
    const double uy = std::sin(from.theta - wheel);
    const CGem* touched = nullptr;
    double contact = -1.0;
    game.lattice.ForEach([&](const CGem* g) {
        const double along = g->x * ux + g->y * uy;
        // No root (NaN, and no contact) when the ray passes the gem by.
        const double root = std::sqrt(along * along - g->x * g->x - g->y * g->y + kContactSquared);
        if (along - root < from.r && std::min(from.r, along + root) > contact) {
            contact = std::min(from.r, along + root);
            touched = g;
        }
    });
    // The same point on the screen as the game sees it at its own angle.
    const Point2 p =
        FromPolar({std::min(from.r, contact + 3.0), from.theta - wheel + game.wheelAngle});
    CGem probe;
    probe.x = p.x;
    probe.y = p.y;
    // Writes only the touched gem's cached screen position, as the game would.
    return touched ? game.FindFreeCell(&probe, const_cast<CGem*>(touched)) : NoCell;
}

}  // namespace

double CRobotPlayer::Value(const CGame& game, std::int32_t colour, Cell cell) const {
    const double r = Radius(cell);
    const double out = r / 26.0;  // in cells
    if (colour == kBombColour || style_.reckless || r * r >= kOverflowSquared) {
        // Bombs far out, where they take many gems; a gem that far ends the game.
        return colour == kBombColour || style_.reckless ? out : -1.0e6;
    }
    int same = 0;
    bool besideRing = false;
    for (const Cell offset : NeighbourOffsets) {
        const CGem* n = game.GemAt(cell + offset);
        same += n != nullptr && n->colour == colour ? 1 : 0;
        besideRing = besideRing || (n == nullptr && HexDistance(cell + offset) == ring_);
    }
    const bool onRing = HexDistance(cell) == ring_;
    return 1.5 * same - out +
           (colour == builder_ ? 6.0 * onRing
            : onRing           ? -20.0
                               : -8.0 * besideRing);
}

RobotMove CRobotPlayer::Decide(const CGame& game) {
    // All gems fall alike: the first in the list is the nearest the centre.
    const CGem* target = game.falling.IsEmpty() ? nullptr : game.falling.Head();
    bool bombFalls = false;
    game.falling.ForEach([&](const CGem* g) { bombFalls |= g->colour == kBombColour; });
    double outermost = 0.0;
    unsigned spoilt = 0;  // rings of cells holding another colour than the builder's
    game.lattice.ForEach([&](const CGem* g) {
        outermost = std::max(outermost, Radius({g->cellA, g->cellB}));
        spoilt |=
            g->colour != builder_ ? 1u << std::min(HexDistance({g->cellA, g->cellB}), 31) : 0u;
    });
    if (target != target_ || game.lattice.Count() != latticeCount_) {
        aimed_ = target == target_
                     ? aimed_
                     : target && std::bernoulli_distribution(style_.aimChance)(random_);
        target_ = target;
        latticeCount_ = game.lattice.Count();
        ring_ = std::countr_one(spoilt);
        aim_ = game.wheelAngle;
        // A half turn in 97 angles, nearest first: among equal values the shortest turn wins.
        double best = -1.0e9;
        for (int i = 0; aimed_ && i <= 96; ++i) {
            const double tried = game.wheelAngle + (i % 2 == 0 ? i / 2 : -(i + 1) / 2) * kPi / 48;
            const Cell cell = Landing(game, ToPolar(target->x, target->y), tried);
            const double value = cell == NoCell ? -1.0e9 : Value(game, target->colour, cell);
            aim_ = value > best ? tried : aim_;
            best = std::max(best, value);
        }
    }
    const double turn = std::clamp(aim_ - game.wheelAngle, -style_.maxTurn, style_.maxTurn);
    return {game.wheelAngle + turn,
            game.bombs > 0 && !bombFalls &&
                (outermost > 220.0 || std::bernoulli_distribution(style_.bombChance)(random_))};
}
