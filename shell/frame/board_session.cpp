#include "shell/frame/board_session.h"

#include "game/settings_store.h"
#include "shell/model/board_model.h"
#include "shell/view/game_over_flow.h"
#include "shell/view/kept_game.h"
#include "shell/view/options_flow.h"
#include "shell/view/pause_when_inactive.h"
#include "shell/view/replay_flow.h"
#include "shell/view/torvane_view.h"
#include "shell/view/tutorial_flow.h"

CBoardSession::CBoardSession(QWidget* window)
    : model_(std::make_unique<CBoardModel>()), view_(new CTorvaneView(*model_, window)) {
    connect(
        model_.get(), &CBoardModel::RecordingFinished, this,
        [this](std::uint32_t, const std::string& replay, bool) { replays_.KeepLastGame(replay); });
    watching_ = std::make_unique<CReplayFlow>(*model_, replays_, view_);
    tutorial_ = std::make_unique<CTutorialFlow>(*model_, *view_);
    gameOver_ = std::make_unique<CGameOverFlow>(*model_, replays_, *view_);
    options_ = std::make_unique<COptionsFlow>(*model_, *view_);
    pausing_ = std::make_unique<CPauseWhenInactive>(*model_, view_);
    kept_ = std::make_unique<CGameKeeper>(*model_, view_);

    connect(gameOver_.get(), &CGameOverFlow::WatchRequested, watching_.get(),
            &CReplayFlow::WatchFile);
    connect(gameOver_.get(), &CGameOverFlow::StatisticsRequested, this,
            &CBoardSession::StatisticsRequested);
    connect(options_.get(), &COptionsFlow::PauseWhenInactiveSet, this,
            [this](bool on) { pausing_->Set(on); });
}

CBoardSession::~CBoardSession() {
    // The flows go first, while the board is still there; then the view,
    // and the model last, whose last recording the replay keeper takes.
    kept_.reset();
    pausing_.reset();
    options_.reset();
    gameOver_.reset();
    tutorial_.reset();
    watching_.reset();
    delete view_;
    model_.reset();
}

void CBoardSession::WatchReplayFile(const QString& path) {
    watching_->WatchFile(path);
}

void CBoardSession::OnSoundEffects() {
    model_->SetQuiet(!model_->Game().IsQuiet());
    WriteSettingDword(kSettingsKey, "Quiet", model_->Game().IsQuiet() ? 1u : 0u);
}

void CBoardSession::OnDifficulty(std::uint32_t difficulty) {
    if (model_->SetDifficulty(difficulty)) {
        WriteSettingDword(kSettingsKey, "Difficulty", difficulty + 1);
    }
}

void CBoardSession::OnPauseAndHide() {
    model_->SetPlaybackPaused(true);
    CGame& game = model_->Game();
    if (!game.paused && !model_->TutorialRunning() && !model_->Watching()) {
        game.Pause();
        model_->Changed();
    }
    view_->window()->showMinimized();
}
