#include "shell/model/board_model.h"

#include <QCoreApplication>
#include <algorithm>

#include "game/game_clock.h"
#include "game/game_random.h"
#include "game/sound.h"
#include "render/board_layout.h"
#include "scores/core/calendar_clock.h"
#include "script/replay_player.h"

namespace {
constexpr int kFrameMs = 16;
// A playback that was held up (a slow machine, a suspended laptop) catches
// up no faster than this per frame.
constexpr qint64 kLongestFrameMs = 250;
}  // namespace

CBoardModel::CBoardModel() {
    number_ = GameRandom::state;
    game_ = std::make_unique<CGame>();
    recorder_.Begin(*game_, number_);
    recorded_ = true;

    ticks_.setTimerType(Qt::PreciseTimer);
    ticks_.setInterval(kTickMs);
    connect(&ticks_, &QTimer::timeout, this, &CBoardModel::Tick);
    ticks_.start();
    playbackFrames_.setTimerType(Qt::PreciseTimer);
    playbackFrames_.setInterval(kFrameMs);
    connect(&playbackFrames_, &QTimer::timeout, this, &CBoardModel::OnPlaybackFrame);
}

CBoardModel::~CBoardModel() {
    // Closing the window ends a game that was not kept to go on with, as far
    // as its replay goes.
    StopPlayback();
    FinishRecording();
}

bool CBoardModel::InputReachesGame() const {
    const bool open =
        mode_ == BoardMode::Playing || (mode_ == BoardMode::TutorialPage && !tutorialLocked_);
    return open && !game_->paused;
}

bool CBoardModel::TimeRuns() const {
    // A replay being watched gets its ticks from the replay alone, and the
    // rules hold still while a replay is checked on another thread.
    const bool ticking = mode_ == BoardMode::Playing || mode_ == BoardMode::TutorialPage;
    return ticking && !game_->paused;
}

bool CBoardModel::InputLocked() const {
    const BoardMode under = Underneath();
    return under == BoardMode::WatchingReplay ||
           (under == BoardMode::TutorialPage && tutorialLocked_);
}

bool CBoardModel::EndAsks() const {
    return recorded_ && Underneath() == BoardMode::Playing;
}

BoardState CBoardModel::State() const {
    BoardState state;
    state.mode = mode_;
    state.locked = InputLocked();
    state.watching = Watching();
    state.tutorial = TutorialRunning();
    state.paused = state.watching ? PlaybackPaused() : game_->paused;
    state.over = game_->over;
    state.gamePaused = game_->paused;
    state.hasBombs = game_->bombs != 0;
    state.quiet = game_->quiet;
    state.difficulty = game_->difficulty;
    state.replaySpeed = playbackSpeed_;
    state.number = GameNumber();
    state.daily = recorded_ && !daily_.empty() && Underneath() == BoardMode::Playing;
    return state;
}

void CBoardModel::SetMode(BoardMode mode) {
    if (mode_ == mode) {
        return;
    }
    mode_ = mode;
    emit ModeChanged(mode);
}

void CBoardModel::Replace(std::unique_ptr<CGame> game) {
    game_ = std::move(game);
    endAnnounced_ = false;
    emit GameReplaced();
}

void CBoardModel::FinishRecording() {
    if (!recorder_.Recording()) {
        return;
    }
    const std::optional<std::string> replay = recorder_.Finish(
        *game_, QCoreApplication::applicationVersion().toStdString(), CalendarClock::Now());
    lastReplay_ = replay.value_or(std::string());
    if (replay) {
        emit RecordingFinished(game_->score, *replay, game_->over && EndAsks() && !quitting_);
    }
}

void CBoardModel::StopPlayback() {
    playbackFrames_.stop();
    // The player puts back the game clock, the random generator and the
    // sound as they were before the replay.
    player_.reset();
}

bool CBoardModel::StartGame(const GameChoice& choice) {
    StopPlayback();
    watchedDaily_.clear();
    FinishRecording();
    if (choice.number) {
        GameRandom::Seed(*choice.number);
    }
    number_ = GameRandom::state;
    daily_ = choice.daily;
    auto game = std::make_unique<CGame>();
    if (choice.difficulty) {
        game->SetDifficulty(*choice.difficulty);
    }
    Replace(std::move(game));
    recorder_.Begin(*game_, number_, daily_);
    recorded_ = true;
    tutorialLocked_ = false;
    SetMode(BoardMode::Playing);
    Changed();
    return true;
}

