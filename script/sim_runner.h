#pragma once
// torvane-sim: plays a script of player actions and passing time against the
// game core and prints what happens as JSON Lines. Any game situation can be
// reproduced exactly from a seed and a script.

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "game/game.h"
#include "game/game_clock.h"
#include "game/memory_settings.h"
#include "game/player_command.h"
#include "game/sound.h"
#include "script/event_printer.h"

class CScriptLines;

// One script line, split into words; `rest` is everything after the command
// word, verbatim (for commands that take free text). Views into the line,
// valid while its command runs.
struct SimLine {
    int number = 0;
    std::vector<std::string_view> words;
    std::string_view rest;
};

// A malformed or unknown command: the runner reports it and stops.
class SimError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class CSimRunner {
  public:
    using Handler = std::function<void(CSimRunner&, const SimLine&)>;

    // Real time starts here, in milliseconds; the view's timer fires every 66.
    static constexpr std::int64_t kStartMs = 1000000;
    static constexpr std::int64_t kTimerMs = 66;

    // Settings live in memory unless a store is given (the real one on a
    // file, for instance), which must outlive the runner.
    explicit CSimRunner(std::ostream& out, ISettingsBackend* store = nullptr);
    ~CSimRunner();
    CSimRunner(const CSimRunner&) = delete;
    CSimRunner& operator=(const CSimRunner&) = delete;

    // Commands beyond the built-in ones (rendering, high scores) add
    // themselves here.
    void Register(const std::string& name, Handler handler);

    // Runs the script; returns the exit status (0, or 2 after an error, which
    // is reported on err with its line number). Lines that stop early (stored
    // text that is damaged or too large) end the run as their end would: the
    // caller asks them why.
    int Run(std::istream& script, std::ostream& err);
    int Run(CScriptLines& script, std::ostream& err);
    // Runs one line; throws SimError.
    void Execute(std::string_view line, int number);
    // The command word of the last line run that had one.
    std::string_view LastCommand() const { return lastCommand_; }

    // Plays on a game that someone else shows (the game view watching a
    // replay) rather than on one of the runner's own. The slot must outlive
    // the runner; whatever game it holds at the end stays there.
    void PlayOn(std::unique_ptr<CGame>& slot);

    // The current game, built from the settings when none exists yet.
    CGame& Game();
    void NewGame(const CGameSnapshot* snapshot);
    std::ostream& Out() { return out_; }
    ISettingsBackend& Settings() { return *store_; }
    std::int64_t RealTime() const { return realMs_; }
    // The `at` command: real time moves to `ms` and the timer no longer fires
    // by itself. Throws SimError when that would turn the clock back.
    void MoveTo(std::int64_t ms);
    // The instant an `at` line names, or nothing for any other line.
    static std::optional<std::int64_t> InstantOf(std::string_view line);
    // Plays a command of the player on the current game, with the wheel as
    // the settings had it when the game was made.
    void Play(const PlayerCommand& command) { PlayCommand(Game(), command, wheel_); }

    // Argument parsing shared by every command.
    static std::uint32_t ParseU32(const SimLine& line, std::size_t index);
    static std::int64_t ParseI64(const SimLine& line, std::size_t index, std::int64_t min,
                                 std::int64_t max);
    static double ParseFiniteDouble(const SimLine& line, std::size_t index);
    static void ExpectWords(const SimLine& line, std::size_t count);

  private:
    // What the runner borrows from the process: the game clock with its
    // source of real time, the random generator and the sound player (silent
    // while the runner lives). Put back when the runner is done, so a replay
    // checked or watched in the game leaves the player's clock and next gems
    // as they were.
    class Borrowed {
      public:
        Borrowed();
        ~Borrowed();
        Borrowed(const Borrowed&) = delete;
        Borrowed& operator=(const Borrowed&) = delete;

      private:
        GameClock::Saved clock_;
        std::uint32_t random_;
        ISoundPlayer* sound_;
    };

    // Splits into `line_`, whose words keep their room from line to line.
    void Parse(std::string_view text, int number);
    bool RunLine(std::string_view text, int number, std::ostream& err);
    // The lines replays are made of, by the hundred thousand (`at`, `turn`
    // and `tick`, as the recorder writes them), played without the split
    // into words and the look-up; false for any other line, and for any of
    // theirs in another form, which the general way plays or refuses.
    bool PlayRecorded(std::string_view text);
    void RegisterBuiltins();
    void Wait(std::int64_t ms);
    void SetRealTime(std::int64_t ms);
    void PrintState();

    Borrowed borrowed_;
    std::ostream& out_;
    CMemorySettings memorySettings_;
    ISettingsBackend* store_;
    CManualClockCounter clock_;
    std::unique_ptr<CEventPrinter> printer_;
    std::unique_ptr<CGame> ownGame_;
    std::unique_ptr<CGame>* game_ = &ownGame_;
    bool madeGame_ = false;
    struct Command {
        std::string name;
        Handler handler;
    };
    // A handful, looked through in order: cheaper than a map's string
    // comparisons, which were most of a check's time.
    std::vector<Command> commands_;
    SimLine line_;
    std::string_view lastCommand_;
    std::int64_t realMs_ = kStartMs;
    std::int64_t nextFiringMs_ = kStartMs + kTimerMs;
    // Set by the first `at`: from then on ticks come only from `tick` lines,
    // and the clock stays within a day of that instant.
    bool timerStopped_ = false;
    std::int64_t firstInstant_ = 0;
    WheelFeel wheel_;
};
