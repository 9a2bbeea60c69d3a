#include "script/sim_runner.h"

#include <charconv>
#include <cmath>
#include <istream>
#include <ostream>

#include "game/game_number.h"
#include "game/game_random.h"
#include "game/memory_settings.h"
#include "game/settings_store.h"
#include "game/wheel_input.h"
#include "script/event_printer.h"
#include "script/script_lines.h"
#include "tutorial/core/scenarios.h"

namespace {

// About thirty thousand years: far beyond any game, far from overflowing.
constexpr std::int64_t kLatestInstant = 1000000000000000;
// Radians a `turn` may take either way: far beyond any hand, and near enough
// that the wheel's angle keeps the precision its spokes are drawn with.
constexpr double kLongestTurn = 1e8;
// No game lasts a day; a replay whose clock runs further would only keep its
// watcher waiting for ever.
constexpr std::int64_t kLongestRunMs = 24 * 3600 * 1000;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f' || c == '\n';
}

// The next blank-separated word of `rest`, taken off it; empty at the end.
std::string_view NextWord(std::string_view& rest) {
    std::size_t start = 0;
    while (start < rest.size() && IsBlank(rest[start])) {
        ++start;
    }
    std::size_t end = start;
    while (end < rest.size() && !IsBlank(rest[end])) {
        ++end;
    }
    const std::string_view word = rest.substr(start, end - start);
    rest.remove_prefix(end);
    return word;
}

// A word of the script as a message shows it: anyone may have written the
// file, so control bytes are spelled out and a long word is cut (never in
// the middle of a character) rather than widening the message without end.
std::string Quoted(std::string_view word) {
    constexpr std::size_t kLongestShown = 80;
    std::string_view shown = word;
    if (shown.size() > kLongestShown) {
        shown = shown.substr(0, kLongestShown - 3);
        while (!shown.empty() && (static_cast<unsigned char>(shown.back()) & 0xC0) == 0x80) {
            shown.remove_suffix(1);
        }
        if (!shown.empty() && static_cast<unsigned char>(shown.back()) >= 0xC0) {
            shown.remove_suffix(1);  // the lead byte of the character cut off
        }
    }
    std::string text = "\"";
    for (const char c : shown) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            constexpr char kHex[] = "0123456789abcdef";
            text += {'\\', 'x', kHex[byte >> 4], kHex[byte & 15]};
        } else {
            text += c;
        }
    }
    return text + (shown.size() < word.size() ? "...\"" : "\"");
}

}  // namespace

CSimRunner::Borrowed::Borrowed()
    : clock_(GameClock::Save()), random_(GameRandom::state), sound_(GetSoundPlayer()) {
    SetSoundPlayer(nullptr);
}

CSimRunner::Borrowed::~Borrowed() {
    GameClock::Restore(clock_);
    GameRandom::state = random_;
    SetSoundPlayer(sound_);
}

CSimRunner::CSimRunner(std::ostream& out, ISettingsBackend* store)
    : out_(out),
      memorySettings_(true),
      store_(store != nullptr ? store : &memorySettings_),
      printer_(std::make_unique<CEventPrinter>(out)) {
    clock_.hasCounter = true;
    clock_.frequency = 1000;
    SetRealTime(realMs_);
    GameClock::SetCounter(&clock_);
    RegisterBuiltins();
}

CSimRunner::~CSimRunner() {
    // A game left in someone else's slot must not report to a printer that
    // is gone.
    if (*game_ && (*game_)->observer == printer_.get()) {
        (*game_)->observer = nullptr;
    }
    ownGame_.reset();
}

void CSimRunner::Register(const std::string& name, Handler handler) {
    for (Command& command : commands_) {
        if (command.name == name) {
            command.handler = std::move(handler);
            return;
        }
    }
    commands_.push_back({name, std::move(handler)});
}

void CSimRunner::PlayOn(std::unique_ptr<CGame>& slot) {
    game_ = &slot;
}

CGame& CSimRunner::Game() {
    if (!*game_ || !madeGame_) {
        NewGame(nullptr);
    }
    return **game_;
}

