#include "scores/core/calendar_clock.h"

#include <chrono>

std::optional<std::int64_t> CalendarClock::pinned_;

std::int64_t CalendarClock::Now() {
    if (pinned_) {
        return *pinned_;
    }
    const auto since = std::chrono::system_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::seconds>(since).count();
}

void CalendarClock::Pin(std::optional<std::int64_t> seconds) {
    pinned_ = seconds;
}
