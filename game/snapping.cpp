#include "game/game.h"
#include "game/sound.h"

namespace {

// For each approach sector, the neighbours to try: the one facing the gem
// first, then alternately the next one up and down, the opposite one last.
constexpr Cell kSnapOrder[6][6] = {
    {{1, 0}, {0, 1}, {1, -1}, {-1, 1}, {0, -1}, {-1, 0}},
    {{0, 1}, {-1, 1}, {1, 0}, {-1, 0}, {1, -1}, {0, -1}},
    {{-1, 1}, {-1, 0}, {0, 1}, {0, -1}, {1, 0}, {1, -1}},
    {{-1, 0}, {0, -1}, {-1, 1}, {1, -1}, {0, 1}, {1, 0}},
    {{0, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {0, 1}},
    {{1, -1}, {1, 0}, {0, -1}, {0, 1}, {-1, 0}, {-1, 1}},
};

// The sector bounds as exact doubles: a gem arriving exactly on a bound (from
// straight below, say) must pick the same cell on every machine.
constexpr double kSectorBounds[6] = {
    0.5235987755982988, 1.5707963267948966, 2.6179938779914944,
    3.665191429188092,  4.71238898038469,   5.759586531581287,
};

int SectorOf(double theta) {
    for (int k = 0; k < 6; ++k) {
        if (theta < kSectorBounds[k]) {
            return k;
        }
    }
    return 0;
}

}  // namespace

const CGem* CGame::TouchedGem(double x, double y) const {
    const auto touches = [this, x, y](const CGem* g) {
        const Point2 q = ScreenPosition(g);
        const double dx = x - q.x;
        const double dy = y - q.y;
        return dx * dx + dy * dy < kContactSquared;
    };
    // Only the few stuck gems near (x, y) can touch it; when one of them
    // does, it is the first. Several touching, or no cells to find them
    // by, the lattice is walked, leaving out the gems that cannot touch.
    const ContactCandidates near = ContactCandidatesAt(x, y);
    const CGem* touched = nullptr;
    int touching = 0;
    for (int i = 0; i < near.count; ++i) {
        if (touches(near.gems[i])) {
            touched = near.gems[i];
            ++touching;
        }
    }
    if (touching < 2 && !near.walk) {
        return touched;
    }
    for (const CGem* g = lattice.Head(); g != lattice.End(); g = g->next) {
        if (near.InBand(*g) && touches(g)) {
            return g;
        }
    }
    return nullptr;
}

bool CGame::TestContact(CGem* gem, double x, double y) {
    // One of this game's own lattice gems, found by a scan that changes nothing.
    CGem* touched = const_cast<CGem*>(TouchedGem(x, y));
    if (touched == nullptr) {
        return false;
    }
    CGemList::Unlink(gem);
    if (gem->colour == kBombColour) {
        BombHit(gem, touched);
    } else {
        SnapIn(gem, touched);
    }
    return true;
}

void CGame::SnapIn(CGem* gem, CGem* touched) {
    PlayCue(kSnapCue, kCueNoStop);
    const Cell cell = FindFreeCell(gem, touched);
    if (cell == NoCell) {
        if (observer != nullptr) {
            observer->OnLost(*gem);
        }
        DiscardGem(gem);
        return;
    }
    PlaceGem(gem, cell);
    lattice.Append(gem);
    if (observer != nullptr) {
        observer->OnSnap(*gem);
    }
    AddScore(kStickPoints);
    if (gem->x * gem->x + gem->y * gem->y >= kOverflowSquared) {
        EndGame();
        return;
    }
    CheckRing(gem);
}

Cell CGame::FindFreeCell(const CGem* gem, CGem* touched) const {
    const Point2 q = ScreenPosition(touched);
    const double theta = ReduceAngle(ToPolar(gem->x - q.x, gem->y - q.y).theta - wheelAngle);
    const Cell from{touched->cellA, touched->cellB};
    for (const Cell offset : kSnapOrder[SectorOf(theta)]) {
        const Cell c = from + offset;
        if (CellInRange(c) && GemAt(c) == nullptr) {
            return c;
        }
    }
    return NoCell;
}
