#include "shell/view/kept_game.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>

#include "game/game_clock.h"
#include "game/game_random.h"
#include "resources/translations.h"
#include "scores/core/calendar_clock.h"
#include "script/kept_game.h"
#include "shell/model/board_model.h"
#include "shell/view/kept_game_saver.h"
#include "shell/view/replay_check_job.h"

CGameKeeper::CGameKeeper(CBoardModel& model, QWidget* parent) : model_(model), parent_(parent) {
    dueCheck_.setInterval(kDueCheckEveryMs);
    connect(&dueCheck_, &QTimer::timeout, this, &CGameKeeper::SaveIfDue);
}

CGameKeeper::~CGameKeeper() = default;

void CGameKeeper::Start(bool restore, const QString& folder) {
    slot_ = std::make_unique<CKeptGameSlot>(folder);
    saver_ = std::make_unique<CKeptGameSaver>();
    if (restore) {
        if (const std::optional<QString> waiting = slot_->TakeWaiting()) {
            Restore(*waiting);
            return;  // keeping starts once it is back
        }
    }
    KeepFromNow();
}

void CGameKeeper::KeepFromNow() {
    if (!slot_->Held() && !slot_->TakeFree()) {
        // Nowhere to keep a game (read-only, another user's, a file in the
        // way): it cannot outlive the program, and the player is told.
        cannotKeep_ = tr("Torvane cannot keep your game to go on with should the program end "
                         "before the game does: the folder %1 cannot be written.")
                          .arg(QDir::toNativeSeparators(slot_->Folder()));
        connect(&model_, &CBoardModel::StateChanged, this, &CGameKeeper::TellCannotKeep);
        return;
    }
    connect(&model_, &CBoardModel::StateChanged, this, &CGameKeeper::RemoveFileOnceEnded);
    dueCheck_.start();
}

QString CGameKeeper::Path() const {
    return slot_ ? slot_->Path() : QString();
}

void CGameKeeper::Restore(const QString& path) {
    // Read and played on a worker thread: a long game takes a while, and the
    // window goes on answering meanwhile. Nothing is kept until it is back.
    auto kept = std::make_shared<KeptGameRecord>();
    const std::string version = QCoreApplication::applicationVersion().toStdString();
    restoring_ = new CReplayCheckJob(
        path,
        [kept, version](const std::string& file, ReplayProgress& progress) {
            *kept = ReadKeptGame(file, version, &progress);
            return kept->check;
        },
        parent_, tr("Bringing back the game you left unfinished ..."));
    restoring_->setParent(this);
    connect(restoring_, &CReplayCheckJob::Finished, this, [this, kept, path] {
        const ReplayCheck check = std::move(restoring_->Result());
        restoring_->deleteLater();
        restoring_ = nullptr;
        Restored(check, *kept, path);
        if (!programEnding_) {
            KeepFromNow();
        }
    });
}

void CGameKeeper::Restored(const ReplayCheck& check, KeptGameRecord& kept, const QString& path) {
    if (check.verdict == ReplayVerdict::Stopped) {
        slot_->Release();  // stopped by the player: it waits for another start
        return;
    }
    if (check.verdict == ReplayVerdict::Watchable) {
        ContinueKeptGame(kept);
        return;
    }
    if (kept.finishedReplay) {
        // Its file stays until the player has answered.
        written_ = awaitedWritten_ = true;
        model_.OfferUnansweredScore(check.score, std::move(*kept.finishedReplay));
        return;
    }
    const std::optional<QString> aside = slot_->SetAside();
    const QString text =
        tr("The game you left unfinished cannot go on. %1\n\n%2 A new game starts.")
            .arg(Translated(check.problem),
                 aside ? tr("It was set aside as %1.").arg(QDir::toNativeSeparators(*aside))
                       : tr("It stays as %1.").arg(QDir::toNativeSeparators(path)));
    if (!aside) {
        slot_->Release();
    }
    OpenWarning(text);
}

