// Replays: a game played through the real view (a gamepad too), recorded, played again by
// the runner and watched in the view, to the same state bit for bit; the
// replays kept beside the high-score table; how the window holds its game
// while a replay is asked for, read and checked, and tells what is wrong.
#include <QAccessible>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QLockFile>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QThread>
#include <QTreeWidget>
#include <sstream>

#include "game/game_random.h"
#include "game/polar.h"
#include "history/history_store.h"
#include "scores/core/high_score_table.h"
#include "script/replay_file.h"
#include "script/script_text.h"
#include "script/sim_runner.h"
#include "settings/file_replacer.h"
#include "settings/settings_file.h"
#include "shell/frame/pad_binding.h"
#include "shell/history/history_recorder.h"
#include "shell/pad/pad_reader.h"
#include "shell/ui_fixture.h"
#include "shell/view/kept_game.h"
#include "shell/view/kept_game_saver.h"
#include "shell/virtual_pad.h"
#include "tools/robot/robot_player.h"

namespace {

// Long enough for a loaded machine; replays are written on their own thread.
constexpr std::chrono::seconds kWriting{30};

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
    // The view's timer after `ms` of real time.
    void Tick(std::int64_t ms = 66) {
        running.counter += static_cast<std::uint64_t>(ms);
        running.tickCount += static_cast<std::uint32_t>(ms);
        Board().Tick();
    }
    // A hand dragging the wheel by `turn` on the board, one mouse move every 8 ms.
    void Drag(double turn) {
        Mouse(QEvent::MouseButtonPress, Round(kHalfPi, 250));
        const int moves = 1 + static_cast<int>(std::abs(turn) / 0.05);
        for (int i = 1; i <= moves; ++i) {
            running.counter += 8;
            running.tickCount += 8;
            Mouse(QEvent::MouseMove, Round(kHalfPi + turn * i / moves, 250));
        }
        Mouse(QEvent::MouseButtonRelease, Round(kHalfPi + turn, 250));
    }
    static std::string Bytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "";
    }
    static std::string Text(const QString& path) { return ScriptTextOf(Bytes(path)).value_or(""); }
    // Once the check on its thread is done.
    void Watch(const QString& path) {
        Session().Watching().WatchFile(path);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !Board().Checking(); }, 60000));
    }
    // Frames of the playback, each running what is due, up to a bound of them.
    void PlayToTheEnd(const std::string& state) {
        for (int frame = 0; frame < 1000 && GameStateJson(Board().Game()) != state; ++frame) {
            Board().AdvancePlayback(1000000000);
        }
        EXPECT_EQ(GameStateJson(Board().Game()), state);
    }
    // The kept game, once its file has landed.
    void Save() {
        Session().Kept().SaveIfDue();
        Session().Kept().Flush();
    }

    CRunningClock running;
};

