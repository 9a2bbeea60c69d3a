#pragma once
// The history as the game writes it: every row on a worker thread of its own
// connection, so that the window never waits on the database. A row that
// cannot be written (a full disk, a read-only file, another copy holding the
// database for long) is kept and tried again, and once more at quit.

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QThread>
#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "history/daily_standing.h"

// What the end of a recorded game gives the history.
struct RecordedGame {
    std::string replay;  // the recorder's text, header and all
    std::uint32_t score = 0;
    QDateTime started;  // the end less the game time when not given
    QDateTime ended;
    // GameEnding's kLost or kEnded; the replay tells them apart when empty.
    QString ending;
    std::optional<int> topPlace;
};

// A game that was played before there was a history: a top-ten entry or the
// last game, with the file of its replay (which may be missing or bad).
struct ImportedGame {
    QString replayPath;
    // An entry's; the last game's is the one its replay plays to.
    std::optional<std::uint32_t> score;
    // The entry's time; the last game's is when its file was written.
    QDateTime ended;
    std::optional<int> topPlace;
};

class CHistoryWorker;

class CHistoryWriter : public QObject {
    Q_OBJECT

  public:
    // `path` is the database; `version` this program's.
    CHistoryWriter(QString path, QString version, QObject* parent = nullptr);
    // Writes what is still to be written, then stops the thread.
    ~CHistoryWriter() override;
    CHistoryWriter(const CHistoryWriter&) = delete;
    CHistoryWriter& operator=(const CHistoryWriter&) = delete;

    // Opens the database on the worker; a history that is new there takes
    // `imported` in (a first start), replays checked as they come.
    void Open(std::vector<ImportedGame> imported = {});
    // Hands the game to the worker; returns at once.
    void Add(RecordedGame game);
    // The last try; true when every row is written. Waits for the worker.
    bool WriteBeforeQuit();
    // Rows handed over and not yet written.
    int Pending() const { return pending_.load(); }

  signals:
    // Something the player is told once: a database set aside, a row that
    // could not be written. Emitted on the writer's thread.
    void Notice(const QString& message);
    // A row landed, or the history was opened (the window reads again).
    void Written();
    // Once for every game added, when its first try to write it is over.
    void Reported(const DailyReport& report);

  private:
    QThread thread_;
    CHistoryWorker* worker_;
    std::atomic<int> pending_{0};
};