bool CBoardModel::ContinueGame(std::unique_ptr<CGame> game, RecordingSoFar soFar) {
    if (mode_ != BoardMode::Playing) {
        return false;
    }
    FinishRecording();
    Replace(std::move(game));
    // Explosions over by the game's own time had been seen bare and gone
    // when it was left: the paused board must not bring them back.
    game_->RetireExplosions(GameClock::Now());
    number_ = soFar.game;
    daily_ = soFar.daily;
    recorder_.Continue(*game_, std::move(soFar));
    recorded_ = true;
    Changed();
    return true;
}

bool CBoardModel::ShowTutorialPage(std::unique_ptr<CGame> game, bool locked) {
    if (mode_ != BoardMode::Playing && Underneath() != BoardMode::TutorialPage) {
        return false;
    }
    // The tutorial's own games are not recorded, nor do they ever enter the
    // table: their points are the tutorial's.
    FinishRecording();
    recorded_ = false;
    daily_.clear();
    if (game) {
        lastReplay_.clear();
        Replace(std::move(game));
    }
    tutorialLocked_ = locked;
    if (!Checking()) {
        SetMode(BoardMode::TutorialPage);
    }
    Changed();
    return true;
}

bool CBoardModel::EndTutorial() {
    if (Underneath() != BoardMode::TutorialPage) {
        return false;
    }
    return StartGame();
}

bool CBoardModel::BeginCheck() {
    if (mode_ == BoardMode::CheckingReplay) {
        return false;
    }
    checkedFrom_ = mode_;
    SetMode(BoardMode::CheckingReplay);
    Changed();
    return true;
}

bool CBoardModel::EndCheck() {
    if (mode_ != BoardMode::CheckingReplay) {
        return false;
    }
    SetMode(checkedFrom_);
    Changed();
    return true;
}

bool CBoardModel::BeginWatching(std::string stored) {
    if (mode_ != BoardMode::CheckingReplay) {
        return false;
    }
    StopPlayback();
    FinishRecording();
    recorded_ = false;
    daily_.clear();
    tutorialLocked_ = false;
    // The runner silences the game while it plays; a replay watched here
    // sounds as the game does.
    ISoundPlayer* sound = GetSoundPlayer();
    const CGame* before = game_.get();
    player_ = std::make_unique<CReplayPlayer>(std::move(stored), game_);
    SetSoundPlayer(sound);
    if (game_.get() != before) {
        endAnnounced_ = false;
        emit GameReplaced();
    }
    playbackPaused_ = false;
    playbackSpeed_ = 1;
    sounding_ = nullptr;
    SetMode(BoardMode::WatchingReplay);
    playbackFrames_.start();
    playbackClock_.start();
    AdvancePlayback(0);
    return true;
}

bool CBoardModel::EndWatching() {
    if (mode_ != BoardMode::WatchingReplay) {
        return false;
    }
    return StartGame();
}

bool CBoardModel::SetPlaybackPaused(bool paused) {
    if (!Watching()) {
        return false;
    }
    playbackPaused_ = paused;
    Changed();
    return true;
}

bool CBoardModel::SetPlaybackSpeed(int speed) {
    if (!Watching()) {
        return false;
    }
    playbackSpeed_ = speed;
    emit StateChanged();
    return true;
}

bool CBoardModel::AdvancePlayback(std::int64_t ms) {
    if (!player_) {
        return false;
    }
    const CGame* before = game_.get();
    player_->Advance(ms);
    if (game_.get() != before) {
        emit GameReplaced();
    }
    if (game_.get() != sounding_) {
        sounding_ = game_.get();
        // The replay's game sounds as the player has set sound now.
        game_->ReadSoundSwitches();
    }
    // The recorded game's end asks nothing and offers no score; its last
    // picture stays until the player does something.
    endAnnounced_ = true;
    if (player_->Finished()) {
        playbackFrames_.stop();
    }
    Changed();
    return true;
}

bool CBoardModel::ReplayAtItsEnd() const {
    return Watching() && player_ && player_->Finished();
}

bool CBoardModel::LeaveReplayEnd() {
    return ReplayAtItsEnd() && EndWatching();
}

void CBoardModel::OnPlaybackFrame() {
    const qint64 elapsed = std::min(playbackClock_.restart(), kLongestFrameMs);
    // The rules hold still while another replay is checked.
    if (mode_ == BoardMode::WatchingReplay && player_ && !playbackPaused_) {
        AdvancePlayback(elapsed * playbackSpeed_);
    }
}

bool CBoardModel::EndGameUnderWay() {
    if (Watching() || game_->over) {
        return true;
    }
    game_->EndGame();
    endAnnounced_ = true;
    Note();
    if (EndAsks()) {
        AwaitScore(game_->score, lastReplay_);
        emit RecordedGameEnded(game_->score, lastReplay_, false);
    }
    return true;
}