TEST_F(ReplayTest, GamePlayedInTheViewReplaysToItsStateInTheRunnerAndInTheView) {
    GameRandom::Seed(20240602);
    CBoardModel& v = Board();
    CReplayShelf& shelf = Session().Replays().Shelf();
    QFile::remove(CHistoryRecorder::PathBeside(shelf));
    CHistoryRecorder history(shelf);
    history.WriteBeforeQuit();  // opened, with nothing to take in
    QObject::connect(&v, &CBoardModel::RecordingFinished, &history, &CHistoryRecorder::GameEnded);
    v.StartGame();  // from that seed
    v.OnPausePlay();
    CRobotPlayer robot(7, RobotStyle{1.0});  // aims every gem
    struct : IGameObserver {
        void OnRing(unsigned) override { ++rings; }
        void OnBomb(Cell, unsigned) override { ++bombs; }
        int rings = 0, bombs = 0;
    } seen;
    v.Game().observer = &seen;
    // The test answers no end-of-game question.
    QObject::disconnect(&v, &CBoardModel::RecordedGameEnded, nullptr, nullptr);
    CVirtualPad pad;
    const auto padFor = [&](std::uint64_t ms) {
        running.counter += ms;
        running.tickCount += static_cast<std::uint32_t>(ms);
        frame->Pad().Reader().Poll();
    };
    const auto press = [&](SDL_GameControllerButton button) {
        pad.Hold(button);
        padFor(0);
        pad.Hold(button, false);
        padFor(0);
    };
    padFor(0);
    int padTurns = 0;
    // Every way of input, a long pause and two changes of difficulty.
    for (int step = 0; step < 30000 && !v.Game().over && (seen.rings < 1 || step < 1500); ++step) {
        if (step % 300 == 150) {
            v.OnPausePlay();
            Tick(4321);
            v.OnPausePlay();
        }
        if (step == 400 || step == 1000) {
            Session().OnDifficulty(step == 400 ? 2 : 0);
        }
        const RobotMove move = robot.Decide(v.Game());
        const auto aim = [&] { return move.wheelAngle - v.Game().wheelAngle; };
        if (step % 3 == 0 && std::abs(aim()) > 0.06) {
            // The pad's stick most of the way, the hand the rest.
            pad.Axis(SDL_CONTROLLER_AXIS_LEFTX, aim() > 0 ? 32767 : -32768);
            ++padTurns;
            padFor(0);
            for (int poll = 0; poll < 100 && std::abs(aim()) > 0.06; ++poll) {
                padFor(16);
            }
            pad.Axis(SDL_CONTROLLER_AXIS_LEFTX, 0);
            padFor(0);
        }
        if (std::abs(aim()) > 0.004) {
            Drag(aim());
        }
        if (step % 89 == 0) {
            Wheel(step % 178 == 0 ? 120 : -240);
        }
        if (step % 97 == 0) {
            Key(step % 194 == 0 ? Qt::Key_Left : Qt::Key_Right);
        }
        if (step % 127 == 60) {
            press(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
        }
        if (move.dropBomb || step % 250 == 20) {
            step % 4 == 0   ? Key(Qt::Key_Space, {}, " ")
            : step % 4 == 1 ? v.OnDropBomb()
            : step % 4 == 2 ? press(SDL_CONTROLLER_BUTTON_A)
                            : Mouse(QEvent::MouseButtonDblClick, QPoint(20, 20));
        }
        Tick();
    }
    ASSERT_GT(seen.rings, 0) << "the robot should have played a real game";
    ASSERT_GT(seen.bombs, 0);
    ASSERT_GT(padTurns, 10);
    // The pad felt the rings, and then the end.
    EXPECT_NE(std::count(pad.rumbles.begin(), pad.rumbles.end(), 0x7FFF), 0);
    v.OnQuitGame();
    EXPECT_EQ(pad.rumbles.back(), 0xFFFF);
    const std::string played = GameStateJson(v.Game());
    const std::uint32_t score = v.Game().score;
    v.OnNewGame();

    // The history counts what the game's own events counted.
    history.WriteBeforeQuit();
    CHistoryStore store(CHistoryRecorder::PathBeside(shelf));
    ASSERT_TRUE(store.OpenToRead());
    const std::vector<GameRow> rows = store.Rows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].figures.score, score);
    EXPECT_EQ(rows[0].figures.rings, static_cast<std::uint32_t>(seen.rings));
    EXPECT_EQ(rows[0].figures.bombs, static_cast<std::uint32_t>(seen.bombs));
    EXPECT_EQ(rows[0].ending, GameEnding::kEnded);
    EXPECT_EQ(rows[0].replayKept, ReplayKept::kKept);
    EXPECT_EQ(rows[0].topPlace, std::nullopt) << "Quit game offers no place in the table";

    const QString last = shelf.LastGamePath();
    ASSERT_TRUE(shelf.AwaitWrites(kWriting));
    std::istringstream script(Text(last));
    std::ostringstream out;
    EXPECT_EQ(CSimRunner(out).Run(script, out), 0);
    const std::string printed = out.str();  // the runner's last line
    EXPECT_EQ(printed.substr(printed.rfind('\n', printed.size() - 2) + 1), played + "\n");
    const std::int64_t playerTime = GameClock::Now();
    Watch(last);
    ASSERT_TRUE(Board().Watching());
    PlayToTheEnd(played);

    // New game leaves the replay for a fresh game, with the player's clock.
    v.OnNewGame();
    EXPECT_FALSE(Board().Watching() || v.Game().started);
    EXPECT_EQ(GameClock::Now(), playerTime);

    // The place in the table a game's row records is the one its score is
    // offered: the first place for a game ended under way, none for a game
    // left for the tutorial.
    for (const bool ended : {true, false}) {
        v.StartGame();
        v.OnPausePlay();
        Tick();
        v.Game().score = 500;
        ended ? (void)v.EndGameUnderWay()
              : (void)v.ShowTutorialPage(std::make_unique<CGame>(), true);
    }
    history.WriteBeforeQuit();
    ASSERT_TRUE(store.OpenToRead());
    const std::vector<GameRow> later = store.Rows();
    ASSERT_EQ(later.size(), 3u);
    EXPECT_EQ(later[1].topPlace, 1);
    EXPECT_EQ(later[2].topPlace, std::nullopt);
}

