// The game history: rows in and out, replays pruned, versions, files that are
// not ours, several writers, the import of the games played before it.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <csignal>
#include <sstream>
#include <thread>
#include <tuple>

#include "game/game_number.h"
#include "history/daily_standing.h"
#include "history/history_store.h"
#include "history/history_writer.h"
#include "history/replay_figures.h"
#include "script/replay_file.h"
#include "script/script_text.h"
#include "script/sim_runner.h"

namespace {

const std::string kVersion = "1.0.4";

// A replay as the game writes one: the script of `body` after its first
// instant, and a header with the score it plays to.
std::string Replay(std::uint32_t seed, std::uint32_t difficulty, const std::string& moves,
                   const std::string& daily = {}) {
    // A daily game stores the difficulty as the game does, plus one.
    const std::uint32_t stored = daily.empty() ? difficulty : difficulty + 1;
    const std::string body = "at 5000\nseed " + std::to_string(seed) + "\nsetting Difficulty " +
                             std::to_string(stored) +
                             "\nsetting MouseWheelClockwise 0\nsetting MouseWheelSpeed 0\nnew\n"
                             "resume\ntick\n" +
                             moves + "state\n";
    std::ostringstream ignored;
    CSimRunner runner(ignored);
    std::istringstream script(body);
    runner.Run(script, ignored);
    ReplayHeader header{kVersion, 1733500000, {difficulty}, runner.Game().score, {}, seed, daily};
    return ReplayHeaderText(header) + body;
}

// Time passing in ticks of the view's timer, from `from` ms on.
std::string Ticks(int from, int count, const std::string& each = {}) {
    std::string moves;
    for (int i = 1; i <= count; ++i) {
        moves += "at " + std::to_string(from + i * 66) + "\ntick\n" + each;
    }
    return moves;
}

GameRow Row(std::uint32_t score, std::uint32_t difficulty, int minute,
            std::optional<int> topPlace = {}) {
    GameRow row;
    row.ended = QDateTime(QDate(2026, 12, 7), QTime(0, 0), Qt::UTC).addSecs(minute * 60);
    row.started = row.ended.addSecs(-50);
    row.figures.score = score;
    row.figures.difficultyStart = difficulty;
    row.figures.difficultyEnd = difficulty;
    row.figures.playedMs = 50000;
    row.figures.digest = QStringLiteral("game-%1").arg(minute);
    row.topPlace = topPlace;
    row.version = QString::fromStdString(kVersion);
    row.replay = QByteArray::fromStdString(CompressScriptText("replay " + std::to_string(minute)));
    row.replayKept = ReplayKept::kKept;
    return row;
}

class HistoryTest : public ::testing::Test {
  public:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "history_test";
        static char* argv[] = {name, nullptr};
        static QCoreApplication app(argc, argv);
    }

    QString Path() const { return dir_.filePath(QStringLiteral("history.sqlite")); }
    QStringList Beside() const {
        return QDir(dir_.path()).entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot);
    }
    std::vector<GameRow> Read() {
        CHistoryStore store(Path());
        EXPECT_TRUE(store.OpenToRead()) << store.LastError().toStdString();
        return store.Rows(true);
    }
    // Runs SQL on the file as another tool would.
    void Sql(const QString& statement) {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "raw");
            db.setDatabaseName(Path());
            ASSERT_TRUE(db.open());
            QSqlQuery query(db);
            ASSERT_TRUE(query.exec(statement)) << statement.toStdString();
        }
        QSqlDatabase::removeDatabase("raw");
    }

    QTemporaryDir dir_;
};

