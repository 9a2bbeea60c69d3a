#include "tools/sim/replay_file.h"

#include <charconv>
#include <ctime>
#include <sstream>

#include "tools/sim/script_text.h"
#include "tools/sim/sim_runner.h"

namespace {

constexpr const char* kFirstLine = "# Torvane replay";
constexpr const char* kScoreLabel = "# Score: ";

std::string DifficultyName(std::uint32_t d) {
    switch (d) {
        case 0:
            return "Easy";
        case 1:
            return "Medium";
        case 2:
            return "Hard";
        default:
            return std::to_string(d);
    }
}

std::string UtcText(std::int64_t seconds) {
    const auto t = static_cast<std::time_t>(seconds);
    std::tm utc{};
    char text[40] = "";
    if (gmtime_r(&t, &utc) != nullptr) {
        std::strftime(text, sizeof text, "%Y-%m-%d %H:%M UTC", &utc);
    }
    return text;
}

// The score the header records, from the comment lines before the script.
std::optional<std::uint32_t> RecordedScore(std::istream& in) {
    std::string line;
    if (!std::getline(in, line) || line.rfind(kFirstLine, 0) != 0) {
        return std::nullopt;
    }
    const std::string label = kScoreLabel;
    while (std::getline(in, line) && line.rfind('#', 0) == 0) {
        if (line.rfind(label, 0) == 0) {
            std::uint32_t score = 0;
            const char* end = line.data() + line.size();
            const auto r = std::from_chars(line.data() + label.size(), end, score);
            if (r.ec == std::errc() && r.ptr == end) {
                return score;
            }
        }
    }
    return std::nullopt;
}

}  // namespace

std::string ReplayHeaderText(const ReplayHeader& header) {
    std::string text = std::string(kFirstLine) + "\n# Version: " + header.version +
                       "\n# Played: " + UtcText(header.played) + "\n# Difficulty: ";
    for (std::size_t i = 0; i < header.difficulties.size(); ++i) {
        text += (i == 0 ? "" : ", ") + DifficultyName(header.difficulties[i]);
    }
    text += '\n';
    if (!header.player.empty()) {
        text += "# Player: " + header.player + '\n';
    }
    return text + kScoreLabel + std::to_string(header.score) + '\n';
}

std::string WithPlayer(const std::string& replay, const std::string& player) {
    // Just above the score, which ends the header the recorder writes.
    const std::size_t score = replay.find(std::string("\n") + kScoreLabel);
    if (score == std::string::npos || player.find('\n') != std::string::npos) {
        return replay;
    }
    std::string text = replay;
    text.insert(score + 1, "# Player: " + player + '\n');
    return text;
}

ReplayCheck CheckReplay(const std::string& bytes) {
    ReplayCheck check;
    std::string why;
    std::optional<std::string> text = ScriptTextOf(bytes, &why);
    if (!text) {
        check.problem = "This replay is damaged: " + why + ".";
        return check;
    }
    std::istringstream header(*text);
    const std::optional<std::uint32_t> recorded = RecordedScore(header);
    if (!recorded) {
        check.problem = "This file is not a Torvane replay.";
        return check;
    }
    // A replay's clock starts with `at`, so the runner's own timer never
    // fires: however long its waits, playing it costs only its lines.
    std::istringstream lines(*text);
    for (std::string line; std::getline(lines, line);) {
        const std::size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos || line[first] == '#') {
            continue;
        }
        if (!CSimRunner::InstantOf(line)) {
            check.problem = "This file is not a Torvane replay.";
            return check;
        }
        break;
    }
    std::ostringstream out;
    out.setstate(std::ios::badbit);  // the events are not wanted, only the end
    std::ostringstream errors;
    std::istringstream script(*text);
    std::uint32_t score = 0;
    {
        CSimRunner runner(out);
        if (runner.Run(script, errors) != 0) {
            std::string reason = errors.str();
            while (!reason.empty() && reason.back() == '\n') {
                reason.pop_back();
            }
            check.problem = "This replay is damaged: " + reason + ".";
            return check;
        }
        score = runner.Game().score;
    }
    if (score != *recorded) {
        check.problem = kReplayMismatch;
        check.mismatch = true;
        return check;
    }
    check.text = std::move(*text);
    check.score = score;
    return check;
}
