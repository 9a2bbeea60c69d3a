// The statistics window over histories written by the test: its figures, the
// list's sort and filter, Watch through the session onto the board, the CSV
// and Forget.

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QScatterSeries>
#include <QSortFilterProxyModel>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <sstream>

#include "history/game_statistics.h"
#include "history/history_store.h"
#include "scores/core/calendar_clock.h"
#include "scores/core/high_score_table.h"
#include "script/event_printer.h"
#include "script/replay_file.h"
#include "script/sim_runner.h"
#include "shell/app/statistics_route.h"
#include "shell/history/daily_chart.h"
#include "shell/history/games_table_model.h"
#include "shell/history/statistics_charts.h"
#include "shell/history/statistics_window.h"
#include "shell/ui_fixture.h"

namespace {

// A replay that plays to its header's score: a new game of `seed` left to
// fall; `state` is where it ends.
std::string Replay(std::uint32_t seed, std::uint32_t difficulty, std::string& state) {
    std::string body = "at 5000\nseed " + std::to_string(seed) + "\nsetting Difficulty " +
                       std::to_string(difficulty) + "\nnew\nresume\ntick\n";
    for (int i = 1; i <= 30; ++i) {
        body += "at " + std::to_string(5000 + i * 66) + "\ntick\n";
    }
    body += "state\n";
    std::ostringstream ignored;
    CSimRunner runner(ignored);
    std::istringstream script(body);
    runner.Run(script, ignored);
    state = GameStateJson(runner.Game());
    return ReplayHeaderText({"1.0.4", 1733500000, {difficulty}, runner.Game().score, {}, 0, {}}) +
           body;
}

GameRow Played(int i, std::optional<std::uint32_t> difficulty, std::uint32_t score) {
    GameRow row;
    row.ended = QDateTime(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC).addSecs(i * 60LL);
    row.started = row.ended.addSecs(-30);
    row.figures.difficultyStart = row.figures.difficultyEnd = difficulty;
    row.figures.score = score;
    row.figures.playedMs = 1000LL * (i % 300 + 30);
    row.figures.rings = std::uint32_t(i % 17);
    row.version = QStringLiteral("1.0.4");
    return row;
}

// The rows in one transaction, as quickly as a test needs 10,000 of them.
void Write(const QString& path, const std::vector<GameRow>& rows) {
    CHistoryStore store(path);
    ASSERT_TRUE(store.Open().ok);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "fill");
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        db.transaction();
        QSqlQuery query(db);
        query.prepare(
            "INSERT INTO games (started, ended, difficulty_start, difficulty_end, score, played_ms,"
            " rings, ring_gems, bombs, snapped, ending, version, replay_kept, replay, daily_date,"
            " daily_result) VALUES (?, ?, ?, ?, ?, ?, ?, 0, 0, 0, ?, ?, ?, ?, ?, ?)");
        for (const GameRow& row : rows) {
            const auto& f = row.figures;
            const QVariant difficulty =
                f.difficultyStart ? QVariant(*f.difficultyStart) : QVariant();
            for (const QVariant& value :
                 {QVariant(row.started.toString(Qt::ISODateWithMs)),
                  QVariant(row.ended.toString(Qt::ISODateWithMs)), difficulty, difficulty,
                  QVariant(f.score), QVariant(qint64(f.playedMs)), QVariant(f.rings),
                  QVariant(row.ending), QVariant(row.version), QVariant(row.replayKept),
                  row.replay.isEmpty() ? QVariant(QMetaType(QMetaType::QByteArray))
                                       : QVariant(row.replay),
                  f.dailyDate.isEmpty() ? QVariant(QMetaType(QMetaType::QString))
                                        : QVariant(f.dailyDate),
                  QVariant(row.dailyResult ? 1 : 0)}) {
                query.addBindValue(value);
            }
            ASSERT_TRUE(query.exec());
        }
        db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase("fill");
}

