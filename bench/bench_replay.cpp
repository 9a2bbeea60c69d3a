// What recording costs, and what a recorded game weighs. A game is played
// once the way the game view drives it (the 66 ms timer, and while the hand
// drags, a mouse move every 8 ms, each turning the wheel to the angle the
// pointer gives); its inputs are then played again on fresh games, with the
// recorder watching and without. Paint is measured the same way, on a board
// of the recorded game and of the unrecorded one. Then the replay of a long
// game on Hard with the hand dragging most of the time, its mouse moving
// every 8 ms and at 1000 Hz. The robot does not last ten minutes on Hard, so
// its longest game here (seeds chosen for that) gives the size per minute,
// and ten minutes are that times ten: the size follows the number of inputs,
// which follows the time played; so is the restore of the same game kept
// unfinished, as the window writes it and reads it at the next start: left a
// tenth before its end, and kept at its very end (the reader finds that only
// once it has played every line, and then unpacks the whole replay again to
// offer its score). Last, the check of a file that is small stored and
// unpacks to 64 MiB of `tick` lines.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <random>
#include <vector>

#include "game/game.h"
#include "game/game_clock.h"
#include "game/game_random.h"
#include "game/memory_settings.h"
#include "game/wheel_input.h"
#include "render/board_layout.h"
#include "render/board_renderer.h"
#include "script/growing_replay.h"
#include "script/kept_game.h"
#include "script/replay_file.h"
#include "script/replay_recorder.h"
#include "script/script_text.h"
#include "tools/robot/robot_player.h"

#include "bench/bench_world.h"

namespace {

constexpr std::int64_t kTimerMs = 66;
constexpr std::int64_t kMouseMs = 8;
constexpr std::uint32_t kGameSeed = 7919;
constexpr const char* kVersion = "bench";

struct Input {
    std::int64_t at;  // real time, ms
    bool turn;        // else a timer tick
    double angle;
};

BenchWorld& TheWorld() {
    static BenchWorld world;
    return world;
}

// The game view's ways in, with or without the recorder.
void Tick(CGame& game, CReplayRecorder* recorder) {
    if (recorder == nullptr) {
        game.Tick();
        return;
    }
    recorder->Play(game, PlayerInput::Tick{}, {});
}

void Turn(CGame& game, double angle, CReplayRecorder* recorder) {
    if (recorder == nullptr) {
        PlayCommand(game, PlayerInput::TurnTo{angle}, {});
        return;
    }
    recorder->Play(game, PlayerInput::TurnTo{angle}, {});
}

std::unique_ptr<CGame> NewGame(std::uint32_t difficulty, CReplayRecorder* recorder) {
    BenchWorld& world = TheWorld();
    world.settings.Write(kSettingsKey, "Difficulty", SettingValue::Dword(difficulty + 1));
    GameRandom::Seed(kGameSeed);
    auto game = std::make_unique<CGame>();
    if (recorder != nullptr) {
        recorder->Begin(*game, kGameSeed);
    }
    game->Resume();
    if (recorder != nullptr) {
        recorder->Sync(*game);
    }
    return game;
}

// A robot's game for `ms` of play, the hand dragging in spells of two to
// four seconds with short breaks to grip again; while it drags, the pointer
// moves every 8 ms toward where the robot wants the wheel, a pixel off now
// and then as a hand is.
std::vector<Input> Play(std::uint32_t difficulty, std::int64_t ms, CReplayRecorder* recorder,
                        std::unique_ptr<CGame>* kept = nullptr, std::int64_t mouseMs = kMouseMs) {
    BenchWorld& world = TheWorld();
    std::unique_ptr<CGame> game = NewGame(difficulty, recorder);
    RobotStyle style;
    style.aimChance = 1.0;
    CRobotPlayer robot(5, style);
    std::mt19937 hand(5);
    std::vector<Input> inputs;
    const std::int64_t start = static_cast<std::int64_t>(world.clock.counter);
    std::int64_t spellEnds = start;
    bool dragging = false;
    double grabOffset = 0.0;
    double wanted = 0.0;
    for (std::int64_t t = start; t < start + ms && !game->over; t += mouseMs) {
        world.clock.counter = static_cast<std::uint64_t>(t);
        if (t >= spellEnds) {
            dragging = !dragging;
            spellEnds =
                t + (dragging ? std::uniform_int_distribution<std::int64_t>(2000, 4000)(hand)
                              : std::uniform_int_distribution<std::int64_t>(300, 900)(hand));
            // The grip straight below the centre.
            grabOffset = game->wheelAngle - kHalfPi;
        }
        if ((t - start) % kTimerMs < mouseMs) {
            wanted = robot.Decide(*game).wheelAngle;
        }
        if (dragging) {
            const double a = std::clamp(wanted - grabOffset, kHalfPi - 1.5, kHalfPi + 1.5);
            const auto jitter = std::uniform_int_distribution<int>(-1, 1)(hand);
            const int x =
                kBoardCentre.x() + static_cast<int>(std::lround(250.0 * std::cos(a))) + jitter;
            const int y = kBoardCentre.y() + static_cast<int>(std::lround(250.0 * std::sin(a)));
            const double angle =
                PointerAngle(x, y, kBoardCentre.x(), kBoardCentre.y()) + grabOffset;
            Turn(*game, angle, recorder);
            inputs.push_back({t, true, angle});
        }
        if ((t - start) % kTimerMs < mouseMs) {
            Tick(*game, recorder);
            inputs.push_back({t, false, 0.0});
        }
    }
    if (kept != nullptr) {
        *kept = std::move(game);
    }
    return inputs;
}

const std::vector<Input>& Minute() {
    static const std::vector<Input> inputs = Play(2, 60000, nullptr);
    return inputs;
}

void PlayAgain(const std::vector<Input>& inputs, CReplayRecorder* recorder) {
    std::unique_ptr<CGame> game = NewGame(2, recorder);
    for (const Input& in : inputs) {
        TheWorld().clock.counter = static_cast<std::uint64_t>(in.at);
        if (in.turn) {
            Turn(*game, in.angle, recorder);
        } else {
            Tick(*game, recorder);
        }
    }
    benchmark::DoNotOptimize(game->score);
}

// A minute of Hard play, every tick and turn of it.
void BM_MinuteOfPlay(benchmark::State& state) {
    const std::vector<Input>& inputs = Minute();
    CReplayRecorder recorder;
    for (auto _ : state) {
        PlayAgain(inputs, state.range(0) != 0 ? &recorder : nullptr);
    }
    state.counters["inputs"] = static_cast<double>(inputs.size());
    state.SetLabel(state.range(0) != 0 ? "recording" : "not recording");
}
BENCHMARK(BM_MinuteOfPlay)->ArgName("recording")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The board at the end of that minute, painted whole.
void BM_PaintAfterAMinute(benchmark::State& state) {
    CReplayRecorder recorder;
    std::unique_ptr<CGame> game;
    Play(2, 60000, state.range(0) != 0 ? &recorder : nullptr, &game);
    CBoardRenderer renderer(kBoardClient, 1.0);
    for (auto _ : state) {
        renderer.Invalidate();
        benchmark::DoNotOptimize(renderer.Paint(*game).constBits());
        renderer.RetireShown(*game);
    }
    state.SetLabel(state.range(0) != 0 ? "recording" : "not recording");
}
BENCHMARK(BM_PaintAfterAMinute)
    ->ArgName("recording")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond);