void CSimRunner::NewGame(const CGameSnapshot* snapshot) {
    // The runner's settings only while it makes the game: a game view that
    // watches a replay keeps the player's own for everything else.
    const CScopedSettingsBackend settings(store_);
    game_->reset();
    *game_ = std::make_unique<CGame>(snapshot);
    (*game_)->observer = printer_.get();
    madeGame_ = true;
    // The view reads the wheel settings when it is made.
    wheel_.clockwise = ReadSettingDword(kSettingsKey, "MouseWheelClockwise") != 0;
    wheel_.speed = WheelSpeedFromSetting(ReadSettingDword(kSettingsKey, "MouseWheelSpeed"));
}

bool CSimRunner::RunLine(std::string_view text, int number, std::ostream& err) {
    try {
        Execute(text, number);
        return true;
    } catch (const SimError& e) {
        out_.flush();
        err << "line " << number << ": " << e.what() << "\n";
        return false;
    }
}

int CSimRunner::Run(std::istream& script, std::ostream& err) {
    std::string line;
    for (int number = 1; std::getline(script, line); ++number) {
        if (!RunLine(line, number, err)) {
            return 2;
        }
    }
    out_.flush();
    return 0;
}

int CSimRunner::Run(CScriptLines& script, std::ostream& err) {
    for (std::string_view line; script.Next(line);) {
        if (!RunLine(line, script.Number(), err)) {
            return 2;
        }
    }
    out_.flush();
    return 0;
}

void CSimRunner::Parse(std::string_view text, int number) {
    if (!text.empty() && text.back() == '\r') {
        text.remove_suffix(1);
    }
    line_.number = number;
    line_.words.clear();
    line_.rest = {};
    std::string_view rest = text;
    const std::string_view command = NextWord(rest);
    if (command.empty() || command[0] == '#') {
        return;  // blank, or a comment however long
    }
    std::size_t restStart = 0;
    while (restStart < rest.size() && (rest[restStart] == ' ' || rest[restStart] == '\t')) {
        ++restStart;
    }
    if (restStart < rest.size()) {
        line_.rest = rest.substr(restStart);
    }
    for (std::string_view word = command; !word.empty(); word = NextWord(rest)) {
        line_.words.push_back(word);
    }
}

bool CSimRunner::PlayRecorded(std::string_view text) {
    const char* end = text.data() + text.size();
    if (text == "tick") {
        lastCommand_ = "tick";
        const CScopedSettingsBackend settings(store_);
        Play(PlayerInput::Tick{});
        return true;
    }
    if (text.starts_with("at ")) {
        std::int64_t ms = 0;
        const auto result = std::from_chars(text.data() + 3, end, ms);
        if (result.ec != std::errc() || result.ptr != end || ms < 0 || ms > kLatestInstant) {
            return false;
        }
        lastCommand_ = "at";
        MoveTo(ms);
        return true;
    }
    if (text.starts_with("turn ")) {
        double angle = 0;
        const auto result = std::from_chars(text.data() + 5, end, angle);
        if (result.ec != std::errc() || result.ptr != end || !(std::abs(angle) <= kLongestTurn)) {
            return false;
        }
        lastCommand_ = "turn";
        const CScopedSettingsBackend settings(store_);
        Play(PlayerInput::TurnTo{angle});
        return true;
    }
    return false;
}

void CSimRunner::Execute(std::string_view text, int number) {
    if (PlayRecorded(text)) {
        return;
    }
    Parse(text, number);
    if (line_.words.empty()) {
        return;
    }
    const std::string_view word = line_.words[0];
    for (const Command& command : commands_) {
        if (command.name[0] == word[0] && command.name == word) {
            lastCommand_ = command.name;
            const CScopedSettingsBackend settings(store_);
            command.handler(*this, line_);
            return;
        }
    }
    throw SimError("unknown command " + Quoted(word));
}

