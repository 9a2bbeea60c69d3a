// The runner's high-score commands: stored records, an offered score and the
// table as the player would see it, dated by a pinned or the real clock.
#include <chrono>
#include <cstdlib>
#include <ctime>

#include "run_script.h"

namespace {

TEST(ScoreCommands, OfferAsksOnlyForScoresThatStayAndTheTableListsWholeRecords) {
    setenv("TZ", "UTC0", 1);
    tzset();
    std::string script = "clock 1036411200\n";  // 2002-11-04 12:00 UTC
    for (int i = 0; i < 10; ++i) {
        script += "record 00" + std::to_string(i) + " a|P" + std::to_string(i) + "|500|86400\n";
    }
    script += "offer 500 Tie\noffer 501 Zo|ë the 東京 player\nscores\n";
    const ScriptRun r = RunScript(script);
    unsetenv("TZ");
    tzset();
    ASSERT_EQ(r.status, 0) << r.errors;
    ASSERT_EQ(r.lines.size(), 13u);
    EXPECT_EQ(r.lines[0], R"({"ev":"offer","score":500,"asked":false})");
    EXPECT_EQ(r.lines[1],
              R"({"ev":"offer","score":501,"asked":true,"name":"Zoë the 東京 player"})");
    EXPECT_EQ(
        r.lines[2],
        R"({"ev":"score","rank":1,"name":"Zoë the 東京 player","score":501,"time":1036411200,"date":"Nov 4"})");
    EXPECT_EQ(r.lines[11],
              R"({"ev":"score","rank":10,"name":"P8","score":500,"time":86400,"date":"Jan 2 70"})");
    EXPECT_EQ(
        r.lines[12],
        R"({"ev":"keys","names":["000","001","002","003","004","005","006","007","008","009"]})");
}

TEST(ScoreCommands, WithoutAClockTheRealTimeDatesTheScore) {
    const auto before = std::chrono::duration_cast<std::chrono::seconds>(
                            std::chrono::system_clock::now().time_since_epoch())
                            .count();
    const ScriptRun r = RunScript("offer 10 Alpha\nscores\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    const std::string& line = r.lines.at(1);
    const long long time = std::stoll(line.substr(line.find("\"time\":") + 7));
    EXPECT_GE(time, before);
    EXPECT_LE(time, before + 60);
}

TEST(ScoreCommands, MalformedCommandsStopTheRun) {
    for (const char* script : {"record\n", "clock soon\n", "offer -1 Alpha\n", "scores now\n"}) {
        EXPECT_EQ(RunScript(script).status, 2) << script;
    }
}

}  // namespace
