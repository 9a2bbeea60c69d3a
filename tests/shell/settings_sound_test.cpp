// The player's settings file read back as the next run reads it, and the
// sound player's one cue at a time.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include "game/memory_settings.h"
#include "game/sound.h"
#include "scores/core/high_score_table.h"
#include "shell/qt_cue_output.h"
#include "shell/settings/settings_file.h"
#include "shell/sound_player.h"

namespace {

TEST(SettingsStore, PlayersFileIsMadeByTheFirstWriteAndHoldsEveryValueForTheNextRun) {
    const QString file =
        qEnvironmentVariable("XDG_CONFIG_HOME") + "/Quillfen Software/Torvane.conf";
    const std::vector<std::string> names = {
        "Zoë",        "東京",  "a, b",        "semi;colon", "=equals=",
        "\"quoted\"", "#hash", "back\\slash", "  spaced  ", ""};
    QFile::remove(file);
    {
        CSettingsFile settings;
        CScopedSettingsBackend guard(&settings);
        EXPECT_EQ(settings.FileName(), file);
        EXPECT_EQ(ReadSettingDword(kSettingsKey, "Quiet"), 0u);
        EXPECT_FALSE(QFile::exists(file));
        WriteSettingDword(kSettingsKey, "Difficulty", 3);
        WriteSettingDword(kSettingsKey, "MouseWheelSpeed", 0xFFFFFFFF);
        settings.Write("", "InstallPath", SettingValue::String("/opt/torvane"));
        settings.Write(kScoresKey, "010", SettingValue::String("a|Stale|1|1"));
        CHighScoreTable table;  // saved as it goes
        for (std::size_t i = 0; i < names.size(); ++i) {
            table.AddHighScore(names[i], static_cast<std::uint32_t>(1000 - i), 4102444800);
        }
    }
    // The next run: the same text under a name this process never opened.
    QTemporaryDir dir;
    const QString next = dir.filePath("next.conf");
    ASSERT_TRUE(QFile::copy(file, next));
    CSettingsFile settings(next);
    CScopedSettingsBackend guard(&settings);
    EXPECT_EQ(ReadSettingDword(kSettingsKey, "Difficulty"), 3u);
    EXPECT_EQ(ReadSettingDword(kSettingsKey, "MouseWheelSpeed"), 0xFFFFFFFFu);
    EXPECT_EQ(ReadSettingString("", "InstallPath"), "/opt/torvane");
    EXPECT_EQ(settings.ValueNames(kScoresKey).size(), names.size());
    CHighScoreTable table;
    table.LoadHighScores();
    ASSERT_EQ(table.Entries().size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(table.Entries()[i].name, names[i]);
        EXPECT_EQ(table.Entries()[i].score, 1000 - i);
        EXPECT_EQ(table.Entries()[i].time, 4102444800);
    }
}

// Logs "-" for a stop and cue@time for a start.
struct CRecordingOutput : ICueOutput {
    void Start(int cue) override { log << QString("%1@%2").arg(cue).arg(*now); }
    void StopAll() override { log << "-"; }
    const std::int64_t* now;
    QStringList log;
};

TEST(SoundPlayer, ACueCutsOffWhateverPlaysButASnapWaitsForSilence) {
    std::int64_t now = 0;
    CRecordingOutput output;
    output.now = &now;
    CSoundPlayer player(output, [&now] { return now; });
    // A snap lasts 310 ms, an explosion (at 400 and 500) 1587; the first cue
    // plays whatever the clock reads.
    for (const std::int64_t at : {-1, 308, 309, 400, 500, 2086, 2087}) {
        now = at;
        const bool explosion = at == 400 || at == 500;
        player.Play(explosion ? kExplodeCue : kSnapCue, explosion ? 0 : kCueNoStop);
    }
    EXPECT_EQ(output.log.join(' '), "- 300@-1 - 300@309 - 301@400 - 301@500 - 300@2087");

    QElapsedTimer timer;  // without an audio device: no stall, no failure
    timer.start();
    CQtSoundPlayer qtPlayer;
    for (int i = 0; i < 20; ++i) {
        qtPlayer.Play(i % 2 == 0 ? kExplodeCue : kSnapCue, i % 2 == 0 ? 0 : kCueNoStop);
        QCoreApplication::processEvents();
    }
    EXPECT_LT(timer.elapsed(), 5000);
}

}  // namespace