TEST_F(HistoryTest, RowsComeOutAsTheyWentIn) {
    GameRow full = Row(12345, 2, 1, 3);
    full.figures.rings = 7;
    full.figures.ringGems = 44;
    full.figures.bombs = 2;
    full.figures.snapped = 130;
    full.figures.gameNumber = 2147483646;
    full.figures.difficultyEnd = 0;
    full.ending = GameEnding::kEnded;
    GameRow bare = Row(0, 0, 2);
    bare.figures.difficultyStart.reset();
    bare.figures.difficultyEnd.reset();
    bare.figures.digest.clear();
    bare.replay.clear();
    bare.replayKept = ReplayKept::kRefused;
    bare.version = QString();  // a program that knows no version of its own
    bare.started = QDateTime();
    full.version = QStringLiteral("ü 1.0 \"quoted\"");
    {
        CHistoryStore store(Path());
        ASSERT_TRUE(store.Open().ok);
        for (GameRow* row : {&full, &bare}) {
            ASSERT_TRUE(store.Add(*row)) << store.LastError().toStdString();
        }
        GameRow again = Row(1, 1, 1);  // the same game (digest) once more
        ASSERT_TRUE(store.Add(again));
        EXPECT_EQ(again.id, full.id);
    }
    const std::vector<GameRow> rows = Read();
    ASSERT_EQ(rows.size(), 2u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const GameRow& in = i == 0 ? full : bare;
        const GameRow& out = rows[i];
        EXPECT_EQ(out.id, in.id);
        EXPECT_EQ(out.started, in.started);
        EXPECT_EQ(out.ended, in.ended);
        EXPECT_EQ(out.figures.score, in.figures.score);
        EXPECT_EQ(out.figures.difficultyStart, in.figures.difficultyStart);
        EXPECT_EQ(out.figures.difficultyEnd, in.figures.difficultyEnd);
        EXPECT_EQ(out.figures.playedMs, in.figures.playedMs);
        EXPECT_EQ(out.figures.rings, in.figures.rings);
        EXPECT_EQ(out.figures.ringGems, in.figures.ringGems);
        EXPECT_EQ(out.figures.bombs, in.figures.bombs);
        EXPECT_EQ(out.figures.snapped, in.figures.snapped);
        EXPECT_EQ(out.figures.gameNumber, in.figures.gameNumber);
        EXPECT_EQ(out.figures.digest, in.figures.digest);
        EXPECT_EQ(out.ending, in.ending);
        EXPECT_EQ(out.version, in.version.isNull() ? QString("") : in.version);
        EXPECT_EQ(out.topPlace, in.topPlace);
        EXPECT_EQ(out.replayKept, in.replayKept);
        EXPECT_EQ(out.replay, in.replay);
    }
    EXPECT_TRUE(rows[0].personalBest);
    EXPECT_FALSE(rows[1].personalBest);  // of no known difficulty
}

TEST_F(HistoryTest, ReplaysOfRecentTopAndBestGamesAreKept) {
    CHistoryStore store(Path());
    ASSERT_TRUE(store.Open().ok);
    const int games = CHistoryStore::kRecentReplays + 50;
    // Scores fall game by game, so that only the first of each difficulty is
    // a personal best; every 40th game made the top ten.
    for (int i = 0; i < games; ++i) {
        GameRow row = Row(100000 - i, i % 3, i, i % 40 == 7 ? std::optional(5) : std::nullopt);
        ASSERT_TRUE(store.Add(row));
    }
    int kept = 0;
    for (const GameRow& row : store.Rows(true)) {
        const int i = row.figures.digest.mid(5).toInt();
        const bool recent = i >= games - CHistoryStore::kRecentReplays;
        const bool shouldKeep = recent || i < 3 || i % 40 == 7;
        EXPECT_EQ(!row.replay.isEmpty(), shouldKeep) << "game " << i;
        EXPECT_EQ(row.replayKept, shouldKeep ? ReplayKept::kKept : ReplayKept::kPruned);
        kept += shouldKeep;
    }
    EXPECT_EQ(kept, CHistoryStore::kRecentReplays + 3 + 2);  // the old top games: 7 and 47
}

