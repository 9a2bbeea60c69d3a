// Every command's update rule in each state of the game, and what the
// commands do: the same rule and handler serve menu, accelerator and toolbar.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "shell/command_ids.h"
#include "shell/main_toolbar.h"
#include "view_fixture.h"

namespace {

class CommandsTest : public FrameFixture {
  protected:
    void SetUp() override {
        FrameFixture::SetUp();
        MakeFrame();
    }

    // The commands as a player sees them once the rules have run.
    bool Enabled(int id) {
        frame->UpdateCommands();
        return Action(id)->isEnabled();
    }
    QString Text(int id) {
        frame->UpdateCommands();
        return Action(id)->text();
    }
    bool Checked(int id) {
        frame->UpdateCommands();
        return Action(id)->isChecked();
    }
    int PlayButton() {
        frame->UpdateCommands();
        return frame->ToolBar()->playButtonState;
    }

    void Run() { View().OnPausePlay(); }
};

TEST_F(CommandsTest, NewGameWaitsForPlay) {
    EXPECT_TRUE(Enabled(kCmdPausePlay));
    EXPECT_EQ(Text(kCmdPausePlay), "&Play\tCtrl-P");
    EXPECT_EQ(PlayButton(), kPlayButtonPaused);
    EXPECT_FALSE(Enabled(kCmdDropBomb));
    EXPECT_TRUE(Enabled(kCmdNewGame));
    EXPECT_TRUE(Enabled(kCmdViewHighScores));
    EXPECT_TRUE(Enabled(kCmdQuitGame));
    EXPECT_TRUE(Enabled(kCmdPauseAndHide));
    EXPECT_TRUE(Enabled(kCmdOtherOptions));
    EXPECT_TRUE(Enabled(kCmdHelpContents));
    EXPECT_TRUE(Enabled(kCmdAbout));
    EXPECT_EQ(Text(kCmdSeeTutorial), "See &tutorial");
}

TEST_F(CommandsTest, RunningGameOffersPauseAndItsBomb) {
    Run();
    EXPECT_FALSE(Game().paused);
    EXPECT_EQ(Text(kCmdPausePlay), "&Pause\tCtrl-P");
    EXPECT_EQ(PlayButton(), kPlayButtonRunning);
    EXPECT_TRUE(Enabled(kCmdDropBomb));
    EXPECT_TRUE(Enabled(kCmdQuitGame));

    View().OnDropBomb();
    EXPECT_EQ(Game().bombs, 0);
    EXPECT_FALSE(Enabled(kCmdDropBomb));
}

TEST_F(CommandsTest, PausedGameOffersPlayAgain) {
    Run();
    Run();
    EXPECT_TRUE(Game().paused);
    EXPECT_TRUE(Game().started);
    EXPECT_EQ(Text(kCmdPausePlay), "&Play\tCtrl-P");
    EXPECT_EQ(PlayButton(), kPlayButtonPaused);
    EXPECT_FALSE(Enabled(kCmdDropBomb));
    View().OnDropBomb();
    EXPECT_EQ(Game().bombs, 1);
}

TEST_F(CommandsTest, QuitGameEndsTheGameAndGreysItself) {
    Run();
    View().OnQuitGame();
    EXPECT_TRUE(Game().over);
    EXPECT_FALSE(Enabled(kCmdQuitGame));
    EXPECT_FALSE(Enabled(kCmdDropBomb));
    EXPECT_TRUE(Enabled(kCmdPausePlay));
    EXPECT_EQ(PlayButton(), kPlayButtonOver);
    // The timer leaves a quit game alone: no end-of-game flow follows.
    View().OnTimer();
    EXPECT_FALSE(View().gameOverHandled);
}

TEST_F(CommandsTest, PlayOnAFinishedGameStartsANewGameThatRunsAtOnce) {
    Run();
    View().OnQuitGame();
    const CGame* finished = &Game();
    Run();
    EXPECT_NE(&Game(), finished);
    EXPECT_FALSE(Game().over);
    EXPECT_FALSE(Game().paused);
    EXPECT_EQ(PlayButton(), kPlayButtonRunning);
}

TEST_F(CommandsTest, NewGameLeavesTheNewGameWaiting) {
    Run();
    View().dragging = true;
    const CGame* old = &Game();
    View().OnNewGame();
    EXPECT_NE(&Game(), old);
    EXPECT_TRUE(Game().paused);
    EXPECT_FALSE(Game().started);
    EXPECT_FALSE(View().dragging);
    EXPECT_EQ(PlayButton(), kPlayButtonPaused);
}

TEST_F(CommandsTest, LockedInputGreysAndIgnoresTheGameCommands) {
    Run();
    View().inputLocked = true;
    for (const int id :
         {kCmdPausePlay, kCmdDropBomb, kCmdNewGame, kCmdViewHighScores, kCmdQuitGame}) {
        EXPECT_FALSE(Enabled(id)) << id;
    }
    for (const int id : {kCmdSoundEffects, kCmdEasy, kCmdMedium, kCmdHard, kCmdOtherOptions,
                         kCmdPauseAndHide, kCmdHelpContents, kCmdSeeTutorial, kCmdAbout}) {
        EXPECT_TRUE(Enabled(id)) << id;
    }
    const CGame* game = &Game();
    View().OnPausePlay();
    View().OnDropBomb();
    View().OnQuitGame();
    View().OnNewGame();
    EXPECT_EQ(&Game(), game);
    EXPECT_FALSE(Game().paused);
    EXPECT_FALSE(Game().over);
    EXPECT_EQ(Game().bombs, 1);
}

TEST_F(CommandsTest, DifficultyChangesTheRunningGameAndIsStoredPlusOne) {
    EXPECT_TRUE(Checked(kCmdMedium));
    EXPECT_FALSE(Checked(kCmdEasy));
    Run();
    const struct {
        int id;
        std::uint32_t stored;
        double speed;
    } levels[] = {
        {kCmdEasy, 1, kEasySpeed}, {kCmdHard, 3, kHardSpeed}, {kCmdMedium, 2, kMediumSpeed}};
    for (const auto& level : levels) {
        Action(level.id)->trigger();
        EXPECT_EQ(Game().fallSpeed, level.speed);
        EXPECT_EQ(Stored("Difficulty"), level.stored);
        for (const int id : {kCmdEasy, kCmdMedium, kCmdHard}) {
            EXPECT_EQ(Checked(id), id == level.id);
        }
    }
}

TEST_F(CommandsTest, StoredDifficultyBeyondHardMarksNoEntry) {
    WriteSettingDword(kSettingsKey, "Difficulty", 7);
    View().OnNewGame();
    EXPECT_EQ(Game().fallSpeed, kMediumSpeed);
    EXPECT_FALSE(Checked(kCmdEasy));
    EXPECT_FALSE(Checked(kCmdMedium));
    EXPECT_FALSE(Checked(kCmdHard));
}

TEST_F(CommandsTest, SoundEffectsTogglesTheGameAndStoresQuiet) {
    EXPECT_TRUE(Checked(kCmdSoundEffects));
    Action(kCmdSoundEffects)->trigger();
    EXPECT_TRUE(Game().IsQuiet());
    EXPECT_EQ(Stored("Quiet"), 1u);
    EXPECT_FALSE(Checked(kCmdSoundEffects));
    Action(kCmdSoundEffects)->trigger();
    EXPECT_FALSE(Game().IsQuiet());
    EXPECT_EQ(Stored("Quiet"), 0u);
    EXPECT_TRUE(Checked(kCmdSoundEffects));
}

TEST_F(CommandsTest, WithoutASettingsKeySoundEffectsChangesOnlyTheRunningGame) {
    settings.RemoveKey(kSettingsKey);
    Action(kCmdSoundEffects)->trigger();
    EXPECT_TRUE(Game().IsQuiet());
    View().OnNewGame();
    EXPECT_FALSE(Game().IsQuiet());
}

TEST_F(CommandsTest, PauseAndHidePausesAndMinimises) {
    Run();
    Action(kCmdPauseAndHide)->trigger();
    EXPECT_TRUE(Game().paused);
    EXPECT_TRUE(frame->windowState() & Qt::WindowMinimized);
}

TEST_F(CommandsTest, MenusCarryTheirItemsAccessKeysAndAccelerators) {
    const QList<QAction*> menus = frame->menuBar()->actions();
    ASSERT_EQ(menus.size(), 3);
    EXPECT_EQ(menus[0]->text(), "&Game");
    EXPECT_EQ(menus[1]->text(), "&Options");
    EXPECT_EQ(menus[2]->text(), "&Help");
    QStringList game;
    for (QAction* item : menus[0]->menu()->actions()) {
        game << (item->isSeparator() ? QStringLiteral("-") : item->text());
    }
    EXPECT_EQ(game, (QStringList{"&Play\tCtrl-P", "Drop &bomb\tCtrl+B", "-", "View hi&gh scores",
                                 "-", "&Quit game\tCtrl+Q", "&New game\tCtrl+N"}));
    QStringList options;
    for (QAction* item : menus[1]->menu()->actions()) {
        options << (item->isSeparator() ? QStringLiteral("-") : item->text());
    }
    EXPECT_EQ(options, (QStringList{"Easy", "Medium", "Hard", "-", "Sound &effects\tCtrl+E", "-",
                                    "Other options ..."}));
    QStringList help;
    for (QAction* item : menus[2]->menu()->actions()) {
        help << (item->isSeparator() ? QStringLiteral("-") : item->text());
    }
    EXPECT_EQ(help, (QStringList{"&Contents", "See &tutorial", "-", "&About Torvane"}));

    EXPECT_EQ(Action(kCmdPausePlay)->shortcuts(),
              (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+P")),
                                   QKeySequence(QStringLiteral("Ctrl+R"))}));
    EXPECT_EQ(Action(kCmdDropBomb)->shortcut(), QKeySequence(QStringLiteral("Ctrl+B")));
    EXPECT_EQ(Action(kCmdSoundEffects)->shortcut(), QKeySequence(QStringLiteral("Ctrl+E")));
    EXPECT_EQ(Action(kCmdNewGame)->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    EXPECT_EQ(Action(kCmdQuitGame)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
}

TEST_F(CommandsTest, ToolbarHoldsPlayPauseAndHideAndDropBombWithTheirPrompts) {
    const QList<QAction*> items = frame->ToolBar()->actions();
    ASSERT_EQ(items.size(), 5);
    EXPECT_EQ(items[0], Action(kCmdPausePlay));
    EXPECT_TRUE(items[1]->isSeparator());
    EXPECT_EQ(items[2], Action(kCmdPauseAndHide));
    EXPECT_TRUE(items[3]->isSeparator());
    EXPECT_EQ(items[4], Action(kCmdDropBomb));
    EXPECT_EQ(Action(kCmdPausePlay)->toolTip(), "Pause/Play");
    EXPECT_EQ(Action(kCmdPausePlay)->statusTip(), "Pause/Play");
    EXPECT_EQ(Action(kCmdPauseAndHide)->toolTip(), "Pause and hide game");
    EXPECT_EQ(Action(kCmdDropBomb)->statusTip(), "Drop bomb");
    EXPECT_EQ(Action(kCmdQuitGame)->statusTip(), "Quit game");
    EXPECT_EQ(frame->ToolBar()->orientation(), Qt::Vertical);
    EXPECT_EQ(frame->toolBarArea(frame->ToolBar()), Qt::LeftToolBarArea);
}

TEST_F(CommandsTest, StatusBarSaysReadyAndDimsLockKeysThePlatformCannotReport) {
    QStringList texts;
    for (QLabel* label : frame->statusBar()->findChildren<QLabel*>()) {
        texts << label->text();
        if (label->text() == "CAP" || label->text() == "NUM" || label->text() == "SCRL") {
            EXPECT_FALSE(label->isEnabled());  // the offscreen platform tells nothing
        }
    }
    EXPECT_TRUE(texts.contains("Ready"));
    for (const char* indicator : {"CAP", "NUM", "SCRL"}) {
        EXPECT_TRUE(texts.contains(indicator)) << indicator;
    }
}

TEST_F(CommandsTest, FrameHasAFixedSizeAndTheGameTitle) {
    EXPECT_EQ(frame->windowTitle(), "Torvane");
    EXPECT_EQ(frame->minimumSize(), QSize(768, 738));
    EXPECT_EQ(frame->maximumSize(), QSize(768, 738));
    EXPECT_FALSE(frame->windowFlags() & Qt::WindowMaximizeButtonHint);
}

}  // namespace
