// Replays: a game played through the real view, recorded, played again by
// the runner and watched in the view, to the same state bit for bit; the
// replays kept beside the high-score table; replays that cannot be watched.
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTreeWidget>
#include <QWheelEvent>
#include <cmath>
#include <sstream>

#include "game/board_centre.h"
#include "game/game_random.h"
#include "scores/core/high_score_table.h"
#include "tools/robot/robot_player.h"
#include "tools/sim/replay_file.h"
#include "tools/sim/replay_recorder.h"
#include "tools/sim/script_text.h"
#include "tools/sim/sim_runner.h"
#include "ui_fixture.h"

namespace {

std::string ReadText(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return ScriptTextOf(file.readAll().toStdString()).value_or("");
}

// The runner's last line for a script.
std::string RunnerEnd(const std::string& script, int* status = nullptr) {
    std::istringstream in(script);
    std::ostringstream out;
    std::ostringstream err;
    int result = 0;
    {
        CSimRunner runner(out);
        result = runner.Run(in, err);
    }
    if (status != nullptr) {
        *status = result;
    }
    std::istringstream lines(out.str() + err.str());
    std::string last;
    for (std::string l; std::getline(lines, l);) {
        last = l;
    }
    return last;
}

// Real time runs on while a handler works: every few readings of the clock
// find it a millisecond later, as a real clock would now and then.
class CRunningClock : public CManualClockCounter {
  public:
    std::uint64_t QueryCounter() override { return counter += (++reads_ % 7 == 0); }

  private:
    unsigned reads_ = 0;
};

class ReplayTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        running.counter = running.tickCount = clock.counter;
        GameClock::SetCounter(&running);
        QDir(CReplayShelf::DefaultFolder()).removeRecursively();
        MakeFrame();
    }

    void Advance(std::int64_t ms) {
        running.counter += static_cast<std::uint64_t>(ms);
        running.tickCount += static_cast<std::uint32_t>(ms);
    }

    // The widget point over a board point on a circle round the centre.
    QPointF OnCircle(double angle) const {
        const QPoint board(boardCentreX + static_cast<int>(std::lround(250.0 * std::cos(angle))),
                           boardCentreY + static_cast<int>(std::lround(250.0 * std::sin(angle))));
        return frame->View()->Mapping().ToWidget(board);
    }

    void Mouse(QEvent::Type type, QPointF p, Qt::MouseButtons held = Qt::LeftButton) {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, p, View().mapToGlobal(p), button, held, Qt::NoModifier);
        QApplication::sendEvent(&View(), &event);
    }

    // A hand dragging the wheel by `turn`, one mouse move every 8 ms.
    void Drag(double turn) {
        Mouse(QEvent::MouseButtonPress, OnCircle(kHalfPi));
        const int moves = 1 + static_cast<int>(std::abs(turn) / 0.05);
        for (int i = 1; i <= moves; ++i) {
            Advance(8);
            Mouse(QEvent::MouseMove, OnCircle(kHalfPi + turn * i / moves));
        }
        Mouse(QEvent::MouseButtonRelease, OnCircle(kHalfPi + turn), Qt::NoButton);
    }

    void Key(int key, const QString& text) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(&View(), &press);
    }

    CRunningClock running;
};

