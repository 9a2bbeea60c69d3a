#include "shell/frame/command_rules.h"

#include <QCoreApplication>

#include "shell/frame/command_ids.h"
#include "shell/model/board_model.h"

CommandUi CommandUpdate(int id, const BoardState& board, bool hasLastGame, bool fullScreen) {
    // A replay locks the game's input, but Pause/Play and New game act on
    // the playback.
    const bool watching = board.watching;
    const bool paused = board.paused;
    const bool locked = board.locked;
    CommandUi ui;
    switch (id) {
        case kCmdPausePlay:
            ui.enabled = !locked || watching;
            // The menu's own texts, beside those it was built with.
            ui.text = paused ? QCoreApplication::translate("CMainFrame", "&Play\tCtrl-P")
                             : QCoreApplication::translate("CMainFrame", "&Pause\tCtrl-P");
            break;
        case kCmdDropBomb:
            ui.enabled = !locked && !board.gamePaused && board.hasBombs;
            break;
        case kCmdNewGame:
        case kCmdWatchReplay:
            ui.enabled = !locked || watching;
            break;
        case kCmdPlayGameNumber:
        case kCmdDailyGame:
            ui.enabled = (!locked || watching) && !board.tutorial;
            break;
        case kCmdCopyGameNumber:
            ui.enabled = board.number != 0;
            break;
        case kCmdWatchLastGame:
            ui.enabled = (!locked || watching) && hasLastGame;
            break;
        case kCmdViewHighScores:
            ui.enabled = !locked;
            break;
        case kCmdQuitGame:
            ui.enabled = !locked && !board.over;
            break;
        case kCmdSoundEffects:
            ui.checked = !board.quiet;
            break;
        case kCmdEasy:
        case kCmdMedium:
        case kCmdHard:
            ui.checked = board.difficulty == static_cast<std::uint32_t>(id - kCmdEasy);
            ui.enabled = !watching && !board.daily;
            // Everyone plays the same day's game, at the same difficulty.
            ui.tip = board.daily ? QCoreApplication::translate(
                                       "CMainFrame", "The daily game is played at Medium.")
                                 : QString();
            break;
        case kCmdFullScreen:
            ui.checked = fullScreen;
            break;
        case kCmdSeeTutorial:
            ui.text = board.tutorial ? QCoreApplication::translate("CMainFrame", "Quit &tutorial")
                                     : QCoreApplication::translate("CMainFrame", "See &tutorial");
            break;
        default:
            break;
    }
    return ui;
}

int PlayButtonStateFor(const BoardState& board) {
    if (!board.watching && board.over) {
        return kPlayButtonOver;
    }
    return board.paused ? kPlayButtonPaused : kPlayButtonRunning;
}
