#include "tools/robot/game_invariants.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

CGameInvariants::CGameInvariants(CGame& game)
    : game_(game), bombs_(game.bombs), scoreSeen_(game.score) {
    game_.observer = this;
}

CGameInvariants::~CGameInvariants() {
    game_.observer = game_.observer == this ? nullptr : game_.observer;
}

std::string CGameInvariants::Check(std::int64_t now) {
    const CGame& g = game_;
    std::string broken;
    // Keeps the first broken rule, with where the gem concerned stands.
    auto need = [&](bool holds, const char* rule, const CGem* gem = nullptr) {
        if (!holds && broken.empty()) {
            char where[64] = "";
            if (gem != nullptr) {
                std::snprintf(where, sizeof where, " at %.2f, %.2f", gem->x, gem->y);
            }
            broken = std::string(rule) + where;
        }
        return holds;
    };
    auto linked = [](const CGem* gem) {
        return gem->next && gem->prev && gem->next->prev == gem && gem->prev->next == gem;
    };
    auto held = [&](const CGem* gem) {
        const Cell cell{gem->cellA, gem->cellB};
        return CellInRange(cell) && cell != NoCell && g.cellGem[CellIndex(cell)] == gem;
    };

    // The lattice: the centre first, every gem on its own cell's centre, nothing else on a cell.
    const CGem* c = g.centre;
    need(g.lattice.Head() == c && c->cellA == 0 && c->cellB == 0 && c->x == 0.0 && c->y == 0.0 &&
             c->colour == kCentreColour,
         "the central gem left the centre or the head of the lattice");
    long inLattice = 0;
    g.lattice.ForEach([&](const CGem* gem) {
        const CellPoint centre = CellCentre({gem->cellA, gem->cellB});
        need(linked(gem) && held(gem) && centre.x == gem->x && centre.y == gem->y &&
                 gem->orientation == 0.0 && gem->exploding == 0,
             "a lattice gem is off its cell or exploding", gem);
        need(gem == c || (gem->colour >= 0 && gem->colour <= 2), "a gem of no colour stuck", gem);
        need(g.over || gem->x * gem->x + gem->y * gem->y < kOverflowSquared,
             "a gem stuck beyond 296 pixels and the game goes on", gem);
        // A ring or bomb explodes its whole chain; a chain that closed nothing is unmarked.
        need(gem == c || !held(gem) || !g.HasMark({gem->cellA, gem->cellB}, ChainMark),
             "a marked gem survived", gem);
        ++inLattice;
    });
    need(std::count(g.cellGem.begin(), g.cellGem.end(), nullptr) + inLattice == kCellCount,
         "cells held and lattice gems differ in number");

    // The pending gem, the falling and the exploding lists.
    const CGem* p = g.pending;
    need(p && p->cellA == NoCell.a && p->cellB == NoCell.b && !p->next, "a bad pending gem");
    g.falling.ForEach([&](const CGem* gem) {
        need(linked(gem) && gem != p && gem->cellA == NoCell.a && gem->cellB == NoCell.b &&
                 gem->exploding == 0 && std::hypot(gem->x, gem->y) <= kStartRadius + 1e-9 &&
                 ((gem->colour >= 0 && gem->colour <= 2) || gem->colour == kBombColour),
             "a falling gem is pending, placed, exploding, off the wheel or of no colour", gem);
    });
    g.exploding.ForEach([&](const CGem* gem) {
        need(linked(gem) && !held(gem) && gem->exploding == 1 && gem->explodedAt <= now,
             "an exploding gem is unlinked, on its cell, unmarked or from the future", gem);
    });

    // Score and bombs, from what the observer hook reported.
    need(g.score == stuck * kStickPoints + ringGems * kRingPoints,
         "the score is not 10 per gem stuck and 75 per ring gem");
    const std::int64_t thresholds = g.score / kBombScoreStep - scoreSeen_ / kBombScoreStep;
    bombs_ = std::min<std::int64_t>(
        kMaxBombs, bombs_ - static_cast<std::int64_t>(bombsDropped - dropsSeen_) + thresholds);
    dropsSeen_ = bombsDropped;
    scoreSeen_ = g.score;
    need(g.bombs == bombs_,
         "bombs in hand: not one, plus one per 4000 points up to five, less drops");
    need(g.score >= UINT32_MAX - kBombScoreStep ||
             g.nextBombScore == (g.score / kBombScoreStep + 1) * kBombScoreStep,
         "the next bomb is not due at the next multiple of 4000 points");

    // Game time.
    need(g.paused ? !pausedSeen_ || now == nowSeen_ : g.started && !g.over,
         "the game runs unstarted or over, or its time moves while paused");
    need(now >= nowSeen_, "game time ran backwards");
    nowSeen_ = now;
    pausedSeen_ = g.paused;
    return broken;
}
