#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "score_store_fixture.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

using HighScoreLoad = ScoreStoreTest;
using HighScoreAdd = ScoreStoreTest;
using HighScoreSave = ScoreStoreTest;

TEST_F(HighScoreLoad, EndsAtAGapOrAForeignRecordAndPassesOverShortOnes) {
    Put("000", "a|Alpha|700|86400");
    Put("001", "a|Short|700");
    Put("002", "a|Charlie|600|86400|extra|fields");
    Put("004", "a|AfterGap|500|86400");
    EXPECT_THAT(Loaded(), ElementsAre("Alpha:700@86400", "Charlie:600@86400"));

    // A foreign record, an empty one or one of another type stops the load.
    for (const SettingValue& foreign : {SettingValue::String("b|Bravo|500|86400"),
                                        SettingValue::String(""), SettingValue::Dword(0x7C61)}) {
        store.Write(kScoresKey, "003", foreign);
        EXPECT_THAT(Loaded(), ElementsAre("Alpha:700@86400", "Charlie:600@86400"));
    }

    store.RemoveKey(kScoresKey);
    EXPECT_THAT(Loaded(), IsEmpty());
}

TEST_F(HighScoreLoad, SortsDescendingKeepsEqualScoresInReadingOrderAndDatesUndatedOnesNow) {
    Put("000", "a|Alpha|100|1");
    Put("001", "a|Bravo|300|0");
    Put("002", "a||100|no time");
    CHighScoreTable table;
    table.LoadHighScores();
    EXPECT_THAT(Listed(table),
                ElementsAre("Bravo:300@1700000000", "Alpha:100@1", ":100@1700000000"));
    EXPECT_FALSE(table.IsDirty());
}

TEST_F(HighScoreLoad, ReadsLongRecordsWholeAndNumbersOfEveryWidth) {
    const std::string longName(150, 'x');
    Put("000", "a|" + longName + "|4294967295|4102444800");  // 2100-01-01
    Put("001", "a|Signed|-2|86400");  // a score a 32-bit writer printed as signed
    Put("002", "a|Spaced| 42xyz|  -86400");
    Put("003", "a|Huge|99999999999999999999|99999999999999999999");
    EXPECT_THAT(Loaded(),
                ElementsAre(longName + ":4294967295@4102444800", "Signed:4294967294@86400",
                            "Spaced:42@-86400", "Huge:0@1700000000"));
}

TEST_F(HighScoreAdd, NewScoreGoesBehindEqualOnesAndTheEleventhIsDropped) {
    CHighScoreTable table;
    table.AddHighScore("Bravo", 300, 1);
    table.AddHighScore("Alpha", 100, 1);
    table.AddHighScore("New", 100, 0);
    EXPECT_THAT(Listed(table), ElementsAre("Bravo:300@1", "Alpha:100@1", "New:100@1700000000"));
    EXPECT_TRUE(table.IsDirty());

    for (std::uint32_t s = 400; s <= 1000; s += 100) {
        table.AddHighScore(std::string("P").append(std::to_string(s)), s, 1);
    }
    ASSERT_EQ(table.Count(), 10u);
    table.AddHighScore("Last", 150, 1);
    EXPECT_EQ(table.Count(), 10u);
    EXPECT_EQ(table.Entries()[8].name, "Last");
    EXPECT_EQ(table.Entries()[9].name, "Alpha");
}

TEST_F(HighScoreAdd, BeatingTenEqualScoresEntersFirstAndPushesTheLastOut) {
    CHighScoreTable table;
    for (int i = 0; i < 10; ++i) {
        table.AddHighScore(std::string("P").append(std::to_string(i)), 500, 1);
    }
    table.AddHighScore("New", 501, 1);
    EXPECT_EQ(table.Count(), 10u);
    EXPECT_EQ(table.Entries().front().name, "New");
    EXPECT_EQ(table.Entries().back().name, "P8");
}

TEST_F(HighScoreAdd, QualifyingScoresAreExactlyThoseThatStay) {
    CHighScoreTable table;
    EXPECT_FALSE(table.QualifiesForHighScore(9));
    EXPECT_TRUE(table.QualifiesForHighScore(10));
    for (int i = 0; i < 9; ++i) {
        table.AddHighScore("P", 500, 1);
    }
    EXPECT_TRUE(table.QualifiesForHighScore(500));  // nine ties leave a tenth place
    table.AddHighScore("Tenth", 20, 1);
    EXPECT_FALSE(table.QualifiesForHighScore(20));  // would fall straight out again
    EXPECT_TRUE(table.QualifiesForHighScore(21));
    EXPECT_TRUE(table.QualifiesForHighScore(0x80000000u));  // ordered unsigned
}

TEST_F(HighScoreSave, KeyHoldsExactlyOneRecordPerEntry) {
    for (const char* n : {"000", "001", "002", "003", "004", "006", "zzz"}) {
        Put(n, "a|P|100|86400");
    }
    {
        CHighScoreTable unchanged;
        unchanged.LoadHighScores();
    }
    EXPECT_EQ(Keys().size(), 7u);
    {
        CHighScoreTable table;
        table.LoadHighScores();
        table.AddHighScore("Alpha", 12345, 86400);
    }
    EXPECT_THAT(Keys(), ElementsAre("000", "001", "002", "003", "004", "005"));
    EXPECT_EQ(Text("000"), "a|Alpha|12345|86400");
    EXPECT_EQ(Text("005"), "a|P|100|86400");
}

TEST_F(HighScoreSave, FirstSaveCreatesAMissingKeyAndNamesScoresAndTimesRoundTrip) {
    store.RemoveKey(kScoresKey);
    {
        CHighScoreTable table;
        table.AddHighScore("Zoë", 300, 4102444800);  // after 2038
        table.AddHighScore("東京", 200, 1);
        table.AddHighScore("Max", 4294967295u, 86400);
    }
    EXPECT_EQ(Text("001"), "a|Zoë|300|4102444800");
    EXPECT_THAT(Loaded(), ElementsAre("Max:4294967295@86400", "Zoë:300@4102444800", "東京:200@1"));
}

TEST_F(HighScoreSave, NameWithTheSeparatorCannotSplitItsRecordWhoeverAddsIt) {
    {
        CHighScoreTable table;
        table.AddHighScore("Ann|999|1", 300, 86400);
    }
    EXPECT_EQ(Text("000"), "a|Ann9991|300|86400");
    EXPECT_THAT(Loaded(), ElementsAre("Ann9991:300@86400"));
}
