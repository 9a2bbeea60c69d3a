#include "shell/history/history_recorder.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>

#include "scores/core/high_score_table.h"
#include "shell/view/replay_shelf.h"

namespace {

// The games played before there was a history: the top ten with their
// replays, and the last game.
std::vector<ImportedGame> GamesSoFar(const CReplayShelf& shelf) {
    std::vector<ImportedGame> games;
    CHighScoreTable table;
    table.LoadHighScores();
    for (std::size_t row = 0; row < table.Count(); ++row) {
        const HighScoreEntry& entry = table.Entries()[row];
        games.push_back({shelf.EntryPath(table.Entries(), row), entry.score,
                         QDateTime::fromSecsSinceEpoch(entry.time, Qt::UTC),
                         static_cast<int>(row) + 1});
    }
    games.push_back({shelf.LastGamePath(), {}, {}, {}});
    return games;
}

// The place the score earns in the table as it stands (1 the best), when it
// earns one: the entry the player is offered next.
std::optional<int> PlaceEarned(std::uint32_t score) {
    CHighScoreTable table;
    table.LoadHighScores();
    if (!table.QualifiesForHighScore(score)) {
        return std::nullopt;
    }
    std::vector<HighScoreEntry> entries = table.Entries();
    return static_cast<int>(InsertHighScore(entries, {{}, score, 0})) + 1;
}

}  // namespace

CHistoryRecorder::CHistoryRecorder(const CReplayShelf& shelf, QObject* parent)
    : QObject(parent), writer_(PathBeside(shelf), QCoreApplication::applicationVersion()) {
    connect(&writer_, &CHistoryWriter::Notice, this, [this](const QString& message) {
        told_ = true;
        QTimer::singleShot(0, qApp, [message] {
            QMessageBox::warning(QApplication::activeWindow(), QStringLiteral("Torvane"), message);
        });
    });
    writer_.Open(GamesSoFar(shelf));
}

CHistoryRecorder::~CHistoryRecorder() = default;

QString CHistoryRecorder::PathBeside(const CReplayShelf& shelf) {
    return QFileInfo(shelf.Folder()).dir().filePath(QStringLiteral("history.sqlite"));
}

void CHistoryRecorder::GameEnded(std::uint32_t score, const std::string& replay, bool offered) {
    RecordedGame game;
    game.replay = replay;
    game.score = score;
    game.ended = QDateTime::currentDateTimeUtc();
    if (offered) {
        game.topPlace = PlaceEarned(score);
    }
    writer_.Add(std::move(game));
}

std::optional<QString> CHistoryRecorder::WriteBeforeQuit() {
    const int pending = writer_.Pending();
    if (writer_.WriteBeforeQuit() || told_) {
        return std::nullopt;
    }
    return tr("Torvane could not write %n game(s) to the game history before closing.", nullptr,
              pending);
}
