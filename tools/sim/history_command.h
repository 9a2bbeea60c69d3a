#pragma once
// torvane-sim --history DB: the rows of a game history as JSON Lines, so that
// the store can be checked without the window.

// Returns the exit status: 0, or 1 when DB cannot be read as a history.
int PrintHistory(const char* path);
