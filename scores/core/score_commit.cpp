#include "scores/core/score_commit.h"

#include "game/settings_store.h"

ScoreCommit CommitHighScore(const std::string& name, std::uint32_t score, std::int64_t time) {
    ScoreCommit commit;
    ISettingsBackend* store = GetSettingsBackend();
    if (store == nullptr) {
        return commit;
    }
    store->BeginExclusive();
    CHighScoreTable table;
    table.LoadHighScores();
    if (table.QualifiesForHighScore(score)) {
        const std::vector<HighScoreEntry> before = table.Entries();
        commit.place = table.AddHighScore(name, score, time);
        if (commit.place) {
            commit.entry = table.Entries()[*commit.place];
        }
        // The new entry stays within the ten, so whatever stood from the
        // tenth place on before it came is out now.
        if (before.size() >= kHighScoreTableSize) {
            commit.dropped.assign(before.begin() + kHighScoreTableSize - 1, before.end());
        }
        table.SaveHighScores();
    }
    commit.failure = store->EndExclusive();
    return commit;
}
