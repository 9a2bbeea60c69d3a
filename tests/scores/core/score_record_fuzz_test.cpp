#include <gtest/gtest.h>

#include <random>

#include "score_store_fixture.h"
#include "scores/core/score_record.h"

namespace {

// Builds keys full of hostile records and says, independently of the reader,
// which of them a correct reader keeps.
class RecordForge {
  public:
    explicit RecordForge(std::uint32_t seed) : rng_(seed) {}

    std::string Field() {
        switch (Pick(7)) {
            case 0:
                return "";
            case 1:
                return std::to_string(static_cast<std::int64_t>(rng_()));
            case 2:
                return std::string(Pick(400), static_cast<char>('A' + Pick(26)));
            case 3:
                return "99999999999999999999999999";
            case 4:
                return std::string("-").append(std::to_string(rng_()));
            case 5: {
                std::string bytes;
                for (std::size_t i = Pick(40); i > 0; --i) {
                    bytes += static_cast<char>(rng_());  // may hold NUL and bars
                }
                return bytes;
            }
            default:
                return "Zoë 東京";
        }
    }

    // A record, and what a reader must make of it.
    std::pair<std::string, RecordVerdict> Record() {
        const std::size_t kind = Pick(10);
        if (kind == 0) {
            return {std::string("b|").append(Field()).append("|1|1"), RecordVerdict::kStop};
        }
        if (kind == 1) {
            std::string text(Pick(300), '\0');
            for (char& c : text) {
                c = static_cast<char>(rng_());
            }
            return {text, Judge(text)};
        }
        std::string text = "a";
        for (std::size_t i = Pick(6); i > 0; --i) {
            text += '|';
            text += Field();
        }
        return {text, Judge(text)};
    }

    std::size_t Pick(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_);
    }

  private:
    static RecordVerdict Judge(const std::string& text) {
        const std::string upToNul = text.substr(0, text.find('\0'));
        if (upToNul.rfind("a|", 0) != 0 && upToNul != "a") {
            return RecordVerdict::kStop;
        }
        std::size_t bars = 0;
        for (char c : upToNul) {
            bars += c == '|';
        }
        return bars >= 3 ? RecordVerdict::kEntry : RecordVerdict::kSkip;
    }

    std::mt19937 rng_;
};

std::string Number(std::size_t i) {
    char name[24];
    std::snprintf(name, sizeof name, "%03zu", i);
    return name;
}

}  // namespace

using HighScoreRecordFuzz = ScoreStoreTest;

TEST_F(HighScoreRecordFuzz, HostileRecordsNeverCrashNeverReadPastTheEndAndSurviveASave) {
    RecordForge forge(20240601);
    std::size_t entriesSeen = 0;
    for (int round = 0; round < 3000; ++round) {
        for (const std::string& name : Keys()) {
            store.DeleteValue(kScoresKey, name);
        }
        const std::size_t records = forge.Pick(16);
        std::vector<RecordVerdict> verdicts;
        for (std::size_t i = 0; i < records; ++i) {
            const auto [text, verdict] = forge.Record();
            Put(Number(i), text);
            verdicts.push_back(verdict);
        }
        std::size_t readable = records;
        if (forge.Pick(4) == 0) {  // a gap, after which nothing may be read
            readable = std::min(readable, forge.Pick(16));
            store.DeleteValue(kScoresKey, Number(readable));
        }
        std::size_t expected = 0;
        for (std::size_t i = 0; i < readable && verdicts[i] != RecordVerdict::kStop; ++i) {
            expected += verdicts[i] == RecordVerdict::kEntry;
        }

        std::vector<HighScoreEntry> first;
        {
            CHighScoreTable table;
            table.LoadHighScores();
            first = table.Entries();
            table.SaveHighScores();
        }
        ASSERT_EQ(first.size(), expected) << "round " << round;
        entriesSeen += first.size();

        CHighScoreTable again;
        again.LoadHighScores();
        ASSERT_EQ(again.Count(), first.size()) << "round " << round;
        for (std::size_t i = 0; i < first.size(); ++i) {
            EXPECT_EQ(again.Entries()[i].name, first[i].name);
            EXPECT_EQ(again.Entries()[i].score, first[i].score);
            EXPECT_EQ(again.Entries()[i].time, first[i].time);
        }
    }
    EXPECT_GT(entriesSeen, 1000u);  // the forge must not only make junk
}
