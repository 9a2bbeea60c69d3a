#include "history/game_statistics.h"

#include <algorithm>

namespace {

bool Counts(const GameRow& row, std::optional<std::uint32_t> difficulty) {
    return !difficulty || row.figures.difficultyStart == difficulty;
}

double Median(std::vector<std::uint32_t> scores) {
    if (scores.empty()) {
        return 0;
    }
    const std::size_t middle = scores.size() / 2;
    std::nth_element(scores.begin(), scores.begin() + middle, scores.end());
    const double upper = scores[middle];
    if (scores.size() % 2 == 1) {
        return upper;
    }
    const double lower = *std::max_element(scores.begin(), scores.begin() + middle);
    return (lower + upper) / 2;
}

}  // namespace

GameStatistics ComputeStatistics(const std::vector<GameRow>& rows,
                                 std::optional<std::uint32_t> difficulty) {
    GameStatistics stats;
    std::vector<std::uint32_t> scores;
    double sum = 0;
    for (const GameRow& row : rows) {
        if (!Counts(row, difficulty)) {
            continue;
        }
        const GameFigures& f = row.figures;
        scores.push_back(f.score);
        sum += f.score;
        stats.best = std::max(stats.best, f.score);
        stats.totalMs += f.playedMs;
        stats.rings += f.rings;
        stats.longestMs = std::max(stats.longestMs, f.playedMs);
    }
    stats.games = static_cast<int>(scores.size());
    if (scores.empty()) {
        return stats;
    }
    stats.average = sum / stats.games;
    stats.median = Median(scores);
    for (const std::uint32_t score : scores) {
        stats.currentRun = score > stats.median ? stats.currentRun + 1 : 0;
        stats.bestRun = std::max(stats.bestRun, stats.currentRun);
    }
    return stats;
}

HistoryStatistics ComputeStatistics(const std::vector<GameRow>& rows) {
    HistoryStatistics stats;
    stats.all = ComputeStatistics(rows, std::nullopt);
    for (std::uint32_t d = 0; d < HistoryStatistics::kDifficulties; ++d) {
        stats.byDifficulty[d] = ComputeStatistics(rows, d);
    }
    return stats;
}
