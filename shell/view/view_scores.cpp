// The end of a game and the high-score table, as the view runs them.
#include "scores/ui/score_flow.h"
#include "shell/view/torvane_view.h"

void CTorvaneView::CheckGameOver() {
    if (!game->over || gameOverHandled) {
        return;
    }
    gameOverHandled = true;
    // The "Game Over" banner must be on screen behind the questions.
    RepaintNow();
    const bool again = AskPlayAgain(this);
    OfferHighScore();
    if (again) {
        StartNewGame();
    }
}

void CTorvaneView::OfferHighScore() {
    // The game is over: its replay is complete, and kept with its entry.
    FinishRecording();
    OfferHighScoreFor(this, game->score, ReplaysFor(replay_.value_or(std::string())));
}

void CTorvaneView::ShowHighScores() {
    if (inputLocked) {
        return;
    }
    ShowHighScoreList(this, ReplaysFor({}));
}