void CBoardModel::AwaitScore(std::uint32_t score, const std::string& replay) {
    awaited_ = score;
    awaitedReplay_ = replay;
    emit StateChanged();
}

void CBoardModel::ScoreAnswered() {
    if (!awaited_) {
        return;
    }
    awaited_.reset();
    awaitedReplay_.clear();
    emit StateChanged();
}

void CBoardModel::OfferUnansweredScore(std::uint32_t score, std::string replay) {
    AwaitScore(score, replay);
    QMetaObject::invokeMethod(
        this,
        [this, score, replay = std::move(replay)] { emit RecordedGameEnded(score, replay, false); },
        Qt::QueuedConnection);
}

void CBoardModel::OnNewGame() {
    if (Watching()) {
        StartGame();
        return;
    }
    if (InputLocked()) {
        return;
    }
    EndGameUnderWay();
    if (mode_ == BoardMode::TutorialPage) {
        // A fresh game on the tutorial's board is the tutorial's as well.
        Replace(std::make_unique<CGame>());
        Changed();
        return;
    }
    StartGame();
}

void CBoardModel::NoteWatched(std::string daily, std::uint32_t score) {
    if (Watching()) {
        watchedDaily_ = std::move(daily);
        watchedScore_ = score;
        emit StateChanged();
    }
}

void CBoardModel::NewGame(const GameChoice& choice) {
    if (Watching()) {
        StartGame(choice);
        return;
    }
    // A tutorial's board keeps to the tutorial.
    if (InputLocked() || mode_ != BoardMode::Playing) {
        return;
    }
    EndGameUnderWay();
    StartGame(choice);
}

void CBoardModel::OnPausePlay() {
    if (Checking()) {
        return;  // what plays holds still until the check is done
    }
    if (Watching()) {
        // The playback's pause, not the game's; at its end, a fresh game.
        if (!LeaveReplayEnd()) {
            SetPlaybackPaused(!playbackPaused_);
        }
        return;
    }
    if (InputLocked()) {
        return;
    }
    if (game_->over) {
        OnNewGame();
    }
    recorder_.Play(*game_, PlayerInput::PausePlay{}, feel_);
    Changed();
}

void CBoardModel::OnQuitGame() {
    if (InputLocked()) {
        return;
    }
    // Quit game ends the game without an entry in the table.
    const bool recorded = !game_->over && EndAsks();
    endAnnounced_ = true;
    quitting_ = true;
    game_->EndGame();
    Changed();
    quitting_ = false;
    if (recorded) {
        emit RecordedGameQuit(game_->score, lastReplay_);
    }
}

void CBoardModel::Execute(const PlayerCommand& command) {
    if (std::holds_alternative<PlayerInput::PausePlay>(command)) {
        OnPausePlay();
        return;
    }
    if (!InputReachesGame()) {
        return;
    }
    recorder_.Play(*game_, command, feel_);
    if (std::holds_alternative<PlayerInput::DropBomb>(command)) {
        Note();  // no repaint: the next tick shows the bomb
        return;
    }
    Changed();
}

void CBoardModel::SetQuiet(bool quiet) {
    game_->SetQuiet(quiet);
    emit StateChanged();
}

bool CBoardModel::SetDifficulty(std::uint32_t difficulty) {
    if (Watching() || State().daily) {
        return false;  // the recorded game keeps its own, and so does a daily game
    }
    game_->SetDifficulty(difficulty);
    Note();
    return true;
}

void CBoardModel::Tick() {
    if (TimeRuns()) {
        recorder_.Play(*game_, PlayerInput::Tick{}, feel_);
        Changed();
        return;
    }
    emit StateChanged();
}

void CBoardModel::Changed() {
    emit BoardChanged();
    Note();
    // A game that has just ended asks its questions, once.
    if (game_->over && !endAnnounced_) {
        endAnnounced_ = true;
        if (EndAsks()) {
            AwaitScore(game_->score, lastReplay_);
            // From the event loop, not from inside the timer or the input
            // handler that ended the game: the questions are modal dialogs.
            // Should the finished game be gone by then, nobody asks to play
            // again, yet its score is still offered.
            QMetaObject::invokeMethod(
                this,
                [this, ended = game_.get(), score = game_->score, replay = lastReplay_] {
                    emit RecordedGameEnded(score, replay, game_.get() == ended);
                },
                Qt::QueuedConnection);
        }
    }
}

void CBoardModel::Note() {
    // Whatever the commands did to the game reaches the recording here, and
    // a game that is over, however it ended, is the last game from now on.
    recorder_.Sync(*game_);
    if (game_->over) {
        FinishRecording();
    }
    emit StateChanged();
}
