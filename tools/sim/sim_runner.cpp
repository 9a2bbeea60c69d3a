#include "tools/sim/sim_runner.h"

#include <charconv>
#include <cmath>
#include <istream>
#include <ostream>
#include <sstream>

#include "game/game_random.h"
#include "game/memory_settings.h"
#include "game/settings_store.h"
#include "game/wheel_input.h"
#include "tools/sim/json_writer.h"
#include "tutorial/core/scenarios.h"

namespace {

// About thirty thousand years: far beyond any game, far from overflowing.
constexpr std::int64_t kLatestInstant = 1000000000000000;

// Appended piece by piece: GCC 12 at -O3 sees a false overlap (-Wrestrict)
// in `"[" + std::to_string(...)`.
std::string CellJson(Cell c) {
    std::string json = "[";
    json += std::to_string(c.a);
    json += ',';
    json += std::to_string(c.b);
    json += ']';
    return json;
}

std::string BoolJson(bool b) {
    return b ? "true" : "false";
}

}  // namespace

// Prints the game's events as they happen.
class CSimRunner::Printer : public IGameObserver {
  public:
    explicit Printer(std::ostream& out) : out_(out) {}

    void OnDrop(const CGem& gem) override {
        out_ << "{\"ev\":\"drop\",\"t\":" << GameClock::Now() << ",\"colour\":" << gem.colour
             << ",\"x\":" << JsonNumber(gem.x) << ",\"y\":" << JsonNumber(gem.y) << "}\n";
    }
    void OnSnap(const CGem& gem) override {
        out_ << "{\"ev\":\"snap\",\"t\":" << GameClock::Now() << ",\"colour\":" << gem.colour
             << ",\"cell\":" << CellJson({gem.cellA, gem.cellB}) << "}\n";
    }
    void OnLost(const CGem& gem) override {
        out_ << "{\"ev\":\"lost\",\"t\":" << GameClock::Now() << ",\"colour\":" << gem.colour
             << "}\n";
    }
    void OnRing(unsigned gems) override {
        out_ << "{\"ev\":\"ring\",\"t\":" << GameClock::Now() << ",\"gems\":" << gems << "}\n";
    }
    void OnBomb(Cell landing, unsigned destroyed) override {
        out_ << "{\"ev\":\"bomb\",\"t\":" << GameClock::Now()
             << ",\"landing\":" << (landing == NoCell ? std::string("null") : CellJson(landing))
             << ",\"destroyed\":" << destroyed << "}\n";
    }
    void OnOver() override { out_ << "{\"ev\":\"over\",\"t\":" << GameClock::Now() << "}\n"; }

  private:
    std::ostream& out_;
};

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
      printer_(std::make_unique<Printer>(out)) {
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
    commands_[name] = std::move(handler);
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
    wheelClockwise_ = ReadSettingDword(kSettingsKey, "MouseWheelClockwise") != 0;
    wheelSpeed_ = WheelSpeedFromSetting(ReadSettingDword(kSettingsKey, "MouseWheelSpeed"));
}

int CSimRunner::Run(std::istream& script, std::ostream& err) {
    std::string line;
    int number = 0;
    while (std::getline(script, line)) {
        ++number;
        try {
            Execute(line, number);
        } catch (const SimError& e) {
            out_.flush();
            err << "line " << number << ": " << e.what() << "\n";
            return 2;
        }
    }
    out_.flush();
    return 0;
}

SimLine CSimRunner::Parse(const std::string& text, int number) {
    std::string line = text;
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    SimLine parsed;
    parsed.number = number;
    std::istringstream words(line);
    for (std::string w; words >> w;) {
        parsed.words.push_back(w);
    }
    if (parsed.words.empty() || parsed.words[0][0] == '#') {
        parsed.words.clear();
        return parsed;
    }
    const std::size_t start = line.find(parsed.words[0]) + parsed.words[0].size();
    const std::size_t restStart = line.find_first_not_of(" \t", start);
    parsed.rest = restStart == std::string::npos ? std::string() : line.substr(restStart);
    return parsed;
}

void CSimRunner::Execute(const std::string& text, int number) {
    const SimLine parsed = Parse(text, number);
    if (parsed.words.empty()) {
        return;
    }
    const auto command = commands_.find(parsed.words[0]);
    if (command == commands_.end()) {
        throw SimError("unknown command \"" + parsed.words[0] + "\"");
    }
    const CScopedSettingsBackend settings(store_);
    command->second(*this, parsed);
}

std::optional<std::int64_t> CSimRunner::InstantOf(const std::string& line) {
    const SimLine parsed = Parse(line, 0);
    if (parsed.words.size() != 2 || parsed.words[0] != "at") {
        return std::nullopt;
    }
    try {
        return ParseI64(parsed, 1, 0, kLatestInstant);
    } catch (const SimError&) {
        return std::nullopt;
    }
}

void CSimRunner::ExpectWords(const SimLine& line, std::size_t count) {
    if (line.words.size() != count) {
        throw SimError(line.words[0] + " takes " + std::to_string(count - 1) + " argument" +
                       (count == 2 ? "" : "s"));
    }
}

std::uint32_t CSimRunner::ParseU32(const SimLine& line, std::size_t index) {
    return static_cast<std::uint32_t>(ParseI64(line, index, 0, UINT32_MAX));
}

