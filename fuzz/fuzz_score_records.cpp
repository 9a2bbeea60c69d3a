// Any bytes as the stored high-score records, one per line ("000", "001",
// ...), a line starting with "!" standing for a value of another type and an
// empty line for a missing number. Loading never fails; the table comes out
// best first; saving and loading again loses nothing; a qualifying score
// added under a name as the entry field filters it is kept.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "game/memory_settings.h"
#include "scores/core/calendar_clock.h"
#include "scores/core/high_score_table.h"
#include "scores/core/score_name.h"

namespace {

std::string RecordName(std::size_t i) {
    char name[24];
    std::snprintf(name, sizeof name, "%03zu", i);
    return name;
}

bool SameEntries(const std::vector<HighScoreEntry>& a, const std::vector<HighScoreEntry>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const HighScoreEntry& x, const HighScoreEntry& y) {
                          return x.name == y.name && x.score == y.score && x.time == y.time;
                      });
}

std::vector<HighScoreEntry> LoadAll() {
    CHighScoreTable table;
    table.LoadHighScores();
    return table.Entries();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    CMemorySettings store;
    CScopedSettingsBackend installed(&store);
    CalendarClock::Pin(1700000000);

    // The last line, when it starts with "+", is a name to add with a score.
    std::string added;
    const auto lastBreak = input.rfind('\n');
    const std::string_view last =
        lastBreak == std::string_view::npos ? input : input.substr(lastBreak + 1);
    if (!last.empty() && last[0] == '+') {
        added = std::string(last.substr(1));
        input = input.substr(0, input.size() - last.size());
    }
    std::size_t index = 0;
    while (!input.empty()) {
        const auto end = input.find('\n');
        const std::string_view line = input.substr(0, end);
        if (!line.empty() && line[0] == '!') {
            store.Write(kScoresKey, RecordName(index), SettingValue::Dword(7));
        } else if (!line.empty()) {
            store.Write(kScoresKey, RecordName(index), SettingValue::String(std::string(line)));
        }
        ++index;
        input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
    }

    const std::vector<HighScoreEntry> first = LoadAll();
    FUZZ_CHECK(std::is_sorted(first.begin(), first.end(),
                              [](const HighScoreEntry& a, const HighScoreEntry& b) {
                                  return a.score > b.score;
                              }),
               "entries come best first");
    {
        CHighScoreTable table;
        table.LoadHighScores();
        table.SaveHighScores();
    }
    const std::vector<HighScoreEntry> again = LoadAll();
    FUZZ_CHECK(SameEntries(first, again), "a save and a load lose nothing");
    FUZZ_CHECK(store.ValueNames(kScoresKey).size() == again.size(),
               "the key holds exactly the saved entries");

    if (!added.empty()) {
        const std::string name = FilterScoreName(added);
        const std::uint32_t score = static_cast<std::uint32_t>(added.size()) * 997u;
        bool qualified = false;
        {
            CHighScoreTable table;
            table.LoadHighScores();
            qualified = table.QualifiesForHighScore(score);
            if (qualified) {
                table.AddHighScore(name, score, 0);
            }
        }
        const std::vector<HighScoreEntry> after = LoadAll();
        FUZZ_CHECK(after.size() <= std::max(first.size(), kHighScoreTableSize),
                   "adding never grows a table beyond ten");
        if (qualified) {
            FUZZ_CHECK(std::any_of(after.begin(), after.end(),
                                   [&](const HighScoreEntry& e) {
                                       return e.name == name && e.score == score &&
                                              e.time == 1700000000;
                                   }),
                       "a qualifying score is kept under its name");
        }
    }
    CalendarClock::Pin(std::nullopt);
    return 0;
}
