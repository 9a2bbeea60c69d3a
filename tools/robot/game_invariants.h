#pragma once
// The rules that must hold between any two operations of a game, checked from
// outside: the lattice and its cells, the three lists, the score against what
// the game reported through its observer hook, bombs, marks and game time.

#include <cstdint>
#include <string>

#include "game/game.h"

class CGameInvariants : public IGameObserver {
  public:
    // Watches a game that has just been built from the settings (one bomb,
    // score 0). Attaches itself as the game's observer.
    explicit CGameInvariants(CGame& game);
    ~CGameInvariants() override;
    CGameInvariants(const CGameInvariants&) = delete;
    CGameInvariants& operator=(const CGameInvariants&) = delete;

    // The first broken rule, or the empty string. `now` is the game clock.
    std::string Check(std::int64_t now);

    // The player dropped a bomb: one fewer in hand.
    void BombDropped() { ++bombsDropped_; }

    std::uint64_t checks() const { return checks_; }
    std::uint64_t gemsStuck() const { return gemsStuck_; }
    std::uint64_t ringGems() const { return ringGems_; }
    std::uint64_t rings() const { return rings_; }
    std::uint64_t bombsStruck() const { return bombsStruck_; }
    std::uint64_t gemsLost() const { return gemsLost_; }

    // Rules checked by one Check.
    static constexpr int kRulesPerCheck = 9;

    void OnSnap(const CGem& gem) override;
    void OnLost(const CGem& gem) override;
    void OnRing(unsigned gems) override;
    void OnBomb(Cell landing, unsigned destroyed) override;
    void OnOver() override;

  private:
    // What last touched the chain marks.
    enum class Marks { Clear, CheckedNoRing, Ring, Bomb };

    std::string CheckLattice() const;
    std::string CheckLists() const;
    std::string CheckScoreAndBombs();
    std::string CheckMarks() const;
    std::string CheckTime(std::int64_t now);

    CGame& game_;
    std::uint64_t checks_ = 0;
    std::uint64_t gemsStuck_ = 0;
    std::uint64_t ringGems_ = 0;
    std::uint64_t rings_ = 0;
    std::uint64_t bombsStruck_ = 0;
    std::uint64_t gemsLost_ = 0;
    std::uint64_t bombsDropped_ = 0;
    unsigned lastRing_ = 0;

    Marks marks_ = Marks::Clear;
    Marks marksBeforeSnap_ = Marks::Clear;
    bool lastEventWasSnap_ = false;

    std::uint32_t scoreSeen_ = 0;
    std::int64_t expectedBombs_ = 1;
    std::uint64_t bombsDroppedSeen_ = 0;

    bool timeSeen_ = false;
    bool pausedSeen_ = false;
    std::int64_t nowSeen_ = 0;
};
