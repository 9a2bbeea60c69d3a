#pragma once
// An in-memory "Scores" key installed as the process-wide store, and a pinned
// calendar clock, for the duration of one test.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/memory_settings.h"
#include "scores/core/calendar_clock.h"
#include "scores/core/high_score_table.h"

class ScoreStoreTest : public ::testing::Test {
  protected:
    static constexpr std::int64_t kNow = 1700000000;  // 2023-11-14 22:13:20 UTC

    void SetUp() override { CalendarClock::Pin(kNow); }
    void TearDown() override { CalendarClock::Pin(std::nullopt); }

    void Put(const std::string& name, const std::string& text) {
        store.Write(kScoresKey, name, SettingValue::String(text));
    }
    std::string Text(const std::string& name) const {
        const auto v = store.Read(kScoresKey, name);
        return v ? v->text : "<missing>";
    }
    std::vector<std::string> Keys() const { return store.ValueNames(kScoresKey); }

    // "name:score@time" of every entry of a table, best first.
    static std::vector<std::string> Listed(const CHighScoreTable& table) {
        std::vector<std::string> out;
        for (const HighScoreEntry& e : table.Entries()) {
            out.push_back(e.name + ":" + std::to_string(e.score) + "@" + std::to_string(e.time));
        }
        return out;
    }
    // The same for a fresh load of the store.
    static std::vector<std::string> Loaded() {
        CHighScoreTable table;
        table.LoadHighScores();
        return Listed(table);
    }

    CMemorySettings store;
    CScopedSettingsBackend installed{&store};
};