TEST_F(ReplayTest, TopTenEntriesKeepTheirReplaysUntilATableWithoutThemIsOnDisk) {
    // Eight entries, then two identical ones, each with a game of its own.
    QTemporaryDir folder;
    CSettingsFile file(folder.filePath("Torvane.conf"));
    file.SetLockWait(0);
    CScopedSettingsBackend useFile(&file);
    for (int i = 0; i < 10; ++i) {
        const int p = std::min(i, 8);
        file.Write(kScoresKey, "00" + std::to_string(i),
                   SettingValue::String("a|P" + std::to_string(p) + "|" +
                                        std::to_string(1000 - 100 * p) + "|86400"));
    }
    CBoardModel& v = Board();
    const CReplayShelf& shelf = Session().Replays().Shelf();
    CHighScoreTable ten;
    ten.LoadHighScores();
    QDir().mkpath(shelf.Folder());
    // And two games no entry names: one of a day ago is swept, a fresh one is
    // spared (its entry may still be on its way to the disk).
    const QString orphans[] = {shelf.Folder() + "/top-0123456789abcdef.tvr",
                               shelf.Folder() + "/top-fedcba9876543210.tvr"};
    for (const QString& path : {shelf.EntryPath(ten.Entries(), 8),
                                shelf.EntryPath(ten.Entries(), 9), orphans[0], orphans[1]}) {
        QFile made(path);
        made.open(QIODevice::WriteOnly);
        made.setFileTime(QDateTime::currentDateTime().addDays(path == orphans[0] ? -2 : 0),
                         QFileDevice::FileModificationTime);
    }
    // 550 points, answered with a name, enter sixth and push the second P8
    // out; 5 have no place; 560 would push the first P8 out too, but another
    // copy holds the lock, so the table on disk still lists it. Their scores
    // are set by hand, so their replays cannot match.
    QLockFile held(file.FileName() + ".lock");
    for (const std::uint32_t score : {550u, 5u, 560u}) {
        held.unlock();
        ASSERT_TRUE(score != 560 || held.tryLock(0));
        v.OnPausePlay();
        Tick();
        v.Game().score = score;
        if (score != 5) {
            Then([score](QDialog* d) {
                d->findChild<QLineEdit*>()->setText(score == 550 ? "Ann" : "Bo");
                d->accept();
            });
            Then([](QDialog* d) { d->accept(); });  // the list, or a failed save told
        }
        v.OnNewGame();
        ASSERT_TRUE(shelf.AwaitWrites(kWriting));
        EXPECT_NE(Text(shelf.LastGamePath()).find("# Score: " + std::to_string(score) + "\n"),
                  std::string::npos);
    }
    EXPECT_TRUE(CReplayShelf::Exists(shelf.EntryPath(ten.Entries(), 8)));
    EXPECT_FALSE(CReplayShelf::Exists(shelf.EntryPath(ten.Entries(), 9)));
    EXPECT_FALSE(CReplayShelf::Exists(orphans[0]));
    EXPECT_TRUE(CReplayShelf::Exists(orphans[1]));
    CHighScoreTable table;
    table.LoadHighScores();
    ASSERT_EQ(table.Entries()[6].name, "Ann");
    EXPECT_NE(Text(shelf.EntryPath(table.Entries(), 6)).find("# Player: Ann\n"), std::string::npos);

    // Watch is greyed for the best entry, which has no replay, and open for
    // Bo's; watching it says why it cannot be watched.
    Then([](QDialog* d) {
        QAbstractButton* watch = Button(d, "Watch");
        EXPECT_FALSE(watch->isEnabled());
        auto* list = d->findChild<QTreeWidget*>();
        list->setCurrentItem(list->topLevelItem(5));
        EXPECT_TRUE(watch->isEnabled());
        watch->isEnabled() ? watch->click() : d->reject();  // a failure, not a hang
    });
    EXPECT_EQ(Told([this] { Session().GameOver().ShowHighScores(); }),
              QDir::toNativeSeparators(shelf.EntryPath(table.Entries(), 5)) +
                  ": This replay does not reach the score it records: it ends at 0 points, not "
                  "at the 560 it records.");
    EXPECT_FALSE(Board().Watching());
}

