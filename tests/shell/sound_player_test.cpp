// One sound at a time: a new cue cuts off the one that plays, and a snap is
// skipped while another cue still sounds for its own length.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <string>
#include <vector>

#include "game/sound.h"
#include "shell/qt_cue_output.h"
#include "shell/sound_player.h"

namespace {

class CRecordingOutput : public ICueOutput {
  public:
    void Start(int cue) override { log.push_back("start " + std::to_string(cue)); }
    void StopAll() override { log.push_back("stop"); }
    std::vector<std::string> log;
};

TEST(SoundPlayerTest, ExplosionCutsOffWhateverPlaysAndSnapWaitsForSilence) {
    CRecordingOutput output;
    std::int64_t now = -100000;  // the first cue plays whatever the clock reads
    CSoundPlayer player(output, [&now] { return now; });
    player.Play(kSnapCue, kCueNoStop);
    now += 100;
    player.Play(kExplodeCue, 0);
    now += 100;
    player.Play(kExplodeCue, 0);  // starts the explosion's 1587 ms again
    now += 1586;
    player.Play(kSnapCue, kCueNoStop);  // skipped
    now += 1;
    player.Play(kSnapCue, kCueNoStop);
    now += 309;
    player.Play(kSnapCue, kCueNoStop);  // skipped: a snap lasts 310 ms
    now += 1;
    player.Play(kSnapCue, kCueNoStop);
    EXPECT_EQ(output.log,
              (std::vector<std::string>{"stop", "start 300", "stop", "start 301", "stop",
                                        "start 301", "stop", "start 300", "stop", "start 300"}));
}

TEST(QtSoundPlayerTest, PlaysWithoutAnAudioDeviceWithoutStallingOrFailing) {
    QElapsedTimer timer;
    timer.start();
    CQtSoundPlayer player;
    for (int i = 0; i < 20; ++i) {
        player.Play(i % 2 == 0 ? kExplodeCue : kSnapCue, i % 2 == 0 ? 0 : kCueNoStop);
        QCoreApplication::processEvents();
    }
    EXPECT_LT(timer.elapsed(), 5000);
}

}  // namespace
