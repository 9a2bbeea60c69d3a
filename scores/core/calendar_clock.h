#pragma once
// Calendar time in seconds since 1970 UTC, for the dates of high scores. Tests
// and the runner pin it so that dates and the "recent" rule are reproducible.

#include <cstdint>
#include <optional>

class CalendarClock {
  public:
    static std::int64_t Now();
    // From now on Now() answers this time; std::nullopt returns to the real time.
    static void Pin(std::optional<std::int64_t> seconds);

  private:
    static std::optional<std::int64_t> pinned_;
};