TEST_F(ReplayTest, GamesHoldStillWhileAReplayIsAskedForReadAndChecked) {
    CBoardModel& v = Board();
    for (const int ticks : {40, 80}) {  // an older game, ended, and one under way
        v.OnNewGame();
        v.OnPausePlay();
        for (int i = 0; i < ticks; ++i) {
            Tick();
        }
    }
    // Watch last game asks first, over the paused game, then reads the game
    // it ended: the one under way, not the older one.
    Then([&v](QDialog* d) {
        EXPECT_TRUE(v.Game().paused && !v.Game().over) << "paused under the question";
        Press({"Yes"})(d);
    });
    Session().Watching().OnWatchLastGame();
    UntilAnswered();
    const std::string ended = GameStateJson(v.Game());
    EXPECT_TRUE(QTest::qWaitFor([&] { return Board().Watching(); }, 60000));
    // Paused, as screen readers hear it (shell/screen_reader_test.sh: the rest).
    v.OnPausePlay();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&View())->text(QAccessible::Name),
              "Game board, REPLAY, PAUSED");
    v.OnPausePlay();
    PlayToTheEnd(ended);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&View())->text(QAccessible::Name),
              "Game board, REPLAY, Game Over");

    // Watch a replay pauses first: a game running under its file dialog
    // could end there. The check of the chosen file is held here until it is
    // told to stop: the window goes on answering, shows the check, and its
    // Cancel stops it; meanwhile nothing plays and Play does nothing.
    v.OnNewGame();
    v.OnPausePlay();
    Tick();
    Session().Watching().SetReader([](const std::string&, ReplayProgress& progress) {
        while (!progress.stop) {
            QThread::msleep(1);
        }
        return ReplayCheck{ReplayVerdict::Stopped, {}, "", 0, {}, 0, {}};
    });
    const QString path = Session().Replays().Shelf().LastGamePath();
    Then([&v, path](QDialog* d) {
        EXPECT_TRUE(v.Game().paused) << "paused under the file dialog";
        // Typed, as selectFile leaves the name field alone while it has the focus.
        d->findChild<QLineEdit*>("fileNameEdit")->setText(path);
        d->accept();
    });
    Session().Watching().OnWatchReplay();
    ASSERT_TRUE(Board().Checking());
    v.OnPausePlay();
    Tick();
    EXPECT_TRUE(v.Game().paused);
    const auto progress = [] { return qobject_cast<QProgressDialog*>(qApp->activeModalWidget()); };
    ASSERT_TRUE(QTest::qWaitFor(progress, 60000));
    EXPECT_EQ(progress()->labelText(), "Checking the replay ...");
    Button(progress(), "Cancel")->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !Board().Checking(); }, 60000));
    EXPECT_TRUE(!Board().Watching() && v.Game().paused);

    // A replay may need more memory than is free: told so, and the game waits.
    Session().Watching().SetReader(
        [](const std::string&, ReplayProgress&) -> ReplayCheck { throw std::bad_alloc(); });
    const QString told = Told([&] { Watch(path); });
    EXPECT_TRUE(told.contains("not enough memory free")) << told.toStdString();
    EXPECT_TRUE(!Board().Watching() && v.Game().paused);
}

