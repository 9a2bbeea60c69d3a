// Any bytes as a torvane-sim script: the runner either plays it or stops at
// the first bad line with its number, and whatever it printed is JSON Lines
// with finite numbers.

#include <cstdint>
#include <sstream>
#include <string>

#include "fuzz_check.h"
#include "game/game_random.h"
#include "script/sim_commands.h"
#include "script/sim_runner.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string script(reinterpret_cast<const char*>(data), size);
    std::istringstream in(script);
    std::ostringstream out;
    std::ostringstream err;
    GameRandom::Seed(1);
    int status = 0;
    {
        CSimRunner runner(out);
        RegisterExtraSimCommands(runner);
        status = runner.Run(in, err);
    }
    const std::string errors = err.str();
    FUZZ_CHECK(status == 0 ? errors.empty()
                           : status == 2 && errors.rfind("line ", 0) == 0 &&
                                 errors.find('\n') == errors.size() - 1,
               "a run succeeds silently or fails with status 2 naming one line");
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);) {
        FUZZ_CHECK(line.rfind("{\"ev\":\"", 0) == 0 && line.back() == '}',
                   "every output line is one event object");
        FUZZ_CHECK(line.find("nan") == std::string::npos && line.find("inf") == std::string::npos,
                   "numbers are finite");
    }
    return 0;
}