TEST_F(HistoryTest, FilesThatAreNoHistoryAreSetAsideAndAFreshOneStarts) {
    struct Case {
        const char* name;
        std::function<void(HistoryTest&)> make;
        const char* aside;  // part of the name the old file gets
    };
    const std::vector<Case> cases = {
        {"garbage",
         [](HistoryTest& t) {
             QFile file(t.Path());
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
             file.write(QByteArray(4096, 'x'));
         },
         "damaged"},
        {"truncated",
         [](HistoryTest& t) {
             {
                 CHistoryStore store(t.Path());
                 ASSERT_TRUE(store.Open().ok);
                 for (int i = 0; i < 300; ++i) {
                     GameRow row = Row(i, 1, i);
                     ASSERT_TRUE(store.Add(row));
                 }
             }
             QFile::resize(t.Path(), QFileInfo(t.Path()).size() / 2);
         },
         "damaged"},
        {"newer",
         [](HistoryTest& t) {
             { CHistoryStore(t.Path()).Open(); }
             t.Sql(QStringLiteral("PRAGMA user_version=%1").arg(CHistoryStore::kSchemaVersion + 1));
         },
         "newer-version"},
        {"link",
         [](HistoryTest& t) { ASSERT_TRUE(QFile::link(t.dir_.filePath("elsewhere"), t.Path())); },
         "not-a-file"},
        {"link as log",
         [](HistoryTest& t) {
             ASSERT_TRUE(QFile::link(t.dir_.filePath("elsewhere"), t.Path() + "-wal"));
         },
         "not-a-file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const QString& file : Beside()) {
            QFile::remove(dir_.filePath(file));
        }
        c.make(*this);
        CHistoryStore store(Path());
        const CHistoryStore::Opened opened = store.Open();
        EXPECT_TRUE(opened.ok);
        EXPECT_TRUE(opened.setAside.contains(QLatin1String(c.aside)))
            << opened.setAside.toStdString();
        EXPECT_FALSE(opened.why.isEmpty());
        GameRow row = Row(10, 1, 1);
        EXPECT_TRUE(store.Add(row));
        EXPECT_EQ(store.Rows().size(), 1u);
        EXPECT_FALSE(QFileInfo(Path()).isSymLink());
    }
}

TEST_F(HistoryTest, AnOlderDatabaseIsBroughtUpToDate) {
    // Version 0 is an empty file (or none): every migration step runs.
    QFile(Path()).open(QIODevice::WriteOnly);
    CHistoryStore store(Path());
    const CHistoryStore::Opened opened = store.Open();
    ASSERT_TRUE(opened.ok);
    EXPECT_TRUE(opened.fresh);
    EXPECT_TRUE(opened.setAside.isEmpty());
    GameRow row = Row(10, 1, 1);
    EXPECT_TRUE(store.Add(row));
    CHistoryStore again(Path() + "x");
    EXPECT_FALSE(CHistoryStore(Path()).Open().fresh);
}

TEST_F(HistoryTest, TheFirstDailyGameOfADateToEndIsItsResultEvenInAFileFromBeforeDailyGames) {
    {
        CHistoryStore store(Path());
        ASSERT_TRUE(store.Open().ok);
        GameRow row = Row(10, 1, 1);
        ASSERT_TRUE(store.Add(row));
    }
    // Back to version 1, as the program before daily games left it.
    Sql("DROP INDEX games_daily");
    Sql("ALTER TABLE games DROP COLUMN daily_result");
    Sql("ALTER TABLE games DROP COLUMN daily_date");
    Sql("PRAGMA user_version=1");
    const auto daily = [](const std::string& date, int ticks) {
        return Replay(DailyGameNumber(*ParseGameDate(date)), 1, Ticks(5000, ticks), date);
    };
    QStringList reports;
    {
        CHistoryWriter writer(Path(), QString::fromStdString(kVersion));
        QObject::connect(&writer, &CHistoryWriter::Reported, [&reports](const DailyReport& r) {
            reports << QStringLiteral("%1%2 best %3 run %4")
                           .arg(r.date, r.known ? (r.result ? "+" : "") : "?")
                           .arg(r.standing.best)
                           .arg(r.standing.run);
        });
        writer.Open();
        std::string forged = daily("2026-12-09", 10);
        forged.replace(forged.find("seed "), 5, "seed 1");
        const auto now = QDateTime::currentDateTimeUtc();
        for (const std::string& replay :
             {daily("2026-12-07", 10), daily("2026-12-07", 20), daily("2026-12-08", 10), forged}) {
            writer.Add({replay, 0, now, now, {}, {}});
        }
        while (reports.size() < 4) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
        }
    }
    // What the end of each game is told: the scores are too low for a best.
    EXPECT_EQ(reports.join(" | ").toStdString(),
              "2026-12-07+ best 0 run 1 | 2026-12-07 best 0 run 1 | 2026-12-08+ best 0 run 2 | "
              "? best 0 run 0");
    QStringList days;
    for (const GameRow& row : Read()) {
        days << row.figures.dailyDate + (row.dailyResult ? "+" : "");
    }
    // The forged one is no daily game; its replay is refused.
    EXPECT_EQ(days.join(' '), " 2026-12-07+ 2026-12-07 2026-12-08+ ");
}

