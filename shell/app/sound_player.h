#pragma once
// The game's two cues played as the platform's sound API played them: one
// sound at a time for the whole program. A new cue cuts off whatever plays;
// a cue marked "do not interrupt" is skipped while another still sounds.
//
// Whether a cue still sounds is kept here, from its start time and its known
// length, never asked of the audio system: without an audio server the audio
// system reports a sound as playing forever.

#include <cstdint>
#include <functional>

#include "game/sound.h"

// Where cues are heard: sound effects in the program, a recorder in tests.
class ICueOutput {
  public:
    virtual ~ICueOutput() = default;
    virtual void Start(int cue) = 0;
    virtual void StopAll() = 0;
};

class CSoundPlayer : public ISoundPlayer {
  public:
    // now: real time in milliseconds, steadily increasing.
    CSoundPlayer(ICueOutput& output, std::function<std::int64_t()> now);

    void Play(int cue, unsigned flags) override;

    // How long a cue sounds, rounded up to whole milliseconds; 0 for no cue.
    static std::int64_t CueLengthMs(int cue);

  private:
    ICueOutput& output_;
    std::function<std::int64_t()> now_;
    bool anyPlayed_ = false;
    std::int64_t silentFrom_ = 0;
};
