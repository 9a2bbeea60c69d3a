// The game history: what handing a finished game to the writer costs the
// window's thread (the figures, the compression and the write happen on the
// worker), what the worker takes for one game, and what 10,000 games with
// 200 replays weigh on disk.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <sstream>
#include <string>

#include "history/history_store.h"
#include "history/history_writer.h"
#include "script/replay_file.h"
#include "script/script_text.h"
#include "script/sim_runner.h"

namespace {

// A replay of a game some ten minutes long, as the recorder writes one.
std::string TenMinuteReplay() {
    std::string body =
        "at 5000\nseed 77\nsetting Difficulty 0\nsetting MouseWheelClockwise 0\n"
        "setting MouseWheelSpeed 0\nnew\nresume\ntick\n";
    for (int i = 1; i <= 9000; ++i) {
        body += "at " + std::to_string(5000 + i * 66) + "\ntick\n";
        if (i % 5 == 0) {
            body += "turn " + std::to_string((i % 628) / 100.0) + "\n";
        }
    }
    body += "state\n";
    std::ostringstream ignored;
    CSimRunner runner(ignored);
    std::istringstream script(body);
    runner.Run(script, ignored);
    return ReplayHeaderText({"1.0.4", 1733500000, {0}, runner.Game().score, {}}) + body;
}

void BM_HandOverOnTheWindowThread(benchmark::State& state) {
    QTemporaryDir dir;
    CHistoryWriter writer(dir.filePath("history.sqlite"), "1.0.4");
    writer.Open();
    const std::string replay = TenMinuteReplay();
    for (auto _ : state) {
        writer.Add({replay, 0, {}, {}, {}, {}});
    }
    writer.WriteBeforeQuit();  // after the loop: not timed
}
BENCHMARK(BM_HandOverOnTheWindowThread)->Iterations(20)->Unit(benchmark::kMicrosecond);

void BM_OneGameOnTheWorker(benchmark::State& state) {
    QTemporaryDir dir;
    CHistoryWriter writer(dir.filePath("history.sqlite"), "1.0.4");
    writer.Open();
    std::string replay = TenMinuteReplay();
    int n = 0;
    for (auto _ : state) {
        // Another game each time, or the history would take it as one seen.
        replay += "# " + std::to_string(++n) + "\n";
        writer.Add({replay, 0, {}, {}, {}, {}});
        writer.WriteBeforeQuit();
    }
}
BENCHMARK(BM_OneGameOnTheWorker)->Unit(benchmark::kMillisecond);

void BM_TenThousandGames(benchmark::State& state) {
    const QByteArray replay = QByteArray::fromStdString(CompressScriptText(TenMinuteReplay()));
    for (auto _ : state) {
        QTemporaryDir dir;
        CHistoryStore store(dir.filePath("history.sqlite"));
        store.Open();
        for (int i = 0; i < 10000; ++i) {
            GameRow row;
            row.ended = QDateTime::currentDateTimeUtc().addSecs(i);
            row.started = row.ended;
            row.figures.score = static_cast<std::uint32_t>(10000 - i);
            row.figures.difficultyStart = 1;
            row.figures.digest = QString::number(i);
            row.replay = replay;
            row.replayKept = ReplayKept::kKept;
            store.Add(row);
        }
        state.counters["MB"] =
            static_cast<double>(QFileInfo(dir.filePath("history.sqlite")).size() +
                                QFileInfo(dir.filePath("history.sqlite-wal")).size()) /
            1e6;
        state.counters["replay_KB"] = replay.size() / 1e3;
    }
}
BENCHMARK(BM_TenThousandGames)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
