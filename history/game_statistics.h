#pragma once
// What the statistics window says of a player's games, per difficulty and all
// together, worked out from the history's rows (no widgets, no database).

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "history/game_row.h"

struct GameStatistics {
    int games = 0;
    std::uint32_t best = 0;
    double average = 0;
    double median = 0;
    std::int64_t totalMs = 0;
    std::uint64_t rings = 0;
    std::int64_t longestMs = 0;
    // Games in a row, oldest to latest, that scored above the median.
    int currentRun = 0;
    int bestRun = 0;
};

// The rows' figures: all games together, then Easy, Medium and Hard (by the
// difficulty a game started at; a game of unknown difficulty counts only in
// all together).
struct HistoryStatistics {
    static constexpr int kDifficulties = 3;
    GameStatistics all;
    std::array<GameStatistics, kDifficulties> byDifficulty;
};

// `rows` in the order the games ended, oldest first, as the store gives them.
HistoryStatistics ComputeStatistics(const std::vector<GameRow>& rows);

// The same for the games of one difficulty, or all when none is given.
GameStatistics ComputeStatistics(const std::vector<GameRow>& rows,
                                 std::optional<std::uint32_t> difficulty);
