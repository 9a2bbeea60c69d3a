// The statistics window over 10,000 games: from opening it to its first
// paint with the figures in, and what it holds in memory meanwhile.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QVariant>
#include <cstdlib>
#include <memory>

#include "history/history_store.h"
#include "shell/history/statistics_charts.h"
#include "shell/history/statistics_window.h"

namespace {

constexpr int kGames = 10000;

// 10,000 games of the three difficulties, as a long-time player's history.
QString TenThousandGames(const QTemporaryDir& dir) {
    const QString path = dir.filePath("history.sqlite");
    CHistoryStore store(path);
    store.Open();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "fill");
        db.setDatabaseName(path);
        db.open();
        db.transaction();
        QSqlQuery query(db);
        query.prepare(
            "INSERT INTO games (started, ended, difficulty_start, difficulty_end, score, "
            "played_ms, rings, ring_gems, bombs, snapped, ending, version, replay_kept)"
            " VALUES (?, ?, ?, ?, ?, ?, ?, 0, 0, 0, 'lost', '1.0.4', 'pruned')");
        const QDateTime first(QDate(2024, 1, 1), QTime(0, 0), Qt::UTC);
        for (int i = 0; i < kGames; ++i) {
            const QDateTime ended = first.addSecs(i * 3600LL);
            for (const QVariant& value :
                 {QVariant(ended.addSecs(-300).toString(Qt::ISODateWithMs)),
                  QVariant(ended.toString(Qt::ISODateWithMs)), QVariant(i % 3), QVariant(i % 3),
                  QVariant(i * 7919 % 20011), QVariant(300000 + i % 1000), QVariant(i % 40)}) {
                query.addBindValue(value);
            }
            query.exec();
        }
        db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase("fill");
    return path;
}

long ResidentKb() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * 4 : 0;
}

std::unique_ptr<CStatisticsWindow> OpenAndPaint(const QString& path) {
    auto window = std::make_unique<CStatisticsWindow>(path);
    bool loaded = false;
    const auto connection =
        QObject::connect(window.get(), &CStatisticsWindow::Loaded, [&loaded] { loaded = true; });
    window->show();
    if (!QTest::qWaitFor([&loaded] { return loaded; }, 60000)) {
        std::abort();  // no figure is better than a wrong one
    }
    QObject::disconnect(connection);
    window->repaint();
    return window;
}

void BM_OpenToFirstPaintWithTenThousandGames(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = TenThousandGames(dir);
    for (auto _ : state) {
        auto window = OpenAndPaint(path);
        state.PauseTiming();
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenToFirstPaintWithTenThousandGames)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_MemoryOfTheWindowWithTenThousandGames(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = TenThousandGames(dir);
    OpenAndPaint(path).reset();  // Qt's own first-use costs are not the window's
    for (auto _ : state) {
        const long before = ResidentKb();
        auto window = OpenAndPaint(path);
        // The charts too, as the player sees them on their tab.
        window->Tabs().setCurrentWidget(&window->Charts());
        QCoreApplication::processEvents();
        state.counters["window_KiB"] = double(ResidentKb() - before);
    }
}
BENCHMARK(BM_MemoryOfTheWindowWithTenThousandGames)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