TEST_F(HistoryTest, RowsThatCannotBeWrittenAreKeptUntilTheyCan) {
    // A file where the history's folder should be: nothing can be written
    // there, by any user.
    const QString blocked = dir_.filePath(QStringLiteral("blocked"));
    QFile(blocked).open(QIODevice::WriteOnly);
    std::vector<QString> notices;
    {
        CHistoryWriter writer(blocked + QStringLiteral("/history.sqlite"),
                              QString::fromStdString(kVersion));
        QObject::connect(&writer, &CHistoryWriter::Notice,
                         [&](const QString& m) { notices.push_back(m); });
        writer.Open();
        for (std::uint32_t seed : {7, 8, 9}) {
            writer.Add({Replay(seed, 1, Ticks(5000, 20)), 0, {}, {}, {}, {}});
        }
        EXPECT_FALSE(writer.WriteBeforeQuit());
        EXPECT_EQ(writer.Pending(), 3);
        QFile::remove(blocked);
        EXPECT_TRUE(writer.WriteBeforeQuit());
        EXPECT_EQ(writer.Pending(), 0);
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(notices.size(), 1u);  // told once, however many rows wait
    CHistoryStore store(blocked + QStringLiteral("/history.sqlite"));
    ASSERT_TRUE(store.OpenToRead());
    EXPECT_EQ(store.Rows().size(), 3u);
}

TEST_F(HistoryTest, TwoWritersAtOnceLoseNothing) {
    constexpr int kEach = 40;
    const auto write = [this](int first) {
        CHistoryStore store(Path());
        const CHistoryStore::Opened opened = store.Open();
        ASSERT_TRUE(opened.ok) << opened.why.toStdString() << "/"
                               << store.LastError().toStdString();
        for (int i = first; i < first + kEach; ++i) {
            GameRow row = Row(i, 1, i);
            ASSERT_TRUE(store.Add(row)) << store.LastError().toStdString();
        }
    };
    std::thread one(write, 0);
    std::thread two(write, 1000);
    one.join();
    two.join();
    EXPECT_EQ(Read().size(), 2u * kEach);
}

TEST_F(HistoryTest, AKillDuringAWriteLeavesEveryRowWrittenBefore) {
    { CHistoryStore(Path()).Open(); }
    for (int delayUs : {0, 300, 1000, 3000, 7000, 15000}) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            CHistoryStore store(Path());
            store.Open();
            // Each row says how many came before it.
            for (int i = static_cast<int>(store.Rows().size());; ++i) {
                GameRow row = Row(i, 1, i);
                store.Add(row);
            }
        }
        usleep(static_cast<useconds_t>(delayUs));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        const std::vector<GameRow> rows = Read();
        for (std::size_t i = 0; i < rows.size(); ++i) {
            ASSERT_EQ(rows[i].figures.score, i) << "killed after " << delayUs << " us";
        }
    }
}

