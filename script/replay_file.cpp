#include "script/replay_file.h"

#include <algorithm>
#include <charconv>
#include <ctime>
#include <sstream>

#include "game/game_number.h"
#include "script/daily_proof.h"
#include "script/script_lines.h"
#include "script/sim_runner.h"

namespace {

constexpr const char* kFirstLine = "# Torvane replay";
constexpr const char* kVersionLabel = "# Version: ";
constexpr const char* kRulesLabel = "# Rules: ";
constexpr const char* kScoreLabel = "# Score: ";
constexpr const char* kDifficultyLabel = "# Difficulty: ";
constexpr const char* kGameLabel = "# Game: ";
constexpr const char* kDailyLabel = "# Daily: ";
// Lines between two looks at whether the check is to stop: a few milliseconds.
constexpr std::size_t kLinesBetweenLooks = 4096;

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

// Why a replay cannot be watched.
ReplayCheck Refused(ReplayVerdict verdict, UiText text, std::vector<std::string> args = {}) {
    ReplayCheck check;
    check.verdict = verdict;
    check.problem = {text, std::move(args)};
    return check;
}

ReplayCheck NotAReplay() {
    return Refused(ReplayVerdict::NotAReplay,
                   TORVANE_TEXT("ReplayFile", "This file is not a Torvane replay."));
}

ReplayCheck Damaged(UiText text, std::vector<std::string> args = {}) {
    return Refused(ReplayVerdict::Damaged, text, std::move(args));
}

// The date is the English one the runner prints; the window puts its reader's.
ReplayCheck NotTheDaily(const GameDate& date) {
    ReplayCheck check =
        Refused(ReplayVerdict::NotTheDaily,
                TORVANE_TEXT("ReplayFile", "This replay is not the daily game of %1."),
                {EnglishDateText(date)});
    check.daily = GameDateText(date);
    return check;
}

// The text stopped early, or ended where it should.
std::optional<ReplayCheck> FaultOf(const CScriptLines& lines) {
    switch (lines.Fault()) {
        case ScriptFault::None:
            return std::nullopt;
        case ScriptFault::TooLarge:
            return Refused(ReplayVerdict::TooLarge,
                           TORVANE_TEXT("ReplayFile",
                                        "This file is too large to be a Torvane replay: it unpacks "
                                        "to more than %1 MB, more than any game writes."),
                           {std::to_string(kScriptTextLimit >> 20)});
        case ScriptFault::LongLine:
            return Damaged(TORVANE_TEXT("ReplayFile",
                                        "This replay is damaged or cut short: line %1 is longer "
                                        "than any command."),
                           {std::to_string(lines.Number() + 1)});
        case ScriptFault::CutShort:
            return Damaged(TORVANE_TEXT("ReplayFile",
                                        "This replay is damaged or cut short: the compressed data "
                                        "is cut short."));
        default:
            return Damaged(TORVANE_TEXT("ReplayFile",
                                        "This replay is damaged or cut short: the compressed data "
                                        "is damaged."));
    }
}

bool IsCommand(std::string_view line) {
    const std::size_t first = line.find_first_not_of(" \t\r\v\f");
    return first != std::string_view::npos && line[first] != '#';
}

// The number a header's difficulty name stands for.
std::optional<std::uint32_t> DifficultyNumber(std::string_view name) {
    for (std::uint32_t d = 0; d < 3; ++d) {
        if (name == DifficultyName(d)) {
            return d;
        }
    }
    std::uint32_t d = 0;
    const auto r = std::from_chars(name.data(), name.data() + name.size(), d);
    if (r.ec == std::errc() && r.ptr == name.data() + name.size()) {
        return d;
    }
    return std::nullopt;
}

// The header's comment lines: what made the replay, what it was played at
// and what it scored.
struct HeaderSeen {
    std::string version;
    std::string rules = "1";
    std::optional<std::uint32_t> score;
    std::vector<std::uint32_t> difficulties;
    std::uint32_t game = 0;
    std::optional<std::string> daily;

    void Read(std::string_view line) {
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if (line.starts_with(kDifficultyLabel)) {
            line.remove_prefix(std::string_view(kDifficultyLabel).size());
            difficulties.clear();
            for (std::size_t end; !line.empty();
                 line.remove_prefix(std::min(end + 2, line.size()))) {
                end = std::min(line.find(", "), line.size());
                if (const std::optional<std::uint32_t> d = DifficultyNumber(line.substr(0, end))) {
                    difficulties.push_back(*d);
                }
            }
        } else if (line.starts_with(kVersionLabel)) {
            version = line.substr(std::string_view(kVersionLabel).size());
        } else if (line.starts_with(kRulesLabel)) {
            rules = line.substr(std::string_view(kRulesLabel).size());
        } else if (line.starts_with(kGameLabel)) {
            game = ParseGameNumber(line.substr(std::string_view(kGameLabel).size())).value_or(0);
        } else if (line.starts_with(kDailyLabel)) {
            daily = line.substr(std::string_view(kDailyLabel).size());
        } else if (line.starts_with(kScoreLabel)) {
            line.remove_prefix(std::string_view(kScoreLabel).size());
            std::uint32_t value = 0;
            const auto r = std::from_chars(line.data(), line.data() + line.size(), value);
            if (r.ec == std::errc() && r.ptr == line.data() + line.size()) {
                score = value;
            }
        }
    }
};

}  // namespace

