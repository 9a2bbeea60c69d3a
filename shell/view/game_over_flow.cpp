#include "shell/view/game_over_flow.h"

#include <QTimer>

#include "shell/model/board_model.h"
#include "shell/view/replay_keeper.h"
#include "shell/view/torvane_view.h"

CGameOverFlow::CGameOverFlow(CBoardModel& model, CReplayKeeper& replays, CTorvaneView& view)
    : model_(model), replays_(replays), view_(view) {
    connect(&model_, &CBoardModel::RecordedGameEnded, this, &CGameOverFlow::OnGameEnded);
}

void CGameOverFlow::OnGameEnded(std::uint32_t score, const std::string& replay, bool askAgain) {
    bool again = false;
    if (askAgain) {
        // The "Game Over" banner must be on screen behind the questions.
        view_.RepaintNow();
        again = AskPlayAgain(&view_);
    }
    const ScoreReplays replays = ForScores(replay);
    const bool entered = EnterHighScore(&view_, score, replays);
    model_.ScoreAnswered();
    if (entered) {
        ShowHighScoreList(&view_, replays);
    }
    if (again) {
        model_.StartGame();
    }
}

ScoreReplays CGameOverFlow::ForScores(const std::string& replay) {
    CReplayShelf& shelf = replays_.Shelf();
    ScoreReplays replays;
    replays.has = [&shelf](const std::vector<HighScoreEntry>& table, std::size_t row) {
        return shelf.Has(shelf.EntryPath(table, row));
    };
    replays.watch = [this, &shelf](const std::vector<HighScoreEntry>& table, std::size_t row) {
        // After the dialogs that led here have closed and this flow is done.
        const QString path = shelf.EntryPath(table, row);
        QTimer::singleShot(0, this, [this, path] { emit WatchRequested(path); });
    };
    replays.made = [&shelf, replay](const ScoreCommit& commit) { shelf.EntryMade(commit, replay); };
    replays.statistics = [this] {
        QTimer::singleShot(0, this, [this] { emit StatisticsRequested(); });
    };
    return replays;
}

void CGameOverFlow::ShowHighScores() {
    if (model_.InputLocked()) {
        return;
    }
    ShowHighScoreList(&view_, ForScores({}));
}