TEST_F(HistoryTest, AGameRecordedComesInWithItsFiguresAndReplay) {
    // Long enough for gems to snap, with a bomb or two once there are points.
    const std::string lost = Replay(42, 2, Ticks(5000, 2500, "bomb\nturn 0.7\n"));
    const std::string ended = Replay(43, 0, Ticks(5000, 30) + "at 7100\nend\n");
    {
        CHistoryWriter writer(Path(), QString::fromStdString(kVersion));
        writer.Open();
        writer.Add(
            {lost, 0, QDateTime::currentDateTimeUtc(), QDateTime::currentDateTimeUtc(), {}, 4});
        writer.Add(
            {ended, 0, QDateTime::currentDateTimeUtc(), QDateTime::currentDateTimeUtc(), {}, {}});
    }
    const std::vector<GameRow> rows = Read();
    ASSERT_EQ(rows.size(), 2u);
    const ReplayFigures played = FiguresOfReplay(lost, kVersion);
    EXPECT_EQ(rows[0].ending, GameEnding::kLost);
    EXPECT_EQ(rows[0].figures.score, played.check.score);
    EXPECT_GT(rows[0].figures.snapped, 0u);
    EXPECT_EQ(rows[0].figures.gameNumber, 42u);
    EXPECT_EQ(rows[0].figures.difficultyStart, 2u);
    EXPECT_EQ(rows[0].topPlace, 4);
    EXPECT_EQ(ScriptTextOf(rows[0].replay.toStdString()), lost);
    EXPECT_EQ(rows[1].ending, GameEnding::kEnded);
    EXPECT_EQ(rows[1].figures.playedMs, 2100);
}

TEST_F(HistoryTest, TheFirstHistoryTakesInTheTopTenAndTheLastGame) {
    const std::string good = Replay(5, 1, Ticks(5000, 200));
    const std::uint32_t goodScore = FiguresOfReplay(good, kVersion).figures.score;
    const auto put = [this](const QString& name, const std::string& bytes) {
        QFile file(dir_.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(bytes));
        return dir_.filePath(name);
    };
    const QDateTime when(QDate(2026, 1, 2), QTime(3, 4), Qt::UTC);
    const std::vector<ImportedGame> imported = {
        {put("top-good.tvr", CompressScriptText(WithPlayer(good, "Ann"))), goodScore, when, 1},
        {put("top-bad.tvr", Replay(6, 1, Ticks(5000, 10)) + "bomb\n"), 999, when, 2},
        {dir_.filePath("top-missing.tvr"), 500, when, 3},
        {put("last-game.tvr", good), {}, {}, {}},  // the same game as the first
    };
    for (int start = 0; start < 2; ++start) {  // the second start imports nothing
        CHistoryWriter writer(Path(), QString::fromStdString(kVersion));
        writer.Open(imported);
    }
    const std::vector<GameRow> rows = Read();
    ASSERT_EQ(rows.size(), 3u);
    const std::vector<std::pair<std::uint32_t, QString>> expected = {
        {goodScore, ReplayKept::kKept}, {999, ReplayKept::kRefused}, {500, ReplayKept::kNone}};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].figures.score, expected[i].first);
        EXPECT_EQ(rows[i].replayKept, expected[i].second);
        EXPECT_EQ(rows[i].topPlace, static_cast<int>(i) + 1);
        EXPECT_EQ(rows[i].ending, GameEnding::kImported);
        EXPECT_EQ(rows[i].ended, when);
    }
    EXPECT_EQ(ScriptTextOf(rows[0].replay.toStdString()), WithPlayer(good, "Ann"));
}

