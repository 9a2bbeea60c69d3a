// Replays, as the view runs them: every game played here is recorded, and a
// replay plays here in real time with the player's input locked, the way the
// tutorial locks it. The replay itself is played by the headless runner on
// the view's game, so the view and torvane-sim cannot disagree about it.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMessageBox>

#include "game/game_random.h"
#include "game/settings_store.h"
#include "game/sound.h"
#include "scores/core/calendar_clock.h"
#include "scores/ui/score_flow.h"
#include "script/replay_player.h"
#include "script/replay_reader.h"
#include "shell/view/replay_check_job.h"
#include "shell/view/torvane_view.h"

namespace {

constexpr int kFrameMs = 16;
// The end of a replay stays on the board this long before a fresh game.
constexpr qint64 kEndHoldMs = 2000;
// A playback that was held up (a slow machine, a suspended laptop) catches
// up no faster than this per frame.
constexpr qint64 kLongestFrameMs = 250;

void TellPlayer(QWidget* parent, const QString& text) {
    QMessageBox::warning(parent, QStringLiteral("Torvane"), text);
}

// The replay's game sounds as the player has set sound now.
void ApplySoundSwitches(CGame& game) {
    game.quiet = ReadSettingDword(kSettingsKey, "Quiet") != 0;
    game.snapSoundOn = ReadSettingDword(kSettingsKey, "QuietSnapin") == 0;
    game.explodeSoundOn = ReadSettingDword(kSettingsKey, "QuietExplode") == 0;
}

}  // namespace

class CReplayWatch {
  public:
    CReplayWatch(std::string stored, std::unique_ptr<CGame>& slot)
        : player(std::move(stored), slot) {}

    CReplayPlayer player;
    QTimer timer;
    QElapsedTimer clock;
    QElapsedTimer endHold;
    int speed = 1;
    bool paused = false;
    const CGame* sounding = nullptr;
};

void CReplayWatchDeleter::operator()(CReplayWatch* watch) const {
    delete watch;
}

void CTorvaneView::MakeGame() {
    const std::uint32_t seed = GameRandom::state;
    game = std::make_unique<CGame>();
    replay_.reset();
    recorder_.Begin(*game, seed);
}

void CTorvaneView::FinishRecording() {
    if (!recorder_.Recording()) {
        return;
    }
    replay_ = recorder_.Finish(*game, QCoreApplication::applicationVersion().toStdString(),
                               CalendarClock::Now());
    if (replay_) {
        shelf_.KeepLastGame(*replay_);
        hasLastGame_ = CReplayShelf::Exists(shelf_.LastGamePath());
    }
}

ScoreReplays CTorvaneView::ReplaysFor(const std::string& replay) {
    ScoreReplays replays;
    replays.has = [this](const std::vector<HighScoreEntry>& table, std::size_t row) {
        return CReplayShelf::Exists(shelf_.EntryPath(table, row));
    };
    replays.watch = [this](const std::vector<HighScoreEntry>& table, std::size_t row) {
        // After the dialogs that led here have closed and their flow is done.
        const QString path = shelf_.EntryPath(table, row);
        QTimer::singleShot(0, this, [this, path] { WatchReplayFile(path); });
    };
    replays.made = [this, replay](const ScoreCommit& commit) { shelf_.EntryMade(commit, replay); };
    return replays;
}

void CTorvaneView::OnWatchLastGame() {
    if (!hasLastGame_ || (inputLocked && !Watching()) || CheckingReplay()) {
        return;
    }
    // Ask first, then read: the game ended here becomes the last game.
    if (EndGameForReplay()) {
        WatchReplayFile(shelf_.LastGamePath());
    }
}

void CTorvaneView::OnWatchReplay() {
    if ((inputLocked && !Watching()) || CheckingReplay()) {
        return;
    }
    HoldForReplay();
    QDir().mkpath(shelf_.Folder());
    const QString path =
        QFileDialog::getOpenFileName(this, QStringLiteral("Watch a replay"), shelf_.Folder(),
                                     QStringLiteral("Torvane replays (*.tvr);;All files (*)"));
    if (!path.isEmpty()) {
        WatchReplayFile(path);
    }
}

void CTorvaneView::HoldForReplay() {
    if (Watching()) {
        if (!WatchPaused()) {
            ToggleWatchPause();
        }
        return;
    }
    // A tutorial's locked page has no Play to go on with: it only holds while
    // a check runs.
    if (!game->paused && !(tutorial && inputLocked)) {
        game->Pause();
        Invalidate();
        emit StateChanged();
    }
}

