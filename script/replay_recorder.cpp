#include "script/replay_recorder.h"

#include <charconv>

#include "game/game.h"
#include "game/game_clock.h"
#include "game/settings_store.h"
#include "script/replay_file.h"

void CReplayRecorder::Begin(const CGame& game, std::uint32_t seed, std::string daily) {
    recording_ = true;
    game_ = seed;
    daily_ = std::move(daily);
    ++number_;
    body_.clear();
    written_.reset();
    Line("seed", std::to_string(seed));
    // The difficulty the game was made with, stored as the store keeps it
    // (plus one), and not read from the store again: another copy of the
    // game may have changed it since. The wheel's direction and step only
    // matter to someone who turns the wheel by hand in the script.
    Line("setting", "Difficulty " + std::to_string(game.difficulty + 1));
    for (const char* name : {"MouseWheelClockwise", "MouseWheelSpeed"}) {
        std::string setting = name;
        setting += ' ';
        setting += std::to_string(ReadSettingDword(kSettingsKey, name));
        Line("setting", setting);
    }
    Line("new");
    everStarted_ = game.started;
    paused_ = game.paused;
    over_ = game.over;
    bombs_ = game.bombs;
    difficulty_ = game.difficulty;
    difficulties_ = {game.difficulty};
}

void CReplayRecorder::Continue(const CGame& game, RecordingSoFar soFar) {
    recording_ = true;
    ++number_;
    body_ = std::move(soFar.lines);
    written_ = soFar.lastInstant;
    everStarted_ = game.started;
    paused_ = game.paused;
    over_ = game.over;
    bombs_ = game.bombs;
    difficulty_ = game.difficulty;
    difficulties_ = std::move(soFar.difficulties);
    game_ = soFar.game;
    daily_ = std::move(soFar.daily);
}

void CReplayRecorder::Drop() {
    recording_ = false;
    body_.clear();
}

void CReplayRecorder::Line(std::string_view command, std::string_view argument) {
    body_ += command;
    if (!argument.empty()) {
        body_ += ' ';
        body_ += argument;
    }
    body_ += '\n';
}

void CReplayRecorder::At(std::int64_t instant) {
    // A clock set back under the game reads earlier than what is written:
    // the replay stays at the later instant, since time in a replay never
    // runs back and the game does not step before its next step's time.
    if (written_ && instant <= *written_) {
        return;
    }
    char digits[24];
    const std::string_view text(digits, std::to_chars(digits, digits + sizeof digits, instant).ptr);
    if (written_) {
        Line("at", text);
    } else {
        // The first instant goes first: it starts the runner's clock, before
        // the game is made, and stops the runner's own timer. Nothing before
        // it needed one, so the time a new game waits for Play is not replayed.
        std::string first = "at ";
        first += text;
        first += '\n';
        body_.insert(0, first);
    }
    written_ = instant;
}

void CReplayRecorder::Bombs(const CGame& game) {
    // Only a drop takes a bomb away, and a drop needs a running game.
    for (; bombs_ > game.bombs; --bombs_) {
        Line("bomb");
    }
    bombs_ = game.bombs;
}

void CReplayRecorder::Sync(const CGame& game) {
    if (!recording_) {
        return;
    }
    if (game.difficulty != difficulty_) {
        difficulty_ = game.difficulty;
        difficulties_.push_back(game.difficulty);
        Line("difficulty", std::to_string(game.difficulty));
    }
    if (!paused_) {
        Bombs(game);
    }
    if (game.over && !over_) {
        At(GameClock::Now());
        Line("end");
    } else if (game.paused && !paused_) {
        At(GameClock::Now());
        Line("pause");
    } else if (!game.paused && paused_) {
        // Game time stood still since the pause: the resume takes the pause's
        // instant, so the runner's clock is frozen for no time at all. Only
        // the first start may find the clock running.
        if (!everStarted_) {
            At(GameClock::Now());
        }
        Line("resume");
    }
    Note(game);
    Bombs(game);
}

void CReplayRecorder::Note(const CGame& game) {
    paused_ = game.paused;
    over_ = game.over;
    everStarted_ = everStarted_ || game.started;
}

ReplayLine CReplayRecorder::Play(CGame& game, const PlayerCommand& command, const WheelFeel& feel) {
    Sync(game);
    const ReplayLine line = PlayCommand(game, command, feel);
    Record(game, line);
    return line;
}

void CReplayRecorder::Record(const CGame& game, const ReplayLine& line) {
    if (!recording_) {
        return;
    }
    if (line.at) {
        At(*line.at);
    }
    switch (line.kind) {
        case ReplayLine::Kind::None:
            break;
        case ReplayLine::Kind::Turn: {
            // The shortest text that reads back as the same double.
            char number[32];
            const auto end = std::to_chars(number, number + sizeof number, line.angle).ptr;
            Line("turn", std::string_view(number, static_cast<std::size_t>(end - number)));
            break;
        }
        case ReplayLine::Kind::Tick:
            Line("tick");
            break;
        case ReplayLine::Kind::Bomb:
            Line("bomb");
            break;
        case ReplayLine::Kind::Pause:
            Line("pause");
            break;
        case ReplayLine::Kind::Resume:
            Line("resume");
            break;
    }
    Note(game);
    bombs_ = game.bombs;
}

std::optional<std::string> CReplayRecorder::Finish(const CGame& game, const std::string& version,
                                                   std::int64_t played) {
    Sync(game);
    const bool keep = recording_ && everStarted_;
    recording_ = false;
    if (!keep) {
        body_.clear();
        return std::nullopt;
    }
    std::string replay = Header(game, version, played) + body_ + "state\n";
    body_.clear();
    return replay;
}

std::string CReplayRecorder::Header(const CGame& game, const std::string& version,
                                    std::int64_t played) const {
    ReplayHeader header;
    header.version = version;
    header.played = played;
    header.game = game_;
    header.daily = daily_;
    header.difficulties = difficulties_;
    header.score = game.score;
    return ReplayHeaderText(header);
}
