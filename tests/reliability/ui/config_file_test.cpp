// The player's config file in every bad state: truncated, binary, huge,
// read-only, in a read-only folder. The program must start with defaults (or
// with what it could read), tell the player once, keep a file it could not
// parse under another name, and keep a score it could not save for the run.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <random>

#include "game/game_random.h"
#include "game/memory_settings.h"
#include "modal_answerer.h"
#include "scores/core/high_score_table.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "shell/settings/settings_file.h"
#include "shell/settings_messages.h"
#include "view_robot.h"

namespace {

int g_messages = 0;

void CountMessage(QtMsgType, const QMessageLogContext&, const QString& text) {
    // The offscreen platform's notes on what it cannot do are not ours.
    if (!text.startsWith(QStringLiteral("This plugin does not support"))) {
        ++g_messages;
    }
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// Root writes wherever it likes: to see what a player meets, drop to an
// ordinary user for the time of the check, where the process may.
class AsOrdinaryUser {
  public:
    AsOrdinaryUser() : wasRoot_(geteuid() == 0) {
        if (wasRoot_) {
            dropped_ = setegid(65534) == 0 && seteuid(65534) == 0;
        }
    }
    ~AsOrdinaryUser() {
        if (wasRoot_) {
            (void)seteuid(0);
            (void)setegid(0);
        }
    }
    bool Holds() const { return !wasRoot_ || dropped_; }

  private:
    bool wasRoot_;
    bool dropped_ = false;
};

struct Outcome {
    std::uint32_t difficulty;
    bool quiet;
    int messages;
    int gamesEnded;
    int namesAsked;
    int boxes;
    std::size_t scoresListed;  // what the list of high scores shows at the end
};

// Starts the main window over the file, plays one game to its end (high
// score and all), switches the sound and the difficulty, accepts the
// options, and closes.
Outcome PlayOver(const QString& path) {
    CSettingsFile settings(path);
    TellPlayerAboutSettings(settings);
    settings.Open();
    CScopedSettingsBackend useSettings(&settings);
    CManualClockCounter clock;
    clock.counter = 1000000;
    GameClock::SetCounter(&clock);
    CModalAnswerer answerer;
    answerer.playAgain = false;
    offerTutorial = false;
    GameRandom::Seed(99);
    g_messages = 0;
    const QtMessageHandler previous = qInstallMessageHandler(CountMessage);
    Outcome outcome{};
    {
        CMainFrame frame;
        frame.show();
        QApplication::processEvents();
        CTorvaneView& view = *frame.View();
        outcome.difficulty = view.game->difficulty;
        outcome.quiet = view.game->quiet;
        RobotStyle reckless;
        reckless.reckless = true;
        CViewRobot robot(view, clock, 99, reckless);
        view.OnPausePlay();
        for (int step = 0; step < 20000 && answerer.Answered("CGameOverDlg") == 0; ++step) {
            robot.Step();
        }
        frame.Action(kCmdSoundEffects)->trigger();
        frame.Action(kCmdHard)->trigger();
        frame.Action(kCmdEasy)->trigger();
        view.OnOtherOptions();
        view.ShowHighScores();
        frame.close();
        QApplication::processEvents();
        CHighScoreTable listed;
        listed.LoadHighScores();
        outcome.scoresListed = listed.Count();
    }
    qInstallMessageHandler(previous);
    GameClock::SetCounter(nullptr);
    outcome.messages = g_messages;
    outcome.gamesEnded = answerer.Answered("CGameOverDlg");
    outcome.namesAsked = answerer.Answered("CNewHighScoreDlg");
    outcome.boxes = answerer.Answered("QMessageBox");
    return outcome;
}

class ConfigFile : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        // An ordinary user must be able to reach into the folder.
        chmod(folder.path().toLocal8Bit().constData(), 0755);
        path = folder.filePath(QStringLiteral("Torvane.conf"));
    }
    void TearDown() override { chmod(folder.path().toLocal8Bit().constData(), 0755); }

    QTemporaryDir folder;
    QString path;
};

