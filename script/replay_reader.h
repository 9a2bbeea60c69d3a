#pragma once
// Reads a replay file as the game does before it shows one, whoever handed
// it over: only a regular file (a pipe would keep the reader waiting for a
// writer, a device never ends), no larger than any game writes, then checked
// (replay_file.h). Meant for a worker thread: `progress` follows it and can
// stop it.

#include <optional>
#include <string>

#include "script/replay_file.h"

ReplayCheck ReadReplayFile(const std::string& path, const std::string& version,
                           ReplayProgress* progress = nullptr);

// The reading alone, for a replay to be played otherwise (a game kept to go
// on with): the stored bytes into `stored`, or why they cannot be had. A
// file of the game's own (`ownFile`) is never read through a symbolic link:
// whoever put one there may point it anywhere.
std::optional<ReplayCheck> ReadStoredReplay(const std::string& path, std::string& stored,
                                            ReplayProgress* progress, bool ownFile = false);
