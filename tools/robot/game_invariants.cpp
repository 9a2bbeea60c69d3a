#include "tools/robot/game_invariants.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "game/game_clock.h"

namespace {

// Appended piece by piece: GCC 12 at -O3 sees a false overlap (-Wrestrict)
// in `"(" + std::to_string(...)`.
std::string CellText(std::int32_t a, std::int32_t b) {
    std::string text = "(";
    text += std::to_string(a);
    text += ", ";
    text += std::to_string(b);
    text += ')';
    return text;
}

// A gem's links agree with its neighbours' links.
bool LinksHold(const CGem* g) {
    return g->next != nullptr && g->prev != nullptr && g->next->prev == g && g->prev->next == g;
}

}  // namespace

CGameInvariants::CGameInvariants(CGame& game) : game_(game) {
    game_.observer = this;
    expectedBombs_ = game_.bombs;
    scoreSeen_ = game_.score;
}

CGameInvariants::~CGameInvariants() {
    if (game_.observer == this) {
        game_.observer = nullptr;
    }
}

void CGameInvariants::OnSnap(const CGem& gem) {
    (void)gem;
    ++gemsStuck_;
    marksBeforeSnap_ = marks_;
    marks_ = Marks::CheckedNoRing;
    lastEventWasSnap_ = true;
}

void CGameInvariants::OnLost(const CGem& gem) {
    (void)gem;
    ++gemsLost_;
    lastEventWasSnap_ = false;
}

void CGameInvariants::OnRing(unsigned gems) {
    ++rings_;
    ringGems_ += gems;
    lastRing_ = gems;
    marks_ = Marks::Ring;
    lastEventWasSnap_ = false;
}

void CGameInvariants::OnBomb(Cell landing, unsigned destroyed) {
    (void)landing;
    (void)destroyed;
    ++bombsStruck_;
    marks_ = Marks::Bomb;
    lastEventWasSnap_ = false;
}

void CGameInvariants::OnOver() {
    // A gem that sticks too far out ends the game before any ring check.
    if (lastEventWasSnap_) {
        marks_ = marksBeforeSnap_;
    }
    lastEventWasSnap_ = false;
}

std::string CGameInvariants::Check(std::int64_t now) {
    ++checks_;
    lastEventWasSnap_ = false;
    for (const std::string& broken :
         {CheckLattice(), CheckLists(), CheckScoreAndBombs(), CheckMarks(), CheckTime(now)}) {
        if (!broken.empty()) {
            return broken;
        }
    }
    return {};
}

std::string CGameInvariants::CheckLattice() const {
    const CGame& g = game_;
    if (g.lattice.IsEmpty() || g.lattice.Head() != g.centre) {
        return "the central gem is not the first lattice gem";
    }
    const CGem* c = g.centre;
    if (c->cellA != 0 || c->cellB != 0 || c->x != 0.0 || c->y != 0.0 ||
        c->colour != kCentreColour || c->exploding != 0) {
        return "the central gem left (0, 0): now at " + CellText(c->cellA, c->cellB);
    }
    std::size_t inLattice = 0;
    std::string broken;
    g.lattice.ForEach([&](const CGem* gem) {
        ++inLattice;
        if (!broken.empty()) {
            return;
        }
        const Cell cell{gem->cellA, gem->cellB};
        const char* wrong = nullptr;
        if (cell == NoCell || !CellInRange(cell)) {
            wrong = "a lattice gem carries no cell: ";
        } else if (g.cellGem[CellIndex(cell)] != gem) {
            wrong = "a lattice gem does not occupy its cell ";
        } else if (CellCentre(cell).x != gem->x || CellCentre(cell).y != gem->y ||
                   gem->orientation != 0.0) {
            wrong = "a lattice gem is off its cell centre ";
        } else if (gem->exploding != 0) {
            wrong = "a lattice gem is marked exploding at ";
        } else if (gem != g.centre && (gem->colour < 0 || gem->colour > 2)) {
            wrong = "a lattice gem has a colour other than 0, 1, 2 at ";
        } else if (!g.over && gem->x * gem->x + gem->y * gem->y >= kOverflowSquared) {
            wrong = "a gem stuck beyond 296 pixels and the game goes on: ";
        }
        if (wrong != nullptr) {
            broken = wrong + CellText(cell.a, cell.b);
        }
    });
    if (!broken.empty()) {
        return broken;
    }
    // Each lattice gem holds its own cell, so equal counts mean every
    // occupied cell names a lattice gem.
    std::size_t occupied = 0;
    for (const CGem* p : g.cellGem) {
        occupied += p != nullptr ? 1 : 0;
    }
    if (occupied != inLattice) {
        return std::to_string(occupied) + " cells occupied but " + std::to_string(inLattice) +
               " gems in the lattice";
    }
    return {};
}

