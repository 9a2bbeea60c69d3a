#pragma once
// Command numbers shared by a menu item, its accelerator and its toolbar button.

enum CommandId : int {
    kCmdPausePlay = 1001,
    kCmdDropBomb = 1002,
    kCmdNewGame = 1004,
    kCmdQuitGame = 1005,
    kCmdPauseAndHide = 1024,
    kCmdViewHighScores = 32779,
    kCmdSoundEffects = 32782,
    kCmdSeeTutorial = 32783,
    kCmdOtherOptions = 32788,
    kCmdEasy = 32790,
    kCmdMedium = 32791,
    kCmdHard = 32792,
    kCmdHelpContents = 32795,
    kCmdFullScreen = 32800,
    kCmdAccessibility = 32801,
    kCmdWatchLastGame = 32820,
    kCmdWatchReplay = 32821,
    kCmdStatistics = 32822,
    kCmdPlayGameNumber = 32830,
    kCmdCopyGameNumber = 32831,
    kCmdDailyGame = 32832,
    kCmdAbout = 57664,
    kCmdExit = 57665,
};

// What the first toolbar button shows: the command the button would run next.
enum PlayButtonState : int {
    kPlayButtonNone = -1,
    kPlayButtonRunning = 1001,
    kPlayButtonPaused = 1003,
    kPlayButtonOver = 1004,
};
