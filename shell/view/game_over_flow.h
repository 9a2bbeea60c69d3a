#pragma once
// The end of a game and the high-score table, as the view runs them: once
// per game, the "Game Over" banner on screen, the question whether to play
// again, then the offer of a place in the table with the game's replay.

class CTorvaneView;

class CGameOverFlow {
  public:
    explicit CGameOverFlow(CTorvaneView& view) : view_(view) {}

    // After every change of the game: a game that has just ended asks its
    // questions, once.
    void Check();
    // A new game on the board: its end will ask again.
    void Reset() { handled_ = false; }
    // The game on the board ends without a question (a replay's).
    void Skip() { handled_ = true; }

    // The game is over: its score is offered for the table, with its replay.
    void OfferHighScore();
    // The command: the table, whose entries' games can be watched.
    void ShowHighScores();

  private:
    CTorvaneView& view_;
    bool handled_ = false;
};
