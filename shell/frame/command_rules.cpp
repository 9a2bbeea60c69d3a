#include "shell/frame/command_rules.h"

#include <QCoreApplication>

#include "shell/frame/command_ids.h"
#include "shell/view/replay_flow.h"
#include "shell/view/torvane_view.h"
#include "shell/view/tutorial_flow.h"

CommandUi CommandUpdate(int id, const CTorvaneView& view) {
    const CGame& game = view.Game();
    const CReplayFlow& replays = view.Replays();
    // A replay locks the game's input, but Pause/Play and New game act on
    // the playback.
    const bool watching = replays.Watching();
    const bool paused = watching ? replays.Paused() : game.paused;
    const bool locked = view.InputLocked();
    CommandUi ui;
    switch (id) {
        case kCmdPausePlay:
            ui.enabled = !locked || watching;
            // The menu's own texts, beside those it was built with.
            ui.text = paused ? QCoreApplication::translate("CMainFrame", "&Play\tCtrl-P")
                             : QCoreApplication::translate("CMainFrame", "&Pause\tCtrl-P");
            break;
        case kCmdDropBomb:
            ui.enabled = !locked && !game.paused && game.bombs != 0;
            break;
        case kCmdNewGame:
        case kCmdWatchReplay:
            ui.enabled = !locked || watching;
            break;
        case kCmdWatchLastGame:
            ui.enabled = (!locked || watching) && replays.HasLastGame();
            break;
        case kCmdViewHighScores:
            ui.enabled = !locked;
            break;
        case kCmdQuitGame:
            ui.enabled = !locked && !game.over;
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
            ui.text = view.Tutorial().Running()
                          ? QCoreApplication::translate("CMainFrame", "Quit &tutorial")
                          : QCoreApplication::translate("CMainFrame", "See &tutorial");
            break;
        default:
            break;
    }
    return ui;
}

int PlayButtonStateFor(const CTorvaneView& view) {
    if (view.Replays().Watching()) {
        return view.Replays().Paused() ? kPlayButtonPaused : kPlayButtonRunning;
    }
    if (view.Game().over) {
        return kPlayButtonOver;
    }
    return view.Game().paused ? kPlayButtonPaused : kPlayButtonRunning;
}
