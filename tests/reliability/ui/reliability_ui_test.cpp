// The robot at the real main window, offscreen, with every modal dialog
// answered as a patient player would: over damaged and locked config files,
// and for a hundred games with every dialog in between.

#include <gtest/gtest.h>
#include <malloc.h>
#include <unistd.h>

#include <QtTest>
#include <QtWidgets>
#include <set>

#include "game/game_random.h"
#include "scores/core/high_score_table.h"
#include "settings/settings_file.h"
#include "shell/app/qt_cue_output.h"
#include "shell/app/settings_messages.h"
#include "shell/dialogs/clock_warning_dlg.h"
#include "shell/dialogs/customize_colors_dlg.h"
#include "shell/ui_fixture.h"
#include "shell/view/options_flow.h"
#include "tools/robot/robot_player.h"
#include "tutorial/ui/welcome_dlg.h"

namespace {

int g_messages = 0;

long ResidentKiB() {
    malloc_trim(0);  // freed memory the allocator keeps is no leak
    QFile statm(QStringLiteral("/proc/self/statm"));
    EXPECT_TRUE(statm.open(QIODevice::ReadOnly));
    return statm.readAll().split(' ').value(1).toLong() * (sysconf(_SC_PAGESIZE) / 1024);
}

// The widget tests' fixture, with the real sound output.
class ReliabilityUi : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        SetSoundPlayer(&sound_);
        QFile::setPermissions(folder_.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                  QFile::ExeOwner | QFile::ExeOther);
    }

    // Starts the main window over the config file, as an ordinary user if
    // asked (root writes wherever it likes), and plays `games` games to their
    // end, high scores and all, with every command after the first and every
    // tenth. Tells the player only in its message boxes, not over and over.
    void Play(const QString& path, int games, bool asOrdinaryUser = false) {
        const bool dropRoot = asOrdinaryUser && geteuid() == 0;
        ASSERT_TRUE(!dropRoot || (setegid(65534) == 0 && seteuid(65534) == 0));
        CSettingsFile file(path);
        CSettingsMessages messages(file);
        file.Open();
        CScopedSettingsBackend useFile(&file);
        // Every modal dialog is answered, the answer queued again each time:
        // "play another game?" with No after the last game, every other with OK.
        answered_.clear();
        int game = 1;
        const Answer patient = [&](QDialog* dialog) {
            const std::string name = dialog->metaObject()->className();
            ++answered_[name];
            Then(patient);
            name == "CGameOverDlg" && game == games ? dialog->reject() : dialog->accept();
        };
        Then(patient);
        GameRandom::Seed(99);
        g_messages = 0;
        const QtMessageHandler previous =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
                // The offscreen platform's notes on what it cannot do are not ours.
                g_messages += text.startsWith("This plugin does not support") ? 0 : 1;
            });
        {
            CMainFrame& window = MakeFrame();
            window.show();
            CTorvaneView& view = View();
            difficulty_ = Board().Game().difficulty;
            quiet_ = Board().Game().quiet;
            CRobotPlayer robot(99, {.bombChance = 0.01, .reckless = true});
            for (; game <= games; ++game) {
                if (Board().Game().paused) {
                    Board().OnPausePlay();
                }
                // A timer message's worth of the robot at a time: a drag of the
                // wheel from straight below the centre, the space bar for a bomb.
                for (int step = 0; answered_["CGameOverDlg"] < game; ++step) {
                    EXPECT_LT(step, 20000) << "game " << game << " never ends";
                    const RobotMove move = Board().Game().paused
                                               ? RobotMove{Board().Game().wheelAngle}
                                               : robot.Decide(Board().Game());
                    const double turn = move.wheelAngle - Board().Game().wheelAngle;
                    if (std::abs(turn) > 0.004) {  // about a pixel at the grip
                        const QPoint grip = kBoardCentre + QPoint(0, 250);
                        const QPoint to = grip + QPoint(std::lround(-250 * std::sin(turn)),
                                                        std::lround(250 * std::cos(turn) - 250));
                        QTest::mousePress(&view, Qt::LeftButton, {}, grip);
                        QTest::mouseMove(&view, to);
                        QTest::mouseRelease(&view, Qt::LeftButton, {}, to);
                    }
                    if (move.dropBomb) {
                        QTest::keyClick(&view, Qt::Key_Space);
                    }
                    RunFor(66);
                    if (step % 4 == 0) {
                        QApplication::processEvents();  // the paints the event loop would do
                    }
                }
                if (game % 10 == 1) {  // every dialog, the sound and difficulty commands
                    Session().Options().OnOtherOptions();
                    Session().GameOver().ShowHighScores();
                    window.OnHelpContents();
                    window.OnAbout();
                    CClockWarningDlg(&window).Ask();
                    CWelcomeDlg(&window).exec();
                    CCustomizeColorsDlg colours(&window);
                    colours.OnChange(0);  // the colour picker
                    colours.OnRestoreDefaults();
                    for (const int command : {kCmdSoundEffects, kCmdEasy, kCmdHard}) {
                        window.Action(command)->trigger();
                    }
                }
                kibAfterGame10_ = game == 10 ? ResidentKiB() : kibAfterGame10_;
            }
            kibAtEnd_ = ResidentKiB();
            frame.reset();
        }
        answers.clear();
        CHighScoreTable listed;
        listed.LoadHighScores();
        scoresListed_ = listed.Count();
        qInstallMessageHandler(previous);
        EXPECT_LT(g_messages, 5) << "the program complains over and over";
        EXPECT_TRUE(!dropRoot || (seteuid(0) == 0 && setegid(0) == 0));
    }

    CQtSoundPlayer sound_;
    QTemporaryDir folder_;
    const QString path_ = folder_.filePath(QStringLiteral("Torvane.conf"));
    std::uint32_t difficulty_ = 0;
    bool quiet_ = false;
    std::map<std::string, int> answered_;
    long kibAfterGame10_ = 0;
    long kibAtEnd_ = 0;
    std::size_t scoresListed_ = 0;  // what the list of high scores shows at the end
};

