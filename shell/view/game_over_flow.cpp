#include "shell/view/game_over_flow.h"

#include "scores/ui/score_flow.h"
#include "shell/view/replay_flow.h"
#include "shell/view/torvane_view.h"

void CGameOverFlow::Check() {
    if (!view_.Game().over || handled_) {
        return;
    }
    handled_ = true;
    // The "Game Over" banner must be on screen behind the questions.
    view_.RepaintNow();
    const bool again = AskPlayAgain(&view_);
    OfferHighScore();
    if (again) {
        view_.StartNewGame();
    }
}

void CGameOverFlow::OfferHighScore() {
    // The game is over: its replay is complete, and kept with its entry.
    view_.FinishRecording();
    OfferHighScoreFor(&view_, view_.Game().score,
                      view_.Replays().ForScores(view_.Recording().Replay()));
}

void CGameOverFlow::ShowHighScores() {
    if (view_.InputLocked()) {
        return;
    }
    ShowHighScoreList(&view_, view_.Replays().ForScores({}));
}
