#include "tools/robot/robot_player.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <vector>

namespace {

// Wheel angles tried for one gem: this many steps either way, a half turn in all.
constexpr int kAimSteps = 48;
constexpr double kAimStep = kPi / kAimSteps;
// The gem's position just before contact lies one step further out; a few
// pixels is what a step covers at every difficulty.
constexpr double kApproachLead = 3.0;

int SectorOf(double angle) {
    // Sector k is centred on k x 60 degrees.
    const int k = static_cast<int>(std::floor((angle + kPi / 6.0) / (kPi / 3.0)));
    return ((k % 6) + 6) % 6;
}

// Steps from the centre to the cell.
int HexDistance(Cell c) {
    return std::max({std::abs(c.a), std::abs(c.b), std::abs(c.a + c.b)});
}

double SquaredRadius(Cell c) {
    const CellPoint p = CellCentre(c);
    return p.x * p.x + p.y * p.y;
}

}  // namespace

CRobotPlayer::CRobotPlayer(std::uint32_t seed, RobotStyle style)
    : style_(style),
      random_(seed),
      builder_(static_cast<std::int32_t>(seed % 3)),
      seen_(kCellCount, 0) {}

std::optional<Cell> CRobotPlayer::PredictLanding(const CGame& game, double r, double theta,
                                                 double wheelAngle) {
    // Work in the wheel frame, where the cluster stands still and the gem
    // comes in along the ray at theta - wheelAngle.
    const double alpha = theta - wheelAngle;
    const double ux = std::cos(alpha);
    const double uy = std::sin(alpha);
    const CGem* touched = nullptr;
    double contactAt = -std::numeric_limits<double>::infinity();
    game.lattice.ForEach([&](const CGem* g) {
        const CellPoint c = CellCentre({g->cellA, g->cellB});
        const double along = c.x * ux + c.y * uy;
        const double disc = along * along - (c.x * c.x + c.y * c.y) + kContactSquared;
        if (disc <= 0.0) {
            return;
        }
        const double root = std::sqrt(disc);
        if (along - root >= r) {
            return;  // the gem has already passed it
        }
        const double s = std::min(r, along + root);
        if (s > contactAt) {
            contactAt = s;
            touched = g;
        }
    });
    if (touched == nullptr) {
        return std::nullopt;
    }
    const Cell from{touched->cellA, touched->cellB};
    const CellPoint c = CellCentre(from);
    const double s = std::min(r, contactAt + kApproachLead);
    double approach = std::atan2(s * uy - c.y, s * ux - c.x);
    if (approach < 0.0) {
        approach += kTwoPi;
    }
    // The facing neighbour first, then alternately one up and one down.
    const int k = SectorOf(approach);
    for (const int turn : {0, 1, -1, 2, -2, 3}) {
        const Cell cell = from + Directions[static_cast<std::size_t>((k + turn + 6) % 6)];
        if (CellInRange(cell) && game.GemAt(cell) == nullptr) {
            return cell;
        }
    }
    return std::nullopt;
}

double CRobotPlayer::Value(const CGame& game, const CGem& gem, Cell landing) const {
    const double r2 = SquaredRadius(landing);
    const double cells = std::sqrt(r2) / 26.0;
    if (gem.colour == kBombColour) {
        // A bomb is best spent far out, where it takes many gems.
        double value = cells;
        for (const Cell offset : NeighbourOffsets) {
            const CGem* n = game.GemAt(landing + offset);
            if (n != nullptr && n != game.centre) {
                value += 3.0;
            }
        }
        return value;
    }
    if (style_.reckless) {
        return cells;
    }
    if (r2 >= kOverflowSquared) {
        return -1.0e6;
    }
    // Rings come from chains that reach round the centre. One colour, the
    // builder, works on the innermost ring of cells still free of other
    // colours; the others keep off that ring and out of its way. A chain of
    // any colour that would shut the centre in beats everything.
    const ChainReach reach = Reach(game, landing, gem.colour);
    double value = 1.5 * reach.neighbours - cells;
    if (reach.sectors == 6 && ShutsCentreIn()) {
        value += 100.0;
    }
    const bool onTarget = HexDistance(landing) == plan_.targetRing;
    if (gem.colour == builder_) {
        value += 3.0 * reach.sectors + (onTarget ? 6.0 : 0.0);
    } else if (onTarget) {
        value -= 20.0;
    } else {
        for (const Cell offset : NeighbourOffsets) {
            const Cell n = landing + offset;
            if (HexDistance(n) == plan_.targetRing && game.GemAt(n) == nullptr) {
                value -= 8.0;
                break;
            }
        }
    }
    return value;
}

int CRobotPlayer::TargetRing(const CGame& game) const {
    for (int k = 1; k < 12; ++k) {
        bool free = true;
        for (int a = -k; a <= k && free; ++a) {
            for (int b = -k; b <= k && free; ++b) {
                const Cell c{a, b};
                const CGem* g = HexDistance(c) == k ? game.GemAt(c) : nullptr;
                free = g == nullptr || g->colour == builder_;
            }
        }
        if (free) {
            return k;
        }
    }
    return 0;
}

