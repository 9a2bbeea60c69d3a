#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tools/sim/sim_runner.h"

namespace {

struct RunResult {
    int status;
    std::vector<std::string> lines;
    std::string errors;

    std::vector<std::string> Events(const std::string& ev) const {
        std::vector<std::string> found;
        for (const auto& l : lines) {
            if (l.find("{\"ev\":\"" + ev + "\"") == 0) {
                found.push_back(l);
            }
        }
        return found;
    }
};

RunResult RunScript(const std::string& script) {
    std::ostringstream out;
    std::ostringstream err;
    std::istringstream in(script);
    int status = 0;
    {
        CSimRunner runner(out);
        status = runner.Run(in, err);
    }
    RunResult r{status, {}, err.str()};
    std::istringstream lines(out.str());
    for (std::string l; std::getline(lines, l);) {
        r.lines.push_back(l);
    }
    return r;
}

bool Has(const std::string& line, const std::string& part) {
    return line.find(part) != std::string::npos;
}

TEST(Runner, ThreeFallingGemsStickNextToEachOtherForThirty) {
    const RunResult r = RunScript("new ThreeFalling\nresume\nwait 20000\nstate\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    const auto snaps = r.Events("snap");
    ASSERT_EQ(snaps.size(), 3u);
    EXPECT_TRUE(Has(snaps[0], "\"cell\":[1,-1]")) << snaps[0];
    EXPECT_TRUE(Has(snaps[1], "\"cell\":[0,-1]")) << snaps[1];
    EXPECT_TRUE(Has(snaps[2], "\"cell\":[2,-2]")) << snaps[2];
    EXPECT_TRUE(Has(r.Events("state").at(0), "\"score\":30,"));
    EXPECT_TRUE(r.Events("drop").empty());
}

TEST(Runner, SixAroundClosesTheRingForFourHundredSixty) {
    const RunResult r = RunScript("new SixAround\nresume\nwait 15000\nstate\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    ASSERT_EQ(r.Events("snap").size(), 1u);
    EXPECT_TRUE(Has(r.Events("snap")[0], "\"cell\":[0,-1]"));
    ASSERT_EQ(r.Events("ring").size(), 1u);
    EXPECT_TRUE(Has(r.Events("ring")[0], "\"gems\":6"));
    EXPECT_TRUE(Has(r.Events("state")[0], "\"score\":460,"));
}

TEST(Runner, PinkChainExplodesFifteenAndTheYellowLoopStays) {
    const RunResult r = RunScript("new PinkChain\nresume\nwait 15000\nstate\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    ASSERT_EQ(r.Events("snap").size(), 1u);
    EXPECT_TRUE(Has(r.Events("snap")[0], "\"cell\":[1,-3]"));
    ASSERT_EQ(r.Events("ring").size(), 1u);
    EXPECT_TRUE(Has(r.Events("ring")[0], "\"gems\":15"));
    const std::string state = r.Events("state")[0];
    EXPECT_TRUE(Has(state, "\"score\":1135,"));
    for (const char* cell : {"[1,2,1]", "[2,2,1]", "[2,3,1]", "[1,4,1]", "[0,4,1]", "[0,3,1]"}) {
        EXPECT_TRUE(Has(state.substr(state.find("\"lattice\""),
                                     state.find("\"falling\"") - state.find("\"lattice\"")),
                        cell))
            << cell;
    }
}

TEST(Runner, SameSeedAndScriptReplayTheSameGame) {
    const std::string script =
        "seed 42\nsetting Difficulty 3\nnew\nresume\nwait 5000\nturn 1.25\nwheel -240\n"
        "bomb\nwait 30000\nstate\n";
    const RunResult a = RunScript(script);
    const RunResult b = RunScript(script);
    ASSERT_EQ(a.status, 0) << a.errors;
    EXPECT_EQ(a.lines, b.lines);
    EXPECT_FALSE(a.Events("drop").empty());
    EXPECT_TRUE(Has(a.Events("state")[0], "\"difficulty\":2,"));
}

TEST(Runner, TimerTicksEverySixtySixMillisecondsOnlyWhileRunning) {
    // The first drop happens on the first timer firing after resume.
    const RunResult r = RunScript("seed 1\nnew\nresume\nwait 65\nstate\nwait 1\nstate\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_TRUE(r.Events("drop").size() == 1u);
    EXPECT_TRUE(Has(r.Events("state")[0], "\"falling\":[]"));
    EXPECT_FALSE(Has(r.Events("state")[1], "\"falling\":[]"));
    // Waiting for Play: no drop however long we wait; a paused game's clock
    // stands still.
    const RunResult p = RunScript("seed 1\nnew\nwait 100000\nstate\n");
    EXPECT_TRUE(p.Events("drop").empty());
    const RunResult q = RunScript("new\nresume\nwait 500\npause\nwait 100000\nstate\n");
    EXPECT_TRUE(Has(q.Events("state")[0], "\"t\":1000500,")) << q.Events("state")[0];
}

TEST(Runner, WheelTurnsByTheStoredStepAndDirection) {
    const RunResult r = RunScript("new EmptyBoard\nresume\nwheel 120\nstate\n");
    EXPECT_TRUE(Has(r.Events("state")[0], "\"wheelAngle\":-0.05")) << r.Events("state")[0];
    const RunResult c = RunScript(
        "setting MouseWheelClockwise 1\nsetting MouseWheelSpeed 1000\nnew EmptyBoard\nresume\n"
        "wheel 120\nstate\n");
    EXPECT_TRUE(Has(c.Events("state")[0], "\"wheelAngle\":0.12")) << c.Events("state")[0];
    const RunResult paused = RunScript("new EmptyBoard\nwheel 120\nturn 2\nstate\n");
    EXPECT_TRUE(Has(paused.Events("state")[0], "\"wheelAngle\":0,"));
}

TEST(Runner, BombEventNamesItsLandingAndVictims) {
    const RunResult r = RunScript("new BombPractice\nresume\nbomb\nwait 12000\nstate\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    ASSERT_EQ(r.Events("bomb").size(), 1u);
    EXPECT_TRUE(Has(r.Events("bomb")[0], "\"landing\":["));
    EXPECT_TRUE(Has(r.Events("state")[0], "\"bombs\":3,"));
    EXPECT_TRUE(Has(r.Events("state")[0], "\"score\":0,"));
}

TEST(Runner, BadLinesStopTheScriptWithTheirLineNumber) {
    const struct {
        const char* script;
        const char* message;
    } cases[] = {
        {"resume\nfly\nstate\n", "line 2: unknown command"},
        {"seed -1\n", "line 1:"},
        {"seed 4294967296\n", "out of range"},
        {"\n# comment\nwait x\n", "line 3:"},
        {"turn nan\n", "not a finite number"},
        {"turn 1e999\n", "not a finite number"},
        {"wheel 40000\n", "out of range"},
        {"new Nowhere\n", "unknown scenario"},
        {"state extra\n", "takes 0 arguments"},
        {"setting Quiet\n", "takes 2 arguments"},
    };
    for (const auto& c : cases) {
        const RunResult r = RunScript(c.script);
        EXPECT_EQ(r.status, 2) << c.script;
        EXPECT_TRUE(Has(r.errors, c.message)) << c.script << " -> " << r.errors;
        EXPECT_TRUE(r.Events("state").empty()) << c.script;
    }
}

TEST(Runner, GameThatFillsUpEndsWithAnOverEvent) {
    const RunResult r =
        RunScript("seed 7\nsetting Difficulty 3\nnew\nresume\nwait 600000\nstate\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    ASSERT_EQ(r.Events("over").size(), 1u);
    EXPECT_TRUE(Has(r.Events("state")[0], "\"over\":true"));
}

}  // namespace

#include "tools/sim/json_writer.h"

namespace {

TEST(JsonOutput, StringsStayValidJsonWhateverBytesTheyHold) {
    EXPECT_EQ(JsonString("Zo\xc3\xab \xe6\x9d\xb1"), "\"Zo\xc3\xab \xe6\x9d\xb1\"");
    EXPECT_EQ(JsonString("a\"b\\c\n\x01"), "\"a\\\"b\\\\c\\n\\u0001\"");
    EXPECT_EQ(JsonString("\xff\xc3"), "\"\\ufffd\\ufffd\"");
    EXPECT_EQ(JsonString("\xed\xa0\x80"), "\"\\ufffd\\ufffd\\ufffd\"");  // a lone surrogate
}

TEST(JsonOutput, NumbersReadBackAsTheSameDouble) {
    for (double v : {0.1, 1.0 / 3.0, -2.5e-300, 310.0, 7.847698448667304}) {
        EXPECT_EQ(std::stod(JsonNumber(v)), v);
    }
}

}  // namespace