TEST_F(ReplayTest, GamePlayedInTheViewReplaysToItsStateInTheRunnerAndInTheView) {
    GameRandom::Seed(20240601);
    CTorvaneView& v = View();
    v.StartNewGame();  // from that seed
    v.OnPausePlay();
    RobotStyle careful;
    careful.aimChance = 1.0;
    CRobotPlayer robot(7, careful);
    struct : IGameObserver {
        void OnRing(unsigned) override { ++rings; }
        void OnBomb(Cell, unsigned) override { ++bombs; }
        int rings = 0;
        int bombs = 0;
    } seen;
    v.game->observer = &seen;
    for (int step = 0; step < 30000 && !v.game->over && (seen.rings < 1 || step < 1500); ++step) {
        // The test answers no end-of-game question.
        v.gameOverHandled = true;
        if (step % 300 == 150) {  // a pause, long in real time
            v.OnPausePlay();
            Advance(4321);
            v.OnTimer();
            v.OnPausePlay();
        }
        if (step == 400 || step == 1000) {
            v.OnDifficulty(step == 400 ? 2 : 0);
        }
        const RobotMove move = robot.Decide(*v.game);
        if (std::abs(move.wheelAngle - v.game->wheelAngle) > 0.004) {
            Drag(move.wheelAngle - v.game->wheelAngle);
        }
        if (step % 89 == 0) {
            const QPointF at = OnCircle(0.0);
            QWheelEvent wheel(at, v.mapToGlobal(at), {}, QPoint(0, step % 178 == 0 ? 120 : -240),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(&v, &wheel);
        }
        if (step % 97 == 0) {
            Key(step % 194 == 0 ? Qt::Key_Left : Qt::Key_Right, QString());
        }
        if (move.dropBomb || step % 250 == 20) {
            switch (step % 3) {
                case 0:
                    Key(Qt::Key_Space, QStringLiteral(" "));
                    break;
                case 1:
                    v.OnDropBomb();
                    break;
                default:
                    Mouse(QEvent::MouseButtonDblClick, v.Mapping().ToWidget(QPoint(20, 20)));
                    break;
            }
        }
        Advance(66);
        v.OnTimer();
    }
    ASSERT_GT(seen.rings, 0) << "the robot should have played a real game";
    ASSERT_GT(seen.bombs, 0);
    v.OnQuitGame();
    const std::string played = GameStateJson(*v.game);
    v.OnNewGame();

    const QString last = v.Shelf().LastGamePath();
    EXPECT_EQ(RunnerEnd(ReadText(last)), played);
    QFile file(last);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    ASSERT_EQ(CheckReplay(file.readAll().toStdString()).problem, "");

    const std::int64_t playerTime = GameClock::Now();
    v.WatchReplayFile(last);
    ASSERT_TRUE(v.Watching());
    EXPECT_TRUE(v.inputLocked);
    v.AdvanceWatch(1000000000);
    EXPECT_EQ(GameStateJson(*v.game), played);

    // New game leaves the replay for a fresh game, with the player's clock.
    v.OnNewGame();
    EXPECT_FALSE(v.Watching());
    EXPECT_FALSE(v.inputLocked);
    EXPECT_FALSE(v.game->started);
    EXPECT_EQ(GameClock::Now(), playerTime);
}

TEST_F(ReplayTest, TopTenEntriesKeepTheirReplaysAndLoseThemWhenTheyLeave) {
    settings.CreateKey(kScoresKey);
    for (int i = 0; i < 10; ++i) {
        char name[4];
        std::snprintf(name, sizeof name, "%03d", i);
        settings.Write(kScoresKey, name,
                       SettingValue::String("a|P" + std::to_string(i) + "|" +
                                            std::to_string(1000 - 100 * i) + "|86400"));
    }
    CTorvaneView& v = View();
    const HighScoreEntry lastOfTen{"P9", 100, 86400};
    QDir().mkpath(v.Shelf().Folder());
    QFile stale(v.Shelf().EntryPath(lastOfTen));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();

    // A game of 550 points, answered with a name: it enters eighth and pushes
    // the last entry out. Its score is set by hand, so its replay cannot
    // match: the list offers it, and watching it says so.
    auto playAndEnd = [&](std::uint32_t score, const char* name) {
        v.OnPausePlay();
        Advance(66);
        v.OnTimer();
        v.game->score = score;
        if (name != nullptr) {
            Then([name](QDialog* d) {
                d->findChild<QLineEdit*>()->setText(QString::fromLatin1(name));
                d->accept();
            });
            Then([](QDialog* d) { d->accept(); });
        }
        v.OnNewGame();
    };
    playAndEnd(550, "Ann");
    CHighScoreTable table;
    table.LoadHighScores();
    ASSERT_EQ(table.Entries()[5].name, "Ann");
    EXPECT_TRUE(CReplayShelf::Exists(v.Shelf().EntryPath(table.Entries()[5])));
    EXPECT_FALSE(CReplayShelf::Exists(v.Shelf().EntryPath(lastOfTen)));
    EXPECT_NE(ReadText(v.Shelf().LastGamePath()).find("# Score: 550\n"), std::string::npos);

    playAndEnd(5, nullptr);  // no place: only the last game changes
    EXPECT_NE(ReadText(v.Shelf().LastGamePath()).find("# Score: 5\n"), std::string::npos);
    EXPECT_NE(ReadText(v.Shelf().EntryPath(table.Entries()[5])).find("# Player: Ann\n"),
              std::string::npos);

    // The list: Watch is greyed for the best entry, which has no replay, and
    // open for Ann's.
    Then([](QDialog* d) {
        auto* list = d->findChild<QTreeWidget*>();
        QPushButton* watch = nullptr;
        for (QPushButton* b : d->findChildren<QPushButton*>()) {
            watch = b->text() == QStringLiteral("Watch") ? b : watch;
        }
        ASSERT_NE(watch, nullptr);
        EXPECT_FALSE(watch->isEnabled());
        list->setCurrentItem(list->topLevelItem(5));
        EXPECT_TRUE(watch->isEnabled());
        watch->click();
    });
    QString told;
    Then([&told](QDialog* box) {
        told = static_cast<QMessageBox*>(box)->text();
        box->accept();
    });
    v.ShowHighScores();
    for (int i = 0; i < 300 && told.isEmpty(); ++i) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    EXPECT_EQ(told, QString::fromLatin1(kReplayMismatch));
    EXPECT_FALSE(v.Watching());
}

// A short game recorded without a view: the bytes the rows below damage.
std::string ShortReplay() {
    std::ostringstream ignored;
    CSimRunner host(ignored);  // a clock of its own
    host.Execute("at 5000", 1);
    std::unique_ptr<CGame> game = std::make_unique<CGame>();
    CReplayRecorder recorder;
    recorder.Begin(*game, GameRandom::state);
    game->Resume();
    recorder.Sync(*game);
    for (int i = 0; i < 40; ++i) {
        host.MoveTo(host.RealTime() + 66);
        const CReplayRecorder::Mark mark = recorder.Before(*game);
        game->Tick();
        recorder.Ticked(*game, mark);
    }
    game->EndGame();
    return recorder.Finish(*game, "test", 86400).value_or("");
}

TEST(ReplayCheckTest, ReplaysThatCannotBeWatchedSayWhy) {
    const std::string replay = ShortReplay();
    ASSERT_TRUE(CheckReplay(replay).problem.empty()) << CheckReplay(replay).problem;
    const std::string packed = CompressScriptText(replay);
    std::string flipped = packed;
    flipped[packed.size() / 2] = static_cast<char>(flipped[packed.size() / 2] ^ 0x55);
    std::string badLine = replay;
    badLine.replace(badLine.find("\ntick\n"), 6, "\ntock\n");
    std::string otherScore = replay;
    otherScore.replace(otherScore.find("# Score: "), 9, "# Score: 1");
    const struct {
        std::string bytes;
        std::string told;
    } rows[] = {
        {packed, ""},
        {packed.substr(0, packed.size() / 2),
         "This replay is damaged: the compressed data is cut short."},
        {flipped, "This replay is damaged: the compressed data is damaged."},
        {"", "This file is not a Torvane replay."},
        {"\x89PNG\r\n", "This file is not a Torvane replay."},
        {"# Torvane replay\n# Score: 0\nnew\nwait 99999999\nstate\n",
         "This file is not a Torvane replay."},
        {badLine, "This replay is damaged: line"},
        {otherScore, kReplayMismatch},
    };
    for (const auto& row : rows) {
        const ReplayCheck check = CheckReplay(row.bytes);
        EXPECT_EQ(check.problem.substr(0, row.told.size()), row.told) << check.problem;
        EXPECT_EQ(check.mismatch, row.told == kReplayMismatch);
    }
}

TEST(ReplayCheckTest, AtStopsTheTimerAndNeverTurnsTheClockBack) {
    // After `at` an hour passes without a tick; one explicit tick drops one gem.
    EXPECT_NE(RunnerEnd("at 5000\nnew\nresume\nwait 3600000\ntick\nstate\n")
                  .find("\"t\":3605000,\"score\":0,"),
              std::string::npos);
    int status = 0;
    EXPECT_EQ(RunnerEnd("new\nat 999999\n", &status),
              "line 2: at 999999 would turn the clock back from 1000000");
    EXPECT_EQ(status, 2);
}

}  // namespace
