// The headless runner end to end: the prepared positions' outcomes, the
// timer, the player's input, the events, and scripts it refuses.
#include "run_script.h"
#include "tools/sim/json_writer.h"

namespace {

TEST(Runner, PreparedPositionsPlayOutToTheirKnownOutcomes) {
    const struct {
        const char* scenario;
        std::vector<std::string> cells;  // where the falling gems stick, in order
        const char* ring;                // the ring's size, if one explodes
        const char* score;
        std::vector<std::string> stay;  // gems [a,b,colour] left in the lattice
    } cases[] = {
        {"ThreeFalling", {"[1,-1]", "[0,-1]", "[2,-2]"}, nullptr, "30", {}},
        {"SixAround", {"[0,-1]"}, "6", "460", {}},
        // The loop of colour 1 is no ring around the centre: it stays.
        {"PinkChain",
         {"[1,-3]"},
         "15",
         "1135",
         {"[1,2,1]", "[2,2,1]", "[2,3,1]", "[1,4,1]", "[0,4,1]", "[0,3,1]"}},
    };
    for (const auto& c : cases) {
        const ScriptRun r =
            RunScript(std::string("new ") + c.scenario + "\nresume\nwait 20000\nstate\n");
        ASSERT_EQ(r.status, 0) << r.errors;
        const auto snaps = r.Events("snap");
        ASSERT_EQ(snaps.size(), c.cells.size()) << c.scenario;
        for (std::size_t i = 0; i < snaps.size(); ++i) {
            EXPECT_TRUE(Has(snaps[i], "\"cell\":" + c.cells[i])) << snaps[i];
        }
        const auto rings = r.Events("ring");
        ASSERT_EQ(rings.size(), c.ring ? 1u : 0u) << c.scenario;
        if (c.ring) {
            EXPECT_TRUE(Has(rings[0], std::string("\"gems\":") + c.ring + "}")) << rings[0];
        }
        EXPECT_TRUE(r.Events("drop").empty()) << c.scenario;
        const std::string state = r.Events("state").at(0);
        EXPECT_TRUE(Has(state, std::string("\"score\":") + c.score + ",")) << state;
        const std::string lattice = state.substr(0, state.find("\"falling\""));
        for (const auto& gem : c.stay) {
            EXPECT_TRUE(Has(lattice, gem)) << gem;
        }
    }
}

TEST(Runner, SameSeedAndScriptReplayTheSameGame) {
    const std::string script =
        "seed 42\nsetting Difficulty 3\nnew\nresume\nwait 5000\nturn 1.25\nwheel -240\n"
        "bomb\nwait 30000\nstate\n";
    const ScriptRun a = RunScript(script);
    ASSERT_EQ(a.status, 0) << a.errors;
    EXPECT_EQ(a.lines, RunScript(script).lines);
    EXPECT_FALSE(a.Events("drop").empty());
    EXPECT_TRUE(Has(a.Events("state")[0], "\"difficulty\":2,"));
}

TEST(Runner, TimerTicksEverySixtySixMillisecondsOnlyWhileRunning) {
    // The first drop happens on the first timer firing after resume.
    const ScriptRun r = RunScript("seed 1\nnew\nresume\nwait 65\nstate\nwait 1\nstate\n");
    EXPECT_EQ(r.Events("drop").size(), 1u);
    EXPECT_TRUE(Has(r.Events("state")[0], "\"falling\":[]"));
    EXPECT_FALSE(Has(r.Events("state")[1], "\"falling\":[]"));
    // Waiting for Play: no drop however long we wait; a paused game's clock
    // stands still.
    EXPECT_TRUE(RunScript("seed 1\nnew\nwait 100000\nstate\n").Events("drop").empty());
    const ScriptRun q = RunScript("new\nresume\nwait 500\npause\nwait 100000\nstate\n");
    EXPECT_TRUE(Has(q.Events("state")[0], "\"t\":1000500,")) << q.Events("state")[0];
}

TEST(Runner, WheelAndDragTurnByTheStoredStepAndDirectionOnlyWhileRunning) {
    const ScriptRun r = RunScript("new EmptyBoard\nresume\nwheel 120\nstate\n");
    EXPECT_TRUE(Has(r.Events("state")[0], "\"wheelAngle\":-0.05,")) << r.Events("state")[0];
    const ScriptRun c = RunScript(
        "setting MouseWheelClockwise 1\nsetting MouseWheelSpeed 1000\nnew EmptyBoard\nresume\n"
        "wheel 120\nstate\n");
    EXPECT_TRUE(Has(c.Events("state")[0], "\"wheelAngle\":0.12,")) << c.Events("state")[0];
    const ScriptRun paused = RunScript("new EmptyBoard\nwheel 120\nturn 2\nstate\n");
    EXPECT_TRUE(Has(paused.Events("state")[0], "\"wheelAngle\":0,"));
}

TEST(Runner, BombEventNamesItsLandingAndVictims) {
    const ScriptRun r = RunScript("new BombPractice\nresume\nbomb\nwait 12000\nstate\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    ASSERT_EQ(r.Events("bomb").size(), 1u);
    EXPECT_TRUE(Has(r.Events("bomb")[0], "\"landing\":["));
    EXPECT_TRUE(Has(r.Events("state")[0], "\"bombs\":3,"));
    EXPECT_TRUE(Has(r.Events("state")[0], "\"score\":0,"));
}

TEST(Runner, GameThatFillsUpEndsWithAnOverEvent) {
    const ScriptRun r =
        RunScript("seed 7\nsetting Difficulty 3\nnew\nresume\nwait 600000\nstate\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_EQ(r.Events("over").size(), 1u);
    EXPECT_TRUE(Has(r.Events("state")[0], "\"over\":true"));
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
        const ScriptRun r = RunScript(c.script);
        EXPECT_EQ(r.status, 2) << c.script;
        EXPECT_TRUE(Has(r.errors, c.message)) << c.script << " -> " << r.errors;
        EXPECT_TRUE(r.Events("state").empty()) << c.script;
    }
}

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