// The figures worked out the long way round.
GameStatistics ByHand(const std::vector<GameRow>& rows, std::optional<std::uint32_t> d) {
    std::vector<std::uint32_t> scores;
    GameStatistics s;
    for (const GameRow& row : rows) {
        if (!d || row.figures.difficultyStart == d) {
            scores.push_back(row.figures.score);
            s.totalMs += row.figures.playedMs;
            s.rings += row.figures.rings;
            s.longestMs = std::max(s.longestMs, row.figures.playedMs);
        }
    }
    s.games = int(scores.size());
    if (scores.empty()) {
        return s;
    }
    std::vector<std::uint32_t> sorted = scores;
    std::sort(sorted.begin(), sorted.end());
    const std::size_t n = sorted.size();
    s.best = sorted.back();
    s.median = n % 2 ? sorted[n / 2] : (double(sorted[n / 2 - 1]) + sorted[n / 2]) / 2;
    double sum = 0;
    int run = 0;
    for (const std::uint32_t score : scores) {
        sum += score;
        run = score > s.median ? run + 1 : 0;
        s.bestRun = std::max(s.bestRun, run);
    }
    s.average = sum / double(n);
    s.currentRun = run;
    return s;
}

void ExpectSame(const GameStatistics& a, const GameStatistics& b) {
    EXPECT_EQ(a.games, b.games);
    EXPECT_EQ(a.best, b.best);
    EXPECT_DOUBLE_EQ(a.average, b.average);
    EXPECT_DOUBLE_EQ(a.median, b.median);
    EXPECT_EQ(a.totalMs, b.totalMs);
    EXPECT_EQ(a.rings, b.rings);
    EXPECT_EQ(a.longestMs, b.longestMs);
    EXPECT_EQ(a.currentRun, b.currentRun);
    EXPECT_EQ(a.bestRun, b.bestRun);
}

}  // namespace

class StatisticsTest : public UiTest {
  protected:
    // The window over `rows`, opened as Game > Statistics opens it.
    CStatisticsWindow& Open(const std::vector<GameRow>& rows) {
        Write(path, rows);
        MakeFrame();
        route = new CStatisticsRoute(*frame, path);
        Action(kCmdStatistics)->trigger();
        CStatisticsWindow& window = *route->Window();
        Loaded(window);
        return window;
    }
    void Loaded(CStatisticsWindow& window) {
        bool loaded = false;
        const auto connection =
            QObject::connect(&window, &CStatisticsWindow::Loaded, [&loaded] { loaded = true; });
        EXPECT_TRUE(QTest::qWaitFor([&loaded] { return loaded; }, 60000));
        QObject::disconnect(connection);
    }
    QString Cell(CStatisticsWindow& window, int row, int column) {
        auto& list = window.GamesList();
        return list.data(list.index(row, column)).toString();
    }
    void Choose(CStatisticsWindow& window, int row) { window.GamesView().selectRow(row); }

    QTemporaryDir folder;
    QString path = folder.filePath("history.sqlite");
    CStatisticsRoute* route = nullptr;
};

