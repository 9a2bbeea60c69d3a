#pragma once
// The rules that must hold between any two operations of a game, checked from
// outside: the lattice and its cells, the three lists, the score against what
// the game reported through its observer hook, bombs, chain marks and game time.

#include <cstdint>
#include <string>

#include "game/game.h"

class CGameInvariants : public IGameObserver {
  public:
    // Watches a game just built from the settings; attaches itself as its observer.
    explicit CGameInvariants(CGame& game);
    ~CGameInvariants() override;

    // The first broken rule, or the empty string. `now` is the game clock.
    std::string Check(std::int64_t now);

    void OnSnap(const CGem&) override { ++stuck; }
    void OnRing(unsigned gems) override { ++rings, ringGems += gems; }
    void OnBomb(Cell, unsigned) override { ++bombsStruck; }

    // What happened so far; the player counts the bombs it dropped.
    std::uint64_t stuck = 0, rings = 0, ringGems = 0, bombsStruck = 0, bombsDropped = 0;

  private:
    CGame& game_;
    std::int64_t bombs_;  // expected in hand
    std::uint64_t dropsSeen_ = 0;
    std::uint32_t scoreSeen_;
    std::int64_t nowSeen_ = INT64_MIN;
    bool pausedSeen_ = false;
};