QByteArray Huge(std::size_t bytes, bool wellFormed) {
    QByteArray text("[Settings]\nDifficulty=3\n");
    std::mt19937 random(5);
    while (static_cast<std::size_t>(text.size()) < bytes) {
        text += wellFormed ? QByteArray("Padding") + QByteArray::number(text.size()) + "=1\n"
                           : QByteArray(1, static_cast<char>(random()));
    }
    return text;
}

TEST_F(ConfigFile, DamagedFilesAreSetAsideWithOneMessageAndDefaultsInUse) {
    const QByteArray good("[Settings]\nDifficulty=3\nQuiet=1\n[Scores]\n000=a|Alpha|12345|86400\n");
    std::mt19937 random(17);
    QByteArray binary(4096, '\0');
    for (char& c : binary) {
        c = static_cast<char>(random());
    }
    const struct {
        const char* what;
        QByteArray contents;
    } cases[] = {
        {"truncated inside a section name", good.left(good.indexOf("[Scores]") + 4)},
        {"truncated inside a name", good.left(good.indexOf("000=") + 2)},
        {"truncated inside a character", QByteArray("[Settings]\nDifficulty=3\n000=Zo\xc3")},
        {"binary", binary},
        {"an executable", QByteArray("\x7f"
                                     "ELF\x02\x01\x01\0\0\0\0",
                                     11) +
                              binary},
        {"huge and well formed", Huge(3 << 20, true)},
        {"huge junk", Huge(3 << 20, false)},
    };
    for (const auto& c : cases) {
        WriteAll(path, c.contents);
        const Outcome outcome = PlayOver(path);
        EXPECT_EQ(outcome.difficulty, 1u) << c.what;
        EXPECT_FALSE(outcome.quiet) << c.what;
        EXPECT_LT(outcome.messages, 5) << c.what;
        EXPECT_EQ(outcome.gamesEnded, 1) << c.what;
        EXPECT_EQ(outcome.namesAsked, 1) << c.what;
        EXPECT_EQ(outcome.boxes, 1) << c.what;
        EXPECT_GE(outcome.scoresListed, 1u) << c.what;
        const QStringList aside = QDir(folder.path()).entryList({"Torvane.conf.damaged-*"});
        ASSERT_EQ(aside.size(), 1) << c.what;
        EXPECT_TRUE(ReadAll(folder.filePath(aside[0])) == c.contents) << c.what;
        QFile::remove(folder.filePath(aside[0]));
    }
}

TEST_F(ConfigFile, ReadOnlyFileIsReadAndLeftAsItWas) {
    const QByteArray good("[Settings]\nDifficulty=3\nQuiet=1\nFirstStartDone=1\n");
    WriteAll(path, good);
    chmod(path.toLocal8Bit().constData(), 0444);
    AsOrdinaryUser user;
    ASSERT_TRUE(user.Holds());
    const Outcome outcome = PlayOver(path);
    EXPECT_EQ(outcome.difficulty, 2u);  // what the file says: Hard
    EXPECT_TRUE(outcome.quiet);
    EXPECT_LT(outcome.messages, 5);
    EXPECT_EQ(outcome.gamesEnded, 1);
    EXPECT_GE(outcome.boxes, 1);  // settings not saved; the score too, once a run
    EXPECT_EQ(outcome.scoresListed, 1u);
    EXPECT_EQ(ReadAll(path), good);
}

TEST_F(ConfigFile, ReadOnlyFolderGivesDefaultsAndNoFile) {
    const QString inside = folder.filePath(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkpath(inside));
    chmod(inside.toLocal8Bit().constData(), 0555);
    const QString file = inside + QStringLiteral("/Torvane.conf");
    {
        AsOrdinaryUser user;
        ASSERT_TRUE(user.Holds());
        const Outcome outcome = PlayOver(file);
        EXPECT_EQ(outcome.difficulty, 1u);
        EXPECT_FALSE(outcome.quiet);
        EXPECT_LT(outcome.messages, 5);
        EXPECT_EQ(outcome.gamesEnded, 1);
        EXPECT_GE(outcome.boxes, 1);
        EXPECT_EQ(outcome.scoresListed, 1u);
    }
    EXPECT_FALSE(QFile::exists(file));
    chmod(inside.toLocal8Bit().constData(), 0755);
}

}  // namespace