std::string CGameInvariants::CheckLists() const {
    // No gem is in two lists: a lattice gem holds a cell and is not exploding,
    // a falling gem holds no cell, an exploding gem is marked exploding, so
    // with those fields checked no gem can sit in two of the lists; within
    // one list a second appearance would break the links.
    const CGame& g = game_;
    std::string broken;
    g.lattice.ForEach([&](const CGem* gem) {
        if (broken.empty() && !LinksHold(gem)) {
            broken = "broken links in the lattice list";
        }
    });
    if (g.pending == nullptr) {
        return "no pending gem";
    }
    if (Cell{g.pending->cellA, g.pending->cellB} != NoCell || g.pending->next != nullptr) {
        return "the pending gem carries a cell or a link";
    }
    g.falling.ForEach([&](const CGem* gem) {
        if (!broken.empty()) {
            return;
        }
        const double r = std::sqrt(gem->x * gem->x + gem->y * gem->y);
        if (!LinksHold(gem)) {
            broken = "broken links in the falling list";
        } else if (gem == g.pending) {
            broken = "the pending gem is already falling";
        } else if (Cell{gem->cellA, gem->cellB} != NoCell) {
            broken = "a falling gem carries the cell " + CellText(gem->cellA, gem->cellB);
        } else if (gem->exploding != 0) {
            broken = "a falling gem is marked exploding";
        } else if (!(r <= kStartRadius + 1e-9)) {
            broken = "a falling gem is outside the wheel: r = " + std::to_string(r);
        } else if (gem->colour != kBombColour && (gem->colour < 0 || gem->colour > 2)) {
            broken = "a falling gem has colour " + std::to_string(gem->colour);
        }
    });
    const std::int64_t now = GameClock::Now();
    g.exploding.ForEach([&](const CGem* gem) {
        if (!broken.empty()) {
            return;
        }
        const Cell cell{gem->cellA, gem->cellB};
        if (!LinksHold(gem)) {
            broken = "broken links in the exploding list";
        } else if (gem->exploding != 1) {
            broken = "a gem of the exploding list is not marked exploding";
        } else if (CellInRange(cell) && g.cellGem[CellIndex(cell)] == gem) {
            broken = "an exploding gem still occupies " + CellText(cell.a, cell.b);
        } else if (gem->explodedAt > now) {
            broken = "an explosion started in the future";
        }
    });
    return broken;
}

std::string CGameInvariants::CheckScoreAndBombs() {
    const CGame& g = game_;
    const auto expected =
        static_cast<std::uint32_t>(gemsStuck_ * kStickPoints + ringGems_ * kRingPoints);
    if (g.score != expected) {
        std::ostringstream s;
        s << "score " << g.score << " but " << gemsStuck_ << " gems stuck and " << ringGems_
          << " ring gems make " << expected;
        return s.str();
    }
    expectedBombs_ -= static_cast<std::int64_t>(bombsDropped_ - bombsDroppedSeen_);
    bombsDroppedSeen_ = bombsDropped_;
    const std::int64_t passed = g.score / kBombScoreStep - scoreSeen_ / kBombScoreStep;
    scoreSeen_ = g.score;
    expectedBombs_ = std::min<std::int64_t>(kMaxBombs, expectedBombs_ + passed);
    if (g.bombs != expectedBombs_ || g.bombs < 0 || g.bombs > kMaxBombs) {
        return "bombs " + std::to_string(g.bombs) + ", expected " + std::to_string(expectedBombs_);
    }
    if (g.score < UINT32_MAX - kBombScoreStep &&
        g.nextBombScore != (g.score / kBombScoreStep + 1) * kBombScoreStep) {
        return "next bomb at " + std::to_string(g.nextBombScore) + " with score " +
               std::to_string(g.score);
    }
    return {};
}

std::string CGameInvariants::CheckMarks() const {
    const CGame& g = game_;
    unsigned marked = 0;
    for (const std::uint8_t flags : g.cellFlags) {
        marked += (flags & ChainMark) != 0 ? 1u : 0u;
    }
    switch (marks_) {
        case Marks::Clear:
        case Marks::CheckedNoRing:
            if (marked != 0) {
                return std::to_string(marked) + " chain marks left after a check without a ring";
            }
            return {};
        case Marks::Ring:
            if (marked != lastRing_) {
                return "a ring of " + std::to_string(lastRing_) + " left " +
                       std::to_string(marked) + " marks";
            }
            break;
        case Marks::Bomb:
            break;
    }
    // What a ring or a bomb marked has left its cells (the centre excepted).
    for (int i = 0; i < kCellCount; ++i) {
        const CGem* gem = g.cellGem[static_cast<std::size_t>(i)];
        if ((g.cellFlags[static_cast<std::size_t>(i)] & ChainMark) != 0 && gem != nullptr &&
            gem != g.centre) {
            return "a marked gem survived its explosion at " + CellText(gem->cellA, gem->cellB);
        }
    }
    return {};
}

std::string CGameInvariants::CheckTime(std::int64_t now) {
    const CGame& g = game_;
    if (g.over && !g.paused) {
        return "the game is over but not paused";
    }
    if (!g.paused && !g.started) {
        return "the game runs but has not started";
    }
    std::string broken;
    if (timeSeen_ && now < nowSeen_) {
        broken = "game time ran backwards from " + std::to_string(nowSeen_) + " to " +
                 std::to_string(now);
    } else if (timeSeen_ && pausedSeen_ && g.paused && now != nowSeen_) {
        broken = "game time moved from " + std::to_string(nowSeen_) + " to " + std::to_string(now) +
                 " while paused";
    }
    timeSeen_ = true;
    pausedSeen_ = g.paused;
    nowSeen_ = now;
    return broken;
}
