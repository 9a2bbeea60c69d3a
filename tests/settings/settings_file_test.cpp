// The settings file in one process: the file format shared with earlier
// versions, a damaged file set aside, a score placed among what another copy
// stored meanwhile, and a write that cannot reach the disk.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "game/memory_settings.h"
#include "scores/core/score_commit.h"
#include "settings/settings_file.h"

using ::testing::ElementsAre;

namespace {

class SettingsFileTest : public ::testing::Test {
  protected:
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    static void Put(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray Bytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
    }
    // "name:score" of the table as a fresh load of the store reads it.
    static std::vector<std::string> Table(CSettingsFile& store) {
        CScopedSettingsBackend installed(&store);
        CHighScoreTable table;
        table.LoadHighScores();
        std::vector<std::string> out;
        for (const HighScoreEntry& e : table.Entries()) {
            out.push_back(e.name + ":" + std::to_string(e.score));
        }
        return out;
    }
    static ScoreCommit Commit(CSettingsFile& store, const char* name, std::uint32_t score) {
        CScopedSettingsBackend installed(&store);
        return CommitHighScore(name, score, 86400);
    }

    // In memory where there is such a folder: a flush to disk costs more
    // than everything else here.
    QTemporaryDir dir{QDir(QStringLiteral("/dev/shm")).exists()
                          ? QStringLiteral("/dev/shm/torvane-XXXXXX")
                          : QDir::tempPath() + QStringLiteral("/torvane-XXXXXX")};
    std::vector<QString> notices;
};

TEST_F(SettingsFileTest, ValuesReadAsQSettingsWroteThemAndWriteSoQSettingsReadsThem) {
    const std::string texts[] = {"a|Alpha, Beta|12345|1000",
                                 "Zoë 東京 \"q\" back\\slash;",
                                 " spaced ",
                                 "@at=eq",
                                 "tab\tline\n\x01"
                                 "1",
                                 "4294967296"};
    {
        QSettings earlier(Path("earlier.conf"), QSettings::IniFormat);
        earlier.setValue(QStringLiteral("Settings/Difficulty"), 3u);
        for (int i = 0; i < 6; ++i) {
            earlier.setValue(QStringLiteral("Scores/00%1").arg(i),
                             QString::fromStdString(texts[i]));
        }
    }
    // Earlier versions kept the player's settings where QSettings keeps them.
    EXPECT_EQ(CSettingsFile().FileName(),
              QSettings(QStringLiteral("Quillfen Software"), QStringLiteral("Torvane")).fileName());
    CSettingsFile read(Path("earlier.conf"));
    CSettingsFile written(Path("ours.conf"));
    EXPECT_EQ(read.Read(kSettingsKey, "Difficulty")->dword, 3u);
    for (int i = 0; i < 6; ++i) {
        const std::string name = "00" + std::to_string(i);
        EXPECT_EQ(read.Read(kScoresKey, name)->text, texts[i]);
        written.Write(kScoresKey, name, SettingValue::String(texts[i]));
    }
    QSettings later(Path("ours.conf"), QSettings::IniFormat);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(later.value(QStringLiteral("Scores/00%1").arg(i)).toString().toStdString(),
                  texts[i]);
    }

    // Only the text of an unsigned 32-bit number reads as a number.
    Put(Path("typed.conf"), "[Settings]\nA=3\nB=yes\nC=-5\nD=4294967296\nE=\nF=007\nG=1, 2\n");
    CSettingsFile typed(Path("typed.conf"));
    CScopedSettingsBackend installed(&typed);
    std::vector<std::uint32_t> numbers;
    for (const char* name : {"A", "B", "C", "D", "E", "F", "G"}) {
        numbers.push_back(ReadSettingDword(kSettingsKey, name));
    }
    EXPECT_THAT(numbers, ElementsAre(3u, 0u, 0u, 0u, 0u, 7u, 0u));
}

