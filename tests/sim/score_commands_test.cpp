#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <sstream>
#include <string>
#include <vector>

#include "tools/sim/sim_commands.h"
#include "tools/sim/sim_runner.h"

namespace {

struct ScoreRun {
    int status = 0;
    std::vector<std::string> lines;
    std::string errors;
};

class ScoreScripts : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("TZ", "UTC0", 1);
        tzset();
    }
    void TearDown() override {
        unsetenv("TZ");
        tzset();
    }

    static ScoreRun Run(const std::string& script) {
        std::ostringstream out;
        std::ostringstream err;
        std::istringstream in(script);
        ScoreRun run;
        {
            CSimRunner runner(out);
            RegisterExtraSimCommands(runner);
            run.status = runner.Run(in, err);
        }
        run.errors = err.str();
        std::istringstream lines(out.str());
        for (std::string l; std::getline(lines, l);) {
            run.lines.push_back(l);
        }
        return run;
    }
};

// 2002-11-04 12:00 UTC: "now" for the scripts below.
const std::string kClock = "clock 1036411200\n";

}  // namespace

TEST_F(ScoreScripts, StoredRecordsAreReadAsTheTableReadsThem) {
    const ScoreRun r = Run(kClock +
                           "record 000 a|Alpha|100|1036281600\n"
                           "record 001 a|Bravo|300|1020643200\n"
                           "record 002 a|Charlie|700\n"
                           "record 003 a||100|0\n"
                           "record 004 b|Bravo|500|86400\n"
                           "record 005 a|Echo|900|86400\n"
                           "scores\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_EQ(
        r.lines,
        (std::vector<std::string>{
            R"({"ev":"score","rank":1,"name":"Bravo","score":300,"time":1020643200,"date":"May 6 02"})",
            R"({"ev":"score","rank":2,"name":"Alpha","score":100,"time":1036281600,"date":"Nov 3"})",
            R"({"ev":"score","rank":3,"name":"","score":100,"time":1036411200,"date":"Nov 4"})",
            R"({"ev":"keys","names":["000","001","002","003","004","005"]})",
        }));
}

TEST_F(ScoreScripts, OfferAsksOnlyForScoresThatStayAndSavesWholeRecords) {
    std::string script = kClock;
    for (int i = 0; i < 10; ++i) {
        script += "record 00" + std::to_string(i) + " a|P" + std::to_string(i) + "|500|86400\n";
    }
    script += "record 010 a|Stale|1|86400\n";
    script +=
        "offer 9 Nine\n"
        "offer 500 Tie\n"
        "offer 501 Zo|ë the 東京 player with a name far too long to keep\n"
        "scores\n";
    const ScoreRun r = Run(script);
    ASSERT_EQ(r.status, 0) << r.errors;
    ASSERT_EQ(r.lines.size(), 14u);
    EXPECT_EQ(r.lines[0], R"({"ev":"offer","score":9,"asked":false})");
    EXPECT_EQ(r.lines[1], R"({"ev":"offer","score":500,"asked":false})");
    EXPECT_EQ(
        r.lines[2],
        R"({"ev":"offer","score":501,"asked":true,"name":"Zoë the 東京 player with a name fa"})");
    EXPECT_EQ(
        r.lines[3],
        R"({"ev":"score","rank":1,"name":"Zoë the 東京 player with a name fa","score":501,"time":1036411200,"date":"Nov 4"})");
    EXPECT_EQ(r.lines[12],
              R"({"ev":"score","rank":10,"name":"P8","score":500,"time":86400,"date":"Jan 2 70"})");
    EXPECT_EQ(
        r.lines[13],
        R"({"ev":"keys","names":["000","001","002","003","004","005","006","007","008","009"]})");
}

TEST_F(ScoreScripts, WithoutAClockTheRealTimeDatesTheScore) {
    const auto before = std::chrono::duration_cast<std::chrono::seconds>(
                            std::chrono::system_clock::now().time_since_epoch())
                            .count();
    const ScoreRun r = Run("offer 10 Alpha\nscores\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    const std::string& line = r.lines.at(1);
    const auto at = line.find("\"time\":") + 7;
    const long long time = std::stoll(line.substr(at));
    EXPECT_GE(time, before);
    EXPECT_LE(time, before + 60);
}

TEST_F(ScoreScripts, MalformedCommandsStopTheRun) {
    EXPECT_EQ(Run("record\n").status, 2);
    EXPECT_EQ(Run("clock soon\n").status, 2);
    EXPECT_EQ(Run("offer -1 Alpha\n").status, 2);
    EXPECT_EQ(Run("scores now\n").status, 2);
}
