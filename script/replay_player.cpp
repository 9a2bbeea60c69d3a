#include "script/replay_player.h"

CReplayPlayer::CReplayPlayer(std::string stored, std::unique_ptr<CGame>& slot)
    : runner_(ignored_), stored_(std::move(stored)), lines_(stored_) {
    ignored_.setstate(std::ios::badbit);
    runner_.PlayOn(slot);
    // The clock starts at the first instant the replay names, which a
    // checked replay names before any other command.
    for (std::string_view line; !due_ && lines_.Next(line);) {
        due_ = CSimRunner::InstantOf(line);
    }
    at_ = due_.value_or(0);
    finished_ = !due_;
}

void CReplayPlayer::Advance(std::int64_t ms) {
    at_ += ms;
    try {
        for (int run = 0; run < kLinesPerCall && !finished_; ++run) {
            if (due_ && *due_ > at_) {
                // Explosions and the like go on up to the next line's instant.
                if (at_ > runner_.RealTime()) {
                    runner_.MoveTo(at_);
                }
                return;
            }
            if (due_) {
                runner_.MoveTo(*due_);
                due_.reset();
            }
            std::string_view line;
            if (!lines_.Next(line)) {
                finished_ = true;
            } else if (!(due_ = CSimRunner::InstantOf(line))) {
                runner_.Execute(line, lines_.Number());
            }
        }
    } catch (const SimError&) {
        // A checked replay has played through once already; should a line
        // fail all the same, the playback ends there.
        finished_ = true;
    }
}
