#pragma once
// A game kept when the program ended before the game did: the replay of the
// game so far (replay_file.h), which the next start plays into a game that
// goes on from there, recording on. It is read as any replay is, within the
// same bounds, and played through once, headless; one that cannot be read,
// that plays to another score than it records, or whose game has ended or
// never began is refused with the reason why.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "game/game.h"
#include "script/replay_file.h"
#include "script/replay_recorder.h"

struct KeptGameRecord {
    // Watchable when the game below can go on.
    ReplayCheck check;
    std::unique_ptr<CGame> game;
    RecordingSoFar recording;
    // Where the recording leaves the game clock and the random generator.
    std::int64_t now = 0;
    std::uint32_t random = 0;
    // A game that has ended (refused as Ended) is kept only while its score
    // waits for the player's name: its whole replay, the score in `check`.
    std::optional<std::string> finishedReplay;
};

// Plays the kept game in the file at `path`, which is never read through a
// symbolic link. `version` is this program's.
KeptGameRecord ReadKeptGame(const std::string& path, const std::string& version,
                            ReplayProgress* progress = nullptr);
// The same from the stored bytes.
KeptGameRecord PlayKeptGame(std::string stored, const std::string& version,
                            ReplayProgress* progress = nullptr);
