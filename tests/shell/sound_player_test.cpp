// One sound at a time: a new cue cuts off the one that plays, a snap never
// cuts anything off, and "still playing" comes from the cue's own length.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <string>
#include <vector>

#include "game/game.h"
#include "shell/qt_cue_output.h"
#include "shell/sound_player.h"

namespace {

class CRecordingOutput : public ICueOutput {
  public:
    void Start(int cue) override { log.push_back("start " + std::to_string(cue)); }
    void StopAll() override { log.push_back("stop"); }
    std::vector<std::string> log;
};

class SoundPlayerTest : public ::testing::Test {
  protected:
    CRecordingOutput output;
    std::int64_t now = 5000;
    CSoundPlayer player{output, [this] { return now; }};
};

TEST_F(SoundPlayerTest, CueLengthsComeFromTheirSampleCounts) {
    EXPECT_EQ(CSoundPlayer::CueLengthMs(kSnapCue), 310);      // 6832 / 22050 s
    EXPECT_EQ(CSoundPlayer::CueLengthMs(kExplodeCue), 1587);  // 34975 / 22050 s
    EXPECT_EQ(CSoundPlayer::CueLengthMs(42), 0);
}

TEST_F(SoundPlayerTest, SnapIsSkippedWhileAnotherCueStillSounds) {
    player.Play(kExplodeCue, 0);
    now += 1586;
    player.Play(kSnapCue, kCueNoStop);
    EXPECT_EQ(output.log, (std::vector<std::string>{"stop", "start 301"}));
    now += 1;
    player.Play(kSnapCue, kCueNoStop);
    now += 309;
    player.Play(kSnapCue, kCueNoStop);
    EXPECT_EQ(output.log, (std::vector<std::string>{"stop", "start 301", "stop", "start 300"}));
}

TEST_F(SoundPlayerTest, ExplosionCutsOffWhateverPlays) {
    player.Play(kSnapCue, kCueNoStop);
    now += 100;
    player.Play(kExplodeCue, 0);
    now += 100;
    player.Play(kExplodeCue, 0);
    EXPECT_EQ(output.log, (std::vector<std::string>{"stop", "start 300", "stop", "start 301",
                                                    "stop", "start 301"}));
    // The second explosion restarted the time the sound lasts.
    now += 1500;
    player.Play(kSnapCue, kCueNoStop);
    EXPECT_EQ(output.log.size(), 6u);
}

TEST_F(SoundPlayerTest, FirstSnapPlaysWhateverTheClockReads) {
    now = -100000;
    player.Play(kSnapCue, kCueNoStop);
    EXPECT_EQ(output.log, (std::vector<std::string>{"stop", "start 300"}));
}

TEST_F(SoundPlayerTest, GameCuesReachThePlayerThroughItsSwitches) {
    SetSoundPlayer(&player);
    CGame game;
    game.PlayCue(kSnapCue, kCueNoStop);
    game.snapSoundOn = false;
    now += 400;
    game.PlayCue(kSnapCue, kCueNoStop);
    game.PlayCue(kExplodeCue, 0);
    game.SetQuiet(true);
    now += 2000;
    game.PlayCue(kExplodeCue, 0);
    SetSoundPlayer(nullptr);
    EXPECT_EQ(output.log, (std::vector<std::string>{"stop", "start 300", "stop", "start 301"}));
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
