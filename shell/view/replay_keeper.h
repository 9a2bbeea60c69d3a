#pragma once
// Where the replays of the games played here go: the game finished last is
// kept as the last game, and a game that enters the table keeps its replay
// with its entry. The board model makes the replays; this only shelves them.

#include <string>

#include "shell/view/replay_shelf.h"

class CReplayKeeper {
  public:
    CReplayKeeper();

    // A recorded game is over or gone: its replay is the last game now.
    void KeepLastGame(const std::string& replay);
    bool HasLastGame() const { return shelf_.Has(shelf_.LastGamePath()); }
    CReplayShelf& Shelf() { return shelf_; }

  private:
    CReplayShelf shelf_;
};
