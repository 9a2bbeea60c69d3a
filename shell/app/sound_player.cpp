#include "shell/app/sound_player.h"

CSoundPlayer::CSoundPlayer(ICueOutput& output, std::function<std::int64_t()> now)
    : output_(output), now_(std::move(now)) {}

std::int64_t CSoundPlayer::CueLengthMs(int cue) {
    std::int64_t samples = 0;
    if (cue == kSnapCue) {
        samples = kSnapCueSamples;
    } else if (cue == kExplodeCue) {
        samples = kExplodeCueSamples;
    }
    return (samples * 1000 + kCueSampleRate - 1) / kCueSampleRate;
}

void CSoundPlayer::Play(int cue, unsigned flags) {
    const std::int64_t length = CueLengthMs(cue);
    if (length == 0) {
        return;
    }
    const std::int64_t now = now_();
    if ((flags & kCueNoStop) != 0 && anyPlayed_ && now < silentFrom_) {
        return;
    }
    output_.StopAll();
    output_.Start(cue);
    anyPlayed_ = true;
    silentFrom_ = now + length;
}
