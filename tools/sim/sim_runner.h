#pragma once
// torvane-sim: plays a script of player actions and passing time against the
// game core and prints what happens as JSON Lines. Any game situation can be
// reproduced exactly from a seed and a script.

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/game.h"
#include "game/game_clock.h"
#include "game/memory_settings.h"

// One script line, split into words; `rest` is everything after the command
// word, verbatim (for commands that take free text).
struct SimLine {
    int number = 0;
    std::vector<std::string> words;
    std::string rest;
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
    // is reported on err with its line number).
    int Run(std::istream& script, std::ostream& err);
    // Runs one line; throws SimError.
    void Execute(const std::string& line, int number);

    // The current game, built from the settings when none exists yet.
    CGame& Game();
    void NewGame(const CGameSnapshot* snapshot);
    std::ostream& Out() { return out_; }
    ISettingsBackend& Settings() { return *store_; }
    std::int64_t RealTime() const { return realMs_; }
    double WheelSpeed() const { return wheelSpeed_; }
    bool WheelClockwise() const { return wheelClockwise_; }

    // Argument parsing shared by every command.
    static std::uint32_t ParseU32(const SimLine& line, std::size_t index);
    static std::int64_t ParseI64(const SimLine& line, std::size_t index, std::int64_t min,
                                 std::int64_t max);
    static double ParseFiniteDouble(const SimLine& line, std::size_t index);
    static void ExpectWords(const SimLine& line, std::size_t count);

  private:
    class Printer;

    void RegisterBuiltins();
    void Wait(std::int64_t ms);
    void PrintState();

    std::ostream& out_;
    CMemorySettings memorySettings_;
    ISettingsBackend* store_;
    CManualClockCounter clock_;
    std::unique_ptr<Printer> printer_;
    std::unique_ptr<CGame> game_;
    std::map<std::string, Handler> commands_;
    std::int64_t realMs_ = kStartMs;
    std::int64_t nextFiringMs_ = kStartMs + kTimerMs;
    double wheelSpeed_ = 0.0;
    bool wheelClockwise_ = false;
};
