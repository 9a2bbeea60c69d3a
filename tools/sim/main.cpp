// torvane-sim [SCRIPT]: plays a script against the game core (standard input
// when SCRIPT is absent or "-"), plain or gzip-compressed, and prints what
// happens as JSON Lines.

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>

#include "tools/sim/render/render_command.h"
#include "tools/sim/script_text.h"
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
    std::istream* input = &std::cin;
    const char* name = "standard input";
    if (argc == 2 && std::strcmp(argv[1], "-") != 0) {
        name = argv[1];
        file.open(argv[1], std::ios::binary);
        if (!file) {
            std::cerr << "torvane-sim: cannot read " << name << ": " << std::strerror(errno)
                      << "\n";
            return 2;
        }
        input = &file;
    }
    std::ostringstream bytes;
    bytes << input->rdbuf();
    std::string why;
    const std::optional<std::string> text = ScriptTextOf(bytes.str(), &why);
    if (!text) {
        std::cerr << "torvane-sim: cannot read " << name << ": " << why << "\n";
        return 2;
    }
    std::istringstream script(*text);
    CSimRunner runner(std::cout);
    RegisterExtraSimCommands(runner);
    const CRenderCommand renderCommand(runner);
    return runner.Run(script, std::cerr);
}
