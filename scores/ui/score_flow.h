#pragma once
// The end-of-game dialogs in the order a finished game shows them. The view
// calls these (through its game-over flow); they know nothing of the view.

#include <cstdint>
#include <functional>
#include <vector>

#include "scores/core/high_score_table.h"
#include "scores/core/score_commit.h"

class QWidget;

// What the score dialogs may do with the recorded games of the table's
// entries; any part may be missing, and then the dialogs do without. An
// entry is a row of the table as listed: identical entries (name, score and
// second) each have a game of their own.
struct ScoreReplays {
    // The entry's game can be watched.
    std::function<bool(const std::vector<HighScoreEntry>& table, std::size_t row)> has;
    // Watch it; the list has closed by the time this runs.
    std::function<void(const std::vector<HighScoreEntry>& table, std::size_t row)> watch;
    // An entry was made for the game just offered (saved or not).
    std::function<void(const ScoreCommit& commit)> made;
    // Open the statistics of every game played; the list has closed by then.
    std::function<void()> statistics;
};

// The name last entered for a high score.
inline constexpr const char* kLastScoreNameSetting = "LastScoreName";

// "Would you like to play another game?": true for Yes.
bool AskPlayAgain(QWidget* parent);

// The name entry when the score earns a place (the entry made on OK); false,
// showing nothing, when it earns none. The list follows OK and Cancel alike.
bool EnterHighScore(QWidget* parent, std::uint32_t score, const ScoreReplays& replays = {});

void ShowHighScoreList(QWidget* parent, const ScoreReplays& replays = {});
