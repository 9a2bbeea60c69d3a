// torvane-sim [SCRIPT]: plays a script against the game core (standard input
// when SCRIPT is absent or "-") and prints what happens as JSON Lines.

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>

#include "tools/sim/render/render_command.h"
#include "tools/sim/sim_commands.h"
#include "tools/sim/sim_runner.h"

int main(int argc, char** argv) {
    if (argc > 2 ||
        (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0))) {
        std::cerr << "usage: torvane-sim [SCRIPT]\n"
                     "Plays SCRIPT (standard input when absent or \"-\") and prints events\n"
                     "as JSON Lines. See tools/sim/README.md for the commands.\n";
        return argc > 2 ? 2 : 0;
    }
    std::ifstream file;
    std::istream* script = &std::cin;
    if (argc == 2 && std::strcmp(argv[1], "-") != 0) {
        file.open(argv[1]);
        if (!file) {
            std::cerr << "torvane-sim: cannot read " << argv[1] << ": " << std::strerror(errno)
                      << "\n";
            return 2;
        }
        script = &file;
    }
    CSimRunner runner(std::cout);
    RegisterExtraSimCommands(runner);
    const CRenderCommand renderCommand(runner);
    return runner.Run(*script, std::cerr);
}
