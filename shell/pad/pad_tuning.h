#pragma once
// How the gamepad feels: the figures the translation of a pad into turns and
// steps is built on, and that the tests measure it against.

#include <cstdint>

namespace PadTuning {

// A stick rests near its centre but rarely on it: deflections up to this
// fraction of the full swing count as none.
inline constexpr double kDeadZone = 0.2;
// Radians a second at full deflection: quicker than a held arrow key, while
// a slight push past the dead zone still aims finely.
inline constexpr double kFullSpeed = 3.0;

// A held d-pad direction steps again after this long, then at this rate, as
// a held key does; SDL repeats nothing of its own.
inline constexpr std::int64_t kRepeatDelayMs = 400;
inline constexpr std::int64_t kRepeatIntervalMs = 40;

// A poll that comes late (a busy machine, a modal loop starting) turns the
// wheel for no longer than this, so the wheel never leaps.
inline constexpr std::int64_t kLongestTurnMs = 100;
// Nor does a late poll catch up on more repeats than this.
inline constexpr int kMostRepeatsAtOnce = 3;

// How often the pads are read: at the screen's pace while a pad steers a
// running game, more calmly while one waits at a paused game or a dialog,
// and rarely while none is attached (to notice one being plugged in).
inline constexpr int kRunningPollMs = 16;
inline constexpr int kWaitingPollMs = 50;
inline constexpr int kNoPadPollMs = 1000;

// Rumble: a short pulse for a ring, a long one when the game ends.
inline constexpr std::uint32_t kRingRumbleMs = 120;
inline constexpr std::uint32_t kGameOverRumbleMs = 600;

}  // namespace PadTuning
