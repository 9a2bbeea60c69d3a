#pragma once
// Runs a torvane-sim script in memory, with every command the program has, and
// compares what it printed with what it must print.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>

#include "game/game_random.h"
#include "script/sim_commands.h"
#include "script/sim_runner.h"

struct ScriptRun {
    int status;
    std::string out;
    std::string errors;
};

inline ScriptRun RunScript(const std::string& script) {
    std::ostringstream out;
    std::ostringstream err;
    std::istringstream in(script);
    GameRandom::Seed(1);  // a script without a seed replays alike whatever ran before
    CSimRunner runner(out);
    RegisterExtraSimCommands(runner);
    const int status = runner.Run(in, err);
    return {status, out.str(), err.str()};
}

// True when `text` matches `pattern`, in which "..." stands for any run of
// characters, line breaks included.
inline bool Matches(std::string_view text, std::string_view pattern) {
    std::size_t dots = pattern.find("...");
    if (dots == std::string_view::npos || !text.starts_with(pattern.substr(0, dots))) {
        return text == pattern;
    }
    for (std::size_t at = dots;; at += dots) {
        pattern.remove_prefix(dots + 3);
        dots = pattern.find("...");
        if (dots == std::string_view::npos) {
            return text.size() >= at + pattern.size() && text.ends_with(pattern);
        }
        if ((at = text.find(pattern.substr(0, dots), at)) == std::string_view::npos) {
            return false;
        }
    }
}

// A script and every line it must print.
struct ScriptCase {
    const char* script;
    const char* prints;
};

inline void ExpectPrints(const ScriptCase& c) {
    const ScriptRun r = RunScript(c.script);
    EXPECT_EQ(r.status, 0) << c.script << r.errors;
    EXPECT_TRUE(Matches(r.out, c.prints)) << c.script << "printed:\n" << r.out;
}
