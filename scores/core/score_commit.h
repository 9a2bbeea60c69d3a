#pragma once
// Adding a score to the stored table, as one step that no other running copy
// of the game can come between: read the table again, place the score where
// it now belongs, store the table. Only the name entry comes before it, and
// another copy may have changed the table meanwhile, so the place can differ
// from the one the score was offered for, or be gone.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "scores/core/high_score_table.h"

struct ScoreCommit {
    // The entry as stored, and its place (0 is the best); no place when the
    // score no longer earns one and nothing was added.
    HighScoreEntry entry;
    std::optional<std::size_t> place;
    // The table as read just before the entry came, and with it.
    std::vector<HighScoreEntry> before;
    std::vector<HighScoreEntry> table;
    // Why the table did not reach the disk. The store keeps it in memory, so
    // the list still shows the entry for the rest of the run, but the table
    // on disk is still `before`.
    std::optional<std::string> failure;
};

ScoreCommit CommitHighScore(const std::string& name, std::uint32_t score, std::int64_t time);
