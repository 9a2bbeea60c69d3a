// torvane-sim [--settings FILE [--lock-wait MS]] [SCRIPT]: plays a script
// against the game core (standard input when SCRIPT is absent or "-"), plain
// or gzip-compressed, and prints what happens as JSON Lines.

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

#include "shell/settings/settings_file.h"
#include "tools/sim/render/render_command.h"
#include "tools/sim/script_text.h"
#include "tools/sim/sim_commands.h"
#include "tools/sim/sim_runner.h"

int main(int argc, char** argv) {
    int arg = 1;
    std::unique_ptr<CSettingsFile> store;
    if (arg + 1 < argc && std::string_view(argv[arg]) == "--settings") {
        // The game's own store on FILE, so that several runs, and the game,
        // can share one file as two copies of the game would.
        store = std::make_unique<CSettingsFile>(QString::fromLocal8Bit(argv[arg + 1]));
        store->SetNoticeHandler([](const QString& message) {
            std::cerr << "torvane-sim: " << message.toStdString() << "\n";
        });
        arg += 2;
        if (arg + 1 < argc && std::string_view(argv[arg]) == "--lock-wait") {
            const std::string_view ms = argv[arg + 1];
            int wait = -1;
            std::from_chars(ms.data(), ms.data() + ms.size(), wait);
            if (wait < 0 || wait > CSettingsFile::kLongestLockWaitMs) {
                std::cerr << "torvane-sim: --lock-wait takes milliseconds, 0 to "
                          << CSettingsFile::kLongestLockWaitMs << "\n";
                return 2;
            }
            store->SetLockWait(wait);
            arg += 2;
        }
        store->Open();
    }
    const std::string_view first = arg < argc ? argv[arg] : "";
    if (argc - arg > 1 || first == "--help" || first == "-h" || first == "--settings") {
        std::cerr << "usage: torvane-sim [--settings FILE [--lock-wait MS]] [SCRIPT]\n"
                     "Plays SCRIPT (standard input when absent or \"-\") and prints events\n"
                     "as JSON Lines; with --settings, on the game's settings file FILE,\n"
                     "waiting up to MS milliseconds for another copy's lock.\n"
                     "See tools/sim/README.md for the commands.\n";
        return argc - arg > 1 || first == "--settings" ? 2 : 0;
    }
    std::ifstream file;
    std::istream* input = &std::cin;
    const char* name = "standard input";
    if (arg < argc && first != "-") {
        name = argv[arg];
        file.open(argv[arg], std::ios::binary);
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
    CSimRunner runner(std::cout, store.get());
    RegisterExtraSimCommands(runner);
    const CRenderCommand renderCommand(runner);
    return runner.Run(script, std::cerr);
}
