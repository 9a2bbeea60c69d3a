// The settings store over QSettings, read back as the next run reads it, and
// the sound player's one cue at a time.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include "game/memory_settings.h"
#include "game/sound.h"
#include "scores/core/high_score_table.h"
#include "shell/qt_cue_output.h"
#include "shell/qt_settings.h"
#include "shell/sound_player.h"

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteAll(const QString& path, const QByteArray& contents) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

TEST(QtSettings, PlayersFileIsMadeByTheFirstWriteAndHoldsEveryValueForTheNextRun) {
    const QString file =
        qEnvironmentVariable("XDG_CONFIG_HOME") + "/Quillfen Software/Torvane.conf";
    const std::vector<std::string> names = {
        "Zoë",        "東京",  "a, b",        "semi;colon", "=equals=",
        "\"quoted\"", "#hash", "back\\slash", "  spaced  ", ""};
    QFile::remove(file);
    {
        CQtSettings settings;
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
    CQtSettings settings(next);
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

TEST(QtSettings, TextThatIsNoUnsigned32BitNumberReadsAsZeroAndADamagedFileIsLeftAlone) {
    QTemporaryDir dir;
    const QString path = dir.filePath("typed.conf");
    ASSERT_TRUE(WriteAll(path,
                         "[Settings]\nDifficulty=3\nQuiet=yes\nColor0=-5\nColor1=4294967296\n"
                         "Color2=\nQuietSnapin=007\nMouseWheelSpeed=1, 2\n"));
    CQtSettings settings(path);
    CScopedSettingsBackend guard(&settings);
    std::vector<std::uint32_t> read;
    for (const char* name :
         {"Difficulty", "Quiet", "Color0", "Color1", "Color2", "QuietSnapin", "MouseWheelSpeed"}) {
        read.push_back(ReadSettingDword(kSettingsKey, name));
    }
    EXPECT_EQ(read, (std::vector<std::uint32_t>{3, 0, 0, 0, 0, 7, 0}));
    // Damaged behind the program's back: from then on nothing is written.
    const QByteArray damaged(
        "\x7f"
        "ELF binary that replaced the file");
    ASSERT_TRUE(WriteAll(path, damaged));
    WriteSettingDword(kSettingsKey, "Quiet", 1);
    settings.DeleteValue(kSettingsKey, "Difficulty");
    EXPECT_EQ(ReadAll(path), damaged);
    EXPECT_EQ(ReadSettingDword(kSettingsKey, "Difficulty"), 0u);
    const QString folder = dir.filePath("folder.conf");  // unreadable as a file, even by root
    ASSERT_TRUE(QDir().mkpath(folder));
    CQtSettings onFolder(folder);
    EXPECT_FALSE(onFolder.Read(kSettingsKey, "Difficulty").has_value());
    EXPECT_FALSE(onFolder.Write(kSettingsKey, "Difficulty", SettingValue::Dword(3)));
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