std::optional<std::int64_t> CSimRunner::InstantOf(std::string_view line) {
    if (NextWord(line) != "at") {
        return std::nullopt;
    }
    const std::string_view word = NextWord(line);
    std::int64_t value = 0;
    const auto result = std::from_chars(word.data(), word.data() + word.size(), value);
    if (word.empty() || !NextWord(line).empty() || result.ec != std::errc() ||
        result.ptr != word.data() + word.size() || value < 0 || value > kLatestInstant) {
        return std::nullopt;
    }
    return value;
}

void CSimRunner::ExpectWords(const SimLine& line, std::size_t count) {
    if (line.words.size() != count) {
        throw SimError(std::string(line.words[0]) + " takes " + std::to_string(count - 1) +
                       " argument" + (count == 2 ? "" : "s"));
    }
}

std::uint32_t CSimRunner::ParseU32(const SimLine& line, std::size_t index) {
    return static_cast<std::uint32_t>(ParseI64(line, index, 0, UINT32_MAX));
}

std::int64_t CSimRunner::ParseI64(const SimLine& line, std::size_t index, std::int64_t min,
                                  std::int64_t max) {
    const std::string_view word = line.words.at(index);
    std::int64_t value = 0;
    const auto result = std::from_chars(word.data(), word.data() + word.size(), value);
    if (result.ec != std::errc() || result.ptr != word.data() + word.size()) {
        throw SimError(Quoted(word) + " is not a whole number");
    }
    if (value < min || value > max) {
        throw SimError(Quoted(word) + " is out of range " + std::to_string(min) + ".." +
                       std::to_string(max));
    }
    return value;
}

double CSimRunner::ParseFiniteDouble(const SimLine& line, std::size_t index) {
    const std::string_view word = line.words.at(index);
    double value = 0;
    const auto result = std::from_chars(word.data(), word.data() + word.size(), value);
    if (result.ec != std::errc() || result.ptr != word.data() + word.size() ||
        !std::isfinite(value)) {
        throw SimError(Quoted(word) + " is not a finite number");
    }
    return value;
}

void CSimRunner::RegisterBuiltins() {
    // The lines replays are made of first: commands are looked up in order.
    Register("at", [](CSimRunner& r, const SimLine& l) {
        ExpectWords(l, 2);
        r.MoveTo(ParseI64(l, 1, 0, kLatestInstant));
    });
    Register("tick", [](CSimRunner& r, const SimLine& l) {
        ExpectWords(l, 1);
        r.Play(PlayerInput::Tick{});
    });
    Register("turn", [](CSimRunner& r, const SimLine& l) {
        ExpectWords(l, 2);
        const double angle = ParseFiniteDouble(l, 1);
        if (std::abs(angle) > kLongestTurn) {
            throw SimError(Quoted(l.words[1]) + " turns further than any hand");
        }
        r.Play(PlayerInput::TurnTo{angle});
    });
    Register("seed", [](CSimRunner&, const SimLine& l) {
        ExpectWords(l, 2);
        const std::uint32_t seed = ParseU32(l, 1);
        // From a multiple of the generator's modulus it yields one value
        // forever: every gem alike, a game no number deals, whose score
        // proves nothing. Any other larger seed plays, as it always has, as
        // the number it leaves after its first draw.
        if (seed % (kLastGameNumber + 1) == 0) {
            throw SimError(Quoted(l.words[1]) + " is no game number: numbers run from " +
                           std::to_string(kFirstGameNumber) + " to " +
                           std::to_string(kLastGameNumber));
        }
        GameRandom::Seed(seed);
    });
    Register("setting", [](CSimRunner&, const SimLine& l) {
        ExpectWords(l, 3);
        WriteSettingDword(kSettingsKey, std::string(l.words[1]), ParseU32(l, 2));
    });
    Register("new", [](CSimRunner& r, const SimLine& l) {
        if (l.words.size() > 2) {
            throw SimError("new takes at most one scenario name");
        }
        if (l.words.size() == 1) {
            r.NewGame(nullptr);
            return;
        }
        const CGameSnapshot* scenario = FindScenario(l.words[1]);
        if (scenario == nullptr) {
            throw SimError("unknown scenario " + Quoted(l.words[1]));
        }
        // Its falling gems face the centre as the tutorial turns them, but
        // on a copy: the records are the window's tutorial's, and a replay
        // may be checked on another thread.
        std::vector<CSnapshotGem> falling(scenario->falling,
                                          scenario->falling + scenario->fallingCount);
        for (CSnapshotGem& gem : falling) {
            gem.orientation = FacingCentre(gem);
        }
        CGameSnapshot snapshot = *scenario;
        snapshot.falling = falling.data();
        r.NewGame(&snapshot);
    });
    Register("resume", [](CSimRunner& r, const SimLine& l) {
        ExpectWords(l, 1);
        if (r.Game().paused) {
            r.Play(PlayerInput::PausePlay{});
        }
    });
    Register("pause", [](CSimRunner& r, const SimLine& l) {
        ExpectWords(l, 1);
        if (!r.Game().paused) {
            r.Play(PlayerInput::PausePlay{});
        }
    });
    Register("end", [](CSimRunner& r, const SimLine& l) {
        ExpectWords(l, 1);
        r.Game().EndGame();
    });
    Register("difficulty", [](CSimRunner& r, const SimLine& l) {
        ExpectWords(l, 2);
        r.Game().SetDifficulty(ParseU32(l, 1));
    });
    Register("wait", [](CSimRunner& r, const SimLine& l) {
        ExpectWords(l, 2);
        // Up to about eleven days of play in one command.
        r.Wait(ParseI64(l, 1, 0, 1000000000));
    });
    Register("wheel", [](CSimRunner& r, const SimLine& l) {
        ExpectWords(l, 2);
        r.Play(PlayerInput::WheelNotches{static_cast<std::int32_t>(ParseI64(l, 1, -32768, 32767))});
    });
    Register("bomb", [](CSimRunner& r, const SimLine& l) {
        ExpectWords(l, 1);
        r.Play(PlayerInput::DropBomb{});
    });
    Register("state", [](CSimRunner& r, const SimLine& l) {
        ExpectWords(l, 1);
        r.PrintState();
    });
}

