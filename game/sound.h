#pragma once
// The sound seam: the game asks for a cue, a player decides how it sounds.

#include <vector>

enum SoundCue : int {
    kSnapCue = 300,     // a gem snaps into the cluster
    kExplodeCue = 301,  // a ring or a bomb goes off
};

// Extra flag of a cue request: skip this cue while any cue is still playing,
// rather than cutting the playing one off.
inline constexpr unsigned kCueNoStop = 0x0010;

inline constexpr int kSnapCueSamples = 6832;
inline constexpr int kExplodeCueSamples = 34975;
inline constexpr int kCueSampleRate = 22050;

class ISoundPlayer {
  public:
    virtual ~ISoundPlayer() = default;
    virtual void Play(int cue, unsigned flags) = 0;
};

// The player of this thread (the window's, or a worker's own); null plays nothing.
void SetSoundPlayer(ISoundPlayer* player);
ISoundPlayer* GetSoundPlayer();

// Remembers every request, for tests.
class CRecordingSoundPlayer : public ISoundPlayer {
  public:
    struct Request {
        int cue;
        unsigned flags;
    };
    void Play(int cue, unsigned flags) override { requests.push_back({cue, flags}); }
    std::vector<Request> requests;
};
