// The table through the real config-file backend: what one run saves, the
// next run (a fresh store reading the file) must read back unchanged.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "game/memory_settings.h"
#include "scores/core/high_score_table.h"
#include "shell/qt_settings.h"

namespace {

std::vector<HighScoreEntry> LoadFrom(const QString& file) {
    CQtSettings store(file);
    CScopedSettingsBackend installed(&store);
    CHighScoreTable table;
    table.LoadHighScores();
    return table.Entries();
}

}  // namespace

TEST(HighScoreFile, EveryNameAScoreCanHoldSurvivesTheNextRun) {
    QTemporaryDir dir;
    const QString file = dir.filePath("Torvane.conf");
    const std::vector<std::string> names = {
        "Zoë",        "東京",  "a, b",        "semi;colon", "=equals=",
        "\"quoted\"", "#hash", "back\\slash", "  spaced  ", "",
    };
    {
        CQtSettings store(file);
        CScopedSettingsBackend installed(&store);
        CHighScoreTable table;
        std::uint32_t score = 1000;
        for (const std::string& name : names) {
            table.AddHighScore(name, score--, 4102444800);
        }
    }
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(CQtSettings::LooksLikeSettingsFile(written.readAll()));

    const std::vector<HighScoreEntry> loaded = LoadFrom(file);
    ASSERT_EQ(loaded.size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(loaded[i].name, names[i]);
        EXPECT_EQ(loaded[i].score, 1000 - i);
        EXPECT_EQ(loaded[i].time, 4102444800);
    }
}

TEST(HighScoreFile, ASecondSaveReplacesTheTableWhole) {
    QTemporaryDir dir;
    const QString file = dir.filePath("Torvane.conf");
    for (std::uint32_t score : {100u, 300u, 200u}) {
        CQtSettings store(file);
        CScopedSettingsBackend installed(&store);
        CHighScoreTable table;
        table.LoadHighScores();
        table.AddHighScore("P" + std::to_string(score), score, 86400);
    }
    const std::vector<HighScoreEntry> loaded = LoadFrom(file);
    ASSERT_EQ(loaded.size(), 3u);
    EXPECT_EQ(loaded[0].name, "P300");
    EXPECT_EQ(loaded[1].name, "P200");
    EXPECT_EQ(loaded[2].name, "P100");
}
