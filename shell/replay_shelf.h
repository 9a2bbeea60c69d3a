#pragma once
// Where replays are kept: the last finished game, and the game of every
// top-ten entry, in a "replays" folder of the application's data folder
// (never in the settings). An entry's replay is found from its record, whose
// format stays as it is: the file is named by a digest of the record text.
// Nothing here ever stops the game: a replay that cannot be written is only
// a replay that cannot be watched.

#include <QString>
#include <string>
#include <vector>

#include "scores/core/high_score_table.h"

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
    // not recorded, such as a tutorial page's); the others left the table.
    void EntryMade(const HighScoreEntry& entry, const std::string& replay,
                   const std::vector<HighScoreEntry>& left);
    QString EntryPath(const HighScoreEntry& entry) const;

    static bool Exists(const QString& path);

  private:
    bool Write(const QString& path, const std::string& replay) const;

    QString folder_;
};