// Kept while it runs every few seconds of play, at once when it pauses, and
// once more on leaving; back at the next start to the bit; and a kept file
// that cannot go on is set aside with one message. The real program left and
// killed in every way, and a game ended taking its file: kept_game_test.sh.
TEST_F(ReplayTest, GameKeptEveryFewSecondsOfPlayComesBackPausedWhereItWasLeft) {
    QTemporaryDir folder;
    const QString file = folder.path() + "/game-1.tvr";
    Session().Kept().Start(false, folder.path());
    Save();
    EXPECT_FALSE(QFile::exists(file)) << "a game not begun is kept";
    Board().OnPausePlay();
    Tick();
    Save();
    const std::int64_t savedAt = GameClock::Now();
    const std::string first = Bytes(file);
    std::int64_t played = 0;
    for (; played < 10000 && Bytes(file) == first; played = GameClock::Now() - savedAt) {
        Tick();
        Drag(0.02);
        Save();
    }
    EXPECT_TRUE(played >= CGameKeeper::kSaveEveryMs - 2 && played < CGameKeeper::kSaveEveryMs + 120)
        << "saved again after " << played << " ms of play";
    const std::string second = Bytes(file);
    Board().OnPausePlay();
    Save();
    EXPECT_NE(Bytes(file), second) << "a pause is not saved at once";
    Board().OnPausePlay();
    Tick(1234);
    Session().Kept().Keep(true);
    const std::string left = GameStateJson(Game());
    EXPECT_TRUE(Game().paused);
    {
        // A second copy running meanwhile leaves it alone and keeps its own beside it.
        CKeptGameSlot other(folder.path());
        EXPECT_FALSE(other.TakeWaiting()) << "took a game its copy still holds";
        ASSERT_TRUE(other.TakeFree());
        EXPECT_EQ(other.Path(), folder.path() + "/game-2.tvr");
    }

    GameClock::Reset();  // as in a program started afresh
    MakeFrame();
    Session().Kept().Start(true, folder.path());
    ASSERT_TRUE(QTest::qWaitFor([this] { return !Session().Kept().Restoring(); }, 60000));
    EXPECT_EQ(GameStateJson(Game()), left);  // paused: kept_game_test.sh sees it stay so
    Board().OnPausePlay();
    Tick();
    Save();
    const std::string goesOn = Text(file);
    EXPECT_GT(goesOn.rfind("\nresume\n"), goesOn.rfind("\npause\n")) << "it went on unrecorded";

    MakeFrame();
    QFile damaged(file);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly) && damaged.write(left.c_str()) > 0);
    damaged.close();
    const QString told = Told([&] { Session().Kept().Start(true, folder.path()); });
    const QStringList aside = QDir(folder.path()).entryList({"game-1.tvr.damaged-*"});
    ASSERT_EQ(aside.size(), 1);
    EXPECT_EQ(told,
              "The game you left unfinished cannot go on. This file is not a Torvane "
              "replay.\n\nIt was set aside as " +
                  QDir::toNativeSeparators(folder.path() + "/" + aside[0]) +
                  ". A new game starts.");
    EXPECT_FALSE(Game().started);
    frame.reset();  // and its lock with it, before the folder goes
}

