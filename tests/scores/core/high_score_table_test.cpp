// What the runner's high-score commands cannot reach: values that are not
// plain text, a missing key, callers other than the end-of-game offer and
// names typed with line breaks. The table's other rules and the dates are
// checked through the runner (tests/script).
#include "scores/core/high_score_table.h"

#include <gtest/gtest.h>

#include <string>

#include "game/memory_settings.h"
#include "scores/core/calendar_clock.h"
#include "scores/core/score_name.h"
#include "test_seams.h"

namespace {

TEST(HighScoreTable, ValuesThatAreNoRecordAndCallersThatAreNoOffer) {
    CTestSeams seams;
    CMemorySettings& store = seams.settings;
    CalendarClock::Pin(1700000000);
    const CPutBack unpin([] { CalendarClock::Pin(std::nullopt); });
    // Cut at its NUL the first record is too short, and a value that is not
    // text is no record: both passed over, the record after them read.
    store.Write(kScoresKey, "000", SettingValue::String(std::string("a|P|5\0|7", 8)));
    store.Write(kScoresKey, "001", SettingValue::Dword(0x7C61));
    store.Write(kScoresKey, "002", SettingValue::String("a|Q|5|7"));
    CHighScoreTable table;
    table.LoadHighScores();
    ASSERT_EQ(table.Count(), 1u);
    EXPECT_TRUE(table.Entries()[0].name == "Q" && table.Unreadable());
    // The table itself filters the name, dates it now and creates the key.
    store.RemoveKey(kScoresKey);
    CHighScoreTable().AddHighScore("Ann|999|1", 300, 0);
    const auto record = store.Read(kScoresKey, "000");
    EXPECT_EQ(record ? record->text : "", "a|Ann9991|300|1700000000");
}

// A bar and a long name as typed are the name entry's test.
TEST(HighScoreName, RefusedCharactersAreLeftOutAndNamesCutToThirtyTwoCharacters) {
    const std::pair<std::string, std::string> cases[] = {
        {std::string("Tab\tNew\nNul\0End", 16), "TabNewNulEnd"},
        {"C1\xC2\x85mark", "C1mark"},
        {"broken\xE6\x9Dutf8\xFF", "brokenutf8"},
        {"  Zoë 東京 🎲  ", "  Zoë 東京 🎲  "},
        {"東東東東東東東東東東東東東東東東東東東東東東東東東東東東東東東東東",
         "東東東東東東東東東東東東東東東東東東東東東東東東東東東東東東東東"},  // characters, not
                                                                               // bytes
        {std::string(10, '|') + std::string(32, 'y') + "z", std::string(32, 'y')},
    };
    for (const auto& [typed, name] : cases) {
        EXPECT_EQ(FilterScoreName(typed), name);
    }
}

}  // namespace
