#include "history/history_worker.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "history/history_store.h"
#include "history/replay_figures.h"
#include "script/replay_reader.h"
#include "script/script_text.h"

CHistoryWorker::CHistoryWorker(QString path, QString version, std::atomic<int>& pending)
    : path_(std::move(path)),
      version_(std::move(version)),
      pending_(pending),
      retry_(new QTimer(this)) {
    retry_->setSingleShot(true);
    retry_->setInterval(kFirstRetryMs);
    connect(retry_, &QTimer::timeout, this, [this] {
        if (!WriteKept()) {
            retry_->start(std::min(retry_->interval() * 2, kLongestRetryMs));
        }
    });
}

CHistoryWorker::~CHistoryWorker() = default;

void CHistoryWorker::Stop() {
    retry_->stop();
    store_.reset();
}

bool CHistoryWorker::EnsureOpen() {
    if (store_ && store_->IsOpen()) {
        return true;
    }
    store_ = std::make_unique<CHistoryStore>(path_);
    const CHistoryStore::Opened opened = store_->Open();
    if (!opened.setAside.isEmpty()) {
        emit Notice(QCoreApplication::translate("History",
                                                "%1 It was set aside as %2, and a new history "
                                                "begins. Your high scores are as they were.")
                        .arg(opened.why, opened.setAside));
    }
    if (!opened.ok) {
        return false;
    }
    fresh_ = opened.fresh;
    emit Written();
    return true;
}

void CHistoryWorker::Open(const std::vector<ImportedGame>& imported) {
    if (!EnsureOpen()) {
        Failed();
        return;
    }
    // Only a history that has just begun takes the old games in.
    if (fresh_) {
        Import(imported);
    }
}

GameRow CHistoryWorker::RowOf(const RecordedGame& game) const {
    GameRow row;
    const ReplayFigures played = FiguresOfReplay(game.replay, version_.toStdString());
    row.figures = played.figures;
    if (played.check.verdict == ReplayVerdict::Watchable) {
        row.replay = QByteArray::fromStdString(CompressScriptText(game.replay));
        row.replayKept = ReplayKept::kKept;
    } else {
        // Its own game's replay that does not play back: the row says so,
        // with the score the game made.
        row.figures = GameFigures{};
        row.figures.score = game.score;
        row.replayKept = game.replay.empty() ? ReplayKept::kNone : ReplayKept::kRefused;
    }
    row.ended = game.ended.isValid() ? game.ended : QDateTime::currentDateTimeUtc();
    // Game time: the start of a game that was paused, or kept over a
    // restart, is later than it was.
    row.started = game.started.isValid() ? game.started : row.ended.addMSecs(-row.figures.playedMs);
    row.ending = !game.ending.isEmpty() ? game.ending
                 : played.figures.lost  ? QString(GameEnding::kLost)
                                        : QString(GameEnding::kEnded);
    row.version = version_;
    row.topPlace = game.topPlace;
    return row;
}

void CHistoryWorker::Add(const RecordedGame& game) {
    GameRow row = RowOf(game);
    kept_.push_back(row);
    const bool written = WriteKept();
    if (!written && !retry_->isActive()) {
        retry_->start(kFirstRetryMs);
    }
    emit Reported(ReportOf(row, written));
}

DailyReport CHistoryWorker::ReportOf(const GameRow& row, bool written) {
    DailyReport report;
    report.date = row.figures.dailyDate;
    report.score = row.figures.score;
    report.rings = row.figures.rings;
    if (!written || report.date.isEmpty() || row.figures.digest.isEmpty()) {
        return report;
    }
    // Read back: a game whose digest was there already is that row.
    const std::vector<GameRow> rows = store_->Rows();
    const auto same = std::find_if(rows.rbegin(), rows.rend(), [&row](const GameRow& other) {
        return other.figures.digest == row.figures.digest;
    });
    if (same == rows.rend()) {
        return report;  // unreadable after all
    }
    report.known = true;
    report.result = same->dailyResult;
    report.standing = ComputeDailyStanding(rows);
    return report;
}

bool CHistoryWorker::WriteKept() {
    if (kept_.empty()) {
        return true;
    }
    if (!EnsureOpen()) {
        Failed();
        return false;
    }
    while (!kept_.empty()) {
        if (!store_->Add(kept_.front())) {
            Failed();
            return false;
        }
        kept_.pop_front();
        --pending_;
        emit Written();
    }
    toldFailure_ = false;
    return true;
}

void CHistoryWorker::Failed() {
    if (toldFailure_) {
        return;
    }
    toldFailure_ = true;
    emit Notice(QCoreApplication::translate("History",
                                            "Torvane could not write the game history: %1\n\n"
                                            "The games are kept and written as soon as it can.")
                    .arg(QDir::toNativeSeparators(path_) + QStringLiteral(": ") +
                         (store_ ? store_->LastError() : QString())));
}

void CHistoryWorker::Import(const std::vector<ImportedGame>& imported) {
    for (const ImportedGame& game : imported) {
        GameRow row;
        std::string stored;
        const std::optional<ReplayCheck> unread =
            ReadStoredReplay(game.replayPath.toStdString(), stored, nullptr);
        if (!unread) {
            const ReplayFigures played = FiguresOfReplay(stored, version_.toStdString());
            const std::optional<std::string> text = ScriptTextOf(stored);
            if (played.check.verdict == ReplayVerdict::Watchable && text &&
                played.figures.score == game.score.value_or(played.figures.score)) {
                row.figures = played.figures;
                row.replay = QByteArray::fromStdString(CompressScriptText(*text));
                row.replayKept = ReplayKept::kKept;
            } else {
                row.replayKept = ReplayKept::kRefused;
                if (!played.check.difficulties.empty()) {
                    row.figures.difficultyStart = played.check.difficulties.front();
                    row.figures.difficultyEnd = played.check.difficulties.back();
                }
            }
        }
        if (!game.score && row.replayKept != ReplayKept::kKept) {
            continue;  // a last game that cannot be read tells nothing
        }
        row.figures.score = game.score.value_or(row.figures.score);
        row.ended =
            (game.ended.isValid() ? game.ended : QFileInfo(game.replayPath).lastModified()).toUTC();
        row.started = row.ended.addMSecs(-row.figures.playedMs);
        row.ending = GameEnding::kImported;
        row.version = version_;
        row.topPlace = game.topPlace;
        kept_.push_back(std::move(row));
        ++pending_;
    }
    WriteKept();
}
