#include "shell/view/replay_flow.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>

#include "game/sound.h"
#include "resources/translations.h"
#include "script/replay_player.h"
#include "script/replay_reader.h"
#include "shell/view/game_over_flow.h"
#include "shell/view/replay_check_job.h"
#include "shell/view/torvane_view.h"
#include "shell/view/tutorial_flow.h"

namespace {

constexpr int kFrameMs = 16;
// The end of a replay stays on the board this long before a fresh game.
constexpr qint64 kEndHoldMs = 2000;
// A playback that was held up (a slow machine, a suspended laptop) catches
// up no faster than this per frame.
constexpr qint64 kLongestFrameMs = 250;

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

CReplayFlow::CReplayFlow(CTorvaneView& view) : view_(view) {}

CReplayFlow::~CReplayFlow() {
    Stop();
}

bool CReplayFlow::HasLastGame() const {
    return view_.Recording().HasLastGame();
}

ScoreReplays CReplayFlow::ForScores(const std::string& replay) {
    CReplayShelf& shelf = view_.Recording().Shelf();
    ScoreReplays replays;
    replays.has = [&shelf](const std::vector<HighScoreEntry>& table, std::size_t row) {
        return CReplayShelf::Exists(shelf.EntryPath(table, row));
    };
    replays.watch = [this, &shelf](const std::vector<HighScoreEntry>& table, std::size_t row) {
        // After the dialogs that led here have closed and their flow is done.
        const QString path = shelf.EntryPath(table, row);
        QTimer::singleShot(0, this, [this, path] { WatchFile(path); });
    };
    replays.made = [&shelf, replay](const ScoreCommit& commit) { shelf.EntryMade(commit, replay); };
    return replays;
}

void CReplayFlow::OnWatchLastGame() {
    if (!HasLastGame() || (view_.InputLocked() && !Watching()) || Checking()) {
        return;
    }
    // Ask first, then read: the game ended here becomes the last game.
    if (EndGameFirst()) {
        WatchFile(view_.Recording().Shelf().LastGamePath());
    }
}

void CReplayFlow::OnWatchReplay() {
    if ((view_.InputLocked() && !Watching()) || Checking()) {
        return;
    }
    Hold();
    const QString folder = view_.Recording().Shelf().Folder();
    QDir().mkpath(folder);
    const QString path = QFileDialog::getOpenFileName(&view_, tr("Watch a replay"), folder,
                                                      tr("Torvane replays (*.tvr);;All files (*)"));
    if (!path.isEmpty()) {
        WatchFile(path);
    }
}

void CReplayFlow::Hold() {
    if (Watching()) {
        if (!Paused()) {
            TogglePause();
        }
        return;
    }
    // A tutorial's locked page has no Play to go on with: it only holds while
    // a check runs.
    CGame& game = view_.Game();
    if (!game.paused && !(view_.Tutorial().Running() && view_.InputLocked())) {
        game.Pause();
        view_.Changed();
    }
}

bool CReplayFlow::EndGameFirst() {
    const CGame& game = view_.Game();
    if (Watching() || !game.started || game.over) {
        return true;
    }
    Hold();
    QMessageBox question(QMessageBox::Warning, tr("Warning"),
                         tr("Watching a replay will end the current game.\r\n"
                            "Do you want to end this game and watch the replay?"),
                         QMessageBox::Yes | QMessageBox::No, &view_);
    question.setDefaultButton(QMessageBox::No);
    if (question.exec() != QMessageBox::Yes) {
        return false;
    }
    // As New game ends a game: its score is offered for the table.
    if (!view_.Game().over) {
        view_.Game().EndGame();
        view_.GameOver().OfferHighScore();
    }
    return true;
}

void CReplayFlow::WatchFile(const QString& path) {
    delete check_;  // stops its worker
    check_ = nullptr;
    Hold();
    Reader reader = reader_;
    if (!reader) {
        reader = [version = QCoreApplication::applicationVersion().toStdString()](
                     const std::string& file, ReplayProgress& progress) {
            return ReadReplayFile(file, version, &progress);
        };
    }
    check_ = new CReplayCheckJob(path, std::move(reader), &view_);
    connect(check_, &CReplayCheckJob::Finished, this, &CReplayFlow::OnChecked);
    emit view_.StateChanged();
}

void CReplayFlow::OnChecked() {
    ReplayCheck check = std::move(check_->Result());
    check_->deleteLater();  // it is still sending this
    check_ = nullptr;
    emit view_.StateChanged();
    if (check.verdict == ReplayVerdict::Stopped) {
        return;
    }
    if (check.verdict != ReplayVerdict::Watchable) {
        QMessageBox::warning(&view_, QStringLiteral("Torvane"), Translated(check.problem));
        return;
    }
    if (!EndGameFirst()) {
        return;
    }
    if (view_.Tutorial().Running()) {
        view_.Tutorial().StartOrQuit();
    }
    watch_.reset();
    view_.FinishRecording();

    // The runner silences the game while it plays; a replay watched here
    // sounds as the game does.
    ISoundPlayer* sound = GetSoundPlayer();
    watch_ = std::make_unique<CReplayWatch>(std::move(check.stored), view_.GameSlot());
    SetSoundPlayer(sound);
    view_.LockInput(true);
    watch_->timer.setTimerType(Qt::PreciseTimer);
    connect(&watch_->timer, &QTimer::timeout, this, &CReplayFlow::OnFrame);
    watch_->timer.start(kFrameMs);
    watch_->clock.start();
    Advance(0);
}

bool CReplayFlow::Paused() const {
    return watch_ != nullptr && watch_->paused;
}

void CReplayFlow::TogglePause() {
    watch_->paused = !watch_->paused;
    view_.Changed();
}

void CReplayFlow::Stop() {
    delete check_;
    check_ = nullptr;
    if (!watch_) {
        return;
    }
    // The player puts back the game clock, the random generator and the
    // sound as they were before the replay.
    watch_.reset();
    view_.LockInput(false);
}

void CReplayFlow::Advance(std::int64_t ms) {
    if (!watch_) {
        return;
    }
    watch_->player.Advance(ms);
    if (&view_.Game() != watch_->sounding) {
        watch_->sounding = &view_.Game();
        // The replay's game sounds as the player has set sound now.
        view_.Game().ReadSoundSwitches();
    }
    // The recorded game's end asks nothing and offers no score.
    view_.GameOver().Skip();
    view_.Changed();
}

void CReplayFlow::OnFrame() {
    CReplayWatch& watch = *watch_;
    const qint64 elapsed = std::min(watch.clock.restart(), kLongestFrameMs);
    // The rules hold still while another replay is checked.
    if (Checking()) {
        return;
    }
    if (!watch.player.Finished()) {
        if (!watch.paused) {
            Advance(elapsed * watch.speed);
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
                view_.StartNewGame();
            }
        });
    }
}

bool CReplayFlow::Key(int key) {
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
