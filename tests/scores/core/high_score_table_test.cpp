#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "score_store_fixture.h"
#include "scores/core/score_record.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

using HighScoreLoad = ScoreStoreTest;
using HighScoreAdd = ScoreStoreTest;
using HighScoreSave = ScoreStoreTest;

TEST_F(HighScoreLoad, StopsAtTheFirstMissingNumber) {
    for (const char* n : {"000", "001", "002", "003", "004", "006"}) {
        Put(n, std::string("a|P") + n + "|100|86400");
    }
    EXPECT_EQ(Loaded().size(), 5u);
}

TEST_F(HighScoreLoad, StopsAtARecordOfAnotherKind) {
    Put("000", "a|Alpha|700|86400");
    Put("001", "a|Charlie|600|86400");
    Put("002", "b|Bravo|500|86400");
    Put("003", "a|Delta|400|86400");
    EXPECT_THAT(Loaded(), ElementsAre("Alpha:700", "Charlie:600"));
}

TEST_F(HighScoreLoad, StopsAtAnEmptyOrNonTextValue) {
    Put("000", "a|Alpha|700|86400");
    Put("001", "");
    Put("002", "a|Bravo|600|86400");
    EXPECT_THAT(Loaded(), ElementsAre("Alpha:700"));

    Put("001", "a|Bravo|600|86400");
    store.Write(kScoresKey, "002", SettingValue::Dword(0x7C61));
    EXPECT_THAT(Loaded(), ElementsAre("Alpha:700", "Bravo:600"));
}

TEST_F(HighScoreLoad, SkipsThreeFieldRecordsAndReadsOn) {
    Put("000", "a|Alpha|700");
    Put("001", "a|Bravo|600|86400|extra|fields");
    EXPECT_THAT(Loaded(), ElementsAre("Bravo:600"));
}

TEST_F(HighScoreLoad, KeepsEmptyNamesAndDatesUndatedRecordsNow) {
    Put("000", "a||700|86400");
    Put("001", "a|Alpha|700|0");
    Put("002", "a|Bravo|600|no time");
    CHighScoreTable table;
    table.LoadHighScores();
    ASSERT_EQ(table.Count(), 3u);
    EXPECT_EQ(table.Entries()[0].name, "");
    EXPECT_EQ(table.Entries()[0].time, 86400);
    EXPECT_EQ(table.Entries()[1].time, kNow);
    EXPECT_EQ(table.Entries()[2].time, kNow);
    EXPECT_FALSE(table.IsDirty());
}

TEST_F(HighScoreLoad, SortsDescendingAndKeepsEqualScoresInReadingOrder) {
    Put("000", "a|Alpha|100|1");
    Put("001", "a|Bravo|300|1");
    Put("002", "a|Delta|100|1");
    EXPECT_THAT(Loaded(), ElementsAre("Bravo:300", "Alpha:100", "Delta:100"));
}

TEST_F(HighScoreLoad, KeepsMoreThanTenWhenTheKeyHoldsThem) {
    for (int i = 0; i < 12; ++i) {
        char name[8];
        std::snprintf(name, sizeof name, "%03d", i);
        Put(name, "a|P|" + std::to_string(100 + i) + "|1");
    }
    EXPECT_EQ(Loaded().size(), 12u);
}

TEST_F(HighScoreLoad, MissingKeyGivesAnEmptyTable) {
    store.RemoveKey(kScoresKey);
    EXPECT_THAT(Loaded(), IsEmpty());
}

TEST_F(HighScoreLoad, ReadsRecordsLongerThanAHundredBytesWhole) {
    const std::string name(150, 'x');
    Put("000", "a|" + name + "|700|86400");
    Put("001", "a|Bravo|600|86400");
    EXPECT_THAT(Loaded(), ElementsAre(name + ":700", "Bravo:600"));
}

TEST_F(HighScoreLoad, ReadsScoresAndTimesOfEveryWidth) {
    Put("000", "a|Big|4294967295|4102444800");  // 2100-01-01
    Put("001", "a|Signed|-2|86400");            // a score printed as signed 32-bit
    Put("002", "a|Huge|99999999999999999999|99999999999999999999");
    Put("003", "a|Spaced| 42xyz|  -86400");
    CHighScoreTable table;
    table.LoadHighScores();
    ASSERT_EQ(table.Count(), 4u);
    EXPECT_EQ(table.Entries()[0].score, 4294967295u);
    EXPECT_EQ(table.Entries()[0].time, 4102444800);
    EXPECT_EQ(table.Entries()[1].score, 4294967294u);
    EXPECT_EQ(table.Entries()[2].name, "Spaced");
    EXPECT_EQ(table.Entries()[2].score, 42u);
    EXPECT_EQ(table.Entries()[2].time, -86400);
    EXPECT_EQ(table.Entries()[3].name, "Huge");
    EXPECT_EQ(table.Entries()[3].score, 0u);
    EXPECT_EQ(table.Entries()[3].time, kNow);
}

