#include "shell/command_rules.h"

#include "shell/command_ids.h"
#include "shell/torvane_view.h"

CommandUi CommandUpdate(int id, const CTorvaneView& view) {
    const CGame& game = *view.game;
    CommandUi ui;
    switch (id) {
        case kCmdPausePlay:
            ui.enabled = !view.inputLocked;
            ui.text =
                game.paused ? QStringLiteral("&Play\tCtrl-P") : QStringLiteral("&Pause\tCtrl-P");
            break;
        case kCmdDropBomb:
            ui.enabled = !view.inputLocked && !game.paused && game.bombs != 0;
            break;
        case kCmdNewGame:
        case kCmdViewHighScores:
            ui.enabled = !view.inputLocked;
            break;
        case kCmdQuitGame:
            ui.enabled = !view.inputLocked && !game.over;
            break;
        case kCmdSoundEffects:
            ui.checked = !game.quiet;
            break;
        case kCmdEasy:
            ui.checked = game.difficulty == 0;
            break;
        case kCmdMedium:
            ui.checked = game.difficulty == 1;
            break;
        case kCmdHard:
            ui.checked = game.difficulty == 2;
            break;
        case kCmdFullScreen:
            ui.checked = view.window()->isFullScreen();
            break;
        case kCmdSeeTutorial:
            ui.text =
                view.tutorial ? QStringLiteral("Quit &tutorial") : QStringLiteral("See &tutorial");
            break;
        default:
            break;
    }
    return ui;
}

int PlayButtonStateFor(const CTorvaneView& view) {
    if (view.game->over) {
        return kPlayButtonOver;
    }
    return view.game->paused ? kPlayButtonPaused : kPlayButtonRunning;
}
