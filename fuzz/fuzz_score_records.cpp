// Any bytes as the stored high-score records, one per line ("000", "001",
// ...), a line starting with "!" standing for a number and an empty line for
// a missing record. Loading never fails; the table comes out best first;
// saving and loading again loses nothing; a qualifying score added under the
// first line as a name, as the entry field filters it, is kept.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>

#include "fuzz_check.h"
#include "game/memory_settings.h"
#include "scores/core/calendar_clock.h"
#include "scores/core/high_score_table.h"
#include "scores/core/score_name.h"

namespace {

std::vector<HighScoreEntry> Load() {
    CHighScoreTable table;
    table.LoadHighScores();
    return table.Entries();
}

bool Same(const HighScoreEntry& x, const HighScoreEntry& y) {
    return x.name == y.name && x.score == y.score && x.time == y.time;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CMemorySettings store;
    CScopedSettingsBackend installed(&store);
    CalendarClock::Pin(1700000000);
    const std::string input(reinterpret_cast<const char*>(data), size);
    for (std::size_t i = 0, at = 0; at < size; ++i) {
        const std::string line = input.substr(at, input.find('\n', at) - at);
        at += line.size() + 1;
        char name[24];
        std::snprintf(name, sizeof name, "%03zu", i);
        if (!line.empty()) {
            store.Write(kScoresKey, name,
                        line[0] == '!' ? SettingValue::Dword(7) : SettingValue::String(line));
        }
    }
    const std::vector<HighScoreEntry> first = Load();
    FUZZ_CHECK(std::is_sorted(first.begin(), first.end(),
                              [](const auto& a, const auto& b) { return a.score > b.score; }),
               "entries come best first");
    const HighScoreEntry entry{FilterScoreName(input.substr(0, input.find('\n'))),
                               static_cast<std::uint32_t>(size) * 997u, 1700000000};
    bool qualified = false;
    {
        CHighScoreTable table;
        table.LoadHighScores();
        table.SaveHighScores();
        const std::vector<HighScoreEntry> again = Load();
        FUZZ_CHECK(std::equal(first.begin(), first.end(), again.begin(), again.end(), Same) &&
                       store.ValueNames(kScoresKey).size() == again.size(),
                   "a save and a load lose nothing and leave nothing else");
        qualified = table.QualifiesForHighScore(entry.score);
        if (qualified) {
            table.AddHighScore(entry.name, entry.score, 0);
        }
    }
    const std::vector<HighScoreEntry> after = Load();
    FUZZ_CHECK(after.size() <= std::max(first.size(), kHighScoreTableSize),
               "adding never grows a table beyond ten");
    FUZZ_CHECK(!qualified || std::any_of(after.begin(), after.end(),
                                         [&](const auto& e) { return Same(e, entry); }),
               "a qualifying score is kept under its name");
    CalendarClock::Pin(std::nullopt);
    return 0;
}
