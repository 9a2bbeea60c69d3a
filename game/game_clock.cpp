#include "game/game_clock.h"

#include <chrono>

bool CSteadyClockCounter::QueryFrequency(std::uint64_t& ticksPerSecond) {
    ticksPerSecond = 1000000000u;
    return true;
}

std::uint64_t CSteadyClockCounter::QueryCounter() {
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(since).count());
}

std::uint32_t CSteadyClockCounter::TickCountMs() {
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

bool CManualClockCounter::QueryFrequency(std::uint64_t& ticksPerSecond) {
    ticksPerSecond = frequency;
    return hasCounter;
}

thread_local bool GameClock::clockTested = false;
thread_local bool GameClock::hasPerfCounter = false;
thread_local std::uint32_t GameClock::perfFrequency = 1000;
thread_local std::int64_t GameClock::frozenAt = 0;
thread_local std::int64_t GameClock::pausedTotal = 0;
thread_local IClockCounter* GameClock::counter_ = nullptr;
thread_local std::int64_t GameClock::tickWraps_ = 0;
thread_local std::uint32_t GameClock::lastTick_ = 0;

void GameClock::SetCounter(IClockCounter* counter) {
    counter_ = counter;
    Reset();
}

void GameClock::Reset() {
    clockTested = false;
    hasPerfCounter = false;
    perfFrequency = 1000;
    frozenAt = 0;
    pausedTotal = 0;
    tickWraps_ = 0;
    lastTick_ = 0;
}

GameClock::Saved GameClock::Save() {
    return {counter_, clockTested, hasPerfCounter, perfFrequency,
            frozenAt, pausedTotal, tickWraps_,     lastTick_};
}

void GameClock::Restore(const Saved& saved) {
    counter_ = saved.counter;
    clockTested = saved.clockTested;
    hasPerfCounter = saved.hasPerfCounter;
    perfFrequency = saved.perfFrequency;
    frozenAt = saved.frozenAt;
    pausedTotal = saved.pausedTotal;
    tickWraps_ = saved.tickWraps;
    lastTick_ = saved.lastTick;
}

void GameClock::Initialise() {
    if (clockTested) {
        return;
    }
    clockTested = true;
    std::uint64_t frequency = 0;
    if (counter_ != nullptr && counter_->QueryFrequency(frequency)) {
        hasPerfCounter = true;
        perfFrequency = static_cast<std::uint32_t>(frequency);
    } else {
        perfFrequency = 1000;
    }
}

std::int64_t GameClock::RealNow() {
    Initialise();
    if (counter_ == nullptr) {
        return 0;
    }
    // A frequency of 0 cannot be divided by; the tick count still keeps time.
    if (!hasPerfCounter || perfFrequency == 0) {
        return TickCountNow();
    }
    // Split the count so that count x 1000 cannot overflow: a nanosecond
    // counter passes 2^63 / 1000 after about 106 days of uptime.
    const std::uint64_t count = counter_->QueryCounter();
    const std::uint64_t f = perfFrequency;
    const std::uint64_t ms = (count / f) * 1000u + (count % f) * 1000u / f;
    return static_cast<std::int64_t>(ms);
}

std::int64_t GameClock::TickCountNow() {
    // A running game reads the clock many times a second, so a count smaller
    // than the last one means the 32-bit counter has wrapped, not that time
    // went back; without this a game would freeze for 49.7 days.
    const std::uint32_t tick = counter_->TickCountMs();
    if (tick < lastTick_) {
        ++tickWraps_;
    }
    lastTick_ = tick;
    return tickWraps_ * (std::int64_t{1} << 32) + tick;
}

std::int64_t GameClock::Now() {
    const std::int64_t real = frozenAt != 0 ? frozenAt : RealNow();
    return real - pausedTotal;
}

void GameClock::Freeze() {
    if (frozenAt == 0) {
        frozenAt = RealNow();
    }
}

void GameClock::Thaw() {
    if (frozenAt != 0) {
        pausedTotal += RealNow() - frozenAt;
        frozenAt = 0;
    }
}

void GameClock::FreezeAt(std::int64_t now) {
    frozenAt = RealNow();
    pausedTotal = frozenAt - now;
}