TEST_F(StatisticsTest, FiguresAreThoseWorkedOutByHand) {
    const struct {
        const char* what;
        std::vector<std::pair<std::optional<std::uint32_t>, std::uint32_t>> games;
        GameStatistics all;
    } cases[] = {
        {"none", {}, {}},
        {"one", {{0, 500}}, {1, 500, 500, 500, 30000, 0, 30000, 0, 0}},
        // Median 300 of the even count; 400 and 500 above it, then 100 breaks the run.
        {"even",
         {{0, 200}, {1, 400}, {2, 500}, {0, 100}},
         {4, 500, 300, 300, 126000, 6, 33000, 0, 2}},
        // A game of unknown difficulty counts in all together only.
        {"unknown",
         {{std::nullopt, 900}, {2, 100}, {2, 700}},
         {3, 900, 1700.0 / 3, 700, 93000, 3, 32000, 0, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<GameRow> rows;
        for (const auto& [difficulty, score] : c.games) {
            rows.push_back(Played(int(rows.size()), difficulty, score));
        }
        const HistoryStatistics stats = ComputeStatistics(rows);
        ExpectSame(stats.all, c.all);
        for (std::uint32_t d = 0; d < 3; ++d) {
            ExpectSame(stats.byDifficulty[d], ByHand(rows, d));
        }
    }
}

TEST_F(StatisticsTest, TenThousandGamesShowTheirFiguresAndSortAndFilter) {
    std::vector<GameRow> rows;
    for (int i = 0; i < 10000; ++i) {
        rows.push_back(Played(i, i % 7 == 6 ? std::nullopt : std::optional<std::uint32_t>(i % 3),
                              std::uint32_t(i * 7919 % 5003)));
    }
    CStatisticsWindow& window = Open(rows);
    ASSERT_EQ(window.Rows().size(), rows.size());
    const HistoryStatistics shown = ComputeStatistics(window.Rows());
    ExpectSame(shown.all, ByHand(rows, std::nullopt));
    for (std::uint32_t d = 0; d < 3; ++d) {
        ExpectSame(shown.byDifficulty[d], ByHand(rows, d));
    }
    QTableWidget& figures = window.FiguresTable();
    EXPECT_EQ(figures.item(0, 0)->text(), QLocale().toString(10000));
    EXPECT_EQ(figures.item(1, 3)->text(), QLocale().toString(ByHand(rows, 2).best));

    // Latest first; then by score, best first; then only Medium's.
    EXPECT_EQ(Cell(window, 0, CGamesTableModel::kDate),
              QLocale().toString(rows.back().ended.toLocalTime(), QLocale::ShortFormat));
    window.GamesView().sortByColumn(CGamesTableModel::kScore, Qt::DescendingOrder);
    EXPECT_EQ(Cell(window, 0, CGamesTableModel::kScore), QLocale().toString(5002));
    window.findChild<QComboBox*>()->setCurrentIndex(2);
    const int medium = int(std::count_if(rows.begin(), rows.end(), [](const GameRow& r) {
        return r.figures.difficultyStart == 1u;
    }));
    EXPECT_EQ(window.GamesList().rowCount(), medium);
    EXPECT_EQ(Cell(window, medium - 1, CGamesTableModel::kDifficulty), "Medium");

    // Its size is there at the next opening; the table's button opens it again.
    window.resize(700, 450);
    window.close();
    EXPECT_EQ(CStatisticsWindow(path).size(), QSize(700, 450));
    Then(Press({"Statistics"}));
    Session().GameOver().ShowHighScores();
    EXPECT_TRUE(QTest::qWaitFor([&window] { return window.isVisible(); }, 60000));
}

TEST_F(StatisticsTest, WatchPlaysTheChosenGameOnTheBoardAndCsvAndForgetKeepTheTable) {
    std::vector<GameRow> rows = {Played(0, 1, 40), Played(1, 2, 70)};
    rows[1].replayKept = ReplayKept::kKept;
    std::string state;
    rows[1].replay = QByteArray::fromStdString(Replay(7, 2, state));
    rows[0].version = QStringLiteral("1.0,\"beta\"");
    CStatisticsWindow& window = Open(rows);
    const auto button = [&window](const QString& text) { return Button(&window, text); };

    // Latest first: the game without its replay is second.
    Choose(window, 1);
    EXPECT_FALSE(button("Watch")->isEnabled());
    EXPECT_FALSE(button("Save replay as ...")->isEnabled());
    Choose(window, 0);
    ASSERT_TRUE(button("Watch")->isEnabled());
    button("Watch")->click();
    ASSERT_TRUE(QTest::qWaitFor([this] { return Board().Watching(); }, 60000));
    for (int frame = 0; frame < 100 && GameStateJson(Board().Game()) != state; ++frame) {
        Board().AdvancePlayback(1000000000);
    }
    EXPECT_EQ(GameStateJson(Board().Game()), state);

    const QString csv = folder.filePath("games.csv");
    Then([csv](QDialog* d) {
        d->findChild<QLineEdit*>("fileNameEdit")->setText(csv);
        d->accept();
    });
    window.OnExportCsv();
    QFile written(csv);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(),
              "started,ended,difficulty_start,difficulty_end,score,played_ms,rings,ring_gems,"
              "bombs,snapped,ending,version,game_number,top_place,personal_best,replay_kept\r\n"
              "2025-12-31T23:59:30.000Z,2026-01-01T00:00:00.000Z,1,1,40,30000,0,0,0,0,lost,"
              "\"1.0,\"\"beta\"\"\",,,0,none\r\n"
              "2026-01-01T00:00:30.000Z,2026-01-01T00:01:00.000Z,2,2,70,31000,1,0,0,0,lost,1.0.4,"
              ",,0,kept\r\n");

    settings.Write(kScoresKey, "000", SettingValue::String("a|Ann|900|86400"));
    CHighScoreTable before;
    before.LoadHighScores();
    Then(Press({"No"}));
    window.OnForget();
    QCoreApplication::processEvents();
    EXPECT_EQ(window.Rows().size(), 2u);
    Then(Press({"Yes"}));
    window.OnForget();
    Loaded(window);
    EXPECT_TRUE(window.Rows().empty());
    CHighScoreTable after;
    after.LoadHighScores();
    ASSERT_EQ(after.Count(), 1u);
    EXPECT_EQ(after.Entries()[0].score, before.Entries()[0].score);
}

TEST_F(StatisticsTest, DailyGameTabShowsRunsTheBestAndAChartOfTheResultsOnly) {
    const auto noon = [](int day) { return QDateTime(QDate(2026, 12, day), QTime(12, 0)); };
    CalendarClock::Pin(noon(7).toSecsSinceEpoch());
    const CPutBack unpin([] { CalendarClock::Pin(std::nullopt); });
    // Day of December (0: an ordinary game), score, the date's result.
    const std::tuple<int, std::uint32_t, bool> games[] = {
        {1, 300, true}, {2, 500, true},  {3, 100, true}, {5, 200, true},
        {6, 400, true}, {6, 999, false}, {0, 800, false}};
    std::vector<GameRow> rows;
    QList<QPointF> points;  // a result each, at its date
    for (const auto& [day, score, result] : games) {
        rows.push_back(Played(int(rows.size()), 1, score));
        rows.back().figures.dailyDate = day ? QDate(2026, 12, day).toString(Qt::ISODate) : "";
        rows.back().dailyResult = result;
        if (result) {
            points.append({qreal(noon(day).toMSecsSinceEpoch()), qreal(score)});
        }
    }
    CStatisticsWindow& window = Open(rows);
    // Yesterday's result: the run goes on.
    const char* const shown[] = {"5", "2", "3", "500 points on 2 Dec 2026"};
    for (int f = 0; f < CStatisticsWindow::kDailyFigures; ++f) {
        EXPECT_EQ(window.Daily(CStatisticsWindow::DailyFigure(f)).text(), shown[f]);
    }
    window.Tabs().setCurrentIndex(3);
    std::vector<qsizetype> runs;  // the days in a row joined
    for (QAbstractSeries* series : window.DailyChart().chart()->series()) {
        if (auto* each = qobject_cast<QScatterSeries*>(series)) {
            EXPECT_EQ(each->points(), points);
        } else if (auto* line = qobject_cast<QLineSeries*>(series)) {
            runs.push_back(line->count());
        }
    }
    EXPECT_EQ(runs, (std::vector<qsizetype>{3, 2}));

    CalendarClock::Pin(noon(9).toSecsSinceEpoch());  // a whole date without a result breaks it
    window.Reload();
    Loaded(window);
    EXPECT_EQ(window.Daily(CStatisticsWindow::kRunNow).text(), "0");
}

// The charts at a fixed size against their picture (TORVANE_UPDATE_GOLDEN=1
// rewrites it). A pixel matches within 48 in each channel, for the
// antialiasing of another font engine; 0.5% of them (2,048) may differ
// beyond that, for text set a pixel aside. One difficulty in another colour
// is 1.3% of them, a chart gone 11%.
TEST_F(StatisticsTest, ChartsLookAsTheirPicture) {
    std::vector<GameRow> rows;
    for (int i = 0; i < 90; ++i) {
        rows.push_back(
            Played(i, std::uint32_t(i % 3), std::uint32_t(200 * (i % 3) + i * 37 % 400)));
    }
    CStatisticsCharts charts;
    charts.resize(640, 640);
    charts.SetRows(rows);
    charts.show();
    QCoreApplication::processEvents();
    const QImage shot = charts.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString path = TORVANE_SOURCE_DIR "/tests/shell/history/charts.png";
    if (qEnvironmentVariableIntValue("TORVANE_UPDATE_GOLDEN") == 1) {
        ASSERT_TRUE(shot.save(path));
    }
    const QImage picture = QImage(path).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shot.size(), picture.size());
    int differ = 0;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            const QRgb a = shot.pixel(x, y);
            const QRgb b = picture.pixel(x, y);
            differ += std::abs(qRed(a) - qRed(b)) > 48 || std::abs(qGreen(a) - qGreen(b)) > 48 ||
                      std::abs(qBlue(a) - qBlue(b)) > 48;
        }
    }
    EXPECT_LE(differ, shot.width() * shot.height() / 200);
}
