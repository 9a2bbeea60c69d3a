#pragma once
// The two cues as Qt sound effects, loaded once at start-up from the
// resources. Without an audio output nothing is loaded and nothing plays.

#include <QElapsedTimer>
#include <QObject>
#include <map>
#include <memory>

#include "shell/app/sound_player.h"

class QSoundEffect;

class CQtCueOutput : public ICueOutput {
  public:
    CQtCueOutput();
    ~CQtCueOutput() override;

    void Start(int cue) override;
    void StopAll() override;

    bool HasAudio() const { return !effects_.empty(); }

  private:
    std::map<int, std::unique_ptr<QSoundEffect>> effects_;
};

// The program's player: Qt sound effects timed by a monotonic clock.
class CQtSoundPlayer : public ISoundPlayer {
  public:
    CQtSoundPlayer();
    void Play(int cue, unsigned flags) override { player_.Play(cue, flags); }

  private:
    CQtCueOutput output_;
    QElapsedTimer clock_;
    CSoundPlayer player_;
};