std::string ReplayHeaderText(const ReplayHeader& header) {
    std::string text = std::string(kFirstLine) + "\n" + kVersionLabel + header.version + "\n" +
                       kRulesLabel + std::to_string(kRulesVersion) +
                       "\n# Played: " + UtcText(header.played) + "\n";
    if (header.game != 0) {
        text += kGameLabel + std::to_string(header.game) + '\n';
    }
    if (!header.daily.empty()) {
        text += kDailyLabel + header.daily + '\n';
    }
    text += kDifficultyLabel;
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

ReplayCheck CheckReplay(std::string stored, const std::string& version, ReplayProgress* progress) {
    std::ostringstream ignored;
    ignored.setstate(std::ios::badbit);  // the events are not wanted, only the end
    CSimRunner runner(ignored);
    return PlayReplay(std::move(stored), version, runner, progress);
}

ReplayCheck PlayReplay(std::string stored, const std::string& version, CSimRunner& runner,
                       ReplayProgress* progress, std::string* text) {
    CScriptLines lines(stored);
    std::string_view line;
    if (!lines.Next(line)) {
        // Compressed data that fails at once may still be a replay's; a first
        // line longer than any is not the header of one.
        return lines.Fault() == ScriptFault::LongLine ? NotAReplay()
                                                      : FaultOf(lines).value_or(NotAReplay());
    }
    if (!line.starts_with(kFirstLine)) {
        return NotAReplay();
    }
    bool more = true;
    HeaderSeen header;
    while ((more = lines.Next(line)) && line.starts_with('#')) {
        header.Read(line);
    }
    while (more && !IsCommand(line)) {
        more = lines.Next(line);
    }
    // A replay's clock starts with `at`, so the runner's own timer never
    // fires: however long its waits, playing it costs only its lines.
    if (!more || !header.score || !CSimRunner::InstantOf(line)) {
        return FaultOf(lines).value_or(NotAReplay());
    }
    if (header.rules != std::to_string(kRulesVersion)) {
        return Refused(ReplayVerdict::OtherVersion,
                       TORVANE_TEXT("ReplayFile",
                                    "This replay was made by Torvane %1 with other rules than "
                                    "this version (%2) plays."),
                       {header.version, version});
    }
    // A daily game's date must be a date, and its number that date's.
    std::optional<CDailyProof> proof;
    std::optional<GameDate> date;
    if (header.daily) {
        date = ParseGameDate(*header.daily);
        if (!date) {
            return NotAReplay();
        }
        proof.emplace(*date);
        const bool medium = header.difficulties == std::vector<std::uint32_t>{1};
        if (!medium || (header.game != 0 && header.game != DailyGameNumber(*date))) {
            return NotTheDaily(*date);
        }
    }
    // Room for the commands at once: a long game's text, grown line by
    // line, would be copied again and again.
    if (text != nullptr) {
        text->reserve(text->size() + line.size() + 1 + lines.SizeHint());
    }
    std::size_t count = 0;
    do {
        // Comments and blank lines play no part in the game: a file padded
        // with them costs no memory here.
        if (text != nullptr && IsCommand(line)) {
            text->append(line);
            text->push_back('\n');
        }
        if (progress != nullptr && ++count % kLinesBetweenLooks == 0) {
            if (progress->stop) {
                return Refused(ReplayVerdict::Stopped, {});
            }
            const double done = static_cast<double>(lines.Consumed()) / stored.size();
            progress->permille = 500 + static_cast<int>(500 * done);
        }
        if (proof && !proof->Allows(line)) {
            return NotTheDaily(*date);
        }
        try {
            runner.Execute(line, lines.Number());
        } catch (const SimError& e) {
            // The runner's own words, which quote the script's commands.
            return Damaged(
                TORVANE_TEXT("ReplayFile", "This replay is damaged or cut short: line %1: %2."),
                {std::to_string(lines.Number()), e.what()});
        }
    } while (lines.Next(line));
    if (std::optional<ReplayCheck> fault = FaultOf(lines)) {
        return *fault;
    }
    if (runner.LastCommand() != "state") {
        return Damaged(TORVANE_TEXT("ReplayFile",
                                    "This replay is damaged or cut short: it stops before its last "
                                    "line."));
    }
    if (proof && (!proof->Complete() || runner.Game().difficulty != 1)) {
        return NotTheDaily(*date);
    }
    ReplayCheck check;
    check.score = runner.Game().score;
    check.difficulties = std::move(header.difficulties);
    check.game = header.game;
    check.daily = header.daily.value_or(std::string());
    if (check.score != *header.score) {
        const std::string ends = std::to_string(check.score);
        const std::string records = std::to_string(*header.score);
        return Refused(ReplayVerdict::WrongScore,
                       TORVANE_TEXT("ReplayFile",
                                    "This replay does not reach the score it records: it ends at "
                                    "%1 points, not at the %2 it records."),
                       {ends, records});
    }
    check.stored = std::move(stored);
    return check;
}
