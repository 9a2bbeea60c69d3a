#include "game/contact_reach.h"

#include <algorithm>
#include <cmath>

#include "game/game.h"

namespace {

// Far more than every rounding between exact distances and the ones the
// contact test computes (parts in 10^16 of distances of at most a couple of
// thousand pixels, and of the turned angle up to kWideAngle), and too little
// to let in a gem that cannot touch.
constexpr double kMargin = 1.0 / 1024.0;
// A wheel angle this large keeps fewer bits of a stuck gem's own angle than
// the margin allows for once added to it: then the cells say nothing.
constexpr double kWideAngle = 1048576.0;
// The contact distance, 21 pixels.
const double kContactDistance = std::sqrt(kContactSquared);
// Around the point in the wheel frame: the central gem, on the centre, turns
// at a pixel from it.
const double kCellReach = kContactDistance + 1.0 + kMargin;

}  // namespace

double ContactCandidates::RadiusSquared(double x, double y) {
    return std::max(x * x + y * y, 1.0);
}

bool ContactCandidates::InBand(const CGem& gem) const {
    const double r2 = RadiusSquared(gem.x, gem.y);
    return r2 >= inner2 && r2 <= outer2;
}

void CGame::MeasureReach() const {
    reach_.appends = lattice.Appends();
    reach_.placements = placements_;
    reach_.radius2 = 0.0;
    reach_.onCells = true;
    int held = 0;
    lattice.ForEach([&](const CGem* g) {
        reach_.radius2 = std::max(reach_.radius2, ContactCandidates::RadiusSquared(g->x, g->y));
        const Cell c{g->cellA, g->cellB};
        const CellPoint centre = CellCentre(c);
        reach_.onCells = reach_.onCells && CellInRange(c) && GemAt(c) == g && g->x == centre.x &&
                         g->y == centre.y;
        ++held;
    });
    const double beyond = std::sqrt(reach_.radius2) + kContactDistance + 2.0 * kMargin;
    reach_.beyond2 = beyond * beyond;
    // And no cell holds a gem that has left the lattice.
    const auto cellsHeld = std::count(cellGem.begin(), cellGem.end(), nullptr);
    reach_.onCells = reach_.onCells && kCellCount - cellsHeld == held;
}

ContactCandidates CGame::ContactCandidatesAt(double x, double y) const {
    if (reach_.appends != lattice.Appends() || reach_.placements != placements_) {
        MeasureReach();
    }
    ContactCandidates near;
    const double r2 = x * x + y * y;
    // Beyond the cluster's reach (and a point that is not finite touches
    // nothing either).
    if (!(r2 <= reach_.beyond2)) {
        return near;
    }
    const double r = std::sqrt(r2);
    const double inner = r - kContactDistance - kMargin;
    const double outer = r + kContactDistance + kMargin;
    near.inner2 = inner > 0.0 ? inner * inner : 0.0;
    near.outer2 = outer * outer;
    if (!reach_.onCells || !(std::fabs(wheelAngle) < kWideAngle)) {
        near.walk = true;
        return near;
    }
    if (reach_.angle != wheelAngle) {
        reach_.angle = wheelAngle;
        reach_.cos = std::cos(wheelAngle);
        reach_.sin = std::sin(wheelAngle);
    }
    // The point turned back by the wheel's angle, then the cells whose
    // centres (26a + 13b, 22b) lie within reach of it.
    const double wx = x * reach_.cos + y * reach_.sin;
    const double wy = y * reach_.cos - x * reach_.sin;
    const auto bFirst = static_cast<std::int32_t>(std::ceil((wy - kCellReach) / 22.0));
    const auto bLast = static_cast<std::int32_t>(std::floor((wy + kCellReach) / 22.0));
    for (std::int32_t b = bFirst; b <= bLast; ++b) {
        const double along = wx - 13.0 * b;
        const auto aFirst = static_cast<std::int32_t>(std::ceil((along - kCellReach) / 26.0));
        const auto aLast = static_cast<std::int32_t>(std::floor((along + kCellReach) / 26.0));
        for (std::int32_t a = aFirst; a <= aLast; ++a) {
            const Cell c{a, b};
            if (CellInRange(c) && GemAt(c) != nullptr) {
                // Six cells at most lie so near a point; should more ever be
                // found, the walk finds them all the same.
                if (near.count == static_cast<int>(near.gems.size())) {
                    near.walk = true;
                    return near;
                }
                near.gems[near.count++] = GemAt(c);
            }
        }
    }
    return near;
}
