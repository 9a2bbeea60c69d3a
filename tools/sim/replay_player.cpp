#include "tools/sim/replay_player.h"

#include <optional>

CReplayPlayer::CReplayPlayer(const std::string& text, std::unique_ptr<CGame>& slot)
    : runner_(ignored_) {
    ignored_.setstate(std::ios::badbit);
    runner_.PlayOn(slot);
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines_.push_back(line);
    }
    // The clock starts at the first instant the replay names.
    for (const std::string& line : lines_) {
        if (const std::optional<std::int64_t> instant = CSimRunner::InstantOf(line)) {
            at_ = *instant;
            break;
        }
    }
}

void CReplayPlayer::Advance(std::int64_t ms) {
    at_ += ms;
    while (next_ < lines_.size()) {
        const std::optional<std::int64_t> instant = CSimRunner::InstantOf(lines_[next_]);
        if (instant && *instant > at_) {
            // Explosions and the like go on up to the next line's instant.
            if (at_ > runner_.RealTime()) {
                runner_.MoveTo(at_);
            }
            return;
        }
        try {
            runner_.Execute(lines_[next_], static_cast<int>(next_) + 1);
        } catch (const SimError&) {
            // A checked replay has played through once already; should a line
            // fail all the same, the playback ends there.
            next_ = lines_.size();
            return;
        }
        ++next_;
    }
}
