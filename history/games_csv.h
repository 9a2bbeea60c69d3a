#pragma once
// The history's games as CSV for a spreadsheet: one header line with the
// database's column names, then one line a game, oldest first. Replays are
// not part of it.

#include <QByteArray>
#include <vector>

#include "history/game_row.h"

QByteArray GamesCsv(const std::vector<GameRow>& rows);
