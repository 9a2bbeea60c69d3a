#pragma once
// The end of a game and the high-score table: when the board model says a
// recorded game has ended, the "Game Over" banner on screen, the question
// whether to play again (when it ended in play), then the offer of a place
// in the table with the game's replay.

#include <QObject>
#include <QString>
#include <cstdint>
#include <string>

#include "scores/ui/score_flow.h"

class CBoardModel;
class CReplayKeeper;
class CTorvaneView;

class CGameOverFlow : public QObject {
    Q_OBJECT

  public:
    CGameOverFlow(CBoardModel& model, CReplayKeeper& replays, CTorvaneView& view);

    // The command: the table, whose entries' games can be watched.
    void ShowHighScores();

  signals:
    // The player asked to watch the game of a table's entry; the dialogs that
    // led here have closed.
    void WatchRequested(const QString& path);
    // The table's "Statistics"; the dialogs have closed.
    void StatisticsRequested();
    // The questions at the end of the daily game of `date` (YYYY-MM-DD) are
    // answered, or it was quit.
    void DailyGameEnded(const QString& date, std::uint32_t score, const std::string& replay);

  private:
    void OnGameEnded(std::uint32_t score, const std::string& replay, bool askAgain);
    // What the score dialogs may do with the entries' games; `replay` is the
    // game just offered for the table.
    ScoreReplays ForScores(const std::string& replay);

    CBoardModel& model_;
    CReplayKeeper& replays_;
    CTorvaneView& view_;
};
