#include "script/kept_game.h"

#include <sstream>

#include "game/game_clock.h"
#include "game/game_random.h"
#include "script/replay_reader.h"
#include "script/sim_runner.h"

KeptGame ReadKeptGame(const std::string& path, const std::string& version,
                      ReplayProgress* progress) {
    std::string stored;
    if (std::optional<ReplayCheck> refused = ReadStoredReplay(path, stored, progress)) {
        KeptGame kept;
        kept.check = std::move(*refused);
        return kept;
    }
    return PlayKeptGame(std::move(stored), version, progress);
}

KeptGame PlayKeptGame(std::string stored, const std::string& version, ReplayProgress* progress) {
    KeptGame kept;
    std::ostringstream ignored;
    ignored.setstate(std::ios::badbit);
    CSimRunner runner(ignored);
    runner.PlayOn(kept.game);
    // The recording to go on with: every command but the closing `state`.
    std::string& lines = kept.recording.lines;
    std::size_t last = 0;
    kept.check = PlayReplay(std::move(stored), version, runner, progress,
                            [&lines, &last](std::string_view line) {
                                if (!line.empty() && line[0] != '#') {
                                    last = lines.size();
                                    lines += line;
                                    lines += '\n';
                                }
                            });
    kept.check.stored.clear();
    if (kept.check.verdict != ReplayVerdict::Watchable) {
        kept.game.reset();
        return kept;
    }
    if (!kept.game || !kept.game->started || kept.game->over) {
        kept.game.reset();
        kept.check.verdict = ReplayVerdict::Ended;
        kept.check.problem = {TORVANE_TEXT("KeptGame",
                                           "This is not a game in progress: it has ended, or "
                                           "never began."),
                              {}};
        return kept;
    }
    lines.resize(last);
    kept.recording.lastInstant = runner.RealTime();
    kept.recording.difficulties = std::move(kept.check.difficulties);
    if (kept.recording.difficulties.empty()) {
        kept.recording.difficulties.push_back(kept.game->difficulty);
    }
    // The runner's own, until it goes and gives the thread's back.
    kept.now = GameClock::Now();
    kept.random = GameRandom::state;
    return kept;
}
