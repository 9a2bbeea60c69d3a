#pragma once
// The history database on one connection, for one thread: its schema and
// versions, files that are not ours set aside, rows in and out, and replays
// pruned so the file stays small. Every call returns rather than throws; what
// went wrong is in LastError().

#include <QString>
#include <vector>

#include "history/game_row.h"

class CHistoryStore {
  public:
    static constexpr int kSchemaVersion = 2;
    // The replays of this many games, the latest, are kept whatever they were.
    static constexpr int kRecentReplays = 200;
    static constexpr int kBusyTimeoutMs = 5000;

    explicit CHistoryStore(QString path);
    ~CHistoryStore();
    CHistoryStore(const CHistoryStore&) = delete;
    CHistoryStore& operator=(const CHistoryStore&) = delete;

    struct Opened {
        bool ok = false;
        bool fresh = false;  // no history was there before: a first start
        // A file that was not a usable history, renamed to this; the player
        // is told.
        QString setAside;
        QString why;
    };
    // Refuses links and other non-files at the database's names, sets aside a
    // damaged, foreign or newer database, and brings an older one up to date.
    Opened Open();
    // Only to read, changing nothing, not even an older version: false when
    // it cannot be read as a history of this version or an earlier one.
    bool OpenToRead();
    bool IsOpen() const;

    // The row's id and personal best are filled in. A game whose digest is
    // already there adds nothing (and succeeds): the last game is often a
    // top-ten game too.
    bool Add(GameRow& row);
    // Every row, oldest first; replays only when asked.
    std::vector<GameRow> Rows(bool withReplays = false);
    QByteArray Replay(std::int64_t id);
    bool Forget();

    const QString& Path() const { return path_; }
    const QString& LastError() const { return error_; }

  private:
    bool Connect(const QString& options = {});
    void Disconnect();
    enum class Health { kGood, kDamaged, kNewer, kUnreadable };
    Health Check();
    bool Migrate(bool& fresh);
    bool Exec(const QString& sql);
    bool Prune();

    QString path_;
    QString connection_;
    QString error_;
};
