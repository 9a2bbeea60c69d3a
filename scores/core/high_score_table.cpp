#include "scores/core/high_score_table.h"

#include <algorithm>
#include <cstdio>
#include <set>

#include "game/settings_store.h"
#include "scores/core/calendar_clock.h"
#include "scores/core/score_name.h"
#include "scores/core/score_record.h"

std::string HighScoreRecordName(std::size_t place) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%03zu", place);
    return buffer;
}

std::vector<HighScoreEntry> ReadHighScoreRecords(
    std::vector<std::string> names,
    const std::function<std::optional<SettingValue>(const std::string& name)>& record,
    std::int64_t timeForNone, bool* unreadable) {
    // In the order of their names, so that equal scores keep theirs.
    std::sort(names.begin(), names.end());
    std::vector<HighScoreEntry> entries;
    bool passedOver = false;
    for (const std::string& name : names) {
        const auto value = record(name);
        // Only text can be a record.
        const std::string_view text =
            value && value->type == SettingValue::Type::String ? std::string_view(value->text) : "";
        ParsedRecord parsed = ParseScoreRecord(text);
        if (parsed.verdict != RecordVerdict::kEntry) {
            passedOver = true;
            continue;
        }
        ScoreRecord& r = parsed.record;
        InsertHighScore(entries, {std::move(r.name), r.score, r.time != 0 ? r.time : timeForNone});
    }
    if (unreadable != nullptr) {
        *unreadable = passedOver;
    }
    return entries;
}

std::size_t IdenticalBefore(const std::vector<HighScoreEntry>& entries, std::size_t row) {
    const HighScoreEntry& e = entries.at(row);
    return static_cast<std::size_t>(
        std::count_if(entries.begin(), entries.begin() + static_cast<std::ptrdiff_t>(row),
                      [&e](const HighScoreEntry& x) {
                          return x.name == e.name && x.score == e.score && x.time == e.time;
                      }));
}

bool QualifiesForHighScore(const std::vector<HighScoreEntry>& entries, std::uint32_t score) {
    if (score < kMinimumHighScore) {
        return false;
    }
    const auto ahead = std::count_if(entries.begin(), entries.end(),
                                     [score](const HighScoreEntry& e) { return e.score >= score; });
    return static_cast<std::size_t>(ahead) < kHighScoreTableSize;
}

std::size_t InsertHighScore(std::vector<HighScoreEntry>& entries, HighScoreEntry entry) {
    // Behind every equal score: whoever got there first keeps the better place.
    const auto place =
        std::find_if(entries.begin(), entries.end(),
                     [&entry](const HighScoreEntry& e) { return e.score < entry.score; });
    const auto inserted = entries.insert(place, std::move(entry));
    return static_cast<std::size_t>(inserted - entries.begin());
}

CHighScoreTable::~CHighScoreTable() {
    if (dirty_) {
        SaveHighScores();
    }
}

void CHighScoreTable::LoadHighScores() {
    ISettingsBackend* store = GetSettingsBackend();
    if (store == nullptr || !store->KeyExists(kScoresKey)) {
        return;
    }
    entries_ = ReadHighScoreRecords(
        store->ValueNames(kScoresKey),
        [store](const std::string& name) { return store->Read(kScoresKey, name); },
        CalendarClock::Now(), &unreadable_);
    entries_.resize(std::min(entries_.size(), kHighScoreTableSize));
}

std::optional<std::string> CHighScoreTable::SaveHighScores() {
    dirty_ = false;
    ISettingsBackend* store = GetSettingsBackend();
    if (store == nullptr) {
        return std::nullopt;
    }
    if (!store->KeyExists(kScoresKey) && !store->CreateKey(kScoresKey)) {
        return std::nullopt;
    }
    // One exclusive section: the records reach the store together, so
    // nobody ever reads half an old table and half a new one.
    store->BeginExclusive();
    std::set<std::string> written;
    for (std::size_t k = 0; k < entries_.size(); ++k) {
        const HighScoreEntry& e = entries_[k];
        written.insert(HighScoreRecordName(k));
        store->Write(kScoresKey, HighScoreRecordName(k),
                     SettingValue::String(FormatScoreRecord({e.name, e.score, e.time})));
    }
    for (const std::string& name : store->ValueNames(kScoresKey)) {
        if (written.count(name) == 0) {
            store->DeleteValue(kScoresKey, name);
        }
    }
    return store->EndExclusive();
}

bool CHighScoreTable::QualifiesForHighScore(std::uint32_t score) const {
    return ::QualifiesForHighScore(entries_, score);
}

std::optional<std::size_t> CHighScoreTable::AddHighScore(const std::string& name,
                                                         std::uint32_t score, std::int64_t time) {
    // Filtered here too, whoever the caller: a separator in a name would
    // split its record when the table is read back.
    const std::size_t place = InsertHighScore(
        entries_, {FilterScoreName(name), score, time != 0 ? time : CalendarClock::Now()});
    if (entries_.size() > kHighScoreTableSize) {
        entries_.resize(kHighScoreTableSize);
    }
    dirty_ = true;
    if (place >= kHighScoreTableSize) {
        return std::nullopt;
    }
    return place;
}
