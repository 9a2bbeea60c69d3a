#pragma once
// A game's figures, read by playing its replay headless as a check does: the
// rules run as they ran, so nothing of the game needs to report them.

#include <string>

#include "history/game_row.h"
#include "script/replay_file.h"

struct ReplayFigures {
    ReplayCheck check;  // Watchable when the replay reaches its score
    GameFigures figures;
};

// `stored` plain or gzip; `version` is this program's.
ReplayFigures FiguresOfReplay(std::string stored, const std::string& version);