TEST_F(HighScoreAdd, EqualScoreGoesBehindTheOlderOnes) {
    CHighScoreTable table;
    table.AddHighScore("Bravo", 300, 1);
    table.AddHighScore("Alpha", 100, 1);
    table.AddHighScore("New", 100, 1);
    ASSERT_EQ(table.Count(), 3u);
    EXPECT_EQ(table.Entries()[2].name, "New");
    EXPECT_TRUE(table.IsDirty());
}

TEST_F(HighScoreAdd, TimeZeroMeansNow) {
    CHighScoreTable table;
    table.AddHighScore("A", 100, 0);
    EXPECT_EQ(table.Entries()[0].time, kNow);
}

TEST_F(HighScoreAdd, ElevenEntriesAreCutToTenDroppingTheWorst) {
    CHighScoreTable table;
    for (std::uint32_t s = 100; s <= 1000; s += 100) {
        table.AddHighScore("P" + std::to_string(s), s, 1);
    }
    ASSERT_TRUE(table.QualifiesForHighScore(150));
    table.AddHighScore("New", 150, 1);
    EXPECT_EQ(table.Count(), 10u);
    EXPECT_EQ(table.Entries()[8].name, "P200");
    EXPECT_EQ(table.Entries()[9].name, "New");
}

TEST_F(HighScoreAdd, BeatingTenEqualScoresEntersFirstAndPushesTheLastOut) {
    CHighScoreTable table;
    for (int i = 0; i < 10; ++i) {
        table.AddHighScore("P" + std::to_string(i), 500, 1);
    }
    EXPECT_FALSE(table.QualifiesForHighScore(500));
    ASSERT_TRUE(table.QualifiesForHighScore(501));
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
    // The ninth of nine ties still leaves room for a tenth.
    EXPECT_TRUE(table.QualifiesForHighScore(500));
    EXPECT_TRUE(table.QualifiesForHighScore(10));
    table.AddHighScore("Tenth", 20, 1);
    EXPECT_FALSE(table.QualifiesForHighScore(20));
    EXPECT_FALSE(table.QualifiesForHighScore(15));
    EXPECT_TRUE(table.QualifiesForHighScore(21));
    // Scores beyond the signed 32-bit range still order as the unsigned
    // numbers they are.
    EXPECT_TRUE(table.QualifiesForHighScore(0x80000000u));
}

TEST_F(HighScoreSave, KeyHoldsExactlyOneRecordPerEntry) {
    for (const char* n : {"000", "001", "002", "003", "004", "006", "zzz"}) {
        Put(n, "a|P|100|86400");
    }
    {
        CHighScoreTable table;
        table.LoadHighScores();
        table.AddHighScore("Alpha", 12345, 86400);
    }
    EXPECT_THAT(Keys(), ElementsAre("000", "001", "002", "003", "004", "005"));
    EXPECT_EQ(Text("000"), "a|Alpha|12345|86400");
    EXPECT_EQ(Text("005"), "a|P|100|86400");
}

TEST_F(HighScoreSave, AnUnchangedTableWritesNothing) {
    Put("000", "a|Alpha|700");
    Put("001", "a|Bravo|600|86400");
    {
        CHighScoreTable table;
        table.LoadHighScores();
    }
    EXPECT_THAT(Keys(), ElementsAre("000", "001"));
    EXPECT_EQ(Text("000"), "a|Alpha|700");
}

TEST_F(HighScoreSave, CreatesAMissingKeySoTheFirstScoreIsKept) {
    store.RemoveKey(kScoresKey);
    {
        CHighScoreTable table;
        table.LoadHighScores();
        table.AddHighScore("Alpha", 100, 86400);
    }
    EXPECT_THAT(Loaded(), ElementsAre("Alpha:100"));
}

TEST_F(HighScoreSave, WithoutAnyStoreNothingHappens) {
    SetSettingsBackend(nullptr);
    CHighScoreTable table;
    table.LoadHighScores();
    table.AddHighScore("Alpha", 100, 86400);
    table.SaveHighScores();
    EXPECT_EQ(table.Count(), 1u);
}

TEST_F(HighScoreSave, NamesAndTimesRoundTrip) {
    const std::int64_t after2038 = 4102444800;
    {
        CHighScoreTable table;
        table.AddHighScore("Zoë", 300, after2038);
        table.AddHighScore("東京", 200, 1);
        table.AddHighScore(std::string(32, 'w') + "ÿ", 4294967295u, 86400);
    }
    EXPECT_EQ(Text("001"), "a|Zoë|300|4102444800");
    CHighScoreTable table;
    table.LoadHighScores();
    ASSERT_EQ(table.Count(), 3u);
    EXPECT_EQ(table.Entries()[0].name, std::string(32, 'w') + "ÿ");
    EXPECT_EQ(table.Entries()[0].score, 4294967295u);
    EXPECT_EQ(table.Entries()[1].name, "Zoë");
    EXPECT_EQ(table.Entries()[1].time, after2038);
    EXPECT_EQ(table.Entries()[2].name, "東京");
}
