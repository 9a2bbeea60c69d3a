// The end of a game and the high-score table, as the view runs them.
#include "shell/torvane_view.h"

void CTorvaneView::CheckGameOver() {
    if (!game->over || gameOverHandled) {
        return;
    }
    gameOverHandled = true;
    RepaintNow();
}

void CTorvaneView::OfferHighScore() {}

void CTorvaneView::ShowHighScores() {}