TEST_F(SettingsFileTest, DamagedFileIsSetAsideOnceAndItsReadableScoresCarriedOver) {
    const QByteArray scores("[Scores]\n000=a|Alpha|300|86400\n001=a|Bravo|900|86400\n");
    const QByteArray damaged[] = {
        scores + "\x01\x02garbage\n002=a|Cut|7",  scores + "[Settings\nDifficulty=3\n",
        scores + "[Settings]\nName=\"open\n",     scores + "004=Zo\xc3",
        QByteArray(2 << 20, 'x') + "\n" + scores,
    };
    for (const QByteArray& bytes : damaged) {
        const QString path = Path("damaged.conf");
        Put(path, bytes);
        CSettingsFile store(path);
        store.SetNoticeHandler([this](const QString& n) { notices.push_back(n); });
        store.Open();
        ASSERT_EQ(notices.size(), 1u);
        const QStringList aside = QDir(dir.path()).entryList({"damaged.conf.damaged-*"});
        ASSERT_EQ(aside.size(), 1);
        EXPECT_TRUE(notices[0].contains(aside[0]));
        EXPECT_EQ(Bytes(dir.filePath(aside[0])), bytes);
        EXPECT_EQ(Commit(store, "Later", 500).failure, std::nullopt);
        EXPECT_THAT(Table(store), ElementsAre("Bravo:900", "Later:500", "Alpha:300"));
        CSettingsFile nextRun(path);
        EXPECT_THAT(Table(nextRun), ElementsAre("Bravo:900", "Later:500", "Alpha:300"));
        EXPECT_EQ(notices.size(), 1u);
        QFile::remove(dir.filePath(aside[0]));
        notices.clear();
    }
}

TEST_F(SettingsFileTest, ScoreGoesWhereItBelongsAfterAnotherCopyStoredMeanwhile) {
    const struct {
        int count;  // scores stored by the other copy since this one read the table
        std::uint32_t score;
        std::optional<std::size_t> place;
        std::size_t dropped;
    } cases[] = {{10, 100, 0, 1}, {5, 900, 5, 0}, {10, 500, std::nullopt, 0}};
    for (const auto& c : cases) {
        const QString path = Path("shared.conf");
        QFile::remove(path);
        CSettingsFile mine(path);
        CSettingsFile other(path);
        Commit(mine, "Mine", 400);
        for (int i = 0; i < c.count; ++i) {
            Commit(other, "Other", c.score);
        }
        const ScoreCommit commit = Commit(mine, "Mine", 500);
        EXPECT_EQ(commit.place, c.place) << c.score;
        EXPECT_EQ(commit.dropped.size(), c.dropped) << c.score;
        EXPECT_EQ(Table(other), Table(mine));
    }
}

TEST_F(SettingsFileTest, WriteThatCannotReachTheDiskIsToldOnceAndKeptForTheRun) {
    // Whoever runs the test: nothing can be made below a plain file, and a
    // folder where the file should be is never replaced.
    Put(Path("file"), "not a folder");
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.conf"));
    for (const char* name : {"file/Torvane.conf", "folder.conf"}) {
        CSettingsFile store(Path(name));
        store.SetNoticeHandler([this](const QString& n) { notices.push_back(n); });
        CScopedSettingsBackend installed(&store);
        WriteSettingDword(kSettingsKey, "Difficulty", 3);
        WriteSettingDword(kSettingsKey, "Quiet", 1);
        ASSERT_EQ(notices.size(), 1u) << name;
        EXPECT_TRUE(notices[0].startsWith("Your settings could not be saved: ")) << name;
        EXPECT_EQ(ReadSettingDword(kSettingsKey, "Difficulty"), 3u) << name;
        EXPECT_TRUE(Commit(store, "Kept", 500).failure) << name;
        EXPECT_THAT(Table(store), ElementsAre("Kept:500")) << name;
        notices.clear();
    }
    EXPECT_TRUE(QFileInfo(Path("folder.conf")).isDir());
}

}  // namespace
