#include "shell/frame/command_rules.h"

#include "shell/frame/command_ids.h"
#include "shell/view/torvane_view.h"

CommandUi CommandUpdate(int id, const CTorvaneView& view) {
    const CGame& game = *view.game;
    // A replay locks the game's input, but Pause/Play and New game act on
    // the playback.
    const bool watching = view.Watching();
    const bool paused = watching ? view.WatchPaused() : game.paused;
    CommandUi ui;
    switch (id) {
        case kCmdPausePlay:
            ui.enabled = !view.inputLocked || watching;
            ui.text = paused ? QStringLiteral("&Play\tCtrl-P") : QStringLiteral("&Pause\tCtrl-P");
            break;
        case kCmdDropBomb:
            ui.enabled = !view.inputLocked && !game.paused && game.bombs != 0;
            break;
        case kCmdNewGame:
        case kCmdWatchReplay:
            ui.enabled = !view.inputLocked || watching;
            break;
        case kCmdWatchLastGame:
            ui.enabled = (!view.inputLocked || watching) && view.HasLastGame();
            break;
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
        case kCmdMedium:
        case kCmdHard:
            ui.checked = game.difficulty == static_cast<std::uint32_t>(id - kCmdEasy);
            ui.enabled = !watching;
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
    if (view.Watching()) {
        return view.WatchPaused() ? kPlayButtonPaused : kPlayButtonRunning;
    }
    if (view.game->over) {
        return kPlayButtonOver;
    }
    return view.game->paused ? kPlayButtonPaused : kPlayButtonRunning;
}