bool CTorvaneView::EndGameForReplay() {
    if (Watching() || !game->started || game->over) {
        return true;
    }
    HoldForReplay();
    QMessageBox question(QMessageBox::Warning, QStringLiteral("Warning"),
                         QStringLiteral("Watching a replay will end the current game.\r\n"
                                        "Do you want to end this game and watch the replay?"),
                         QMessageBox::Yes | QMessageBox::No, this);
    question.setDefaultButton(QMessageBox::No);
    if (question.exec() != QMessageBox::Yes) {
        return false;
    }
    // As New game ends a game: its score is offered for the table.
    if (!game->over) {
        game->EndGame();
        OfferHighScore();
    }
    return true;
}

void CTorvaneView::WatchReplayFile(const QString& path) {
    CancelReplayCheck();
    HoldForReplay();
    CReplayCheckJob::Reader reader = readReplay;
    if (!reader) {
        reader = [version = QCoreApplication::applicationVersion().toStdString()](
                     const std::string& file, ReplayProgress& progress) {
            return ReadReplayFile(file, version, &progress);
        };
    }
    check_ = new CReplayCheckJob(path, std::move(reader), this);
    connect(check_, &CReplayCheckJob::Finished, this, &CTorvaneView::OnReplayChecked);
    emit StateChanged();
}

void CTorvaneView::CancelReplayCheck() {
    delete check_;  // stops its worker
    check_ = nullptr;
}

void CTorvaneView::OnReplayChecked() {
    ReplayCheck check = std::move(check_->Result());
    check_->deleteLater();  // it is still sending this
    check_ = nullptr;
    emit StateChanged();
    if (check.verdict == ReplayVerdict::Stopped) {
        return;
    }
    if (check.verdict != ReplayVerdict::Watchable) {
        TellPlayer(this, QString::fromStdString(check.problem));
        return;
    }
    if (!EndGameForReplay()) {
        return;
    }
    if (tutorial) {
        StartOrQuitTutorial();
    }
    StopWatching();
    FinishRecording();

    // The runner silences the game while it plays; a replay watched here
    // sounds as the game does.
    ISoundPlayer* sound = GetSoundPlayer();
    watch_.reset(new CReplayWatch(std::move(check.stored), game));
    SetSoundPlayer(sound);
    inputLocked = true;
    watch_->timer.setTimerType(Qt::PreciseTimer);
    connect(&watch_->timer, &QTimer::timeout, this, &CTorvaneView::OnWatchTimer);
    watch_->timer.start(kFrameMs);
    watch_->clock.start();
    AdvanceWatch(0);
}

bool CTorvaneView::WatchPaused() const {
    return watch_ != nullptr && watch_->paused;
}

void CTorvaneView::ToggleWatchPause() {
    watch_->paused = !watch_->paused;
    Invalidate();
    emit StateChanged();
}

void CTorvaneView::StopWatching() {
    if (!watch_) {
        return;
    }
    // The player puts back the game clock, the random generator and the
    // sound as they were before the replay.
    watch_.reset();
    inputLocked = false;
}

void CTorvaneView::AdvanceWatch(std::int64_t ms) {
    if (!watch_) {
        return;
    }
    watch_->player.Advance(ms);
    if (game.get() != watch_->sounding) {
        watch_->sounding = game.get();
        ApplySoundSwitches(*game);
    }
    // The recorded game's end asks nothing and offers no score.
    gameOverHandled = true;
    dragging = false;
    Invalidate();
    emit StateChanged();
}

void CTorvaneView::OnWatchTimer() {
    CReplayWatch& watch = *watch_;
    const qint64 elapsed = std::min(watch.clock.restart(), kLongestFrameMs);
    // The rules hold still while another replay is checked.
    if (CheckingReplay()) {
        return;
    }
    if (!watch.player.Finished()) {
        if (!watch.paused) {
            AdvanceWatch(elapsed * watch.speed);
        }
        return;
    }
    if (!watch.endHold.isValid()) {
        watch.endHold.start();
    } else if (watch.endHold.elapsed() >= kEndHoldMs) {
        // Not from inside the timer that is about to go with the replay.
        watch.timer.stop();
        QTimer::singleShot(0, this, [this] {
            if (Watching()) {
                StartNewGame();
            }
        });
    }
}

bool CTorvaneView::WatchKey(int key) {
    if (!watch_) {
        return false;
    }
    switch (key) {
        case Qt::Key_1:
            watch_->speed = 1;
            return true;
        case Qt::Key_2:
            watch_->speed = 2;
            return true;
        case Qt::Key_4:
            watch_->speed = 4;
            return true;
        default:
            return false;
    }
}
