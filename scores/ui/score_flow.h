#pragma once
// The end-of-game dialogs in the order a finished game shows them. The view
// calls these; they know nothing of the view, so tests drive them directly.

#include <cstdint>

class QWidget;

// "Would you like to play another game?": true for Yes.
bool AskPlayAgain(QWidget* parent);

// The name entry when the score earns a place, then the list after OK and
// Cancel alike; nothing at all when the score earns no place.
void OfferHighScoreFor(QWidget* parent, std::uint32_t score);

void ShowHighScoreList(QWidget* parent);
