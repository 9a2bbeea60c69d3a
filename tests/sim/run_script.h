#pragma once
// Runs a torvane-sim script in memory, with every command the program has,
// and keeps what it printed.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tools/sim/sim_commands.h"
#include "tools/sim/sim_runner.h"

struct ScriptRun {
    int status = 0;
    std::vector<std::string> lines;
    std::string errors;

    // The printed lines of one event kind, in order.
    std::vector<std::string> Events(const std::string& ev) const {
        std::vector<std::string> found;
        for (const auto& l : lines) {
            if (l.rfind("{\"ev\":\"" + ev + "\"", 0) == 0) {
                found.push_back(l);
            }
        }
        return found;
    }
};

inline ScriptRun RunScript(const std::string& script) {
    std::ostringstream out;
    std::ostringstream err;
    std::istringstream in(script);
    ScriptRun run;
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

inline bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}