CRobotPlayer::ChainReach CRobotPlayer::Reach(const CGame& game, Cell landing,
                                             std::int32_t colour) const {
    ++epoch_;
    ChainReach reach;
    unsigned sectorMask = 0;
    std::vector<Cell> stack{landing};
    seen_[static_cast<std::size_t>(CellIndex(landing))] = epoch_;
    while (!stack.empty()) {
        const Cell c = stack.back();
        stack.pop_back();
        const CellPoint p = CellCentre(c);
        double angle = std::atan2(p.y, p.x);
        if (angle < 0.0) {
            angle += kTwoPi;
        }
        sectorMask |= 1u << SectorOf(angle);
        for (const Cell offset : NeighbourOffsets) {
            const Cell n = c + offset;
            const CGem* g = game.GemAt(n);
            if (g == nullptr || g->colour != colour ||
                seen_[static_cast<std::size_t>(CellIndex(n))] == epoch_) {
                continue;
            }
            if (c == landing) {
                ++reach.neighbours;
            }
            seen_[static_cast<std::size_t>(CellIndex(n))] = epoch_;
            stack.push_back(n);
        }
    }
    reach.sectors = std::popcount(sectorMask);
    return reach;
}

bool CRobotPlayer::ShutsCentreIn() const {
    // The chain just walked carries the current epoch; fill from the centre
    // with the next one and see whether the rim is reached.
    const std::uint32_t chain = epoch_;
    const std::uint32_t filled = ++epoch_;
    std::vector<Cell> stack{{0, 0}};
    seen_[static_cast<std::size_t>(CellIndex({0, 0}))] = filled;
    while (!stack.empty()) {
        const Cell c = stack.back();
        stack.pop_back();
        for (const Cell offset : NeighbourOffsets) {
            const Cell n = c + offset;
            if (SquaredRadius(n) >= kRimSquared) {
                return false;
            }
            std::uint32_t& mark = seen_[static_cast<std::size_t>(CellIndex(n))];
            if (mark == chain || mark == filled) {
                continue;
            }
            mark = filled;
            stack.push_back(n);
        }
    }
    return true;
}

void CRobotPlayer::MakePlan(const CGame& game, const CGem* target) {
    const Polar p = ToPolar(target->x, target->y);
    double best = -std::numeric_limits<double>::infinity();
    plan_.wheelAngle = game.wheelAngle;
    plan_.targetRing = TargetRing(game);
    std::vector<std::pair<Cell, double>> judged;
    // Nearest angles first, so that among equal choices the shortest turn wins.
    for (int i = 0; i <= 2 * kAimSteps; ++i) {
        const int k = (i % 2 == 0) ? i / 2 : -(i + 1) / 2;
        const double angle = game.wheelAngle + k * kAimStep;
        const std::optional<Cell> landing = PredictLanding(game, p.r, p.theta, angle);
        if (!landing) {
            continue;
        }
        // Many angles lead to the same cell; judge each cell once.
        const auto known = std::find_if(judged.begin(), judged.end(),
                                        [&](const auto& j) { return j.first == *landing; });
        const double value = known != judged.end() ? known->second : Value(game, *target, *landing);
        if (known == judged.end()) {
            judged.emplace_back(*landing, value);
        }
        if (value > best) {
            best = value;
            plan_.wheelAngle = angle;
        }
    }
}

RobotMove CRobotPlayer::Decide(const CGame& game) {
    RobotMove move;
    move.wheelAngle = game.wheelAngle;

    const CGem* target = nullptr;
    double nearest = std::numeric_limits<double>::infinity();
    bool bombFalling = false;
    game.falling.ForEach([&](const CGem* g) {
        bombFalling = bombFalling || g->colour == kBombColour;
        const double r2 = g->x * g->x + g->y * g->y;
        if (r2 < nearest) {
            nearest = r2;
            target = g;
        }
    });

    const int latticeCount = game.lattice.Count();
    if (target != plan_.target || latticeCount != plan_.latticeCount) {
        if (target != plan_.target) {
            std::bernoulli_distribution aim(style_.aimChance);
            plan_.aimed = target != nullptr && aim(random_);
        }
        plan_.target = target;
        plan_.latticeCount = latticeCount;
        plan_.wheelAngle = game.wheelAngle;
        if (plan_.aimed) {
            MakePlan(game, target);
        }
    }
    const double turn =
        std::clamp(plan_.wheelAngle - game.wheelAngle, -style_.maxTurn, style_.maxTurn);
    move.wheelAngle = game.wheelAngle + turn;

    if (game.bombs > 0 && !bombFalling) {
        double outermost = 0.0;
        game.lattice.ForEach([&](const CGem* g) {
            outermost = std::max(outermost, SquaredRadius({g->cellA, g->cellB}));
        });
        std::bernoulli_distribution now(style_.bombChance);
        move.dropBomb = outermost > style_.crowdedRadius * style_.crowdedRadius || now(random_);
    }
    return move;
}
