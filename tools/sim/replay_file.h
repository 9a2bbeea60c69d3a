#pragma once
// A replay as a file: a torvane-sim script that opens with comment lines
// saying what it is, begins its clock with `at` and ends with `state`.
//
//     # Torvane replay
//     # Version: 1.0.4
//     # Played: 2025-03-01 14:07 UTC
//     # Difficulty: Medium, Hard
//     # Score: 12345
//
// Checking one plays it through headless: a file that is not a replay, or
// that the runner stops in, cannot be watched, and neither can one whose
// final score is not the score its header records.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct ReplayHeader {
    std::string version;
    std::int64_t played = 0;  // calendar time in seconds
    // At the start, then every change during the game.
    std::vector<std::uint32_t> difficulties;
    std::uint32_t score = 0;
    // The name a top-ten entry was made with, when it was.
    std::string player;
};

std::string ReplayHeaderText(const ReplayHeader& header);
// The replay with a "Player:" line added to its header.
std::string WithPlayer(const std::string& replay, const std::string& player);

struct ReplayCheck {
    // What the player is told when the replay cannot be watched; empty when
    // it can.
    std::string problem;
    bool mismatch = false;
    std::string text;
    std::uint32_t score = 0;
};

inline constexpr const char* kReplayMismatch = "This replay does not match this version of Torvane";

// Reads stored bytes (plain or compressed) and plays them headless.
ReplayCheck CheckReplay(const std::string& bytes);
