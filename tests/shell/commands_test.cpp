// Every command's update rule in each state of the game, and what the
// commands do: the same rule and handler serve menu, accelerator and toolbar.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "shell/command_ids.h"
#include "shell/main_toolbar.h"
#include "view_fixture.h"

namespace {

const QString kPlay = QStringLiteral("&Play\tCtrl-P");
const QString kPause = QStringLiteral("&Pause\tCtrl-P");

class CommandsTest : public FrameFixture {
  protected:
    void SetUp() override {
        FrameFixture::SetUp();
        MakeFrame();
    }

    void Run() { View().OnPausePlay(); }

    bool Checked(int id) {
        frame->UpdateCommands();
        return Action(id)->isChecked();
    }

    // After the rules have run: the greyed commands, by their short names in
    // this order, the Play/Pause text and the toolbar picture.
    void ExpectCommands(const QString& greyed, const QString& playText, int playButton) {
        frame->UpdateCommands();
        const int ids[] = {kCmdPausePlay,   kCmdDropBomb,     kCmdNewGame,      kCmdViewHighScores,
                           kCmdQuitGame,    kCmdSoundEffects, kCmdEasy,         kCmdMedium,
                           kCmdHard,        kCmdOtherOptions, kCmdPauseAndHide, kCmdHelpContents,
                           kCmdSeeTutorial, kCmdAbout};
        const QStringList names = QStringLiteral(
                                      "play bomb new scores quit sound easy medium hard options "
                                      "hide help tutorial about")
                                      .split(' ');
        QStringList greyedNow;
        for (std::size_t i = 0; i < std::size(ids); ++i) {
            if (!Action(ids[i])->isEnabled()) {
                greyedNow << names[static_cast<int>(i)];
            }
        }
        EXPECT_EQ(greyedNow.join(' '), greyed);
        EXPECT_EQ(Action(kCmdPausePlay)->text(), playText);
        EXPECT_EQ(frame->ToolBar()->playButtonState, playButton);
    }
};

TEST_F(CommandsTest, UpdateRulesFollowTheGameFromNewThroughRunningAndPausedToOverAndANewGame) {
    ExpectCommands("bomb", kPlay, kPlayButtonPaused);
    Run();
    ExpectCommands("", kPause, kPlayButtonRunning);
    Run();
    EXPECT_TRUE(Game().paused);
    ExpectCommands("bomb", kPlay, kPlayButtonPaused);
    View().OnDropBomb();
    EXPECT_EQ(Game().bombs, 1);
    Run();
    View().OnDropBomb();  // the only bomb
    EXPECT_EQ(Game().bombs, 0);
    ExpectCommands("bomb", kPause, kPlayButtonRunning);
    // Quit game ends the game and greys itself.
    View().OnQuitGame();
    EXPECT_TRUE(Game().over);
    ExpectCommands("bomb quit", kPlay, kPlayButtonOver);
    // The timer leaves a quit game alone: no end-of-game flow follows.
    View().OnTimer();
    EXPECT_FALSE(View().gameOverHandled);

    // Play on a finished game starts a new one that runs at once ...
    const CGame* finished = &Game();
    Run();
    EXPECT_NE(&Game(), finished);
    ExpectCommands("", kPause, kPlayButtonRunning);
    // ... while New game leaves the new one waiting, and ends any drag.
    View().dragging = true;
    const CGame* running = &Game();
    View().OnNewGame();
    EXPECT_NE(&Game(), running);
    EXPECT_FALSE(Game().started);
    EXPECT_FALSE(View().dragging);
    ExpectCommands("bomb", kPlay, kPlayButtonPaused);
}

TEST_F(CommandsTest, LockedInputGreysAndIgnoresTheGameCommands) {
    Run();
    View().inputLocked = true;
    ExpectCommands("play bomb new scores quit", kPause, kPlayButtonRunning);
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
    // A stored level beyond Hard plays at Medium's pace and marks no entry.
    WriteSettingDword(kSettingsKey, "Difficulty", 7);
    View().OnNewGame();
    EXPECT_EQ(Game().fallSpeed, kMediumSpeed);
    for (const int id : {kCmdEasy, kCmdMedium, kCmdHard}) {
        EXPECT_FALSE(Checked(id));
    }
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
    // Where nothing can be stored, the running game still follows the switch.
    settings.RemoveKey(kSettingsKey);
    Action(kCmdSoundEffects)->trigger();
    EXPECT_TRUE(Game().IsQuiet());
}

TEST_F(CommandsTest, PauseAndHidePausesAndMinimises) {
    Run();
    Action(kCmdPauseAndHide)->trigger();
    EXPECT_TRUE(Game().paused);
    EXPECT_TRUE(frame->windowState() & Qt::WindowMinimized);
}

TEST_F(CommandsTest, FrameCarriesItsMenusToolbarAndStatusBar) {
    // Title and base size: smoke_test.sh checks them on a real window.
    // Each menu item with its accelerators after "=".
    QStringList items;
    for (QAction* menu : frame->menuBar()->actions()) {
        items << menu->text() + ":";
        for (QAction* item : menu->menu()->actions()) {
            QString text = item->isSeparator() ? QStringLiteral("-") : item->text();
            for (const QKeySequence& key : item->shortcuts()) {
                text += " =" + key.toString();
            }
            items << text;
        }
    }
    EXPECT_EQ(items.join(" | "),
              "&Game: | &Play\tCtrl-P =Ctrl+P =Ctrl+R | Drop &bomb\tCtrl+B =Ctrl+B | - | "
              "View hi&gh scores | &Watch last game | Watch a &replay ... | - | &Quit game\tCtrl+Q "
              "=Ctrl+Q | &New game\tCtrl+N =Ctrl+N | "
              "&Options: | Easy | Medium | Hard | - | Sound &effects\tCtrl+E =Ctrl+E | - | "
              "Other options ... | &Accessibility ... | - | &Full screen\tF11 =F11 | &Help: | "
              "&Contents | See &tutorial | - | &About Torvane");

    QStringList tools;
    for (QAction* tool : frame->ToolBar()->actions()) {
        tools << (tool->isSeparator() ? QStringLiteral("-") : tool->toolTip());
    }
    EXPECT_EQ(tools.join(" | "), "Pause/Play | - | Pause and hide game | - | Drop bomb");
    EXPECT_EQ(frame->ToolBar()->actions().first(), Action(kCmdPausePlay));
    EXPECT_EQ(Action(kCmdDropBomb)->statusTip(), "Drop bomb");
    EXPECT_EQ(frame->ToolBar()->orientation(), Qt::Vertical);
    EXPECT_EQ(frame->toolBarArea(frame->ToolBar()), Qt::LeftToolBarArea);

    QStringList texts;
    for (QLabel* label : frame->statusBar()->findChildren<QLabel*>()) {
        texts << label->text();
    }
    EXPECT_TRUE(texts.contains("Ready"));
    for (const char* lamp : {"CAP", "NUM", "SCRL"}) {
        const QLabel* label = frame->statusBar()->findChild<QLabel*>(QString::fromLatin1(lamp));
        ASSERT_NE(label, nullptr) << lamp;
        EXPECT_FALSE(label->isEnabled()) << lamp;  // the offscreen platform tells nothing
    }
}

}  // namespace