TEST_F(HistoryTest, TheRunnerPrintsEveryRowAsJsonLines) {
    {
        CHistoryStore store(Path());
        ASSERT_TRUE(store.Open().ok);
        for (int i = 0; i < 3; ++i) {
            GameRow row = Row(100 + i, 1, i, i == 1 ? std::optional(2) : std::nullopt);
            ASSERT_TRUE(store.Add(row));
        }
    }
    const auto run = [](const QString& file, int& status) {
        QProcess sim;
        sim.start(QStringLiteral(TORVANE_BINARY_DIR "/tools/sim/torvane-sim"),
                  {QStringLiteral("--history"), file});
        sim.waitForFinished();
        status = sim.exitCode();
        return sim.readAllStandardOutput().split('\n');
    };
    int status = -1;
    const QList<QByteArray> lines = run(Path(), status);
    EXPECT_EQ(status, 0);
    const std::vector<GameRow> rows = Read();
    ASSERT_EQ(lines.size(), 4);  // and nothing after the last line break
    for (int i = 0; i < 3; ++i) {
        const QJsonObject json = QJsonDocument::fromJson(lines[i]).object();
        EXPECT_EQ(json["score"].toInt(), 100 + i);
        EXPECT_EQ(json["ended"].toString(), rows[i].ended.toString(Qt::ISODateWithMs));
        EXPECT_EQ(json["top_place"].isNull(), i != 1);
        EXPECT_EQ(json["replay_bytes"].toInt(), rows[i].replay.size());
    }
    QFile garbage(dir_.filePath(QStringLiteral("garbage")));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(4096, 'x'));
    garbage.close();
    run(garbage.fileName(), status);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(garbage.size(), 4096);  // read, never set aside
}

}  // namespace

TEST(DailyStandingTest, RunsAndTheBestCountDatesWithAResult) {
    struct Case {
        const char* name;
        // "date score [practice]", in the order the games ended.
        const char* games;
        // Best, its date, days with a result, the run up to the latest, the best run.
        struct {
            std::uint32_t best;
            const char* bestDate;
            int days, run, bestRun;
        } is;
    } const cases[] = {
        {"none", "", {0, "", 0, 0, 0}},
        {"practice only counts for nothing", "2026-12-07 50 practice", {0, "", 0, 0, 0}},
        {"dates in a row across a month's end; the first of two as good is the best",
         "2026-11-30 10, 2026-12-01 30, 2026-12-02 30",
         {30, "2026-12-01", 3, 3, 3}},
        {"a gap breaks the run; the best run lies in the past",
         "2026-11-28 5, 2026-11-29 5, 2026-11-30 5, 2026-12-02 90, 2026-12-04 20, 2026-12-05 10",
         {90, "2026-12-02", 6, 2, 3}},
        {"practice of a date neither counts twice nor fills a gap",
         "2026-12-06 10, 2026-12-06 99 practice, 2026-12-07 5 practice, 2026-12-08 20",
         {20, "2026-12-08", 2, 1, 1}},
        {"two results of one date, as a damaged history may hold: the first counts once",
         "2026-12-07 10, 2026-12-08 30, 2026-12-08 99",
         {30, "2026-12-08", 2, 2, 2}},
        {"a kept game's result that ends late still joins its date",
         "2026-12-08 10, 2026-12-07 40, 2024-02-29 5",
         {40, "2026-12-07", 3, 2, 2}},
        {"no date: no daily game", "- 70, 2026-12-07 1", {1, "2026-12-07", 1, 1, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<GameRow> rows;
        for (const QString& game : QString(c.games).split(", ", Qt::SkipEmptyParts)) {
            const QStringList parts = game.split(' ');
            rows.emplace_back().figures.dailyDate = parts[0];
            rows.back().figures.score = parts[1].toUInt();
            rows.back().dailyResult = parts.size() == 2;
        }
        const DailyStanding standing = ComputeDailyStanding(rows);
        EXPECT_EQ(standing.best, c.is.best);
        EXPECT_EQ(standing.bestDate.toString(Qt::ISODate), c.is.bestDate);
        EXPECT_EQ(standing.Days(), c.is.days);
        EXPECT_EQ(standing.run, c.is.run);
        EXPECT_EQ(standing.bestRun, c.is.bestRun);
        // Today's game may be still to play: the run goes on through
        // yesterday's result, and a date passed without one breaks it.
        const QDate latest =
            standing.results.empty() ? QDate(2026, 12, 7) : standing.results.back().date;
        for (const auto& [today, run] :
             {std::pair{latest, c.is.run}, {latest.addDays(1), c.is.run}, {latest.addDays(2), 0}}) {
            EXPECT_EQ(standing.RunOn(today), run) << today.toString(Qt::ISODate).toStdString();
        }
    }
}
