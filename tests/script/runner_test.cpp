// The high-score table end to end through the runner (stored records as a
// fresh load reads them, the end-of-game offer and what a save leaves behind),
// scripts the runner refuses, and the JSON it writes.
#include <cstdlib>
#include <ctime>

#include "run_script.h"
#include "script/json_writer.h"
#include "test_seams.h"

namespace {

const ScriptCase kScores[] = {
    // Records that cannot be read (short, of another kind, a score out of
    // range) are passed over, whatever follows them; the best ten show. Best
    // first, equal scores in reading order, undated ones dated now; numbers as
    // C reads them. Dates are local: the month and day of the last 180 days,
    // the year too for older or later ones, nothing where no calendar reaches.
    {"clock 1700000000\nrecord 000 a|Alpha|700|4102444800\nrecord 001 a|Short|700\n"
     "record 002 a|Charlie|600|86400|extra|fields\nrecord 003 a|Bravo|700|0\n"
     "record 004 a|Signed|-2|86400\nrecord 005 a|Spaced|\t42xyz|  -86400\n"
     "record 006 a|Huge|99999999999999999999|99999999999999999999\nrecord 007 a||100|no time\n"
     "record 008 a|Recent|50|1684448001\nrecord 009 a|Old|50|1684448000\n"
     "record 010 a|Min|0|-9223372036854775808\nrecord 011 a|Max|1|9223372036854775807\n"
     "record 012 b|Foreign|500|86400\nrecord 013 a|After|500|86400\nscores\n"
     "clock 9223372036854775807\nrecord 000 a|Far|4294967295|-4611686018427387904\n"
     "record 001 b\nscores\n",
     R"({"ev":"score","rank":1,"name":"Signed","score":4294967294,"time":86400,"date":"Jan 2 70"}
{"ev":"score","rank":2,"name":"Alpha","score":700,"time":4102444800,"date":"Jan 1 00"}
{"ev":"score","rank":3,"name":"Bravo","score":700,"time":1700000000,"date":"Nov 15"}
{"ev":"score","rank":4,"name":"Charlie","score":600,"time":86400,"date":"Jan 2 70"}
{"ev":"score","rank":5,"name":"After","score":500,"time":86400,"date":"Jan 2 70"}
{"ev":"score","rank":6,"name":"","score":100,"time":1700000000,"date":"Nov 15"}
{"ev":"score","rank":7,"name":"Recent","score":50,"time":1684448001,"date":"May 19"}
{"ev":"score","rank":8,"name":"Old","score":50,"time":1684448000,"date":"May 19 23"}
{"ev":"score","rank":9,"name":"Spaced","score":42,"time":-86400,"date":"Dec 31 69"}
{"ev":"score","rank":10,"name":"Max","score":1,"time":9223372036854775807,"date":""}
{"ev":"keys",...
{"ev":"score","rank":1,"name":"Far","score":4294967295,"time":-4611686018427387904,"date":""}
...
)"},
    // Only a changed table is written back, as exactly one record per entry.
    // Without a pinned clock the real time dates a score.
    {"record 000 a|P|100|86400\nrecord 001 a|P|100|86400\nrecord 002 a|P|100|86400\n"
     "record 003 a|P|100|86400\nrecord 006 a|P|100|86400\nrecord zzz a|P|100|86400\nscores\n"
     "offer 9 Low\noffer 10 Alpha\nscores\n",
     R"(...{"ev":"keys","names":["000","001","002","003","006","zzz"]}
{"ev":"offer","score":9,"asked":false}
{"ev":"offer","score":10,"asked":true,"name":"Alpha"}
...{"ev":"score","rank":7,"name":"Alpha","score":10,"time":1...
{"ev":"keys","names":["000","001","002","003","004","005","006"]}
)"},
    // Asked only for a score that stays: a tie with the tenth would fall out.
    // A new score goes behind equal ones; the name as the entry field takes it.
    {"clock 1036411200\nrecord 000 a|P0|500|86400\nrecord 001 a|P1|500|86400\n"
     "record 002 a|P2|500|86400\nrecord 003 a|P3|500|86400\nrecord 004 a|P4|500|86400\n"
     "record 005 a|P5|500|86400\nrecord 006 a|P6|500|86400\nrecord 007 a|P7|500|86400\n"
     "record 008 a|P8|500|86400\nrecord 009 a|P9|500|86400\nscores\n"
     "offer 500 Tie\noffer 501 Zo|ë the 東京 player\nclock 4102444800\nscores\n",
     R"(...
{"ev":"offer","score":500,"asked":false}
{"ev":"offer","score":501,"asked":true,"name":"Zoë the 東京 player"}
{"ev":"score","rank":1,"name":"Zoë the 東京 player","score":501,"time":1036411200,"date":"Nov 4 02"}
{"ev":"score","rank":2,"name":"P0",...
{"ev":"score","rank":10,"name":"P8","score":500,"time":86400,"date":"Jan 2 70"}
{"ev":"keys","names":["000","001","002","003","004","005","006","007","008","009"]}
)"},
};

TEST(ScoreScripts, StoredRecordsOffersAndSavesPrintTheirEvents) {
    const CScopedEnv tokyo("TZ", "JST-9");
    for (const ScriptCase& c : kScores) {
        ExpectPrints(c);
    }
}

TEST(Runner, BadLinesStopTheScriptWithTheirLineNumber) {
    const struct {
        const char* script;
        const char* message;
    } cases[] = {
        {"resume\nfly\nstate\n", "line 2: unknown command"},
        {"seed -1\n", "line 1: \"-1\" is out of range"},
        {"seed 0\n", "line 1: \"0\" is no game number: numbers run from 1 to 2147483646"},
        {"new\nseed 2147483647\n", "line 2: \"2147483647\" is no game number"},
        {"seed 4294967294\n", "is no game number"},
        {"\n# comment\nwait x\n", "line 3:"},
        {"turn nan\n", "not a finite number"},
        {"new\nturn 1e308\n", "line 2: \"1e308\" turns further than any hand"},
        {"turn -100000001\n", "turns further than any hand"},
        // The lines replays are made of, in any form but the recorder's.
        {"at -1\n", "\"-1\" is out of range"},
        {"turn 0.5 1\n", "turn takes 1 argument"},
        {"tick 1\n", "tick takes 0 arguments"},
        {"wheel 40000\n", "out of range"},
        {"new Empty\n", "unknown scenario"},
        {"state extra\n", "takes 0 arguments"},
        {"record\n", "record takes"},
        // Time never goes back once a game is made, nor runs a day past the
        // first instant, whose `at` stops the timer.
        {"new\nat 999999\n", "line 2: at 999999 would turn the clock back from 1000000"},
        {"at 5000\nwait 86400000\nwait 1\n", "line 3: wait 1 runs more than a day past"},
    };
    for (const auto& c : cases) {
        const ScriptRun r = RunScript(c.script);
        EXPECT_EQ(r.status, 2) << c.script;
        EXPECT_TRUE(Matches(r.errors, std::string("...") + c.message + "...")) << r.errors;
        EXPECT_EQ(r.out, "") << c.script;
    }
    // A larger seed plays, as it always has, as the number its first draw leaves.
    EXPECT_EQ(RunScript("seed 2147483648\nnew\nstate\n").out,
              RunScript("seed 1\nnew\nstate\n").out);
    // A word of anyone's file is quoted with its control bytes spelled out,
    // cut short rather than widening a message without end.
    const ScriptRun r = RunScript("fl\x01" + std::string(65000, 'y') + "\n");
    EXPECT_EQ(r.errors.substr(0, r.errors.find('y')), "line 1: unknown command \"fl\\x01");
    EXPECT_LT(r.errors.size(), 120u) << r.errors;
}

// Numbers are checked by the scripts above, which print them to the last bit.
TEST(JsonOutput, StringsStayValidJsonWhateverBytesTheyHold) {
    EXPECT_EQ(JsonString("Zo\xc3\xab \xe6\x9d\xb1"), "\"Zo\xc3\xab \xe6\x9d\xb1\"");
    EXPECT_EQ(JsonString("a\"b\\c\n\r\t\x01"), "\"a\\\"b\\\\c\\n\\r\\t\\u0001\"");
    EXPECT_EQ(JsonString("\xff\xc3"), "\"\\ufffd\\ufffd\"");
    EXPECT_EQ(JsonString("\xed\xa0\x80"), "\"\\ufffd\\ufffd\\ufffd\"");  // a lone surrogate
}

}  // namespace
