#pragma once
// Records a game as the game view plays it, as a replay: a torvane-sim script
// that the runner plays to the same state. The player's commands are played
// through it and written as the lines they make; what else changes the game
// (the difficulty, the end of a game, a pause the player did not ask for) it
// reads from the game's flags and fields.
//
// Instants are the game clock's readings. The runner takes them as its real
// time, so a replayed game runs on the game's own times and a pause lasts no
// time at all in the replay. A timer tick is written only when the game
// stepped, with the instant the step used (`lastStepTime`): a tick that did
// not step changed nothing.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/player_command.h"

class CGame;

// A recording to go on with: a game kept when the program ended, brought
// back at the next start.
struct RecordingSoFar {
    // The script lines, without the replay's header and closing `state`.
    std::string lines;
    // The instant its last `at` line names.
    std::int64_t lastInstant = 0;
    // The difficulty at the start, then every change.
    std::vector<std::uint32_t> difficulties;
    // As CReplayRecorder::Begin was given them.
    std::uint32_t game = 0;
    std::string daily;
};

class CReplayRecorder {
  public:
    // A game has just been made from the settings; `seed` is the random
    // state it was made from, its number. `daily` is the date (YYYY-MM-DD)
    // of a daily game. Any recording in progress is dropped.
    void Begin(const CGame& game, std::uint32_t seed, std::string daily = {});
    // Goes on recording `game`, which the runner has played from `so far`
    // and which stands as that recording left it.
    void Continue(const CGame& game, RecordingSoFar soFar);
    // Stops recording and keeps nothing.
    void Drop();
    bool Recording() const { return recording_; }
    // Counts the recordings begun or continued, so that whoever follows the
    // lines can tell a new recording from more of the same one.
    std::uint64_t Number() const { return number_; }
    // The lines so far; they only grow while the game has been started.
    const std::string& Lines() const { return body_; }
    // The replay's header as the game stands now.
    std::string Header(const CGame& game, const std::string& version, std::int64_t played) const;

    // Plays a command of the player on the game (PlayCommand) and writes
    // the line it makes, after whatever else changed the game since the last
    // line. The command is played whether or not anything is recorded.
    ReplayLine Play(CGame& game, const PlayerCommand& command, const WheelFeel& feel);

    // Catches up with what changed the game besides the player's commands:
    // a change of difficulty, a game ended or paused, bombs dropped.
    void Sync(const CGame& game);

    // The replay of a game that was ever started, with its header; the
    // recording stops either way. `played` is the calendar time in seconds.
    std::optional<std::string> Finish(const CGame& game, const std::string& version,
                                      std::int64_t played);

  private:
    void At(std::int64_t instant);
    void Line(std::string_view command, std::string_view argument = {});
    void Record(const CGame& game, const ReplayLine& line);
    void Bombs(const CGame& game);
    void Note(const CGame& game);

    bool recording_ = false;
    std::uint64_t number_ = 0;
    std::string body_;
    std::optional<std::int64_t> written_;
    bool everStarted_ = false;
    bool paused_ = true;
    bool over_ = false;
    std::int32_t bombs_ = 0;
    std::uint32_t difficulty_ = 0;
    std::vector<std::uint32_t> difficulties_;
    std::uint32_t game_ = 0;
    std::string daily_;
};