// How long reading a kept game takes; `goesOn` if it is to give a game to go on with.
double MsToRestore(const std::string& kept, bool goesOn) {
    const auto start = std::chrono::steady_clock::now();
    const auto restored = PlayKeptGame(kept, kVersion);
    const auto end = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(restored.check.score);
    if ((restored.game != nullptr) != goesOn) {
        std::abort();  // a restore that fails measures nothing
    }
    return std::chrono::duration<double, std::milli>(end - start).count();
}

// The longest game on Hard, recorded: the size of the file the game keeps,
// and the time the game takes to read and check it before showing it.
void BM_LongHardReplay(benchmark::State& state) {
    std::size_t text = 0;
    std::size_t stored = 0;
    double minutes = 0;
    double turns = 0;
    double checkMs = 0;
    double restoreMs = 0;
    double restoreEndedMs = 0;
    for (auto _ : state) {
        CReplayRecorder recorder;
        std::unique_ptr<CGame> game;
        const std::vector<Input> inputs = Play(2, 600000, &recorder, &game, state.range(0));
        minutes = static_cast<double>(inputs.back().at - inputs.front().at) / 60000.0;
        turns = static_cast<double>(
            std::count_if(inputs.begin(), inputs.end(), [](const Input& in) { return in.turn; }));
        CGrowingReplay keptFile;
        keptFile.Add(recorder.Lines());
        const std::string kept = keptFile.File(recorder.Header(*game, kVersion, 0));
        restoreEndedMs = MsToRestore(kept, false);
        // The same game kept a tenth before its end, as the player leaves it
        // (the start-up's usual case).
        CReplayRecorder leftRecorder;
        std::unique_ptr<CGame> left;
        const auto playedMs = static_cast<std::int64_t>(minutes * 60000.0);
        Play(2, playedMs - playedMs / 10, &leftRecorder, &left, state.range(0));
        CGrowingReplay leftFile;
        leftFile.Add(leftRecorder.Lines());
        restoreMs = MsToRestore(leftFile.File(leftRecorder.Header(*left, kVersion, 0)), true);
        game->EndGame();
        const std::string replay = recorder.Finish(*game, kVersion, 0).value_or("");
        text = replay.size();
        const std::string packed = CompressScriptText(replay);
        stored = packed.size();
        // What the game does before it shows a replay: read it and play it
        // through once, headless.
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(CheckReplay(packed, kVersion).score);
        checkMs =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
    }
    state.counters["game_minutes"] = minutes;
    state.counters["turns"] = turns;
    state.counters["text_KB"] = static_cast<double>(text) / 1024.0;
    state.counters["stored_KB"] = static_cast<double>(stored) / 1024.0;
    state.counters["check_ms"] = checkMs;
    state.counters["restore_ms"] = restoreMs;
    state.counters["restore_ended_ms"] = restoreEndedMs;
    state.counters["restore_ms_per_10_minutes"] = restoreMs * 10.0 / minutes;
    state.counters["stored_KB_per_10_minutes"] =
        static_cast<double>(stored) / 1024.0 * 10.0 / minutes;
}
BENCHMARK(BM_LongHardReplay)
    ->ArgName("mouse_ms")
    ->Arg(kMouseMs)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// A file of a hundred kilobytes that unpacks to 64 MiB of `tick` lines, all
// at one instant: the check runs every line.
void BM_TickFloodCheck(benchmark::State& state) {
    std::string text = "# Torvane replay\n# Version: bench\n# Score: 0\nat 1000000\nnew\nresume\n";
    while (text.size() < (64u << 20) - 6) {
        text += "tick\n";
    }
    const std::string packed = CompressScriptText(text + "state\n");
    for (auto _ : state) {
        benchmark::DoNotOptimize(CheckReplay(packed, kVersion).verdict);
    }
    state.counters["stored_KB"] = static_cast<double>(packed.size()) / 1024.0;
    state.counters["lines_per_s"] = benchmark::Counter(
        static_cast<double>(text.size() / 5), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_TickFloodCheck)->Unit(benchmark::kMillisecond);

}  // namespace