void CSimRunner::Wait(std::int64_t ms) {
    const std::int64_t target = realMs_ + ms;
    if (timerStopped_ && target - firstInstant_ > kLongestRunMs) {
        throw SimError("wait " + std::to_string(ms) +
                       " runs more than a day past the first instant, " +
                       std::to_string(firstInstant_));
    }
    while (!timerStopped_ && nextFiringMs_ <= target) {
        CGame& game = Game();
        if (game.paused) {
            // Nothing can unpause the game while time only passes: skip to the
            // last firing in the interval.
            nextFiringMs_ += (target - nextFiringMs_) / kTimerMs * kTimerMs;
        }
        SetRealTime(nextFiringMs_);
        nextFiringMs_ += kTimerMs;
        if (!game.paused) {
            Play(PlayerInput::Tick{});
        }
    }
    SetRealTime(target);
}

void CSimRunner::MoveTo(std::int64_t ms) {
    // Before the first game the clock has told nobody anything yet, so a
    // script may start it wherever it likes.
    if (ms < realMs_ && madeGame_) {
        throw SimError("at " + std::to_string(ms) + " would turn the clock back from " +
                       std::to_string(realMs_));
    }
    if (!timerStopped_) {
        timerStopped_ = true;
        firstInstant_ = ms;
    } else if (ms - firstInstant_ > kLongestRunMs) {
        throw SimError("at " + std::to_string(ms) +
                       " is more than a day after the first instant, " +
                       std::to_string(firstInstant_));
    }
    SetRealTime(ms);
}

void CSimRunner::SetRealTime(std::int64_t ms) {
    realMs_ = ms;
    clock_.counter = static_cast<std::uint64_t>(ms);
    clock_.tickCount = static_cast<std::uint32_t>(ms);
}

void CSimRunner::PrintState() {
    const CGame& game = Game();
    // A check that only wants the end skips the making of the text.
    if (out_.good()) {
        out_ << GameStateJson(game) << '\n';
    }
}
