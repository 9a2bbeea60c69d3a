#include "script/kept_game.h"

#include <sstream>
#include <string_view>
#include <utility>

#include "game/game_clock.h"
#include "game/game_random.h"
#include "script/replay_reader.h"
#include "script/script_text.h"
#include "script/sim_runner.h"

namespace {

// A line the runner plays: neither blank nor a comment.
bool IsCommand(std::string_view line) {
    const std::size_t first = line.find_first_not_of(" \t\r\v\f");
    return first != std::string_view::npos && line[first] != '#';
}

// Where the last line that is a command begins, or 0.
std::size_t LastCommandAt(std::string_view text) {
    while (!text.empty()) {
        const std::string_view body = text.back() == '\n' ? text.substr(0, text.size() - 1) : text;
        const std::size_t lineBreak = body.rfind('\n');
        const std::size_t start = lineBreak == std::string_view::npos ? 0 : lineBreak + 1;
        if (IsCommand(body.substr(start))) {
            return start;
        }
        text = text.substr(0, start);
    }
    return 0;
}

}  // namespace

KeptGameRecord ReadKeptGame(const std::string& path, const std::string& version,
                            ReplayProgress* progress) {
    std::string stored;
    if (std::optional<ReplayCheck> refused = ReadStoredReplay(path, stored, progress, true)) {
        KeptGameRecord kept;
        kept.check = std::move(*refused);
        return kept;
    }
    return PlayKeptGame(std::move(stored), version, progress);
}

KeptGameRecord PlayKeptGame(std::string stored, const std::string& version,
                            ReplayProgress* progress) {
    KeptGameRecord kept;
    std::ostringstream ignored;
    ignored.setstate(std::ios::badbit);
    CSimRunner runner(ignored);
    runner.PlayOn(kept.game);
    std::string& lines = kept.recording.lines;
    kept.check = PlayReplay(std::move(stored), version, runner, progress, &lines);
    if (kept.check.verdict == ReplayVerdict::Watchable && kept.game && kept.game->over) {
        kept.finishedReplay = ScriptTextOf(std::move(kept.check.stored));
    }
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
    // The recording to go on with: from the clock's first `at` to the
    // closing `state`, which is left out.
    lines.resize(LastCommandAt(lines));
    kept.recording.lastInstant = runner.RealTime();
    kept.recording.difficulties = std::move(kept.check.difficulties);
    kept.recording.game = kept.check.game;
    kept.recording.daily = kept.check.daily;
    if (kept.recording.difficulties.empty()) {
        kept.recording.difficulties.push_back(kept.game->difficulty);
    }
    // The runner's own, until it goes and gives the thread's back.
    kept.now = GameClock::Now();
    kept.random = GameRandom::state;
    return kept;
}
