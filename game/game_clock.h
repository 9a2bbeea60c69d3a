#pragma once
// Game time: one millisecond clock that stands still while a game is paused
// or over, so nothing jumps when play resumes. Like the random generator, the
// settings and the sound player, it is one per thread: the window's thread has
// the player's, and a replay checked on a worker thread plays on its own.

#include <cstdint>

// The clock's source of real time: a high-resolution counter when there is
// one, else a 32-bit millisecond tick count.
class IClockCounter {
  public:
    virtual ~IClockCounter() = default;
    // False when there is no high-resolution counter.
    virtual bool QueryFrequency(std::uint64_t& ticksPerSecond) = 0;
    virtual std::uint64_t QueryCounter() = 0;
    virtual std::uint32_t TickCountMs() = 0;
};

// Real time from std::chrono::steady_clock, in nanoseconds.
class CSteadyClockCounter : public IClockCounter {
  public:
    bool QueryFrequency(std::uint64_t& ticksPerSecond) override;
    std::uint64_t QueryCounter() override;
    std::uint32_t TickCountMs() override;
};

// Real time set by hand: for tests and the headless runner.
class CManualClockCounter : public IClockCounter {
  public:
    bool QueryFrequency(std::uint64_t& ticksPerSecond) override;
    std::uint64_t QueryCounter() override { return counter; }
    std::uint32_t TickCountMs() override { return tickCount; }

    bool hasCounter = true;
    std::uint64_t frequency = 1000;
    std::uint64_t counter = 0;
    std::uint32_t tickCount = 0;
};

class GameClock {
  public:
    // Installs the source of real time and forgets everything measured so far.
    static void SetCounter(IClockCounter* counter);
    static void Reset();

    static void Initialise();
    static std::int64_t RealNow();
    static std::int64_t Now();
    static void Freeze();
    static void Thaw();
    // Stands the clock still at game time `now`, whatever it read before: a
    // game kept when the program ended goes on at its own time.
    static void FreezeAt(std::int64_t now);

    // The whole clock, source of real time included, so that whoever borrows
    // it (a replay played in the middle of a session) can put it back.
    struct Saved {
        IClockCounter* counter;
        bool clockTested;
        bool hasPerfCounter;
        std::uint32_t perfFrequency;
        std::int64_t frozenAt;
        std::int64_t pausedTotal;
        std::int64_t tickWraps;
        std::uint32_t lastTick;
    };
    static Saved Save();
    static void Restore(const Saved& saved);

    static thread_local bool clockTested;
    static thread_local bool hasPerfCounter;
    static thread_local std::uint32_t perfFrequency;
    static thread_local std::int64_t frozenAt;
    static thread_local std::int64_t pausedTotal;

  private:
    static std::int64_t TickCountNow();

    static thread_local IClockCounter* counter_;
    // The tick count wraps after 49.7 days of uptime; the wraps seen so far.
    static thread_local std::int64_t tickWraps_;
    static thread_local std::uint32_t lastTick_;
};
