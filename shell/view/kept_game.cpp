#include "shell/view/kept_game.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
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
        }
    }
    if (!slot_->Held() && !slot_->TakeFree()) {
        return;  // nowhere to keep a game: it cannot outlive the program
    }
    connect(&model_, &CBoardModel::StateChanged, this, &CGameKeeper::RemoveFileOnceEnded);
    dueCheck_.start();
}

QString CGameKeeper::Path() const {
    return slot_ ? slot_->Path() : QString();
}

void CGameKeeper::Restore(const QString& path) {
    // Read and played on a worker thread: a long game takes a while, and the
    // window system must not think the program hangs meanwhile.
    auto kept = std::make_shared<KeptGame>();
    const std::string version = QCoreApplication::applicationVersion().toStdString();
    CReplayCheckJob job(
        path,
        [kept, version](const std::string& file, ReplayProgress& progress) {
            *kept = ReadKeptGame(file, version, &progress);
            return kept->check;
        },
        parent_, tr("Bringing back the game you left unfinished ..."));
    QEventLoop loop;
    connect(&job, &CReplayCheckJob::Finished, &loop, &QEventLoop::quit);
    loop.exec();
    const ReplayCheck& check = job.Result();
    if (check.verdict == ReplayVerdict::Stopped) {
        slot_->Release();  // stopped by the player: it waits for another start
        return;
    }
    if (check.verdict == ReplayVerdict::Watchable) {
        ContinueKeptGame(*kept);
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
    QTimer::singleShot(
        0, this, [this, text] { QMessageBox::warning(parent_, QStringLiteral("Torvane"), text); });
}

void CGameKeeper::ContinueKeptGame(KeptGame& kept) {
    // Its next gems and its clock, where the recording left them.
    GameRandom::state = kept.random;
    GameClock::FreezeAt(kept.now);
    kept.game->ReadSoundSwitches();
    model_.ContinueGame(std::move(kept.game), std::move(kept.recording));
    // Paused, whether it was left paused or running; the recording notes it.
    model_.Game().Pause();
    model_.Changed();
}

bool CGameKeeper::Keepable() const {
    const CGame& game = model_.Game();
    return model_.Recorder().Recording() && game.started && !game.over;
}

void CGameKeeper::RemoveFileOnceEnded() {
    if (written_ && !Keepable()) {
        SaveIfDue();
    }
}

void CGameKeeper::SaveIfDue() {
    if (!slot_ || !slot_->Held() || programEnding_) {
        return;
    }
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

void CGameKeeper::Keep(bool last) {
    if (!slot_ || !slot_->Held() || programEnding_) {
        return;
    }
    if (Keepable() && !model_.Game().paused) {
        model_.Game().Pause();
        model_.Changed();
    }
    SaveIfDue();
    const std::optional<QString> failure = Flush();
    if (!last) {
        return;
    }
    programEnding_ = true;
    dueCheck_.stop();
    if (!Keepable()) {
        return;
    }
    model_.KeepForNextStart();
    if (failure) {
        QMessageBox::warning(nullptr, QStringLiteral("Torvane"),
                             tr("Torvane could not keep your unfinished game: %1").arg(*failure));
    }
}
