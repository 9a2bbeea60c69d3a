#pragma once
// The high-score table inside the text of the settings file, for the store's
// own use. Entries whose save failed stay in memory as entries, never as the
// values "000", "001", ... they were saved under: another copy may store
// other entries under those names meanwhile, so each is placed again in the
// table as it is on disk, as a save of it would place it.

#include <vector>

#include "scores/core/high_score_table.h"
#include "settings/settings_text.h"

// The table as the text holds it, read as the table reads it, best first;
// `timeForNone` dates a record without a time; `unreadable`, when given, is
// set when a value of the table is not a record it understands.
std::vector<HighScoreEntry> ScoresIn(const CSettingsText& text, std::int64_t timeForNone,
                                     bool* unreadable = nullptr);
// Replaces every value of the table by these entries, as a save does.
void PutScores(CSettingsText& text, const std::vector<HighScoreEntry>& entries);
// Each entry that earns a place in the table is placed there, in turn; a
// table that changed is put back into the text.
void MergeScores(CSettingsText& text, const std::vector<HighScoreEntry>& unsaved);
// The entries of `after` that `before` does not hold, each counted once. An
// entry of `before` without a time (0) is the same entry once a save dated it.
std::vector<HighScoreEntry> NewScores(const std::vector<HighScoreEntry>& before,
                                      const std::vector<HighScoreEntry>& after);