// A kept game or a replay whose write fails at any step (a full disk, an
// I/O error) leaves the file before it as it was and nothing beside it; the
// kept game says why, naming the file, and replays tell it once a run.
TEST_F(ReplayTest, FileThatCannotBeWrittenWhollyLeavesTheOldOneAndIsTold) {
    QTemporaryDir folder;
    const QString kept = folder.filePath("game-1.tvr");
    CReplayShelf shelf(folder.path());
    QStringList told;
    shelf.SetFailureHandler([&told](const QString& message) { told.append(message); });
    const std::string old = "old contents";
    const std::string lines(300000, '#');  // a piece of the file fails alone
    for (const bool replay : {false, true}) {
        const QString path = replay ? shelf.LastGamePath() : kept;
        int step = 0;
        for (bool failed = true; failed; ++step) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(old.c_str()) > 0);
            file.close();
            std::optional<QString> failure;
            FailFileStep(step);
            if (replay) {
                shelf.KeepLastGame("# Torvane replay\n" + lines);
                ASSERT_TRUE(shelf.AwaitWrites(kWriting));
            } else {
                CKeptGameSaver saver;
                saver.Begin();
                saver.Save(lines, "# Torvane replay\n", path);
                failure = saver.Wait();
            }
            failed = FileStepFailed();
            FailFileStep(-1);
            EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
            EXPECT_EQ(Bytes(path) == old, failed) << step;
            EXPECT_EQ(failure.has_value(), failed && !replay) << step;
            EXPECT_TRUE(!failure || failure->contains(path + ": No space left on device"));
        }
        EXPECT_GE(step, 6);
        QFile::remove(path);
    }
    QCoreApplication::processEvents();  // told on the window's thread
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].contains(shelf.LastGamePath() + ": No space left on device"));

    // A link in the place of a kept game or a replay is never read nor
    // written through: it goes aside, and what it points to stays as it was.
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath("yours");
    QFile mine(target);
    ASSERT_TRUE(mine.open(QIODevice::WriteOnly) && mine.write(old.c_str()) > 0);
    mine.close();
    for (const QString& link : {kept, shelf.LastGamePath()}) {
        ASSERT_TRUE(QFile::link(target, link));
    }
    const QString refused = Told([&] { Session().Kept().Start(true, folder.path()); });
    EXPECT_TRUE(refused.contains("it is a symbolic link, not a file")) << refused.toStdString();
    EXPECT_FALSE(CReplayShelf::Exists(shelf.LastGamePath()));
    shelf.KeepLastGame("# Torvane replay\n");
    ASSERT_TRUE(shelf.AwaitWrites(kWriting));
    Board().OnPausePlay();
    Tick();
    Save();
    for (const QString& link : {kept, shelf.LastGamePath()}) {
        EXPECT_FALSE(QFileInfo(link).isSymLink());
        EXPECT_EQ(
            QDir(folder.path())
                .entryList({QFileInfo(link).fileName() + ".damaged-*"}, QDir::Files | QDir::System)
                .size(),
            1);
    }
    EXPECT_EQ(Bytes(target), old);
    frame.reset();

    // A long game's replay still on its way to the disk when the program
    // leaves lands whole.
    std::string game = "# Torvane replay\n";
    for (int at = 0; at < 3000000; at += 7) {
        game += "at " + std::to_string(at) + "\nturn 0.25\n";
    }
    QFile::remove(shelf.LastGamePath());
    CReplayShelf(folder.path()).KeepLastGame(game);
    EXPECT_TRUE(Text(shelf.LastGamePath()) == game);  // ten megabytes: not printed
}

}  // namespace