std::int64_t CSimRunner::ParseI64(const SimLine& line, std::size_t index, std::int64_t min,
                                  std::int64_t max) {
    const std::string& word = line.words.at(index);
    std::int64_t value = 0;
    const auto result = std::from_chars(word.data(), word.data() + word.size(), value);
    if (result.ec != std::errc() || result.ptr != word.data() + word.size()) {
        throw SimError("\"" + word + "\" is not a whole number");
    }
    if (value < min || value > max) {
        throw SimError("\"" + word + "\" is out of range " + std::to_string(min) + ".." +
                       std::to_string(max));
    }
    return value;
}

double CSimRunner::ParseFiniteDouble(const SimLine& line, std::size_t index) {
    const std::string& word = line.words.at(index);
    double value = 0;
    const auto result = std::from_chars(word.data(), word.data() + word.size(), value);
    if (result.ec != std::errc() || result.ptr != word.data() + word.size() ||
        !std::isfinite(value)) {
        throw SimError("\"" + word + "\" is not a finite number");
    }
    return value;
}

void CSimRunner::RegisterBuiltins() {
    Register("seed", [](CSimRunner&, const SimLine& l) {
        ExpectWords(l, 2);
        GameRandom::Seed(ParseU32(l, 1));
    });
    Register("setting", [](CSimRunner&, const SimLine& l) {
        ExpectWords(l, 3);
        WriteSettingDword(kSettingsKey, l.words[1], ParseU32(l, 2));
    });
    Register("new", [](CSimRunner& r, const SimLine& l) {
        if (l.words.size() > 2) {
            throw SimError("new takes at most one scenario name");
        }
        const CGameSnapshot* snapshot = nullptr;
        if (l.words.size() == 2) {
            snapshot = FindScenario(l.words[1]);
            if (snapshot == nullptr) {
                throw SimError("unknown scenario \"" + l.words[1] + "\"");
            }
            PrepareScenarioOrientations();
        }
        r.NewGame(snapshot);
    });
    Register("resume", [](CSimRunner& r, const SimLine& l) {
        ExpectWords(l, 1);
        r.Game().Resume();
    });
    Register("pause", [](CSimRunner& r, const SimLine& l) {
        ExpectWords(l, 1);
        r.Game().Pause();
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
    Register("turn", [](CSimRunner& r, const SimLine& l) {
        ExpectWords(l, 2);
        const double angle = ParseFiniteDouble(l, 1);
        CGame& game = r.Game();
        if (game.paused) {
            return;
        }
        game.wheelAngle = angle;
        game.RetestContacts();
        game.Tick();
    });
    Register("wheel", [](CSimRunner& r, const SimLine& l) {
        ExpectWords(l, 2);
        const auto delta = static_cast<std::int32_t>(ParseI64(l, 1, -32768, 32767));
        CGame& game = r.Game();
        if (game.paused) {
            return;
        }
        game.wheelAngle = WheelTurn(game.wheelAngle, delta, r.WheelSpeed(), r.WheelClockwise());
        game.RetestContacts();
        game.Tick();
    });
    Register("bomb", [](CSimRunner& r, const SimLine& l) {
        ExpectWords(l, 1);
        CGame& game = r.Game();
        if (!game.paused) {
            game.DropBomb();
        }
    });
    Register("at", [](CSimRunner& r, const SimLine& l) {
        ExpectWords(l, 2);
        r.MoveTo(ParseI64(l, 1, 0, kLatestInstant));
    });
    Register("tick", [](CSimRunner& r, const SimLine& l) {
        ExpectWords(l, 1);
        r.Game().Tick();
    });
    Register("state", [](CSimRunner& r, const SimLine& l) {
        ExpectWords(l, 1);
        r.PrintState();
    });
}

void CSimRunner::Wait(std::int64_t ms) {
    const std::int64_t target = realMs_ + ms;
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
            game.Tick();
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
    timerStopped_ = true;
    SetRealTime(ms);
}

void CSimRunner::SetRealTime(std::int64_t ms) {
    realMs_ = ms;
    clock_.counter = static_cast<std::uint64_t>(ms);
    clock_.tickCount = static_cast<std::uint32_t>(ms);
}

void CSimRunner::PrintState() {
    out_ << GameStateJson(Game()) << '\n';
}

std::string GameStateJson(const CGame& g) {
    std::ostringstream o;
    o << "{\"ev\":\"state\",\"t\":" << GameClock::Now() << ",\"score\":" << g.score
      << ",\"bombs\":" << g.bombs << ",\"nextBombScore\":" << g.nextBombScore
      << ",\"over\":" << BoolJson(g.over) << ",\"paused\":" << BoolJson(g.paused)
      << ",\"started\":" << BoolJson(g.started) << ",\"difficulty\":" << g.difficulty
      << ",\"wheelAngle\":" << JsonNumber(g.wheelAngle) << ",\"lattice\":[";
    const char* sep = "";
    g.lattice.ForEach([&](const CGem* gem) {
        o << sep << "[" << gem->cellA << "," << gem->cellB << "," << gem->colour << "]";
        sep = ",";
    });
    o << "],\"falling\":[";
    sep = "";
    g.falling.ForEach([&](const CGem* gem) {
        o << sep << "[" << JsonNumber(gem->x) << "," << JsonNumber(gem->y) << "," << gem->colour
          << "]";
        sep = ",";
    });
    o << "],\"exploding\":[";
    sep = "";
    g.exploding.ForEach([&](const CGem* gem) {
        o << sep << "[" << gem->cellA << "," << gem->cellB << "," << gem->colour << "]";
        sep = ",";
    });
    o << "],\"pending\":";
    if (g.pending != nullptr) {
        o << "[" << JsonNumber(g.pendingAngle) << "," << g.pending->colour << "]";
    } else {
        o << "null";
    }
    o << "}";
    return o.str();
}
