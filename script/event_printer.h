#pragma once
// What the runner prints as JSON Lines: the game's events as they happen,
// and its whole state.

#include <iosfwd>
#include <string>

#include "game/game.h"

class CEventPrinter : public IGameObserver {
  public:
    explicit CEventPrinter(std::ostream& out) : out_(out) {}

    void OnDrop(const CGem& gem) override;
    void OnSnap(const CGem& gem) override;
    void OnLost(const CGem& gem) override;
    void OnRing(unsigned gems) override;
    void OnBomb(Cell landing, unsigned destroyed) override;
    void OnOver() override;

  private:
    std::ostream& out_;
};

// The `state` line for a game (without the newline).
std::string GameStateJson(const CGame& game);
