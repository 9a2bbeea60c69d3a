#pragma once
// Where replays are kept: the last finished game, and the game of every
// top-ten entry, in a "replays" folder of the application's data folder
// (never in the settings). An entry's replay is found from its record, whose
// format stays as it is: the file is named by a digest of the record text,
// and identical entries (name, score and second) by their order besides.
// Nothing here ever stops the game: replays are written on a thread of their
// own, and a replay that cannot be written is only a replay that cannot be
// watched, told once a run.

#include <QString>
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "scores/core/high_score_table.h"
#include "shell/view/replay_writer.h"

struct ScoreCommit;

class CReplayShelf {
  public:
    // The folder the game uses, or another one (tests).
    explicit CReplayShelf(const QString& folder = DefaultFolder());
    static QString DefaultFolder();
    const QString& Folder() const { return folder_; }

    // A finished game's replay becomes the last game.
    void KeepLastGame(const std::string& replay);
    QString LastGamePath() const;

    // An entry was made for a game with this replay (none when the game was
    // not recorded, such as a tutorial page's). The replays of the entries
    // it pushed out go only once a table without them is on disk; orphans
    // of other runs are swept then.
    void EntryMade(const ScoreCommit& commit, const std::string& replay);
    // The replay of the entry in this row of the table.
    QString EntryPath(const std::vector<HighScoreEntry>& table, std::size_t row) const;
    QString EntryPath(const HighScoreEntry& entry, std::size_t identicalBefore = 0) const;
    // Under the settings lock, the replays that no stored entry names, but
    // for those less than a day old: another copy may still be trying to
    // save the entry that names them.
    void SweepOrphans() const;

    static bool Exists(const QString& path);
    // Exists, or is on its way to the disk.
    bool Has(const QString& path) const;
    // Until the replays asked for so far are on the disk, or `limit` has
    // passed; true when they are. Any thread may wait.
    bool AwaitWrites(std::chrono::milliseconds limit) const;
    // On the way out, waiting a few seconds: what the player was not told
    // yet of the replays that could not be written.
    std::optional<QString> WriteBeforeQuit();
    // Who tells the player, the first time a replay cannot be written.
    void SetFailureHandler(std::function<void(const QString& message)> handler) {
        failed_ = std::move(handler);
    }

  private:
    void Write(const QString& path, std::string replay);
    void Tell(const QString& failure);
    QString FailureMessage(const QString& failure) const;

    QString folder_;
    std::function<void(const QString&)> failed_;
    bool toldFailure_ = false;
    CReplayWriter writer_;  // last: it waits for its writes before the rest goes
};