// A damaged file is set aside whole, with one message and the defaults in
// use; a read-only one is read and left as it was. Either way the high score
// of the run stays listed, saved or not.
TEST_F(ReliabilityUi, ConfigFilesInEveryBadState) {
    const QByteArray good("[Settings]\nDifficulty=3\nQuiet=1\n[Scores]\n000=a|Alpha|12345|86400\n");
    QByteArray binary(4096, '\0');
    QRandomGenerator(17).fillRange(reinterpret_cast<quint32*>(binary.data()), 1024);
    const struct {
        const char* what;
        QByteArray contents;
        bool damaged;
    } cases[] = {
        {"truncated inside a section name", good.left(good.indexOf("[Scores]") + 4), true},
        {"truncated inside a name", good.left(good.indexOf("000=") + 2), true},
        {"truncated inside a character", "[Settings]\nDifficulty=3\n000=Zo\xc3", true},
        {"binary", binary, true},
        {"control characters in good UTF-8", "[Settings]\nDifficulty=3\nKey\x01=\x7f\n", true},
        {"huge and well formed",
         "[Settings]\nDifficulty=3\n" + QByteArray("Pad=1\n").repeated(1 << 19), true},
        {"read-only", "[Settings]\nDifficulty=3\nQuiet=1\nFirstStartDone=1\n", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QFile file(path_);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(c.contents) == c.contents.size());
        file.close();
        file.setPermissions(c.damaged ? file.permissions() : QFile::ReadOwner | QFile::ReadOther);
        Play(path_, 1, !c.damaged);
        EXPECT_EQ(difficulty_, c.damaged ? 1u : 2u);
        EXPECT_EQ(quiet_, !c.damaged);
        EXPECT_EQ(answered_["CGameOverDlg"] + answered_["CNewHighScoreDlg"], 2);
        EXPECT_TRUE(c.damaged ? answered_["QMessageBox"] == 1 : answered_["QMessageBox"] >= 1);
        EXPECT_GE(scoresListed_, 1u);
        const QStringList aside = QDir(folder_.path()).entryList({"Torvane.conf.damaged-*"});
        ASSERT_EQ(aside.size(), c.damaged ? 1 : 0);
        QFile kept(c.damaged ? folder_.filePath(aside[0]) : path_);
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_TRUE(kept.readAll() == c.contents) << "the file was not kept as it was";
        kept.remove();
        file.remove();
    }
}

// Another copy keeps the file locked: a change waits only briefly (a runner
// waits seconds), is told once, kept, and lands by itself once the lock is
// free; what is still unsaved when the game closes is named.
TEST_F(ReliabilityUi, LockedFileNeitherHoldsUpTheWindowNorLosesAChange) {
    CSettingsFile file(path_);
    CSettingsMessages messages(file);
    CScopedSettingsBackend useFile(&file);
    QLockFile held(path_ + ".lock");
    ASSERT_TRUE(held.tryLock(0));
    QStringList told;
    Then([&told](QDialog* message) {
        told << qobject_cast<QMessageBox*>(message)->text();
        message->accept();
    });
    CMainFrame window;
    // The window's thread never waits on the lock longer than a frame or two.
    EXPECT_LE(file.LockWait(), 200);
    window.Action(kCmdHard)->trigger();
    held.unlock();
    EXPECT_TRUE(QTest::qWaitFor([&file] { return file.Unsaved().isEmpty(); }, 10000));
    EXPECT_EQ(CSettingsFile(path_).Read(kSettingsKey, "Difficulty").value_or(SettingValue{}).dword,
              3u);
    ASSERT_TRUE(held.tryLock(0));
    window.Action(kCmdEasy)->trigger();
    EXPECT_TRUE(messages.SaveBeforeQuit().value_or("").endsWith("Not saved: Settings/Difficulty."));
    ASSERT_EQ(titles.size(), 1) << told.join('\n').toStdString();
    EXPECT_TRUE(told[0].endsWith("another copy of Torvane keeps the settings file locked"));
}

// Resident memory after game 100 within 5 % of that after game 10; in the
// sanitizer build LeakSanitizer judges the whole run at exit instead.
TEST_F(ReliabilityUi, HundredGamesAndEveryDialogLeaveMemoryFlat) {
    Play(path_, 100);
    // Every kind of dialog came up: the end of a game, a new high score, the
    // table, the options, the colour picker, About, the clock question and the welcome.
    EXPECT_EQ(answered_["CGameOverDlg"], 100);
    EXPECT_EQ(answered_.size(), 8u);
#if !defined(__SANITIZE_ADDRESS__)  // AddressSanitizer holds freed memory back on purpose
    EXPECT_LE(kibAtEnd_, kibAfterGame10_ + kibAfterGame10_ / 20);
#endif
}

// Each icon the play button ever gets leaves its renderings in Qt's pixmap
// cache: a new icon per game made memory climb game after game.
TEST_F(ReliabilityUi, PlayButtonKeepsOneIconPerPicture) {
    CMainToolBar bar;
    QAction* play = bar.addAction(QStringLiteral("Play"));
    std::set<qint64> icons;
    for (int game = 0; game < 300; ++game) {
        for (const int state : {kPlayButtonRunning, kPlayButtonPaused, kPlayButtonOver}) {
            bar.SetPlayButton(state);
            icons.insert(play->icon().cacheKey());
        }
    }
    EXPECT_EQ(icons.size(), 3u);
}

}  // namespace
