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
    commit.before = table.Entries();
    if (table.QualifiesForHighScore(score)) {
        commit.place = table.AddHighScore(name, score, time);
        if (commit.place) {
            commit.entry = table.Entries()[*commit.place];
        }
        table.SaveHighScores();
    }
    commit.table = table.Entries();
    commit.failure = store->EndExclusive();
    return commit;
}
