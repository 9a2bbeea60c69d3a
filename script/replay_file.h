#pragma once
// A replay as a file: a torvane-sim script that opens with comment lines
// saying what it is, begins its clock with `at` and ends with `state`.
//
//     # Torvane replay
//     # Version: 1.0.4
//     # Rules: 1
//     # Played: 2025-03-01 14:07 UTC
//     # Game: 1740837960
//     # Daily: 2025-03-01
//     # Difficulty: Medium, Hard
//     # Score: 12345
//
// `Game` is the number of its gems (none in replays older than numbers);
// `Daily` only in the daily game of that date, whose check also proves that
// the number is that date's and that the difficulty never changed.
//
// Checking one plays it through headless, a line at a time as the stored
// text unpacks: a file that is not a replay, or that the runner stops in,
// cannot be watched, and neither can one whose final score is not the score
// its header records.

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/ui_text.h"

// The rules this program plays. A replay records the rules it was played by
// (none recorded: 1), and plays the same in every version with those rules.
inline constexpr int kRulesVersion = 1;

struct ReplayHeader {
    std::string version;
    std::int64_t played = 0;  // calendar time in seconds
    // At the start, then every change during the game.
    std::vector<std::uint32_t> difficulties;
    std::uint32_t score = 0;
    // The name a top-ten entry was made with, when it was.
    std::string player;
    std::uint32_t game = 0;  // the game's number; 0 where unknown
    std::string daily;       // YYYY-MM-DD in a daily game, else empty
};

std::string ReplayHeaderText(const ReplayHeader& header);
// The replay with a "Player:" line added to its header.
std::string WithPlayer(const std::string& replay, const std::string& player);

enum class ReplayVerdict {
    Watchable,
    Unreadable,    // missing, no permission, not a regular file
    TooLarge,      // more than any game writes, stored or unpacked
    NotAReplay,    // not a replay's header, or no clock at its start
    Damaged,       // damaged or cut short: compressed data, a line, the end
    OtherVersion,  // played by rules this version does not play
    WrongScore,    // plays to another score than it records
    Stopped,       // the reader was told to stop
    Ended,         // a game kept to go on with that has ended, or never began
    NotTheDaily,   // claims a date whose daily game it is not
};

struct ReplayCheck {
    ReplayVerdict verdict = ReplayVerdict::Watchable;
    // What the player is told when the replay cannot be watched; empty when
    // it can, or when the check was stopped.
    UiMessage problem;
    // The replay as it was stored, plain or compressed, for the player.
    std::string stored;
    std::uint32_t score = 0;
    // As its header lists them.
    std::vector<std::uint32_t> difficulties;
    std::uint32_t game = 0;
    // The date of a daily game, proven by playing it; else empty.
    std::string daily;
};

// Lets another thread follow a check and stop it.
struct ReplayProgress {
    std::atomic<bool> stop{false};
    // The share of the work done, in thousandths.
    std::atomic<int> permille{0};
};

// Plays stored bytes through headless. `version` is this program's: a replay
// of another version may play differently.
ReplayCheck CheckReplay(std::string stored, const std::string& version,
                        ReplayProgress* progress = nullptr);

class CSimRunner;

// The same on a runner of the caller's, which holds the replay's game at the
// end; `text`, if given, gets the commands from the clock's first `at` on (no
// comment or blank line), as far as they were read, each with its line break.
ReplayCheck PlayReplay(std::string stored, const std::string& version, CSimRunner& runner,
                       ReplayProgress* progress = nullptr, std::string* text = nullptr);
