// torvane-sim [--settings FILE [--lock-wait MS]] [--allow-render] [SCRIPT]:
// plays a script against the game core (standard input when SCRIPT is absent
// or "-"), plain or gzip-compressed, and prints what happens as JSON Lines.
// torvane-sim --check FILE: reads FILE as the game reads a replay before it
// shows it, and says what it found. torvane-sim --history DB: the games of a
// history database as JSON Lines.
//
// A replay or a kept game (a file with a replay's header) comes from anyone:
// it plays as the game plays it, touching nothing but the run's memory.

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>

#include "script/replay_reader.h"
#include "script/script_lines.h"
#include "script/sim_commands.h"
#include "script/sim_runner.h"
#include "settings/settings_file.h"
#include "tools/sim/history_command.h"
#include "tools/sim/render_command.h"

namespace {

int Check(const char* path) {
    const ReplayCheck check = ReadReplayFile(path, TORVANE_VERSION);
    if (check.verdict != ReplayVerdict::Watchable) {
        std::cerr << "torvane-sim: " << check.problem.English() << "\n";
        return 1;
    }
    std::cout << "{\"ev\":\"replay\",\"score\":" << check.score;
    if (!check.daily.empty()) {
        std::cout << ",\"daily\":\"" << check.daily << '"';
    }
    std::cout << "}\n";
    return 0;
}

// At most one byte more than any script may hold, so that too much shows.
bool ReadStored(std::istream& input, std::string& stored) {
    char piece[1 << 16];
    while (input.read(piece, sizeof piece) || input.gcount() > 0) {
        stored.append(piece, static_cast<std::size_t>(input.gcount()));
        if (stored.size() > kScriptTextLimit) {
            return false;
        }
    }
    return !input.bad();
}

// Whether the stored text opens with a replay's header.
bool IsReplay(const std::string& stored) {
    CScriptLines lines(stored);
    std::string_view first;
    return lines.Next(first) && first.starts_with("# Torvane replay");
}

// Commands that reach outside the run (files, the settings, the terminal,
// real time), which a replay is never let run.
void RefuseOutsideCommands(CSimRunner& runner) {
    for (const char* name : {"render", "record", "offer", "scores", "clock", "sleep", "await"}) {
        runner.Register(name, [name](CSimRunner&, const SimLine&) {
            throw SimError(std::string(name) + " is not played in a replay");
        });
    }
}

}  // namespace

int main(int argc, char** argv) {
    int arg = 1;
    if (argc == 3 && std::string_view(argv[1]) == "--check") {
        return Check(argv[2]);
    }
    if (argc == 3 && std::string_view(argv[1]) == "--history") {
        return PrintHistory(argv[2]);
    }
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
    // Painting writes a file wherever the script says: only when asked for.
    const bool allowRender = arg < argc && std::string_view(argv[arg]) == "--allow-render";
    arg += allowRender ? 1 : 0;
    const std::string_view first = arg < argc ? argv[arg] : "";
    if (argc - arg > 1 || first == "--help" || first == "-h" || first == "--settings" ||
        first == "--check" || first == "--allow-render" || first == "--history") {
        std::cerr << "usage: torvane-sim [--settings FILE [--lock-wait MS]] [--allow-render] "
                     "[SCRIPT]\n"
                     "       torvane-sim --check REPLAY\n"
                     "       torvane-sim --history DB\n"
                     "Plays SCRIPT (standard input when absent or \"-\") and prints events\n"
                     "as JSON Lines; with --settings, on the game's settings file FILE,\n"
                     "waiting up to MS milliseconds for another copy's lock.\n"
                     "--allow-render lets the script's render lines write their PNG files.\n"
                     "A replay or a kept game plays as the game plays it: its settings stay\n"
                     "in memory, and it may not render, offer or show scores, or wait.\n"
                     "--check reads REPLAY as the game does before it shows it.\n"
                     "--history prints the games of the game history DB as JSON Lines.\n"
                     "See tools/sim/README.md for the commands.\n";
        return argc - arg > 1 || first == "--settings" || first == "--check" ||
                       first == "--allow-render" || first == "--history"
                   ? 2
                   : 0;
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
    std::string stored;
    if (!ReadStored(*input, stored)) {
        std::cerr << "torvane-sim: cannot read " << name << ": "
                  << (input->bad() ? std::strerror(errno) : ScriptFaultText(ScriptFault::TooLarge))
                  << "\n";
        return 2;
    }
    const bool replay = IsReplay(stored);
    CScriptLines script(stored);
    CSimRunner runner(std::cout, replay ? nullptr : store.get());
    RegisterExtraSimCommands(runner);
    const CRenderCommand renderCommand(runner);
    if (replay) {
        RefuseOutsideCommands(runner);
    } else if (!allowRender) {
        runner.Register("render", [](CSimRunner&, const SimLine&) {
            throw SimError("render writes files only with torvane-sim --allow-render");
        });
    }
    const int status = runner.Run(script, std::cerr);
    if (status == 0 && script.Fault() != ScriptFault::None) {
        std::cerr << "torvane-sim: cannot read " << name << " past line " << script.Number() << ": "
                  << ScriptFaultText(script.Fault()) << "\n";
        return 2;
    }
    return status;
}
