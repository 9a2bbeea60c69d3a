#include "shell/view/game_over_flow.h"

#include <QTimer>
#include <algorithm>
#include <string_view>

#include "shell/model/board_model.h"
#include "shell/view/replay_keeper.h"
#include "shell/view/torvane_view.h"

namespace {

// The date a replay's header claims for its daily game; empty in any other.
// The history proves the claim when it plays the replay.
QString DailyClaimed(const std::string& replay) {
    static constexpr std::string_view kLabel = "# Daily: ";
    std::string_view rest = replay;
    while (rest.starts_with('#')) {
        const std::string_view line = rest.substr(0, rest.find('\n'));
        if (line.starts_with(kLabel)) {
            const std::string_view date = line.substr(kLabel.size());
            return QString::fromLatin1(date.data(), static_cast<qsizetype>(date.size()));
        }
        rest.remove_prefix(std::min(rest.size(), line.size() + 1));
    }
    return {};
}

}  // namespace

CGameOverFlow::CGameOverFlow(CBoardModel& model, CReplayKeeper& replays, CTorvaneView& view)
    : model_(model), replays_(replays), view_(view) {
    connect(&model_, &CBoardModel::RecordedGameEnded, this, &CGameOverFlow::OnGameEnded);
    // Quit game asks nothing; a daily game quit has made its date's result
    // or practice all the same, and the player is told which.
    connect(&model_, &CBoardModel::RecordedGameQuit, this,
            [this](std::uint32_t score, const std::string& replay) {
                if (const QString daily = DailyClaimed(replay); !daily.isEmpty()) {
                    emit DailyGameEnded(daily, score, replay);
                }
            });
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
    if (const QString daily = DailyClaimed(replay); !daily.isEmpty()) {
        emit DailyGameEnded(daily, score, replay);
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
