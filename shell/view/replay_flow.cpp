#include "shell/view/replay_flow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

#include "resources/translations.h"
#include "script/replay_reader.h"
#include "shell/dialogs/daily_date.h"
#include "shell/model/board_model.h"
#include "shell/view/end_game_question.h"
#include "shell/view/replay_check_job.h"
#include "shell/view/replay_keeper.h"

CReplayFlow::CReplayFlow(CBoardModel& model, CReplayKeeper& replays, QWidget* parent)
    : model_(model), replays_(replays), parent_(parent) {
    connect(&model_, &CBoardModel::ModeChanged, this, &CReplayFlow::OnModeChanged);
}

CReplayFlow::~CReplayFlow() {
    delete check_;  // stops its worker
}

void CReplayFlow::OnWatchLastGame() {
    if (!replays_.HasLastGame() || (model_.InputLocked() && !model_.Watching()) ||
        model_.Checking()) {
        return;
    }
    // Ask first, then read: the game ended here becomes the last game.
    HoldStill();
    AskToEndGameUnderWay(model_, this, parent_, tr("Warning"), EndGameQuestion(),
                         [this](bool clear) {
                             if (clear) {
                                 WatchFile(replays_.Shelf().LastGamePath());
                             }
                         });
}

QString CReplayFlow::EndGameQuestion() {
    return tr(
        "Watching a replay will end the current game.\r\n"
        "Do you want to end this game and watch the replay?");
}

void CReplayFlow::OnWatchReplay() {
    if ((model_.InputLocked() && !model_.Watching()) || model_.Checking()) {
        return;
    }
    HoldStill();
    const QString folder = replays_.Shelf().Folder();
    QDir().mkpath(folder);
    const QString path = QFileDialog::getOpenFileName(parent_, tr("Watch a replay"), folder,
                                                      tr("Torvane replays (*.tvr);;All files (*)"));
    if (!path.isEmpty()) {
        WatchFile(path);
    }
}

void CReplayFlow::HoldStill() {
    if (model_.Watching()) {
        model_.SetPlaybackPaused(true);
        return;
    }
    // A tutorial's locked page has no Play to go on with: it only holds while
    // a check runs.
    CGame& game = model_.Game();
    if (!game.paused && !(model_.TutorialRunning() && model_.InputLocked())) {
        game.Pause();
        model_.Changed();
    }
}

void CReplayFlow::WatchFile(const QString& path) {
    delete check_;  // stops its worker
    check_ = nullptr;
    model_.EndCheck();
    HoldStill();
    Reader reader = reader_;
    if (!reader) {
        reader = [version = QCoreApplication::applicationVersion().toStdString()](
                     const std::string& file, ReplayProgress& progress) {
            return ReadReplayFile(file, version, &progress);
        };
    }
    // A game that has just ended may still be on its way to this file.
    reader = [&shelf = replays_.Shelf(), read = std::move(reader)](const std::string& file,
                                                                   ReplayProgress& progress) {
        shelf.AwaitWrites(std::chrono::seconds(3));
        return read(file, progress);
    };
    if (!model_.BeginCheck()) {
        return;
    }
    checkedPath_ = path;
    check_ = new CReplayCheckJob(path, std::move(reader), parent_);
    connect(check_, &CReplayCheckJob::Finished, this, &CReplayFlow::OnChecked);
}

void CReplayFlow::OnModeChanged() {
    if (check_ != nullptr && !model_.Checking()) {
        delete check_;
        check_ = nullptr;
    }
}

void CReplayFlow::OnChecked() {
    ReplayCheck check = std::move(check_->Result());
    check_->deleteLater();  // it is still sending this
    check_ = nullptr;
    if (check.verdict != ReplayVerdict::Watchable) {
        model_.EndCheck();
        if (check.verdict == ReplayVerdict::NotTheDaily) {
            check.problem.args = {LocalDateText(check.daily).toStdString()};
        }
        if (check.verdict != ReplayVerdict::Stopped) {
            // Named, unless the words already do: the player may have several.
            const QString path = QDir::toNativeSeparators(checkedPath_);
            QString told = Translated(check.problem);
            if (!told.contains(path)) {
                told = tr("%1: %2", "a file, what is wrong with it").arg(path, told);
            }
            QMessageBox::warning(parent_, QStringLiteral("Torvane"), told);
        }
        return;
    }
    // A board that leaves the check meanwhile (New game) takes the question
    // with it, and then the replay waits no more.
    AskToEndGameUnderWay(model_, this, parent_, tr("Warning"), EndGameQuestion(),
                         [this, stored = std::move(check.stored), daily = check.daily,
                          score = check.score](bool clear) mutable {
                             if (clear) {
                                 model_.BeginWatching(std::move(stored));
                                 model_.NoteWatched(daily, score);
                             } else {
                                 model_.EndCheck();
                             }
                         });
}