void CGameKeeper::ContinueKeptGame(KeptGameRecord& kept) {
    if (model_.Mode() != BoardMode::Playing) {
        slot_->Release();  // the tutorial or a replay came first: it waits on
        return;
    }
    // Its next gems and its clock, where the recording left them.
    GameRandom::state = kept.random;
    GameClock::FreezeAt(kept.now);
    kept.game->ReadSoundSwitches();
    model_.ContinueGame(std::move(kept.game), std::move(kept.recording));
    // Paused, whether it was left paused or running; the recording notes it.
    model_.Game().Pause();
    model_.Changed();
}

void CGameKeeper::TellCannotKeep() {
    if (toldCannotKeep_ || programEnding_ || !Keepable()) {
        return;
    }
    toldCannotKeep_ = true;
    emit CannotKeep(cannotKeep_);
    OpenWarning(cannotKeep_);
}

void CGameKeeper::OpenWarning(const QString& text) {
    // Over the window, without holding up the event loop.
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Torvane"), text,
                                QMessageBox::Ok, parent_);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

bool CGameKeeper::Keepable() const {
    const CGame& game = model_.Game();
    return model_.Recorder().Recording() && game.started && !game.over;
}

void CGameKeeper::RemoveFileOnceEnded() {
    if (!Keepable()) {
        SaveIfDue();
    }
}

void CGameKeeper::SaveIfDue() {
    if (!slot_ || !slot_->Held() || programEnding_ || restoring_ != nullptr) {
        return;
    }
    if (model_.ScoreAwaited() && !model_.AwaitedReplay().empty()) {
        if (!awaitedWritten_) {
            saver_->SaveWhole(model_.AwaitedReplay(), slot_->Path());
            written_ = awaitedWritten_ = true;
        }
        return;
    }
    awaitedWritten_ = false;
    if (!Keepable()) {
        if (written_) {
            saver_->Remove(slot_->Path());
            written_ = false;
        }
        return;
    }
    CReplayRecorder& recorder = model_.Recorder();
    const CGame& game = model_.Game();
    recorder.Sync(game);
    if (recorder.Number() != recording_) {
        recording_ = recorder.Number();
        sent_ = 0;
        saver_->Begin();
    }
    const std::string& lines = recorder.Lines();
    const std::int64_t now = GameClock::Now();
    const bool due = !written_ || game.paused || now - savedAt_ >= kSaveEveryMs;
    if (!due || (written_ && lines.size() == sent_)) {
        return;
    }
    saver_->Save(lines.substr(sent_),
                 recorder.Header(game, QCoreApplication::applicationVersion().toStdString(),
                                 CalendarClock::Now()),
                 slot_->Path());
    sent_ = lines.size();
    savedAt_ = now;
    written_ = true;
}

std::optional<QString> CGameKeeper::Flush() {
    return saver_ ? saver_->Wait() : std::nullopt;
}

std::optional<QString> CGameKeeper::Keep(bool last) {
    if (!slot_ || programEnding_) {
        return std::nullopt;
    }
    if (restoring_ != nullptr) {
        programEnding_ = last;  // the kept game stays as it was, for the next start
        return std::nullopt;
    }
    if (!slot_->Held()) {
        programEnding_ = last;
        return last && Keepable() && !cannotKeep_.isEmpty() ? std::optional(cannotKeep_)
                                                            : std::nullopt;
    }
    if (Keepable() && !model_.Game().paused) {
        model_.Game().Pause();
        model_.Changed();
    }
    SaveIfDue();
    const std::optional<QString> failure = Flush();
    if (!last) {
        return std::nullopt;
    }
    programEnding_ = true;
    dueCheck_.stop();
    if (!Keepable() && !awaitedWritten_) {
        return std::nullopt;
    }
    if (Keepable()) {
        model_.KeepForNextStart();
    }
    if (!failure) {
        return std::nullopt;
    }
    return tr("Torvane could not keep your unfinished game: %1").arg(*failure);
}
