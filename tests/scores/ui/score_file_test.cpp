// The table through the real config-file backend: what one run saves, the
// next run (a fresh store reading the file) must read back unchanged.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "game/memory_settings.h"
#include "scores/core/high_score_table.h"
#include "shell/settings/settings_file.h"

TEST(HighScoreFile, EveryNameAScoreCanHoldSurvivesTheNextRun) {
    QTemporaryDir dir;
    const QString file = dir.filePath("Torvane.conf");
    const std::vector<std::string> names = {
        "Zoë",        "東京",  "a, b",        "semi;colon", "=equals=",
        "\"quoted\"", "#hash", "back\\slash", "  spaced  ", "",
    };
    {
        CSettingsFile store(file);
        CScopedSettingsBackend installed(&store);
        CHighScoreTable table;
        std::uint32_t score = 1000;
        for (const std::string& name : names) {
            table.AddHighScore(name, score--, 4102444800);
        }
    }
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(CSettingsText::Parse(written.readAll()).has_value());

    CSettingsFile nextRun(file);
    CScopedSettingsBackend installed(&nextRun);
    CHighScoreTable table;
    table.LoadHighScores();
    const std::vector<HighScoreEntry>& loaded = table.Entries();
    ASSERT_EQ(loaded.size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(loaded[i].name, names[i]);
        EXPECT_EQ(loaded[i].score, 1000 - i);
        EXPECT_EQ(loaded[i].time, 4102444800);
    }
}
