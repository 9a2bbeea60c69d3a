#include "shell/app/coarse_clock_seam.h"

#include <QtGlobal>

namespace {
constexpr std::uint64_t kNanosecondsPerSecond = 1000000000u;
}  // namespace

CSteadyOrCoarseCounter::CSteadyOrCoarseCounter()
    : coarse_(qEnvironmentVariableIntValue("TORVANE_COARSE_CLOCK") == 1) {}

bool CSteadyOrCoarseCounter::QueryFrequency(std::uint64_t& ticksPerSecond) {
    if (!coarse_) {
        return CSteadyClockCounter::QueryFrequency(ticksPerSecond);
    }
    ticksPerSecond = 1;
    return true;
}

std::uint64_t CSteadyOrCoarseCounter::QueryCounter() {
    const std::uint64_t nanoseconds = CSteadyClockCounter::QueryCounter();
    return coarse_ ? nanoseconds / kNanosecondsPerSecond : nanoseconds;
}
