#include <vector>

#include "game/game.h"
#include "game/game_clock.h"
#include "game/sound.h"

// The chain walk and the fill are depth-first searches written with an
// explicit stack: same visiting order as the recursive form, no risk to the
// call stack however large the cluster grows.

namespace {

enum class Entry { Escaped, Closed, Open };

// Walks depth first from an entered cell, in neighbour order, entering each
// neighbour through `enter`: an open cell is explored before the next
// neighbour, a closed one is not. True as soon as a cell reports an escape.
template <typename Enter>
bool WalkFrom(Cell start, Enter enter) {
    struct Frame {
        Cell cell;
        int nextOffset;
    };
    std::vector<Frame> stack{{start, 0}};
    while (!stack.empty()) {
        Frame& top = stack.back();
        if (top.nextOffset == 6) {
            stack.pop_back();
            continue;
        }
        const Cell c = top.cell + NeighbourOffsets[top.nextOffset++];
        switch (enter(c)) {
            case Entry::Escaped:
                return true;
            case Entry::Closed:
                break;
            case Entry::Open:
                stack.push_back({c, 0});
                break;
        }
    }
    return false;
}

}  // namespace

void CGame::CheckRing(CGem* gem) {
    ClearMarks(ChainMark);
    MarkChain(gem, gem->colour);
    if (EncirclesCentre()) {
        PlayCue(kExplodeCue, 0);
        const unsigned gems = CountMarked(ChainMark);
        if (observer != nullptr) {
            observer->OnRing(gems);
        }
        AddScore(kRingPoints * gems);
        ExplodeMarked();
    } else {
        ClearMarks(ChainMark);
    }
}

void CGame::MarkChain(CGem* gem, std::int32_t colour) {
    const Cell first{gem->cellA, gem->cellB};
    if (HasMark(first, ChainMark)) {
        return;
    }
    // The first cell is marked whatever its gem's colour.
    SetMark(first, ChainMark);
    WalkFrom(first, [&](Cell c) {
        const CGem* n = GemAt(c);
        if (n == nullptr || n->colour != colour || HasMark(c, ChainMark)) {
            return Entry::Closed;
        }
        SetMark(c, ChainMark);
        return Entry::Open;
    });
}

bool CGame::EncirclesCentre() {
    ClearMarks(ReachedMark);
    return !Escapes({0, 0});
}

bool CGame::Escapes(Cell start) {
    // Entering a cell: an escape when it is a rim cell, closed when already
    // reached or held by the chain, else marked reached and explored.
    auto enter = [this](Cell c) {
        const CellPoint p = CellCentre(c);
        if (p.x * p.x + p.y * p.y >= kRimSquared) {
            return Entry::Escaped;
        }
        if (HasMark(c, ReachedMark)) {
            return Entry::Closed;
        }
        SetMark(c, ReachedMark);
        const CGem* g = GemAt(c);
        if (g != nullptr && HasMark({g->cellA, g->cellB}, ChainMark)) {
            return Entry::Closed;
        }
        return Entry::Open;
    };
    switch (enter(start)) {
        case Entry::Escaped:
            return true;
        case Entry::Closed:
            return false;
        case Entry::Open:
            break;
    }
    return WalkFrom(start, enter);
}

void CGame::ExplodeMarked() {
    lattice.ForEach([this](CGem* gem) {
        if (gem != centre && HasMark({gem->cellA, gem->cellB}, ChainMark)) {
            CGemList::Unlink(gem);
            StartExplosion(gem);
        }
    });
}

void CGame::StartExplosion(CGem* gem) {
    const Cell c{gem->cellA, gem->cellB};
    if (GemAt(c) == gem) {
        SetGemAt(c, nullptr);
    }
    gem->exploding = 1;
    gem->explodedAt = GameClock::Now();
    exploding.Append(gem);
}

void CGame::RetireExplosions(std::int64_t shownAt) {
    exploding.ForEach([&](CGem* gem) {
        if (gem->exploding == 1 && shownAt - gem->explodedAt >= kExplosionMs) {
            CGemList::Unlink(gem);
            DiscardGem(gem);
        }
    });
}
