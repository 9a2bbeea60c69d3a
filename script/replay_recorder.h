#pragma once
// Records a game as the game view plays it, as a replay: a torvane-sim script
// that the runner plays to the same state. It only watches: the view tells it
// what it did to the game, and it reads the game's flags and fields.
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
};

class CReplayRecorder {
  public:
    // What the game looked like just before the view changed it.
    struct Mark {
        std::int64_t now = 0;
        std::int64_t nextStepTime = 0;
    };

    // A game has just been made from the settings; `seed` is the random
    // state it was made from. Any recording in progress is dropped.
    void Begin(const CGame& game, std::uint32_t seed);
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

    // Around the view's timer tick and every turn of the wheel.
    Mark Before(const CGame& game);
    void Ticked(const CGame& game, const Mark& before);
    void Turned(const CGame& game, const Mark& before);

    // Catches up with what the view's commands did: bombs dropped, pause,
    // resume, a change of difficulty, a game ended by the player.
    void Sync(const CGame& game);

    // The replay of a game that was ever started, with its header; the
    // recording stops either way. `played` is the calendar time in seconds.
    std::optional<std::string> Finish(const CGame& game, const std::string& version,
                                      std::int64_t played);

  private:
    void At(std::int64_t instant);
    void Line(std::string_view command, std::string_view argument = {});
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
};
