#pragma once
// The recording of the game on the board. Every game played in the view is
// recorded; once it is over or replaced, its recording becomes its replay,
// kept as the last game and handed to the high-score entry it makes. A game
// that is not recorded (a tutorial page's) has none.

#include <cstdint>
#include <optional>
#include <string>

#include "script/replay_recorder.h"
#include "shell/view/replay_shelf.h"

class CGame;

class CGameRecording {
  public:
    CGameRecording();

    // A game has just been made from the settings, from the random state
    // `seed`; it is recorded from now on.
    void Begin(const CGame& game, std::uint32_t seed);
    // A game kept when the program ended goes on, and so does its recording.
    void Continue(const CGame& game, RecordingSoFar soFar);
    // The game is kept to go on with at the next start: it leaves no replay.
    void Leave() { recorder_.Drop(); }
    // What the view does to the game, as the recorder wants to hear of it.
    CReplayRecorder& Recorder() { return recorder_; }

    // The game is over or goes: its replay is kept as the last game. True
    // when this made the replay (a recorded game ended just now).
    bool Finish(const CGame& game);
    // A game that is not recorded takes the board.
    void Forget() { replay_.reset(); }
    // The replay of the game finished last, empty when it has none.
    std::string Replay() const { return replay_.value_or(std::string()); }

    bool HasLastGame() const { return hasLastGame_; }
    CReplayShelf& Shelf() { return shelf_; }

  private:
    CReplayRecorder recorder_;
    CReplayShelf shelf_;
    std::optional<std::string> replay_;
    bool hasLastGame_ = false;
};
