#pragma once
// The end-of-game dialogs in the order a finished game shows them. The view
// calls these; they know nothing of the view, so tests drive them directly.

#include <cstdint>
#include <functional>
#include <vector>

#include "scores/core/high_score_table.h"

class QWidget;

// What the score dialogs may do with the recorded games of the table's
// entries; any part may be missing, and then the dialogs do without.
struct ScoreReplays {
    // The entry's game can be watched.
    std::function<bool(const HighScoreEntry&)> has;
    // Watch it; the list has closed by the time this runs.
    std::function<void(const HighScoreEntry&)> watch;
    // An entry was made for the game just offered; `left` went out of the
    // table to make room for it.
    std::function<void(const HighScoreEntry& made, const std::vector<HighScoreEntry>& left)> made;
};

// "Would you like to play another game?": true for Yes.
bool AskPlayAgain(QWidget* parent);

// The name entry when the score earns a place, then the list after OK and
// Cancel alike; nothing at all when the score earns no place.
void OfferHighScoreFor(QWidget* parent, std::uint32_t score, const ScoreReplays& replays = {});

void ShowHighScoreList(QWidget* parent, const ScoreReplays& replays = {});
