#include "settings/stored_scores.h"

#include <algorithm>

#include "game/settings_store.h"
#include "scores/core/calendar_clock.h"
#include "scores/core/score_record.h"
#include "settings/settings_value.h"

namespace {

QString ScoresPath(const QString& name) {
    return QLatin1String(kScoresKey) + QLatin1Char('/') + name;
}

}  // namespace

std::vector<HighScoreEntry> ScoresIn(const CSettingsText& text, std::int64_t timeForNone,
                                     bool* unreadable) {
    std::vector<std::string> names;
    for (const QString& name : text.ChildKeys(QLatin1String(kScoresKey))) {
        names.push_back(name.toStdString());
    }
    return ReadHighScoreRecords(
        std::move(names),
        [&text](const std::string& name) {
            return text.Value(ScoresPath(QString::fromStdString(name)));
        },
        timeForNone, unreadable);
}

void PutScores(CSettingsText& text, const std::vector<HighScoreEntry>& entries) {
    for (const QString& name : text.ChildKeys(QLatin1String(kScoresKey))) {
        text.Remove(ScoresPath(name));
    }
    for (std::size_t place = 0; place < entries.size(); ++place) {
        const HighScoreEntry& e = entries[place];
        text.SetRawValue(
            ScoresPath(QString::fromStdString(HighScoreRecordName(place))),
            EncodeSettingValue(SettingValue::String(FormatScoreRecord({e.name, e.score, e.time}))));
    }
}

void MergeScores(CSettingsText& text, const std::vector<HighScoreEntry>& unsaved) {
    if (unsaved.empty()) {
        return;
    }
    std::vector<HighScoreEntry> table = ScoresIn(text, CalendarClock::Now());
    bool changed = false;
    for (const HighScoreEntry& entry : unsaved) {
        if (QualifiesForHighScore(table, entry.score)) {
            InsertHighScore(table, entry);
            table.resize(std::min(table.size(), kHighScoreTableSize));
            changed = true;
        }
    }
    if (changed) {
        PutScores(text, table);
    }
}

std::vector<HighScoreEntry> NewScores(const std::vector<HighScoreEntry>& before,
                                      const std::vector<HighScoreEntry>& after) {
    std::vector<HighScoreEntry> unmatched = before;
    std::vector<HighScoreEntry> added;
    for (const HighScoreEntry& entry : after) {
        const auto same = std::find_if(unmatched.begin(), unmatched.end(), [&entry](const auto& e) {
            return e.name == entry.name && e.score == entry.score &&
                   (e.time == entry.time || e.time == 0);
        });
        if (same != unmatched.end()) {
            unmatched.erase(same);
        } else {
            added.push_back(entry);
        }
    }
    return added;
}
